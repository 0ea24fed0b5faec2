#pragma once

#include "core/model/Model.h"

#include <QList>
#include <QString>

namespace Records {

// One titled section of an entry form: the status picker at its top when it holds the status, then a row
// for each of its fields, in journal order.
struct FieldSection {
    QString title;
    QList<FieldDef> fields;
    bool holdsStatus = false;

    bool operator==(const FieldSection&) const = default;
};

} // namespace Records
