#pragma once

#include "Draw.h"
#include "core/model/Calendar.h"
#include "core/model/FieldValue.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <initializer_list>
#include <utility>

// What happened to one generated record: the values it was given, and the statuses it passed through from
// the day it was added up to "now", each with the moment it was set. The generator sets those statuses
// on the record in turn, as a user would, so the status dates are stamped by the journal's own rule.
struct RecordStory {
    // One step of a record's way: the status reached, the chance of reaching it from the step before, and
    // the whole days it takes.
    struct Step {
        QString status;
        int percent;
        int minDays;
        int maxDays;
    };
    // How the last step tried went: taken, not taken (the record stops there for good) or still ahead of
    // "now".
    enum class Outcome { taken, declined, pending };

    int serial = 0;                                // the record's running number in its journal
    QDateTime created;                             // when the record was added
    QDateTime end;                                 // "now": nothing in the story happens after it
    Calendar calendar;                             // whose days the date fields hold
    QHash<QString, FieldValue> values;             // by the field's key in its template
    QList<std::pair<QString, QDateTime>> statuses; // by name, in the order they were set

    void text(const QString& key, const QString& value);
    void number(const QString& key, double value);
    // A date field: the day on which the moment falls, as a typed date is kept.
    void day(const QString& key, const QDateTime& moment);
    void flag(const QString& key);

    // The record starts in the status when it is added.
    void start(const QString& status) { statuses.append({status, created}); }
    // When the story last moved: the last status set, or the record's adding.
    QDateTime last() const { return statuses.isEmpty() ? created : statuses.last().second; }
    // Tries the step after the last one.
    Outcome move(Draw& draw, const Step& step);
    // Tries the steps in turn, up to the first one not taken.
    Outcome follow(Draw& draw, std::initializer_list<Step> steps);
};

// The stories of the templates' records, one teller per template.
namespace RecordStories {

using Teller = void (*)(RecordStory& story, Draw& draw);

// The teller of the template with that key; none for a key of no template.
Teller tellerFor(QStringView templateKey);

// Orders, money, deals and stock.
void sales(RecordStory& story, Draw& draw);
void finance(RecordStory& story, Draw& draw);
void crm(RecordStory& story, Draw& draw);
void warehouse(RecordStory& story, Draw& draw);
// The workshop's visits, tasks, publications, product cards and a list of materials.
void services(RecordStory& story, Draw& draw);
void tasks(RecordStory& story, Draw& draw);
void content(RecordStory& story, Draw& draw);
void cards(RecordStory& story, Draw& draw);
void blank(RecordStory& story, Draw& draw);

} // namespace RecordStories
