#pragma once

#include "core/model/DateFormat.h"
#include "core/model/Model.h"

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Reading and writing of CSV files. Every operation is a pure function of its arguments.
//
// Text is handled as user-perceived characters (grapheme clusters): CR LF is one line end, and a ";"
// that a combining mark joins (";" + U+0301) is an ordinary character, not a cell separator.
namespace CSVService {

// The CSV text of a journal's records (without the byte-order mark): a header of the field names, then
// "Статус" and "ID"; one line per record with every field's plain text (numbers with a decimal comma,
// dates as dd.MM.yyyy in the calendar's zone, a ticked checkbox as "да"), the status name and the id.
// Cells are separated by ";", every line ends with CR LF. A cell holding ";", ",", a double quote, a
// line end or a TAB is quoted, its double quotes doubled. NUL characters (only a hand-edited data file
// holds them) are left out of every cell, so that the export reads back. Without a list, all of the
// journal's records are written; with one, exactly those records in that order.
QString exportJournal(const Journal& journal, const std::optional<QList<Record>>& records = std::nullopt,
                      const Calendar& calendar = DateFormat::defaultCalendar());
// The file's bytes: the UTF-8 byte-order mark, then the text above in UTF-8.
QByteArray exportData(const Journal& journal, const std::optional<QList<Record>>& records = std::nullopt,
                      const Calendar& calendar = DateFormat::defaultCalendar());

// The text of a file's bytes, tried in this order: UTF-8 after the UTF-8 mark (no other attempt when
// the rest is not valid UTF-8); UTF-16 after either of its marks (the mark gives the byte order; an odd
// length or an unpaired surrogate fails); else UTF-8, then Windows-1251, which reads every byte. One
// leading U+FEFF left in the text is removed. Nothing when no encoding reads the bytes, and for a text
// holding a NUL character, which no CSV text holds and nearly every binary file does.
std::optional<QString> decode(const QByteArray& bytes);

// The cell separator of a file, chosen from its first line (line ends inside quotes do not end it):
// the most frequent of ";", "," and TAB outside quotes; ";" on a tie with it or when none occurs.
QChar detectDelimiter(QStringView text);
// The same, for the start of a text; `firstLineEnded` tells whether the first line ends within it, so that
// more of the text could not change the choice.
QChar detectDelimiter(QStringView text, bool* firstLineEnded);

// The rows of the text in file order, each a list of cells, untrimmed. A blank line gives one empty
// cell; a line end at the very end adds no row; an unterminated quote runs to the end of the text.
// Rows need not have the same number of cells. A row whose quoted cell holds line ends spans several
// physical lines; import numbers rows by their position in this list, not by physical lines.
QList<QStringList> parseRows(QStringView text, QChar delimiter);

} // namespace CSVService
