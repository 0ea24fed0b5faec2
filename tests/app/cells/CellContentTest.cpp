#include "app/cells/CellContent.h"
#include "RecordFixtures.h"
#include "TestSupport.h"

using namespace Qt::StringLiterals;
using TestSupport::utc;

namespace {

const QString dash = u"\u2014"_s;
using Kind = CellContent::Kind;

CellContent textCell(const QString& text, CellTone tone = CellTone::primary, const QString& help = {}) {
    return CellContent{.text = text, .help = help, .tone = tone};
}

} // namespace

TEST(FieldCell, ShowsEachTypeOfValue) {
    const QString longText = u"Первая строка\nвторая строка, которая не помещается в ячейку"_s;
    struct Case {
        FieldType type;
        std::optional<FieldValue> value;
        CellContent expected;
        QString unit = {};
    };
    const Case cases[] = {
        // Numbers as the number format shows them, with the unit, in equal-width digits.
        {FieldType::number, FieldValue::ofNumber(1234.5),
         CellContent{.text = u"1\u00A0234,5 ₽"_s, .equalWidthDigits = true}, u"₽"_s},
        // A missing value, or one left from an earlier type, is a faded dash; text cells stay empty.
        {FieldType::number, FieldValue::ofText(u"12"_s), textCell(dash, CellTone::tertiary)},
        {FieldType::date, std::nullopt, textCell(dash, CellTone::tertiary)},
        {FieldType::choice, std::nullopt, textCell({})},
        // A date is shown on its day in the user's zone (Moscow, three hours ahead of UTC).
        {FieldType::date, FieldValue::ofDate(utc(2024, 3, 5, 21, 30)), textCell(u"06.03.2024"_s)},
        // Long text: the whole text is the tooltip.
        {FieldType::longText, FieldValue::ofText(longText), textCell(longText, CellTone::primary, longText)},
        {FieldType::checkbox, FieldValue::ofFlag(true),
         CellContent{.kind = Kind::symbol, .symbol = u"checkmark.square.fill"_s, .tone = CellTone::accent}},
        {FieldType::checkbox, std::nullopt,
         CellContent{.kind = Kind::symbol, .symbol = u"square"_s, .tone = CellTone::secondary}},
    };
    for (const Case& c : cases) {
        FieldDef def = TestSupport::fieldOf(c.type);
        def.unit = c.unit;
        Record record;
        if (c.value)
            TestSupport::put(record, def, *c.value);
        EXPECT_EQ(FieldCell::content(Journal{}, record, def), c.expected)
            << rawValue(c.type).toStdString() << " → " << c.expected.text.toStdString();
    }
}

TEST(LinkCell, OpensUsableAddressesAndFlagsOthers) {
    struct Case {
        QString raw;
        CellContent::Kind kind;
        QString text;
        QString help;
        std::optional<QUrl> url;
    };
    const Case cases[] = {
        // The help text and the address opened are the completed form, not the text as stored.
        {u"example.com/price"_s, CellContent::Kind::openLink, u"Открыть"_s,
         u"Открыть: https://example.com/price"_s, QUrl(u"https://example.com/price"_s)},
        // Not an address: the help quotes the text as stored, blanks and all.
        {u" см. сайт "_s, CellContent::Kind::warning, u"Ошибка"_s,
         u"Ссылка не похожа на адрес сайта:  см. сайт "_s, std::nullopt},
        {u""_s, CellContent::Kind::text, dash, {}, std::nullopt},
        {u" \n\t"_s, CellContent::Kind::text, dash, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        const CellContent content = LinkCell::content(c.raw);
        EXPECT_EQ(content.kind, c.kind) << c.raw.toStdString();
        EXPECT_EQ(content.text, c.text) << c.raw.toStdString();
        EXPECT_EQ(content.help, c.help) << c.raw.toStdString();
        EXPECT_EQ(content.url, c.url) << c.raw.toStdString();
    }
}

TEST(StatusBadge, ShowsTheStatusInItsColourOrADash) {
    EXPECT_EQ(StatusBadge::content(std::nullopt), textCell(dash, CellTone::tertiary));
    const StatusDef status{QUuid::createUuid(), u"Оплачен"_s, AppColor::teal, std::nullopt, true};
    EXPECT_EQ(
        StatusBadge::content(status),
        (CellContent{
            .kind = Kind::badge, .text = status.name, .tone = CellTone::status, .color = AppColor::teal}));
}

TEST(CellData, HandsTextHelpAndContentToTheTable) {
    const CellContent content = LinkCell::content(u"example.com"_s);
    EXPECT_EQ(cellData(content, Qt::DisplayRole).toString(), u"Открыть"_s);
    EXPECT_EQ(cellData(content, Qt::ToolTipRole).toString(), u"Открыть: https://example.com"_s);
    EXPECT_EQ(cellData(content, CellContentRole).value<CellContent>(), content);
    // No tooltip at all for a cell without help, rather than an empty one.
    EXPECT_FALSE(cellData(textCell(u"Иванова"_s), Qt::ToolTipRole).isValid());
}

TEST(LinkEditText, WarningAndPaste) {
    const std::optional<QString> warning = LinkEditText::warning(u"пример"_s);
    ASSERT_TRUE(warning);
    EXPECT_TRUE(warning->startsWith(u"Не похоже на адрес сайта. Пример: https://"_s));
    EXPECT_TRUE(warning->endsWith(u"/…"_s));
    EXPECT_FALSE(LinkEditText::warning(u"  "_s));
    EXPECT_FALSE(LinkEditText::warning(u"example.com"_s));

    EXPECT_EQ(LinkEditText::pasted(u" example.com/item \n"_s), u"https://example.com/item"_s);
    EXPECT_EQ(LinkEditText::pasted(u"не ссылка"_s), u"не ссылка"_s);
    EXPECT_EQ(LinkEditText::pasted(u"\u001Bexample.com/"_s + QChar(0) + u"a\u0007"_s),
              u"https://example.com/a"_s);
    EXPECT_FALSE(LinkEditText::pasted(std::nullopt));
}
