#include "core/journal/NaturalOrder.h"
#include "TestSupport.h"

TEST(NaturalOrder, CompareAndPrecomputedKeysAgree) {
    const struct {
        QString a, b;
        int sign;
    } cases[] = {
        {"Заказ 2", "Заказ 10", -1},
        {"апрель", "Апрель", 0},
        {"апельсин", "Банан", -1},
        {"Ёлка", "елка", 1},
        {"", "", 0},
        {"", "a", -1},
        // A text of characters the collation ignores still comes after the empty text.
        {"\u200B", "", 1},
        {"e\u0301", "\u00E9", 0},
        {"10.01.2024", "9.01.2024", 1},
    };
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const auto& c : cases) {
        EXPECT_EQ(sign(naturalCompare(c.a, c.b)), c.sign) << c.a.toStdString() << " / " << c.b.toStdString();
        EXPECT_EQ(sign(NaturalSortKey(c.a).compare(NaturalSortKey(c.b))), c.sign) << c.a.toStdString();
        EXPECT_EQ(sign(naturalCompare(c.b, c.a)), -c.sign) << c.a.toStdString();
    }
}
