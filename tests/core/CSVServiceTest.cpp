#include "CSVService.h"
#include "TestSupport.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

const QByteArray utf8Mark = bytes({0xEF, 0xBB, 0xBF});

} // namespace

TEST(CSVDecode, EncodingsAndMarks) {
    const struct {
        const char* name;
        QByteArray input;
        std::optional<QString> expected;
    } cases[] = {
        {"empty", {}, u""_s},
        {"plain UTF-8", "Товар;Сумма", u"Товар;Сумма"_s},
        {"UTF-8 mark dropped", utf8Mark + "a", u"a"_s},
        {"mark alone", utf8Mark, u""_s},
        {"a second U+FEFF after the mark goes too, a third stays", utf8Mark + utf8Mark + utf8Mark + "a",
         u"\uFEFFa"_s},
        {"invalid UTF-8 after the mark has no fallback", utf8Mark + bytes({0xD2, 0xEE, 0xE2}), std::nullopt},
        {"truncated sequence after the mark", utf8Mark + bytes({0x61, 0xE2}), std::nullopt},
        {"Windows-1251 without a mark", bytes({0xD2, 0xEE, 0xE2, 0xE0, 0xF0, 0x3B, 0x31}), u"Товар;1"_s},
        {"truncated UTF-8 reads as Windows-1251", bytes({0x61, 0xE2}), u"aв"_s},
        {"encoded surrogate is not UTF-8", bytes({0xED, 0xA0, 0x80}), u"н\u00A0Ђ"_s},
        {"overlong form is not UTF-8", bytes({0xC0, 0xAF}), u"АЇ"_s},
        {"Windows-1251 specials", bytes({0x80, 0x88, 0x98, 0xA8, 0xB8, 0xB9, 0xC0, 0xFF}),
         u"Ђ€\u0098Ёё№Ая"_s},
        {"UTF-16LE", bytes({0xFF, 0xFE, 0x61, 0x00, 0x1F, 0x04}), u"aП"_s},
        {"UTF-16BE", bytes({0xFE, 0xFF, 0x00, 0x61, 0x04, 0x1F}), u"aП"_s},
        {"UTF-16 mark alone", bytes({0xFF, 0xFE}), u""_s},
        {"UTF-16 pair", bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}), u"\U0001F600"_s},
        {"UTF-16 with a second mark keeps it", bytes({0xFE, 0xFF, 0xFE, 0xFF, 0x00, 0x61}), u"\uFEFFa"_s},
        {"UTF-16 odd length", bytes({0xFF, 0xFE, 0x61, 0x00, 0x62}), std::nullopt},
        {"UTF-16 lone high surrogate", bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x61, 0x00}), std::nullopt},
        {"UTF-16 lone high surrogate at the end", bytes({0xFE, 0xFF, 0xD8, 0x3D}), std::nullopt},
        {"UTF-16 lone low surrogate", bytes({0xFE, 0xFF, 0xDE, 0x00}), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CSVService::decode(c.input), c.expected) << c.name;
}

TEST(CSVDecode, AsciiAndEveryHighByteReadAsWindows1251) {
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    const std::optional<QString> text = CSVService::decode(all);
    ASSERT_TRUE(text);
    ASSERT_EQ(text->size(), 255);
    for (int b = 1; b < 0x80; ++b)
        EXPECT_EQ(text->at(b - 1).unicode(), b);
    EXPECT_EQ(text->at(0xE0 - 1), u'а');
    EXPECT_EQ(text->at(0xA0 - 1), QChar(0x00A0));
}

TEST(CSVDelimiter, FirstLineOutsideQuotes) {
    const struct {
        QString text;
        QChar expected;
    } cases[] = {
        {u"a;b,c,d"_s, u','},
        {u"a;b;c,d"_s, u';'},
        {u"a;b,c"_s, u';'},
        {u"abc"_s, u';'},
        {u""_s, u';'},
        {u"a\tb\tc;d"_s, u'\t'},
        {u"a\tb,c"_s, u','}, // comma and TAB tie below ";": the comma
        {u"\"a,b,c\";d"_s, u';'},
        {u"\"x\ny,z,w\";a;b\nc,d,e,f"_s, u';'}, // a quoted line break does not end the first line
        {u"abc\na,b,c"_s, u';'},                // only the first line counts
        {u"a;b\rc,d,e,f"_s, u';'},
        {u"a;b\r\nc,d,e,f"_s, u';'},
        {u"a,\u0301b,\u0301c;d"_s, u';'}, // a comma joined by a combining mark is a letter, not a separator
        {u"a\u0600,b,c;d"_s, u';'},       // so is one joined by a prepended mark
        {u"\"\u0301,b,c;d"_s, u','},      // a quote joined by a mark opens no quotes
    };
    for (const auto& c : cases)
        EXPECT_EQ(CSVService::detectDelimiter(c.text), c.expected) << c.text.toStdString();
}

TEST(CSVParse, CellsQuotesAndLineEnds) {
    using Rows = QList<QStringList>;
    const struct {
        QString text;
        QChar delimiter;
        Rows expected;
    } cases[] = {
        {u""_s, u';', {}},
        {u"\n"_s, u';', {{u""_s}}},
        {u"\r\n\r\n"_s, u';', {{u""_s}, {u""_s}}},
        {u"x;y\r\n"_s, u';', {{u"x"_s, u"y"_s}}},
        {u"x;"_s, u';', {{u"x"_s, u""_s}}},
        {u"a;b\nc\rd;e;f\r\ng"_s, u';', {{u"a"_s, u"b"_s}, {u"c"_s}, {u"d"_s, u"e"_s, u"f"_s}, {u"g"_s}}},
        {u"a;b\n\nc"_s, u';', {{u"a"_s, u"b"_s}, {u""_s}, {u"c"_s}}},
        {u" a ; b "_s, u';', {{u" a "_s, u" b "_s}}},
        {u"\"a\"\"b\""_s, u';', {{u"a\"b"_s}}},
        {u"a\"b;c"_s, u';', {{u"a\"b"_s, u"c"_s}}},
        {u"\"ab\"c"_s, u';', {{u"abc"_s}}},
        {u"\"\";x"_s, u';', {{u""_s, u"x"_s}}},
        {u"\"a;b\nc\r\nd\";e"_s, u';', {{u"a;b\nc\r\nd"_s, u"e"_s}}},
        {u"a;\"b\nc;d"_s, u';', {{u"a"_s, u"b\nc;d"_s}}}, // an unterminated quote runs to the end
        {u"a;b,c\td"_s, u',', {{u"a;b"_s, u"c\td"_s}}},
        {u"a;b\tc"_s, u'\t', {{u"a;b"_s, u"c"_s}}},
        {u"Чай;\"1250,5\";05.03.2024"_s, u';', {{u"Чай"_s, u"1250,5"_s, u"05.03.2024"_s}}},
        // Whole characters: marks that join a separator or a quote make it an ordinary character.
        {u"a;\u0301b;c"_s, u';', {{u"a;\u0301b"_s, u"c"_s}}},
        {u"a\u0600;b"_s, u';', {{u"a\u0600;b"_s}}},
        {u"\"\u0301x\";y"_s, u';', {{u"\"\u0301x\""_s, u"y"_s}}},
        {u"\"a\u0301\";\"\u0915\u093F;\""_s, u';', {{u"a\u0301"_s, u"\u0915\u093F;"_s}}},
        {u"\"a\"\"\u0301b\";c"_s, u';', {{u"a\"\u0301b\""_s, u"c"_s}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CSVService::parseRows(c.text, c.delimiter), c.expected) << c.text.toStdString();
}
