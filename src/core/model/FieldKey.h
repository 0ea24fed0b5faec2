#pragma once

#include <QString>
#include <QUuid>

// The key of a field's values in every record: the field's canonical id text, as one string shared by
// every record, journal and caller for as long as anything holds it. Values keyed by it cost one string per
// field instead of one per value, and look-ups by it find their entry by comparing pointers.
QString fieldKey(const QUuid& fieldID);
