#include "app/importing/ImportFile.h"

#include "core/csv/CSVImport.h"
#include "core/csv/ChunkRows.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Importing {

namespace {

constexpr qint64 chunkSize = 1 << 20;

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
    // The file is read in chunks and its text made a chunk at a time while its rows are read, each chunk let
    // go once read: the rows are all that grows, never the whole text beside them.
    QList<QByteArray> chunks;
    for (QByteArray chunk = file.read(chunkSize); !chunk.isEmpty(); chunk = file.read(chunkSize))
        chunks.append(std::move(chunk));
    if (file.error() != QFileDevice::NoError)
        return readFailure(path);
    file.close();
    CSVService::ChunkRows rows(std::move(chunks));
    if (!rows.isText())
        return CSVImportError::unreadable().errorDescription();
    QString error;
    std::optional<ImportResult> result = CSVService::prepareImport(rows, journal, calendar, clock, &error);
    if (!result)
        return error;
    return ImportPreviewItem{QUuid::createUuid(), journal.id, QFileInfo(path).fileName(), std::move(*result)};
}

} // namespace Importing
