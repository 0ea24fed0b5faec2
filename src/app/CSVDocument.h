#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a CSV export as a document for the save panel, written as one regular file.
struct CSVDocument {
    QByteArray data;

    // Writes the bytes as one regular file, replacing it whole: the old file stays intact until the new
    // one is complete. True only once the bytes are on the disk; else false, with `error` (when given) set
    // to a short Russian description of what failed.
    bool write(const QString& path, QString* error = nullptr) const;
};
