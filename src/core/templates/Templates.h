#pragma once

#include "core/model/Calendar.h"
#include "core/model/Model.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// One entry of the template catalogue: what the new-journal picker shows, and how to build the journal.
struct JournalTemplate {
    // Builds a new journal of the template; each call draws new ids. The clock gives the journal's createdAt.
    struct Maker {
        Journal (*builder)(const Clock& clock);
        Journal operator()(const Clock& clock = systemNow) const { return builder(clock); }
    };

    QString key;     // unique in the catalogue; also written into the journal's templateKey
    QString name;    // shown in the picker
    QString icon;    // symbol name shown in the picker
    QString summary; // one or two short sentences under the name
    Maker make;

    const QString& id() const { return key; }
};

// The ready-made journal designs. Every builder returns a complete journal with new ids, no records and
// createdAt set to the clock's "now"; every reference in it points at its own fields, statuses and metrics.
namespace Templates {

// The nine entries in catalogue order; built once, on first use.
const QList<JournalTemplate>& all();
// The first entry whose key equals the text exactly (case-sensitive), or nothing.
std::optional<JournalTemplate> templateFor(QStringView key);

Journal sales(const Clock& clock = systemNow);
Journal finance(const Clock& clock = systemNow);
Journal crm(const Clock& clock = systemNow);
Journal warehouse(const Clock& clock = systemNow);
Journal services(const Clock& clock = systemNow);
Journal tasks(const Clock& clock = systemNow);
Journal content(const Clock& clock = systemNow);
Journal cards(const Clock& clock = systemNow);
Journal blank(const Clock& clock = systemNow);

} // namespace Templates
