#include "core/csv/CSVService.h"

#include "core/csv/Clusters.h"
#include "core/csv/RowReader.h"

#include <QStringDecoder>

namespace {

// Windows-1251 bytes 0x80-0xFF. The code page leaves 0x98 unassigned; it reads as U+0098 so that every
// byte sequence decodes and the result never depends on which converters the Qt build carries.
constexpr char16_t windows1251High[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // F8
};

QString fromWindows1251(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = QChar(u < 0x80 ? char16_t(u) : windows1251High[u - 0x80]);
    }
    return text;
}

// Strict UTF-8: a malformed, overlong, surrogate or truncated sequence fails. A leading mark is kept
// as U+FEFF, so only the caller decides which marks to drop.
std::optional<QString> fromUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// UTF-16 in the given byte order, mark included. Qt's decoder passes unpaired surrogates through and
// drops a dangling last byte silently, so both are checked here.
std::optional<QString> fromUtf16(QByteArrayView bytes, QStringConverter::Encoding order) {
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    QStringDecoder decoder(order,
                           QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return std::nullopt;
    }
    return text;
}

bool startsWith(const QByteArray& bytes, std::initializer_list<unsigned char> mark) {
    if (bytes.size() < qsizetype(mark.size()))
        return false;
    qsizetype i = 0;
    for (const unsigned char b : mark)
        if (static_cast<unsigned char>(bytes[i++]) != b)
            return false;
    return true;
}

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
    std::optional<QString> text;
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF})) {
        text = fromUtf8(QByteArrayView(bytes).sliced(3));
    } else if (startsWith(bytes, {0xFF, 0xFE})) {
        text = fromUtf16(bytes, QStringConverter::Utf16LE);
    } else if (startsWith(bytes, {0xFE, 0xFF})) {
        text = fromUtf16(bytes, QStringConverter::Utf16BE);
    } else {
        text = fromUtf8(bytes);
        if (!text)
            text = fromWindows1251(bytes);
    }
    // Every byte sequence reads as Windows-1251, a binary file too; its NUL characters tell it apart.
    if (text && text->contains(QChar(u'\0')))
        return std::nullopt;
    if (text && text->startsWith(QChar(0xFEFF)))
        text->remove(0, 1);
    return text;
}

QChar detectDelimiter(QStringView text) {
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
