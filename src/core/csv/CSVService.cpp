#include "core/csv/CSVService.h"

#include "core/csv/ChunkDecoder.h"
#include "core/csv/Clusters.h"
#include "core/csv/RowReader.h"

namespace {

bool isLineEnd(char16_t u) {
    return u == u'\n' || u == u'\r';
}

// A TAB is quoted as well as the comma although neither separates exported cells: unquoted, either could
// outnumber the ";" of the header line and make a reader choose it as the separator.
bool needsQuotes(char16_t u) {
    return u == u';' || u == u',' || u == u'"' || u == u'\n' || u == u'\r' || u == u'\t';
}

// A cell as written: NUL characters dropped, since a text holding one reads as a binary file and the
// whole export could not be imported again (only a hand-edited data file can hold one); quoted when
// needed, its double quotes doubled.
void appendCell(QString& out, QStringView cell) {
    bool quoted = false;
    bool nul = false;
    for (const QChar c : cell) {
        quoted = quoted || needsQuotes(c.unicode());
        nul = nul || c.unicode() == 0;
    }
    if (nul) {
        QString kept = cell.toString();
        kept.remove(QChar(u'\0'));
        appendCell(out, kept);
        return;
    }
    if (!quoted) {
        out += cell;
        return;
    }
    out += u'"';
    qsizetype from = 0;
    for (qsizetype quote = cell.indexOf(u'"'); quote != -1; quote = cell.indexOf(u'"', from)) {
        out += cell.sliced(from, quote + 1 - from);
        out += u'"';
        from = quote + 1;
    }
    out += cell.sliced(from);
    out += u'"';
}

// The name of the first status with the record's status id; empty for none.
QString statusName(const Journal& journal, const Record& record) {
    if (!record.statusID)
        return QString();
    for (const StatusDef& status : journal.statuses)
        if (status.id == *record.statusID)
            return status.name;
    return QString();
}

} // namespace

namespace CSVService {

QString exportJournal(const Journal& journal, const std::optional<QList<Record>>& records,
                      const Calendar& calendar) {
    const QList<Record>& rows = records ? *records : journal.records;
    QString out;
    out.reserve((rows.size() + 1) * (journal.fields.size() + 2) * 16);
    for (const FieldDef& field : journal.fields) {
        appendCell(out, field.name);
        out += u';';
    }
    out += u"Статус;ID\r\n";
    for (const Record& record : rows) {
        for (const FieldDef& field : journal.fields) {
            appendCell(out, journal.displayValue(record, field, calendar));
            out += u';';
        }
        appendCell(out, statusName(journal, record));
        out += u';';
        out += idText(record.id);
        out += u"\r\n";
    }
    return out;
}

QByteArray exportData(const Journal& journal, const std::optional<QList<Record>>& records,
                      const Calendar& calendar) {
    return QByteArray("\xEF\xBB\xBF") + exportJournal(journal, records, calendar).toUtf8();
}

std::optional<QString> decode(const QByteArray& bytes) {
    ChunkDecoder decoder;
    decoder.scan(bytes);
    if (!decoder.isText())
        return std::nullopt;
    return decoder.decode(bytes);
}

QChar detectDelimiter(QStringView text) {
    return detectDelimiter(text, nullptr);
}

QChar detectDelimiter(QStringView text, bool* firstLineEnded) {
    if (firstLineEnded)
        *firstLineEnded = false;
    Clusters clusters(text);
    int semicolons = 0;
    int commas = 0;
    int tabs = 0;
    bool inQuotes = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u == u'"') {
            if (clusters.isWhole(i, 1))
                inQuotes = !inQuotes;
        } else if (inQuotes) {
            continue;
        } else if (isLineEnd(u)) {
            if (firstLineEnded)
                *firstLineEnded = true;
            break;
        } else if (u == u'\t') {
            ++tabs; // a control character always stands alone
        } else if ((u == u';' || u == u',') && clusters.isWhole(i, 1)) {
            ++(u == u';' ? semicolons : commas);
        }
    }
    if (semicolons >= commas && semicolons >= tabs)
        return u';';
    return commas >= tabs ? u',' : u'\t';
}

QList<QStringList> parseRows(QStringView text, QChar delimiter) {
    QList<QStringList> rows;
    RowReader reader(text, delimiter);
    while (reader.next()) {
        QStringList& row = rows.emplace_back();
        row.reserve(reader.cells().size());
        for (const QStringView cell : reader.cells())
            row.append(cell.toString());
    }
    return rows;
}

} // namespace CSVService
