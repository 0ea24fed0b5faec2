#pragma once

#include "core/model/Model.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

// Data files like a busy small business keeps: journals of several templates (sales, finance, clients,
// stock, tasks, product cards), records with values of every field type, drawn from a fixed seed.
namespace DataFileGenerator {

// Where the records' times lie: the first record's creation time and the seconds between two records.
struct Timeline {
    QDateTime first = QDateTime(QDate(2024, 1, 1), QTime(9, 0), Qt::UTC);
    qint64 spacingSeconds = 300;
};

// One journal of the template `make` with `records` records.
Journal journal(Journal (*make)(const Clock&), int records, unsigned seed = 1, const Timeline& timeline = {});
// `records` records in all, shared out over the journals.
QList<Journal> journals(int records, unsigned seed = 1, const Timeline& timeline = {});
// The bytes the store writes for those journals.
QByteArray dataFile(const QList<Journal>& journals);

} // namespace DataFileGenerator
