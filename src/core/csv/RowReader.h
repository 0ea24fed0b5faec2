#pragma once

#include "core/csv/Clusters.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace CSVService {

// Splits a CSV text into rows one at a time, by the rules of parseRows, without copying the text: a
// cell is a view into the text, or into the reader's own buffer when undoing its quotes leaves characters
// that do not stand side by side in the text ("a""b", "ab"c). A large file is thus read row by row in
// little more memory than the text itself. The text must outlive the reader; a row's views stay valid
// until the next call of next().
class RowReader {
public:
    RowReader(QStringView text, QChar delimiter);

    // Moves to the next row; false when the text holds no further row.
    bool next();
    // The cells of the current row, untrimmed.
    const QList<QStringView>& cells() const { return m_cells; }
    // Where the text after the current row starts.
    qsizetype end() const { return m_pos; }

private:
    // Where a finished cell's characters are: a run of the text, or a run of m_unquoted.
    struct Span {
        bool unquoted;
        qsizetype from;
        qsizetype size;
    };

    void take(qsizetype from, qsizetype to);
    void takeQuote();
    void moveToOwnBuffer();
    bool cellIsEmpty() const;
    void endCell(qsizetype runEnd);

    QStringView m_text;
    char16_t m_delimiter;
    Clusters m_clusters;
    qsizetype m_pos = 0;

    // The cell being read: a run of the text until a second run or an undone quote joins it.
    qsizetype m_runStart = 0; // characters from here on belong to the cell but are not taken yet
    qsizetype m_cellFrom = 0;
    qsizetype m_cellSize = 0;
    bool m_cellOwned = false; // the cell's characters are being gathered in m_unquoted from m_ownedFrom
    qsizetype m_ownedFrom = 0;

    QString m_unquoted;
    QList<Span> m_spans;
    QList<QStringView> m_cells;
};

} // namespace CSVService
