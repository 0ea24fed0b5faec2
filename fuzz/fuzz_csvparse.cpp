// Arbitrary text as CSV: delimiter detection and row splitting must agree with a plain reading of the
// rules that walks the text one grapheme cluster at a time.
#include "CSVService.h"

#include <QTextBoundaryFinder>

#include <cstdlib>

namespace {

QList<QStringView> clustersOf(const QString& text) {
    QList<QStringView> out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end != -1 && end > start; end = finder.toNextBoundary()) {
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
    return 0;
}
