#include "cells/Icons.h"
#include "settings/SettingsChoices.h"
#include "templates/Templates.h"

#include <QSet>
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

// The journal icon chooser shows its symbols side by side: two drawn alike could not be told apart.
TEST(Icons, JournalIconChoicesLookDifferent) {
    QSet<QString> themeNames;
    for (const QString& symbol : SettingsChoices::journalIcons()) {
        const QString name = Icons::themeName(symbol);
        EXPECT_FALSE(themeNames.contains(name)) << symbol.toStdString() << " -> " << name.toStdString();
        themeNames.insert(name);
    }
}
