#include "views/kit/Icons.h"
#include "Looks.h"
#include "app/settings/SettingsChoices.h"
#include "core/templates/Templates.h"
#include "views/kit/DrawnSymbols.h"
#include "views/kit/Symbols.h"
#include "views/kit/ThemeIcons.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace Settings;

TEST(Icons, EverySymbolHasAThemeIcon) {
    for (auto it = Icons::table().cbegin(); it != Icons::table().cend(); ++it)
        EXPECT_TRUE(QIcon::hasThemeIcon(it.value()))
            << it.key().toStdString() << " -> " << it.value().toStdString();
    for (const JournalTemplate& t : Templates::all())
        EXPECT_FALSE(Icons::icon(t.icon).isNull()) << t.icon.toStdString();
    EXPECT_TRUE(Icons::icon(u"no.such.symbol"_s).isNull());
}

namespace {

// Every symbol that stands for a journal or a metric: the templates' and the settings sheet's choices.
QStringList journalAndMetricSymbols() {
    QStringList names = SettingsChoices::journalIcons() + SettingsChoices::metricSymbols();
    for (const JournalTemplate& t : Templates::all()) {
        names.append(t.icon);
        for (const MetricDef& metric : t.make().metrics)
            names.append(metric.symbol);
    }
    names.removeDuplicates();
    return names;
}

QImage alphaOf(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_Alpha8);
}

} // namespace

// A journal's or a metric's symbol is one picture in one colour at every size a screen shows it (a list's
// row, a picker, a tile, a heading, an empty screen): drawn from the theme's one-colour drawing, never a
// full-colour picture the theme keeps for larger sizes, and the same whether a screen asks for the icon
// or for the symbol in a tint.
TEST(Icons, AJournalsOrAMetricsSymbolIsOnePictureInOneColour) {
    const QColor text = QGuiApplication::palette().color(QPalette::WindowText);
    const QColor tint(0x20, 0x60, 0xA0);
    for (const QString& name : journalAndMetricSymbols()) {
        SCOPED_TRACE(name.toStdString());
        for (const int size : {14, 16, 20, 22, 32, 44, 56}) {
            if (!DrawnSymbols::draws(name)) {
                const QIcon theme = ThemeIcons::smallDrawing(Icons::themeName(name), size);
                ASSERT_FALSE(theme.isNull());
                EXPECT_TRUE(soleColour(theme.pixmap(size).toImage())) << "the theme's picture at " << size;
            }
            const QImage tinted = Symbols::symbol(name, tint, size, 1.0).toImage();
            EXPECT_TRUE(nearly(soleColour(tinted), tint)) << size;
            const QImage icon = Icons::icon(name).pixmap(size).toImage();
            EXPECT_TRUE(nearly(soleColour(icon), text)) << size;
            EXPECT_EQ(alphaOf(icon), alphaOf(tinted)) << size;
        }
    }
}

// A picker shows its symbols side by side: two drawn alike could not be told apart. So it is for the
// journal icons, the field types (their list, menu and picker) and the metric symbols.
TEST(Icons, ChoicesOfAPickerLookDifferent) {
    QStringList fieldTypes;
    for (FieldType type : allFieldTypes)
        fieldTypes.append(symbol(type));
    for (const QStringList& offered :
         {SettingsChoices::journalIcons(), fieldTypes, SettingsChoices::metricSymbols()}) {
        QList<QImage> looks;
        for (const QString& name : offered) {
            const QImage look = Icons::icon(name).pixmap(22).toImage();
            EXPECT_FALSE(looks.contains(look)) << name.toStdString() << " looks like another choice";
            looks.append(look);
        }
    }
}
