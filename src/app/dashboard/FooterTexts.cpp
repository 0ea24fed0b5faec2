#include "app/dashboard/FooterTexts.h"

#include "app/kit/AppKeys.h"
#include "app/kit/ShortcutText.h"

using namespace Qt::StringLiterals;

namespace Dashboard {

namespace {

QString either(const QKeySequence& first, const QKeySequence& second) {
    return shortcutText(first) + u" / "_s + shortcutText(second);
}

// The five status keys share their modifiers: the first key in full, then "…" and the last digit.
QString statusKeys() {
    const QKeySequence last(AppKeys::statusAt(4)[0].key());
    return shortcutText(AppKeys::statusAt(0)) + u'…' + shortcutText(last);
}

QString operandTitle(const std::optional<QUuid>& id, const Journal& journal) {
    if (id) {
        for (const MetricDef& metric : journal.metrics) {
            if (metric.id == *id)
                return metric.title;
        }
    }
    return u"?"_s;
}

} // namespace

QList<KeyHelp> dashboardKeys() {
    return {
        {shortcutText(AppKeys::primaryAdd()), u"добавить (пакетный ввод)"_s},
        {shortcutText(AppKeys::singleRecord()), u"одна запись"_s},
        {either(AppKeys::dashboardTab(), AppKeys::recordsTab()), u"итоги / записи"_s},
        {shortcutText(AppKeys::focusSearch()), u"поиск"_s},
        {shortcutText(AppKeys::primaryStatus()), u"основной статус (Оплачен, Проведено, Выполнено…)"_s},
        {statusKeys(), u"другие статусы"_s},
        {either(AppKeys::counterUp(), AppKeys::counterDown()), u"+1 / \u22121 к счётчику"_s},
        {shortcutText(AppKeys::openLinks()), u"открыть ссылки"_s},
        {shortcutText(AppKeys::editRecord()), u"изменить"_s},
        {shortcutText(AppKeys::deleteRecords()), u"удалить"_s},
        {either(AppKeys::importCSV(), AppKeys::exportCSV()), u"импорт / экспорт CSV"_s},
        {shortcutText(AppKeys::copyReport()), u"скопировать отчёт"_s},
        {shortcutText(AppKeys::newJournal()), u"новый журнал"_s},
        {shortcutText(AppKeys::journalSettings()), u"настройки журнала"_s},
    };
}

QString metricNote(const MetricDef& metric, const Journal& journal) {
    const QString title = u'«' + metric.title + u'»';
    if (isFormula(metric.kind)) {
        const bool ratio = metric.kind == MetricKind::ratio;
        return title + u" = «"_s + operandTitle(metric.operandA, journal) + u"» "_s +
               (ratio ? u'÷' : QChar(0x2212)) + u" «"_s + operandTitle(metric.operandB, journal) + u'»' +
               (ratio ? u" × 100 %"_s : QString());
    }
    if (const auto field = journal.field(metric.dateFieldID))
        return title + u" — по полю «"_s + field->name + u'»';
    return title + u" — по дате добавления записи"_s;
}

QString notesParagraph(const Journal& journal) {
    QStringList parts;
    if (!journal.hint.isEmpty())
        parts.append(journal.hint);
    if (!journal.metrics.isEmpty()) {
        QStringList notes;
        for (const MetricDef& metric : journal.metrics)
            notes.append(metricNote(metric, journal));
        parts.append(u"Показатели считаются за период: "_s + notes.join(u"; "_s) + u'.');
    }
    return parts.join(u' ');
}

} // namespace Dashboard
