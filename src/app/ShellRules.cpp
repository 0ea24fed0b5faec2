#include "ShellRules.h"

#include "model/NumberFormat.h"

#include <QDir>
#include <QFileInfo>

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

QList<QUuid> journalIDs(const QList<Journal>& journals) {
    QList<QUuid> ids;
    ids.reserve(journals.size());
    for (const Journal& journal : journals)
        ids.append(journal.id);
    return ids;
}

QString mainWindowTitle(const std::optional<Journal>& shown) {
    return shown ? shown->name : productName;
}

QString deleteJournalTitle(const std::optional<Journal>& journal) {
    if (!journal)
        return QStringLiteral("Удалить журнал?");
    const qsizetype count = journal->records.size();
    return QStringLiteral("Удалить журнал «") + journal->name + QStringLiteral("» (") +
           QString::number(count) + u' ' + journal->itemNoun(count) + QStringLiteral(")?");
}

QString deleteJournalMessage() {
    return QStringLiteral("Журнал и все его записи будут удалены без возможности восстановления. "
                          "Если нужна копия, сначала сделайте экспорт в CSV.");
}

std::optional<AlertContent> alertContent(const std::optional<QString>& lastError,
                                         const std::optional<QString>& message, bool messageIsFailure) {
    if (lastError)
        return AlertContent{QStringLiteral("Ошибка данных"), *lastError, true};
    if (message)
        return AlertContent{productName, *message, messageIsFailure};
    return std::nullopt;
}

bool addsInBatch(const Journal& journal) {
    return !journal.perItemFields().isEmpty();
}

QString sidebarCommandTitle(bool sidebarShown) {
    return sidebarShown ? QStringLiteral("Скрыть боковую панель") : QStringLiteral("Показать боковую панель");
}

QString primaryAddCommandTitle(const std::optional<Journal>& journal) {
    if (journal && addsInBatch(*journal))
        return journal->batchTitle + QChar(0x2026);
    return QStringLiteral("Новая запись…");
}

QString addButtonTitle(const Journal& journal) {
    return addsInBatch(journal) ? journal.batchTitle : QStringLiteral("Добавить");
}

QString newRecordsButtonTitle(const Journal& journal) {
    return addsInBatch(journal) ? journal.batchTitle : QStringLiteral("Новая запись");
}

QString recordCountBadge(const Journal& journal) {
    return journal.records.isEmpty() ? QString()
                                     : NumberFormat::display(double(journal.records.size()), {}, 0);
}

QString exportSavedMessage(const QString& path) {
    return QStringLiteral("Экспорт сохранён: ") +
           QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString exportFailedMessage(const QString& reason) {
    return QStringLiteral("Не удалось сохранить файл: ") + reason;
}
