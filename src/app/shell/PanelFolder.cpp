#include "app/shell/PanelFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString panelStartFolder(const QString& lastUsed) {
    // A folder removed since, or a documents folder the system names but never made, is passed over.
    for (const QString& folder :
         {lastUsed, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}
