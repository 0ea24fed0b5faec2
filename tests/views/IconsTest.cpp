#include "cells/Icons.h"
#include "templates/Templates.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Icons, EverySymbolHasAThemeIcon) {
    for (auto it = Icons::table().cbegin(); it != Icons::table().cend(); ++it)
        EXPECT_TRUE(QIcon::hasThemeIcon(it.value()))
            << it.key().toStdString() << " -> " << it.value().toStdString();
    for (const JournalTemplate& t : Templates::all())
        EXPECT_FALSE(Icons::themeName(t.icon).isEmpty()) << t.icon.toStdString();
    EXPECT_TRUE(Icons::icon(u"no.such.symbol"_s).isNull());
}
