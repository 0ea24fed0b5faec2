// Arbitrary text as CSV: delimiter detection and row splitting must agree with a plain reading of the
// rules that walks the text one grapheme cluster at a time; the rows, exported as a journal of text
// fields, must read back as the same cells; and the text's file read in chunks gives the same rows.
#include "core/csv/CSVService.h"
#include "core/csv/ChunkRows.h"

#include <QTextBoundaryFinder>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

QList<QStringView> clustersOf(const QString& text) {
    QList<QStringView> out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end != -1 && end > start; end = finder.toNextBoundary()) {
        // Qt's tailoring for Indic scripts splits CR LF after a Devanagari letter; it stays one character.
        if (text[start] == u'\n' && start > 0 && text[start - 1] == u'\r' && out.last() == u"\r")
            out.last() = QStringView(text).sliced(start - 1, 2);
        else
            out.append(QStringView(text).sliced(start, end - start));
        start = end;
    }
    return out;
}

bool isLineEnd(QStringView c) {
    return c == u"\n" || c == u"\r\n" || c == u"\r";
}

QChar referenceDelimiter(const QList<QStringView>& chars) {
    int semicolons = 0, commas = 0, tabs = 0;
    bool inQuotes = false;
    for (QStringView c : chars) {
        if (c == u"\"")
            inQuotes = !inQuotes;
        else if (inQuotes)
            continue;
        else if (isLineEnd(c))
            break;
        else if (c == u";")
            ++semicolons;
        else if (c == u",")
            ++commas;
        else if (c == u"\t")
            ++tabs;
    }
    if (semicolons >= commas && semicolons >= tabs)
        return u';';
    return commas >= tabs ? u',' : u'\t';
}

QList<QStringList> referenceRows(const QList<QStringView>& chars, QChar delimiter) {
    const QString sep(delimiter);
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool inQuotes = false;
    for (qsizetype i = 0; i < chars.size(); ++i) {
        const QStringView c = chars[i];
        if (inQuotes) {
            if (c == u"\"" && i + 1 < chars.size() && chars[i + 1] == u"\"") {
                cell += u'"';
                ++i;
            } else if (c == u"\"") {
                inQuotes = false;
            } else {
                cell += c;
            }
        } else if (c == u"\"" && cell.isEmpty()) {
            inQuotes = true;
        } else if (c == sep) {
            row.append(cell);
            cell.clear();
        } else if (isLineEnd(c)) {
            row.append(cell);
            rows.append(row);
            cell.clear();
            row.clear();
        } else {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !row.isEmpty()) {
        row.append(cell);
        rows.append(row);
    }
    return rows;
}

// A journal of text fields named by the first row, holding the other rows as records.
Journal journalOf(const QList<QStringList>& rows) {
    Journal journal;
    for (const QString& name : rows.first())
        journal.fields.append(FieldDef{.id = QUuid::createUuid(), .name = name});
    for (qsizetype r = 1; r < rows.size(); ++r) {
        Record record;
        record.id = QUuid::createUuid();
        for (qsizetype c = 0; c < rows[r].size() && c < journal.fields.size(); ++c)
            record.setText(rows[r][c], journal.fields[c].id);
        journal.records.append(record);
    }
    return journal;
}

// A cell that begins with a combining mark joins the ";" or quote before it into one character, and one
// that ends with a prepended mark joins the character after it. Read by whole characters, such a file
// does not give back the same cells, so the round trip skips it.
bool separatorsStandAlone(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u';' && text[i] != u'"')
            continue;
        finder.setPosition(i);
        if (!finder.isAtBoundary())
            return false;
        finder.setPosition(i + 1);
        if (!finder.isAtBoundary())
            return false;
    }
    return true;
}

void checkRoundTrip(const QList<QStringList>& rows) {
    if (rows.isEmpty() || rows.size() > 64)
        return;
    const Journal journal = journalOf(rows);
    const QString written = CSVService::exportJournal(journal);
    const QByteArray file = CSVService::exportData(journal);
    if (file != "\xEF\xBB\xBF" + written.toUtf8())
        std::abort();
    // Export leaves NUL characters out, so that reading never takes the file for a binary one.
    if (written.contains(QChar(u'\0')))
        std::abort();
    // Reading drops one U+FEFF at the start, as a second byte-order mark.
    if (written.startsWith(QChar(0xFEFF)) || !separatorsStandAlone(written))
        return;

    const auto withoutNul = [](QString cell) { return cell.remove(QChar(u'\0')); };
    QList<QStringList> expected(1);
    for (const QString& name : rows.first())
        expected.first().append(withoutNul(name));
    expected.first() << u"Статус"_s << u"ID"_s;
    for (const Record& record : journal.records) {
        QStringList line;
        for (const FieldDef& field : journal.fields)
            line.append(withoutNul(record.text(field.id)));
        line << QString() << idText(record.id);
        expected.append(line);
    }
    const std::optional<QString> read = CSVService::decode(file);
    if (!read || *read != written || CSVService::detectDelimiter(*read) != u';' ||
        CSVService::parseRows(*read, u';') != expected)
        std::abort();
}

QList<QStringList> rowsOf(CSVService::RowSource& source) {
    QList<QStringList> rows;
    while (source.next()) {
        QStringList& row = rows.emplace_back();
        for (const QStringView cell : source.cells())
            row.append(cell.toString());
    }
    return rows;
}

// The text's file read in chunks, cut where the input's bytes say, gives the rows of its whole text.
void checkChunks(const QString& text, const QByteArray& sizes) {
    const QByteArray file = "\xEF\xBB\xBF" + text.toUtf8();
    const std::optional<QString> whole = CSVService::decode(file);
    if (!whole)
        return; // a NUL character
    QList<QByteArray> chunks;
    for (qsizetype at = 0, i = 0; at < file.size(); ++i) {
        const qsizetype n = std::min<qsizetype>(
            1 + (sizes.isEmpty() ? 0 : uchar(sizes[i % sizes.size()]) % 13), file.size() - at);
        chunks.append(file.sliced(at, n));
        at += n;
    }
    CSVService::ChunkRows read(chunks, 1 + sizes.size() % 7);
    CSVService::TextRows all(*whole);
    if (!read.isText() || read.rowsAtMost() != all.rowsAtMost() || rowsOf(read) != rowsOf(all))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = CSVService::decode(bytes).value_or(QString::fromUtf8(bytes));
    const QList<QStringView> chars = clustersOf(text);

    const QChar delimiter = CSVService::detectDelimiter(text);
    if (delimiter != referenceDelimiter(chars))
        std::abort();
    for (const QChar d : {delimiter, QChar(u','), QChar(u'\t')}) {
        if (CSVService::parseRows(text, d) != referenceRows(chars, d))
            std::abort();
    }
    checkRoundTrip(CSVService::parseRows(text, delimiter));
    checkChunks(text, bytes);
    return 0;
}
