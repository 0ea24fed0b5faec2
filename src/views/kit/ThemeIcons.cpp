#include "views/kit/ThemeIcons.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

// A theme's folders of its 16 and of its 22 pixel drawings at their plain scale, as its index lists them.
struct SmallFolders {
    QStringList of16;
    QStringList of22;
};

// The current theme's folders, then the fallback theme's.
QList<SmallFolders> smallFolders() {
    QStringList themes{QIcon::themeName(), QIcon::fallbackThemeName()};
    themes.removeAll(QString());
    themes.removeDuplicates();
    QList<SmallFolders> found;
    for (const QString& theme : std::as_const(themes)) {
        SmallFolders folders;
        for (const QString& root : QIcon::themeSearchPaths()) {
            const QDir dir(QDir(root).filePath(theme));
            if (!dir.exists(u"index.theme"_s))
                continue;
            const QSettings index(dir.filePath(u"index.theme"_s), QSettings::IniFormat);
            for (const QString& folder : index.value(u"Icon Theme/Directories"_s).toStringList()) {
                if (index.value(folder + u"/Scale"_s, 1).toInt() != 1)
                    continue;
                const int size = index.value(folder + u"/Size"_s).toInt();
                if (size == 16)
                    folders.of16.append(dir.filePath(folder));
                else if (size == 22)
                    folders.of22.append(dir.filePath(folder));
            }
        }
        found.append(folders);
    }
    return found;
}

} // namespace

QIcon ThemeIcons::smallDrawing(const QString& name, int pixels) {
    if (name.isEmpty())
        return {};
    // The themes are chosen once at start; their folders and the icons found are kept.
    static const QList<SmallFolders> themes = smallFolders();
    static QHash<QString, QIcon> found;
    // Fine shapes drawn for 22 pixels smear below 16; the 16 pixel drawing keeps them apart there.
    const bool tiny = pixels <= 16;
    const QString key = name + (tiny ? u"|16"_s : u"|22"_s);
    if (const auto icon = found.constFind(key); icon != found.constEnd())
        return *icon;
    QIcon icon;
    for (const SmallFolders& folders : themes) {
        for (const QStringList* sized :
             tiny ? QList{&folders.of16, &folders.of22} : QList{&folders.of22, &folders.of16}) {
            for (const QString& folder : *sized) {
                if (const QString file = folder + u'/' + name + u".svg"_s; QFileInfo::exists(file)) {
                    icon = QIcon(file);
                    break;
                }
            }
            if (!icon.isNull())
                break;
        }
        if (!icon.isNull())
            break;
    }
    if (icon.isNull())
        icon = QIcon::fromTheme(name);
    found.insert(key, icon);
    return icon;
}
