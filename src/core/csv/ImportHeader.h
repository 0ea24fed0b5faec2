#pragma once

#include "core/model/Model.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QUuid>

#include <optional>

namespace CSVService {

// What a recognised column of an imported file holds.
struct ImportColumn {
    enum class Kind { field, status, id };
    Kind kind = Kind::field;
    QUuid fieldID;          // for a field column; two field columns are the same column when ids agree
    qsizetype fieldAt = -1; // the position of the matched field in the journal, for reading its cells

    bool operator==(const ImportColumn& other) const {
        return kind == other.kind && (kind != Kind::field || fieldID == other.fieldID);
    }
};

// The header and status names of a journal by their reduced keys (letters and digits only), worked out
// once per import.
class ImportNames {
public:
    explicit ImportNames(const Journal& journal);

    // The column a header cell names: a field by name (all names before any alias), then the status or
    // the id column.
    std::optional<ImportColumn> match(const QString& header) const;

    // The position of the status a status text names: equal reduced keys, else the longest common start
    // of at least 5 characters (the earlier status on a tie). Files repeat a handful of status texts, so
    // each text is worked out once.
    std::optional<qsizetype> matchStatus(const QString& text);

private:
    ImportColumn fieldColumn(qsizetype i) const;
    std::optional<qsizetype> statusFor(const QString& key) const;

    const Journal& m_journal;
    QStringList m_fieldNames;
    QList<QStringList> m_fieldAliases;
    QStringList m_statusNames;
    QList<QList<QStringView>> m_statusChars; // views into m_statusNames, which no longer changes
    QHash<QString, std::optional<qsizetype>> m_statusOfText;
};

} // namespace CSVService
