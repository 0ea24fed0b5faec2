#pragma once

#include "core/model/Calendar.h"
#include "core/model/Model.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringView>
#include <QUuid>

#include <array>
#include <optional>

// The records tab's filters of one journal: a plain value, kept in memory by the application shell.
struct RecordFilters {
    enum class LinkFilter { any, with, without };

    QString search{};                    // every word of it must occur in the record
    std::optional<QUuid> statusID{};     // the status a record must have
    std::optional<QUuid> valueFieldID{}; // none: the journal's filter field
    QString value{};                     // the value that field must have
    std::optional<QUuid> dateFieldID{};  // none: no date condition
    QDateTime from{};                    // one end of the day range
    QDateTime to{};                      // the other end, either order
    LinkFilter linkFilter = LinkFilter::any;

    bool operator==(const RecordFilters&) const = default;

    // The fresh filters of a journal: nothing chosen, the day range from the start of the current month
    // to now.
    static RecordFilters defaults(const Clock& clock, const Calendar& calendar);

    // Whether anything is being filtered. The value field and the dates alone filter nothing.
    bool isActive() const;

    // The journal's records that pass every set condition, in the journal's order.
    QList<Record> apply(const Journal& journal, const Calendar& calendar) const;

    // The comparison key of the text a search looks through: the display values of all the journal's
    // fields in field order, then the name of the record's status, joined by one blank.
    static QString searchText(const Journal& journal, const Record& record, const Calendar& calendar);
};

inline constexpr std::array<RecordFilters::LinkFilter, 3> allLinkFilters{
    RecordFilters::LinkFilter::any, RecordFilters::LinkFilter::with, RecordFilters::LinkFilter::without};

// The stored text of a link filter ("any", "with", "without"); it is also its id.
QString rawValue(RecordFilters::LinkFilter filter);
std::optional<RecordFilters::LinkFilter> linkFilterFromRaw(QStringView text);
// The label of the records tab's picker ("Любые ссылки", "Со ссылкой", "Без ссылки").
QString title(RecordFilters::LinkFilter filter);
