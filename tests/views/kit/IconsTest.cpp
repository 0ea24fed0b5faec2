#include "views/kit/Icons.h"
#include "app/settings/SettingsChoices.h"
#include "core/templates/Templates.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace settings;

TEST(Icons, EverySymbolHasAThemeIcon) {
    for (auto it = Icons::table().cbegin(); it != Icons::table().cend(); ++it)
        EXPECT_TRUE(QIcon::hasThemeIcon(it.value()))
            << it.key().toStdString() << " -> " << it.value().toStdString();
    for (const JournalTemplate& t : Templates::all())
        EXPECT_FALSE(Icons::themeName(t.icon).isEmpty()) << t.icon.toStdString();
    EXPECT_TRUE(Icons::icon(u"no.such.symbol"_s).isNull());
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
