#include "DashboardFigures.h"

#include "model/DateFormat.h"
#include "model/Ids.h"

#include <QSet>

using namespace Qt::StringLiterals;

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

DashboardFigures computeFigures(const Journal& journal, ReportPeriod period, const CustomDates& custom,
                                const QDateTime& now, const Calendar& calendar,
                                const std::optional<FieldDef>& breakdownBy) {
    DashboardFigures figures;
    figures.interval = interval(period, now, custom.start, custom.end, calendar);
    figures.results = Statistics::compute(journal, figures.interval);
    if (const auto before = previous(figures.interval, calendar))
        figures.comparison = Statistics::compute(journal, before);
    if (breakdownBy)
        figures.breakdown = Statistics::breakdown(journal, *breakdownBy, figures.interval);
    return figures;
}

QString periodDescription(const std::optional<DateInterval>& interval, const Calendar& calendar) {
    if (!interval)
        return u"Все записи"_s;
    const QString first = DateFormat::shortText(interval->start, calendar);
    const QString last = DateFormat::shortText(interval->end.addSecs(-1), calendar);
    return first == last ? first : first + u" — "_s + last;
}

QString countLine(const Journal& journal) {
    const qsizetype records = journal.records.size();
    QString line = u"В журнале: %1 %2"_s.arg(records).arg(journal.itemNoun(records));
    if (!journal.groupFields().isEmpty()) {
        QSet<QString> groups;
        groups.reserve(records);
        for (const Record& record : journal.records)
            groups.insert(journal.groupKey(record));
        line += u", %1 %2"_s.arg(groups.size()).arg(journal.groupNoun(groups.size()));
    }
    return line;
}
