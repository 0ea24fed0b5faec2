#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The bytes of a CSV export as a document for the save panel. Reading and writing work on one regular
// file whose contents are the bytes.
struct CSVDocument {
    QByteArray data;

    // The content types the document reads and writes, in order of preference (MIME names).
    static QStringList readableContentTypes();
    static QStringList writableContentTypes();

    // The file's regular contents; anything that is not a readable regular file (a folder, a missing
    // path) gives a document without bytes. Reading never fails.
    static CSVDocument read(const QString& path);

    // Writes the bytes as one regular file, replacing it whole: the old file stays intact until the new
    // one is complete. Gives nothing on success, else a short Russian description of what failed.
    std::optional<QString> write(const QString& path) const;
};
