#include "views/kit/ElidedText.h"
#include "ShownText.h"

using namespace Qt::StringLiterals;

namespace {

QStringList drawnLines(ElidedText& text) {
    QStringList lines;
    for (const DrawnText& run : drawnTexts(&text))
        lines.append(run.text);
    return lines;
}

} // namespace

// Wrapped where the line runs out, a count keeps to what it counts; other words wrap as they fall.
TEST(ElidedText, ACountWrapsWithWhatItCounts) {
    const struct {
        QString text;
        QString room; // the start of the text that the width holds
        QString firstLine, lastLine;
    } cases[] = {
        // clang-format off
        {u"по оплаченным заказам · 3 клиента"_s, u"по оплаченным заказам · 3"_s, u"по оплаченным заказам ·"_s, u"3\u00A0клиента"_s},
        {u"сумма возвращённых заказов · 15 ₽"_s, u"сумма возвращённых заказов · 15"_s, u"сумма возвращённых заказов ·"_s, u"15\u00A0₽"_s},
        {u"первые 12 из пятнадцати"_s, u"первые 12 из пят"_s, u"первые 12\u00A0из"_s, u"пятнадцати"_s},
        // clang-format on
    };
    for (const auto& c : cases) {
        ElidedText text(2);
        text.setText(c.text);
        const int width = text.fontMetrics().horizontalAdvance(c.room) + 2;
        text.resize(width, text.heightForWidth(width));
        const QStringList lines = drawnLines(text);
        ASSERT_EQ(lines.size(), 2) << c.text.toStdString();
        EXPECT_EQ(lines.first().trimmed(), c.firstLine);
        EXPECT_EQ(lines.last(), c.lastLine);
        EXPECT_EQ(text.text(), c.text) << "the text itself keeps its blanks";
    }
}
