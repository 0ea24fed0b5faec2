#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The bytes of a CSV export as a document for the save panel, written as one regular file.
struct CSVDocument {
    QByteArray data;

    // Writes the bytes as one regular file, replacing it whole: the old file stays intact until the new
    // one is complete. Gives nothing only once the bytes are on the disk, else a short Russian description
    // of what failed.
    std::optional<QString> write(const QString& path) const;
};
