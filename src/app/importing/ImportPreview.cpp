#include "app/importing/ImportPreview.h"

#include "core/model/NumberFormat.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Importing {

namespace ImportPreview {

QList<ColumnWidths::Column> columnWidths(const QList<FieldDef>& fields, int widestBadge) {
    using ColumnWidths::Floor;
    QList<ColumnWidths::Column> widths{
        {.minimum = 50, .ideal = 50, .fixed = true},
        {.minimum = 40, .ideal = 40, .fixed = true},
        {.minimum = 140, .ideal = 230, .round = ColumnWidths::reasonsRound, .floor = Floor::ideal},
        {.minimum = std::max(80, widestBadge), .ideal = std::max(110, widestBadge)},
    };
    for (const FieldDef& field : fields)
        widths.append(ColumnWidths::forField(field.type, 50, field.type == FieldType::link ? 90 : 110));
    widths.append({.minimum = 100, .ideal = 220, .round = ColumnWidths::reasonsRound, .floor = Floor::ideal});
    return widths;
}

QString title(const QString& journalName, const QString& fileName) {
    return u"Импорт в «"_s + journalName + u"»: "_s + fileName;
}

std::array<SummaryTile, 5> summaryTiles(const ImportResult& result) {
    const auto tile = [](const QString& title, qsizetype count) {
        return SummaryTile{title, NumberFormat::count(count)};
    };
    return {tile(u"Строк"_s, result.rows.size()), tile(u"Новых"_s, result.newCount()),
            tile(u"Дублей"_s, result.duplicateCount()), tile(u"С ошибками"_s, result.errorCount()),
            tile(u"Будет импортировано"_s, result.selectedCount())};
}

QString columnsLine(const QStringList& recognized, const QStringList& ignored) {
    QString line = u"Распознаны столбцы: "_s + recognized.join(u", "_s);
    if (!ignored.isEmpty())
        line += u". Пропущены: "_s + ignored.join(u", "_s);
    return line;
}

QString duplicatesHint() {
    return u"Дубли по умолчанию не импортируются — отметьте нужные строки вручную, если дубль намеренный."_s;
}

QString importButtonTitle(qsizetype n, const NounForms& itemNoun) {
    return u"Импортировать "_s + itemNoun.counted(n);
}

QString importedMessage(qsizetype n, const NounForms& itemNoun) {
    return u"Импортировано: "_s + itemNoun.counted(n) + u'.';
}

QString presetTitle(Preset preset) {
    switch (preset) {
    case Preset::onlyNew:
        return u"Только новые"_s;
    case Preset::withDuplicates:
        return u"Включить и дубли"_s;
    case Preset::none:
        return u"Снять все"_s;
    }
    return {};
}

bool presetIncludes(Preset preset, const ImportRow& row) {
    switch (preset) {
    case Preset::onlyNew:
        return !row.error() && !row.duplicate();
    case Preset::withDuplicates:
        return !row.error();
    case Preset::none:
        return false;
    }
    return false;
}

CellContent checkCell(const ImportRow& row) {
    CellContent content;
    content.text = row.checkText();
    content.tone = row.error() ? CellTone::red : row.duplicate() ? CellTone::warning : CellTone::green;
    QStringList lines{content.text};
    lines += row.warnings();
    content.help = lines.join(u'\n');
    return content;
}

CellContent remarksCell(const ImportRow& row) {
    CellContent content;
    content.text = row.warnings().join(u"; "_s);
    content.tone = CellTone::secondary;
    content.help = row.warnings().join(u'\n');
    return content;
}

} // namespace ImportPreview

} // namespace Importing
