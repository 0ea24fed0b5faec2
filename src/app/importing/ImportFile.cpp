#include "app/importing/ImportFile.h"

#include "core/csv/CSVImport.h"
#include "core/csv/CSVService.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace importing {

namespace {

// Qt's error strings are English; the reason a chosen file cannot be read is worded here.
QString readFailure(const QString& path) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!info.exists())
        return u"Файл «%1» не найден."_s.arg(name);
    if (info.isDir())
        return u"«%1» — это папка, а не файл."_s.arg(name);
    if (!info.isReadable())
        return u"Нет прав на чтение файла «%1»."_s.arg(name);
    return u"Не удалось прочитать файл «%1»."_s.arg(name);
}

} // namespace

ImportOutcome readImportFile(const QString& path, const Journal& journal, const Calendar& calendar,
                             const Clock& clock) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return readFailure(path);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return readFailure(path);
    file.close();
    const std::optional<QString> text = CSVService::decode(bytes);
    // The text holds everything from here on; a large file's bytes are not kept beside it.
    bytes = QByteArray();
    if (!text)
        return CSVImportError::unreadable().errorDescription();
    QString error;
    std::optional<ImportResult> result = CSVService::prepareImport(*text, journal, calendar, clock, &error);
    if (!result)
        return error;
    return ImportPreviewItem{QUuid::createUuid(), journal.id, QFileInfo(path).fileName(), std::move(*result)};
}

} // namespace importing
