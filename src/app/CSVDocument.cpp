#include "CSVDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Qt's own error strings are English; the user reads Russian, so the reason is worded here from what
// the file system shows about the target.
QString openFailure(const QString& path) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (target.isDir())
        return QStringLiteral("по этому пути находится папка");
    if (!folder.exists())
        return QStringLiteral("папка «%1» не существует")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (!folder.isDir())
        return QStringLiteral("«%1» не является папкой")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (!folder.isWritable())
        return QStringLiteral("нет прав на запись в папку «%1»")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    return QStringLiteral("файл не удалось создать");
}

} // namespace

std::optional<QString> CSVDocument::write(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return openFailure(path);
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return QStringLiteral("не удалось записать данные (возможно, диск заполнен)");
    }
    if (!file.commit())
        return QStringLiteral("не удалось заменить файл «%1»").arg(QFileInfo(path).fileName());
    return std::nullopt;
}
