#pragma once

#include "core/model/Model.h"

#include <QByteArray>
#include <QDateTime>

// One busy sales journal of many records, as the screens' benchmarks show it: a record every 5 minutes up
// to benchNow, so the current and the previous month are full, read back from its data file so that the
// records share the texts of their value keys as the store's do.
namespace LargeJournals {

inline const QDateTime benchNow = QDateTime(QDate(2024, 6, 20), QTime(12, 0), Qt::UTC);

// The sales journal of `records` records, made once per count.
const Journal& sales(int records);
// The bytes of a data file holding that journal first and a small journal of clients after it.
QByteArray dataFile(int records);

} // namespace LargeJournals
