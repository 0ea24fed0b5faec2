#pragma once

#include "core/model/Model.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

// Data files like a small business keeps: a journal of every template (sales, finance, clients, stock,
// services, tasks, publications, product cards, a journal of one's own), whose records name plausible
// people, companies and goods, whose statuses have stamped their dates in order as the application does,
// and whose sums add up; all drawn from a fixed seed. Every field type holds values, notes among them.
namespace DataFileGenerator {

// Where the records lie: the first record's creation time and running number (order and document numbers
// count on from it), and the seconds between two records. A record's statuses have moved on as far as the
// end of the timeline allows, the moment after the last record's turn: nothing is dated after it.
struct Timeline {
    QDateTime first = QDateTime(QDate(2024, 1, 1), QTime(9, 0), Qt::UTC);
    qint64 spacingSeconds = 300;
    int firstSerial = 0;
};

// One journal of the template `make` with `records` records.
Journal journal(Journal (*make)(const Clock&), int records, unsigned seed = 1, const Timeline& timeline = {});
// `records` records in all, shared out over a journal of every template, the sales journal first.
QList<Journal> journals(int records, unsigned seed = 1, const Timeline& timeline = {});
// The bytes the store writes for those journals.
QByteArray dataFile(const QList<Journal>& journals);

} // namespace DataFileGenerator
