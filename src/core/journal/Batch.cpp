#include "core/journal/Batch.h"

#include "core/model/DateFormat.h"

#include <algorithm>

namespace {

bool isLineBreak(QChar c) {
    switch (c.unicode()) {
    case 0x000A: // line feed
    case 0x000B: // vertical tab
    case 0x000C: // form feed
    case 0x000D: // carriage return
    case 0x0085: // next line
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        return false;
    }
}

bool isBlank(QChar c) {
    return c.isSpace() && !isLineBreak(c);
}

bool isListSeparator(QChar c) {
    return c == u',' || c == u';' || c == u'\n' || c == u'\t';
}

bool isNumberSeparator(QChar c) {
    return c == u';' || c == u'\n' || c == u'\t';
}

bool isAsciiDigit(const QString& text, qsizetype i) {
    return i >= 0 && i < text.size() && text[i] >= u'0' && text[i] <= u'9';
}

// A comma with a digit on either side ("764,15") reads as a decimal comma once something else parts the
// items; any other comma ("15, 1 250") parts them.
bool isDecimalComma(const QString& text, qsizetype i) {
    return text[i] == u',' && isAsciiDigit(text, i - 1) && isAsciiDigit(text, i + 1);
}

bool isPartingComma(const QString& text, qsizetype i) {
    return text[i] == u',' && !isDecimalComma(text, i);
}

// The pieces between separators, in order, each cleaned; the pieces left empty are dropped.
// `isSeparator` takes the text and a position, for separators that depend on their neighbours.
template <typename IsSeparator, typename Clean>
QStringList splitAt(const QString& text, IsSeparator isSeparator, Clean clean) {
    QStringList items;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isSeparator(text, i))
            continue;
        const QString item = clean(QStringView(text).mid(start, i - start));
        if (!item.isEmpty())
            items.append(item);
        start = i + 1;
    }
    return items;
}

template <typename IsSeparator, typename Clean>
QStringList split(const QString& text, IsSeparator isSeparator, Clean clean) {
    return splitAt(
        text, [&](const QString& t, qsizetype i) { return isSeparator(t[i]); }, clean);
}

QString trimmed(QStringView piece) {
    return piece.trimmed().toString();
}

QString withoutEdgePunctuation(QStringView piece) {
    const auto isEdge = [](QChar c) { return c == u',' || c == u';'; };
    qsizetype begin = 0, end = piece.size();
    while (begin < end && isEdge(piece[begin]))
        ++begin;
    while (end > begin && isEdge(piece[end - 1]))
        --end;
    return piece.mid(begin, end - begin).toString();
}

// Sums are written with the decimal comma ("87 764,15"). A column or row pasted from a table parts its
// items by lines, tabs and semicolons, and a comma never does. A typed line parted by semicolons or by
// commas outside a number ("87 764,15, 1 250,50") keeps the commas between digits as decimal commas.
// Only a line of bare commas ("100,200,300") or of blanks parts its items as any list does.
QStringList splitNumbers(const QString& text) {
    if (text.contains(u'\n') || text.contains(u'\t'))
        return split(text, isNumberSeparator, trimmed);
    bool partedOtherwise = text.contains(u';');
    for (qsizetype i = 0; i < text.size() && !partedOtherwise; ++i)
        partedOtherwise = isPartingComma(text, i);
    if (partedOtherwise)
        return splitAt(
            text, [](const QString& t, qsizetype i) { return t[i] == u';' || isPartingComma(t, i); },
            trimmed);
    return BatchBuilder::parseSizes(text);
}

QStringList splitList(const QString& text, FieldType type) {
    switch (type) {
    case FieldType::longText:
        return BatchBuilder::parseLines(text);
    case FieldType::link:
        return BatchBuilder::parseLinks(text);
    case FieldType::text:
    case FieldType::choice:
        // Names may hold blanks: once the list has several lines, each line is one item.
        return text.contains(u'\n') ? BatchBuilder::parseLines(text) : BatchBuilder::parseSizes(text);
    case FieldType::number:
        return splitNumbers(text);
    case FieldType::date:
    case FieldType::checkbox:
        return BatchBuilder::parseSizes(text);
    }
    return {};
}

} // namespace

bool BatchRow::isEmpty() const {
    return std::all_of(values.cbegin(), values.cend(),
                       [](const QString& cell) { return cell.trimmed().isEmpty(); });
}

size_t qHash(const BatchRow& row, size_t seed) {
    // The cells are a map: combine its entries without depending on their order.
    size_t cells = 0;
    for (auto it = row.values.cbegin(); it != row.values.cend(); ++it)
        cells += qHashMulti(0, it.key(), it.value());
    return qHashMulti(seed, row.id, cells);
}

namespace BatchBuilder {

QStringList parseSizes(const QString& text) {
    // Once one of the list separators is present, blanks belong to the items ("42 44, 46").
    if (std::any_of(text.cbegin(), text.cend(), isListSeparator))
        return split(text, isListSeparator, trimmed);
    return split(text, isBlank, trimmed);
}

QStringList parseLinks(const QString& text) {
    return split(
        text, [](QChar c) { return c.isSpace(); }, withoutEdgePunctuation);
}

QStringList parseLines(const QString& text) {
    return split(text, isLineBreak, trimmed);
}

QList<BatchRow> makeRows(const QHash<QUuid, QString>& lists, const QList<FieldDef>& fields) {
    QList<QStringList> columns;
    columns.reserve(fields.size());
    qsizetype rowCount = 0;
    for (const FieldDef& field : fields) {
        columns.append(splitList(lists.value(field.id), field.type));
        rowCount = std::max(rowCount, columns.last().size());
    }
    QList<BatchRow> rows;
    rows.reserve(rowCount);
    for (qsizetype i = 0; i < rowCount; ++i) {
        BatchRow row{QUuid::createUuid(), {}};
        for (qsizetype f = 0; f < fields.size(); ++f) {
            if (i < columns[f].size())
                row.values.insert(fields[f].id, columns[f][i]);
        }
        rows.append(row);
    }
    return rows;
}

Records makeRecords(const Journal& journal, const Record& templateRecord, const QList<BatchRow>& rows,
                    const QDateTime& now) {
    Records result;
    const QList<FieldDef> perItem = journal.perItemFields();
    // Two-digit years are read around the day of creation.
    const Clock creation = [now] { return now; };
    for (const BatchRow& row : rows) {
        if (row.isEmpty())
            continue;
        Record record = templateRecord;
        record.id = QUuid::createUuid();
        record.createdAt = now;
        record.updatedAt = now;
        for (const FieldDef& field : perItem) {
            const QString cell = row.values.value(field.id);
            // A link typed once for the whole batch stays unless the row names its own.
            if (field.type == FieldType::link && cell.trimmed().isEmpty())
                continue;
            if (const std::optional<QString> warning =
                    Journal::assign(cell, field, record, DateFormat::defaultCalendar(), creation))
                result.warnings.append(*warning);
        }
        result.records.append(journal.normalized(record));
    }
    return result;
}

} // namespace BatchBuilder
