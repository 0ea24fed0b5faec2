#include "app/importing/ImportPreview.h"

using namespace Qt::StringLiterals;
using namespace Importing;
using namespace Importing::ImportPreview;

namespace {

ImportRow importRow(const QStringList& warnings, const std::optional<QString>& error,
                    const std::optional<DuplicateKind>& duplicate, bool include) {
    ImportRow row;
    row.line = 2;
    for (const QString& warning : warnings)
        row.addWarning(warning);
    if (error)
        row.setError(*error);
    row.setDuplicate(duplicate);
    row.include = include;
    return row;
}

} // namespace

TEST(ImportPreviewRules, CheckCellAndColumnsLine) {
    const QStringList warnings{u"«абв» в поле «Сумма» не число"_s, u"неизвестный статус «Новы»"_s};
    const auto row = [&](std::optional<QString> error, std::optional<DuplicateKind> duplicate) {
        return importRow(warnings, error, duplicate, false);
    };
    const struct {
        ImportRow row;
        CellTone tone;
    } cases[] = {
        {row(u"нет ни одного заполненного поля"_s, std::nullopt), CellTone::red},
        {row(std::nullopt, DuplicateKind::sameInFile(4)), CellTone::warning},
        {row(std::nullopt, std::nullopt), CellTone::green},
    };
    for (const auto& c : cases) {
        const CellContent check = checkCell(c.row);
        EXPECT_EQ(check.text, c.row.checkText());
        EXPECT_EQ(check.tone, c.tone) << check.text.toStdString();
        EXPECT_EQ(check.help, c.row.checkText() + u'\n' + warnings.join(u'\n'));
    }
    EXPECT_EQ(columnsLine({u"Название"_s, u"Сумма"_s}, {}), u"Распознаны столбцы: Название, Сумма");
}

// The tiles count rows as the result does; an error never counts for import, included or not.
TEST(ImportPreviewRules, SummaryTilesGroupTheirCounts) {
    const auto rows = [](qsizetype count, bool include, std::optional<QString> error = std::nullopt,
                         std::optional<DuplicateKind> duplicate = std::nullopt) {
        return QList<ImportRow>(count, importRow({}, error, duplicate, include));
    };
    const struct {
        const char* what;
        QList<ImportRow> rows;
        QString counts; // rows, new, duplicates, errors, to import
    } cases[] = {
        {"empty file", {}, u"0 0 0 0 0"_s},
        {"mixed",
         rows(2, true) + rows(1, false) + rows(3, true, std::nullopt, DuplicateKind::sameID()) +
             rows(4, true, u"нет значений"_s) + rows(1, false, u"нет значений"_s, DuplicateKind::sameID()),
         u"11 3 3 5 5"_s},
        {"twelve thousand rows", rows(12000, true) + rows(1000, false, u"нет значений"_s),
         u"13000 12000 0 1000 12000"_s},
    };
    for (const auto& c : cases) {
        ImportResult result;
        result.rows = c.rows;
        QStringList titles, counts;
        for (const SummaryTile& tile : summaryTiles(result)) {
            titles.append(tile.title);
            counts.append(tile.count);
        }
        EXPECT_EQ(titles.join(u'|'), u"Строк|Новых|Дублей|С ошибками|Будет импортировано") << c.what;
        EXPECT_EQ(counts.join(u' '), c.counts) << c.what;
    }
}
