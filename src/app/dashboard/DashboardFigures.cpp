#include "app/dashboard/DashboardFigures.h"

#include "core/model/DateFormat.h"
#include "core/model/Ids.h"

using namespace Qt::StringLiterals;

namespace Dashboard {

QString periodSettingsKey(const QUuid& journalID) {
    return u"period."_s + idText(journalID);
}

ReportPeriod storedPeriod(const QVariant& stored) {
    if (stored.typeId() != QMetaType::QString)
        return ReportPeriod::thisMonth;
    return reportPeriodFromRaw(stored.toString()).value_or(ReportPeriod::thisMonth);
}

CustomDates CustomDates::initial(const QDateTime& now, const Calendar& calendar) {
    const QDate today = calendar.day(now);
    return CustomDates{calendar.startOfDay(QDate(today.year(), today.month(), 1)), now};
}

std::optional<double> DashboardFigures::previous(qsizetype position) const {
    if (!comparison || position < 0 || position >= comparison->size())
        return std::nullopt;
    return comparison->at(position).value;
}

DashboardFigures computeFigures(MetricTable& table, ReportPeriod period, const CustomDates& custom,
                                const QDateTime& now, const Calendar& calendar,
                                const std::optional<FieldDef>& breakdownBy) {
    DashboardFigures figures;
    figures.interval = interval(period, now, custom.start, custom.end, calendar);
    figures.results = table.compute(figures.interval);
    if (const auto before = previous(figures.interval, calendar))
        figures.comparison = table.compute(before);
    if (breakdownBy)
        figures.breakdown = table.breakdown(*breakdownBy, figures.interval);
    return figures;
}

QString periodDescription(const std::optional<DateInterval>& interval, const Calendar& calendar) {
    if (!interval)
        return u"Все записи"_s;
    const QString first = DateFormat::shortText(interval->start, calendar);
    const QString last = DateFormat::shortText(interval->end.addSecs(-1), calendar);
    return first == last ? first : first + u" — "_s + last;
}

QString countLine(const MetricTable& table) {
    const Journal& journal = table.journal();
    const qsizetype records = journal.records.size();
    QString line = u"В журнале: "_s + journal.itemNoun.counted(records);
    if (!journal.groupFields().isEmpty()) {
        const qsizetype groups = table.groupCount();
        line += u", "_s + journal.groupNoun.counted(groups);
    }
    return line;
}

} // namespace Dashboard
