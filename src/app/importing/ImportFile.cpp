#include "app/importing/ImportFile.h"

#include "core/csv/CSVImport.h"
#include "core/csv/PieceRows.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Importing {

namespace {

constexpr qint64 pieceSize = 1 << 20;

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
    // The file is read in pieces and its text made a piece at a time while its rows are read, each piece let
    // go once read: the rows are all that grows, never the whole text beside them.
    QList<QByteArray> pieces;
    for (QByteArray piece = file.read(pieceSize); !piece.isEmpty(); piece = file.read(pieceSize))
        pieces.append(std::move(piece));
    if (file.error() != QFileDevice::NoError)
        return readFailure(path);
    file.close();
    CSVService::PieceRows rows(std::move(pieces));
    if (!rows.isText())
        return CSVImportError::unreadable().errorDescription();
    QString error;
    std::optional<ImportResult> result = CSVService::prepareImport(rows, journal, calendar, clock, &error);
    if (!result)
        return error;
    return ImportPreviewItem{QUuid::createUuid(), journal.id, QFileInfo(path).fileName(), std::move(*result)};
}

} // namespace Importing
