#include "CellContent.h"
#include "LinkActions.h"
#include "TestSupport.h"

using namespace Qt::StringLiterals;
using testsupport::utc;

namespace {

const QString dash = u"\u2014"_s;

FieldDef field(FieldType type, const QString& unit = {}) {
    FieldDef def;
    def.id = QUuid::createUuid();
    def.name = u"Поле"_s;
    def.type = type;
    def.unit = unit;
    return def;
}

Record holding(const FieldDef& def, std::optional<FieldValue> value) {
    Record record;
    record.id = QUuid::createUuid();
    if (value)
        record.values.insert(idText(def.id), *value);
    return record;
}

CellContent textCell(const QString& text, CellTone tone = CellTone::primary, const QString& help = {}) {
    CellContent content;
    content.text = text;
    content.tone = tone;
    content.help = help;
    return content;
}

CellContent numberCell(const QString& text) {
    CellContent content = textCell(text);
    content.equalWidthDigits = true;
    return content;
}

CellContent symbolCell(const QString& symbol, CellTone tone) {
    CellContent content;
    content.kind = CellContent::Kind::symbol;
    content.symbol = symbol;
    content.tone = tone;
    return content;
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
        // Numbers: grouped with a no-break space, decimal comma, U+2212, at most two fraction digits.
        {FieldType::number, FieldValue::ofNumber(1234.5), numberCell(u"1\u00A0234,5 ₽"_s), u"₽"_s},
        {FieldType::number, FieldValue::ofNumber(-1234567.891),
         numberCell(u"\u22121\u00A0234\u00A0567,89"_s)},
        {FieldType::number, std::nullopt, textCell(dash, CellTone::tertiary), u"₽"_s},
        {FieldType::number, FieldValue::ofText(u"12"_s), textCell(dash, CellTone::tertiary)},
        // A date is shown on its day in the user's zone (Moscow, three hours ahead of UTC).
        {FieldType::date, FieldValue::ofDate(utc(2024, 3, 5, 21, 30)), textCell(u"06.03.2024"_s)},
        {FieldType::date, std::nullopt, textCell(dash, CellTone::tertiary)},
        // Text and choice cells stay empty without a value, and carry no help text.
        {FieldType::text, FieldValue::ofText(u"Иванова"_s), textCell(u"Иванова"_s)},
        {FieldType::text, std::nullopt, textCell({})},
        {FieldType::choice, FieldValue::ofText(u"Почта"_s), textCell(u"Почта"_s)},
        {FieldType::choice, std::nullopt, textCell({})},
        // Long text: the whole text is the tooltip.
        {FieldType::longText, FieldValue::ofText(longText), textCell(longText, CellTone::primary, longText)},
        {FieldType::checkbox, FieldValue::ofFlag(true),
         symbolCell(u"checkmark.square.fill"_s, CellTone::accent)},
        {FieldType::checkbox, FieldValue::ofFlag(false), symbolCell(u"square"_s, CellTone::secondary)},
        {FieldType::checkbox, std::nullopt, symbolCell(u"square"_s, CellTone::secondary)},
        {FieldType::link, std::nullopt, textCell(dash, CellTone::tertiary)},
    };
    const Journal journal;
    for (const Case& c : cases) {
        const FieldDef def = field(c.type, c.unit);
        EXPECT_EQ(FieldCell::content(journal, holding(def, c.value), def), c.expected)
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
    const CellContent none = StatusBadge::content(std::nullopt);
    EXPECT_EQ(none, textCell(dash, CellTone::tertiary));

    // A name that looks like markup is shown as written.
    const StatusDef status{QUuid::createUuid(), u"<b>Оплачен</b>"_s, AppColor::teal, std::nullopt, true};
    const CellContent badge = StatusBadge::content(status);
    EXPECT_EQ(badge.kind, CellContent::Kind::badge);
    EXPECT_EQ(badge.text, status.name);
    EXPECT_EQ(badge.tone, CellTone::status);
    EXPECT_EQ(badge.color, AppColor::teal);
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
    EXPECT_FALSE(LinkEditText::pasted(std::nullopt));
}

// The count stands before one noun form, whatever the count.
TEST(LinkActions, ConfirmationTitle) {
    EXPECT_EQ(LinkActions::confirmationTitle(21), u"Открыть 21 ссылок в браузере?"_s);
}
