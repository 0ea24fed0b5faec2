#include "app/shell/ShellRules.h"

#include "core/model/NumberFormat.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace ShellRules {

const QString productName = u"Vostrel Учёт"_s;

std::optional<QUuid> repairedSelection(const QList<Journal>& journals, const std::optional<QUuid>& selected) {
    if (selected) {
        for (const Journal& journal : journals) {
            if (journal.id == *selected)
                return selected;
        }
    }
    if (journals.isEmpty())
        return std::nullopt;
    return journals.first().id;
}

QString mainWindowTitle(const std::optional<Journal>& shown) {
    return shown ? shown->name : productName;
}

QString deleteJournalTitle(const std::optional<Journal>& journal) {
    if (!journal)
        return u"Удалить журнал?"_s;
    const qsizetype count = journal->records.size();
    return u"Удалить журнал «"_s + journal->name + u"» ("_s + journal->itemNoun.counted(count) + u")?"_s;
}

QString deleteJournalMessage() {
    return u"Журнал и все его записи будут удалены без возможности восстановления. "
           u"Если нужна копия, сначала сделайте экспорт в CSV."_s;
}

std::optional<AlertContent> alertContent(const std::optional<QString>& lastError,
                                         const std::optional<QString>& message, bool messageIsFailure) {
    if (lastError)
        return AlertContent{u"Ошибка данных"_s, *lastError, true};
    if (message)
        return AlertContent{productName, *message, messageIsFailure};
    return std::nullopt;
}

QString sidebarCommandTitle(bool sidebarShown) {
    return sidebarShown ? u"Скрыть боковую панель"_s : u"Показать боковую панель"_s;
}

QString recordCountBadge(const Journal& journal) {
    // The badge is a number on its own and groups its digits; counts inside texts are written plain.
    return journal.records.isEmpty() ? QString()
                                     : NumberFormat::display(double(journal.records.size()), {}, 0);
}

QString exportSavedMessage(const QString& path) {
    return u"Экспорт сохранён: "_s + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString exportFailedMessage(const QString& reason) {
    return u"Не удалось сохранить файл: "_s + reason;
}

} // namespace ShellRules
