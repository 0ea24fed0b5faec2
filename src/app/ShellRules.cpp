#include "ShellRules.h"

#include "csv/CSVImport.h"
#include "csv/CSVService.h"

#include <QDir>
#include <QFile>
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
    return shown ? shown->name : QStringLiteral("Vostrel Учёт");
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
                                         const std::optional<QString>& message) {
    if (lastError)
        return AlertContent{QStringLiteral("Ошибка данных"), *lastError};
    if (message)
        return AlertContent{QStringLiteral("Vostrel Учёт"), *message};
    return std::nullopt;
}

bool addsInBatch(const Journal& journal) {
    return !journal.perItemFields().isEmpty();
}

QString primaryAddCommandTitle(const std::optional<Journal>& journal) {
    if (journal && addsInBatch(*journal))
        return journal->batchTitle + QChar(0x2026);
    return QStringLiteral("Новая запись…");
}

QString addButtonTitle(const Journal& journal) {
    return addsInBatch(journal) ? journal.batchTitle : QStringLiteral("Добавить");
}

QString recordCountBadge(const Journal& journal) {
    return journal.records.isEmpty() ? QString() : QString::number(journal.records.size());
}

namespace {

// Qt's error strings are English; the reason a chosen file cannot be read is worded here.
QString readFailure(const QString& path) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!info.exists())
        return QStringLiteral("Файл «%1» не найден.").arg(name);
    if (info.isDir())
        return QStringLiteral("«%1» — это папка, а не файл.").arg(name);
    if (!info.isReadable())
        return QStringLiteral("Нет прав на чтение файла «%1».").arg(name);
    return QStringLiteral("Не удалось прочитать файл «%1».").arg(name);
}

} // namespace

ImportOutcome readImportFile(const QString& path, const Journal& journal, const Calendar& calendar,
                             const Clock& clock) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return readFailure(path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return readFailure(path);
    const std::optional<QString> text = CSVService::decode(bytes);
    if (!text)
        return CSVImportError::unreadable().errorDescription();
    try {
        return ImportPreviewItem{QUuid::createUuid(), journal.id, QFileInfo(path).fileName(),
                                 CSVService::prepareImport(*text, journal, calendar, clock)};
    } catch (const CSVImportError& error) {
        return error.errorDescription();
    }
}

QString exportSavedMessage(const QString& path) {
    return QStringLiteral("Экспорт сохранён: ") +
           QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString exportFailedMessage(const QString& reason) {
    return QStringLiteral("Не удалось сохранить файл: ") + reason;
}
