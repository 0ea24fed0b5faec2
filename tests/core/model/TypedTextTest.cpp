#include "core/model/TypedText.h"
#include "TestSupport.h"

using namespace Qt::StringLiterals;

TEST(TypedText, DropsTheC0ControlsButTabAndLineEnds) {
    const struct {
        QString in, out;
    } cases[] = {
        {u"Чай\t250\r\nКофе\n"_s, u"Чай\t250\r\nКофе\n"_s},
        {u"a"_s + QChar(0) + u"b\u0001\u0007\u0008\u000B\u000C\u001B[0m\u001F"_s, u"ab[0m"_s},
        // Only C0: DEL, C1 controls, a no-break space and characters outside the basic plane stay.
        {u"\u007F\u0085\u009F\u00A0😀"_s, u"\u007F\u0085\u009F\u00A0😀"_s},
        {QString(), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TypedText::cleaned(c.in), c.out) << c.in.toStdString();
    for (char16_t u = 0; u < 0x20; ++u)
        EXPECT_EQ(TypedText::isDropped(QChar(u)), u != u'\t' && u != u'\n' && u != u'\r') << int(u);
}
