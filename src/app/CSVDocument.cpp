#include "CSVDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

// Qt's own error strings are English; the user reads Russian, so the reason is worded here from what
// the file system shows about the target.
QString openFailure(const QString& path) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (target.isDir())
        return u"по этому пути находится папка"_s;
    if (!folder.exists())
        return u"папка «%1» не существует"_s.arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (!folder.isDir())
        return u"«%1» не является папкой"_s.arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (!folder.isWritable())
        return u"нет прав на запись в папку «%1»"_s.arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    return u"файл не удалось создать"_s;
}

} // namespace

std::optional<QString> CSVDocument::write(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return openFailure(path);
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return u"не удалось записать данные (возможно, диск заполнен)"_s;
    }
    if (!file.commit())
        return u"не удалось заменить файл «%1»"_s.arg(QFileInfo(path).fileName());
    return std::nullopt;
}
