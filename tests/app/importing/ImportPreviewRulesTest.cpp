#include "app/importing/ImportPreviewRules.h"

using namespace Qt::StringLiterals;
using namespace importing;
using namespace importing::ImportPreview;

TEST(ImportPreviewRules, CheckCellAndColumnsLine) {
    const QStringList warnings{u"«абв» в поле «Сумма» не число"_s, u"неизвестный статус «Новы»"_s};
    const auto row = [&](std::optional<QString> error, std::optional<DuplicateKind> duplicate) {
        return ImportRow{QUuid::createUuid(), 2, Record{}, warnings, error, duplicate, false};
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
