#include "app/CSVDocument.h"

#include "core/store/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// Qt's own error strings are English; the user reads Russian, so the reason is worded here from what
// the file system shows about the target.
QString openFailure(const QString& path) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (target.isDir())
        return u"по этому пути находится папка"_s;
    if (target.isFile() && !target.isWritable())
        return u"нет прав на запись в файл «%1»"_s.arg(target.fileName());
    if (!folder.exists())
        return u"папка «%1» не существует"_s.arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (!folder.isDir())
        return u"«%1» не является папкой"_s.arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (!folder.isWritable())
        return u"нет прав на запись в папку «%1»"_s.arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    return u"файл не удалось создать"_s;
}

// Why a replacement failed, in the user's words.
QString failureText(const QString& path, const SafeFile::Failure& failure) {
    const std::optional<QString> why = SafeFile::reason(failure.error);
    const QString because = why ? u" ("_s + *why + u')' : QString();
    switch (failure.step) {
    case SafeFile::Step::create:
        return openFailure(path);
    case SafeFile::Step::write:
    case SafeFile::Step::sync:
    case SafeFile::Step::close:
        return u"не удалось записать данные"_s + because;
    case SafeFile::Step::rename:
        return u"не удалось заменить файл «%1»"_s.arg(QFileInfo(path).fileName()) + because;
    case SafeFile::Step::syncFolder:
        // The file holds the new bytes, but until its folder is on the disk a power loss may undo that.
        return u"не удалось сбросить на диск папку «%1»"_s.arg(
                   QDir::toNativeSeparators(QFileInfo(path).absolutePath())) +
               because;
    }
    return u"не удалось записать данные"_s;
}

} // namespace

bool CSVDocument::write(const QString& path, QString* error) const {
    SafeFile::Failure failure;
    if (SafeFile::replace(path, data, &failure))
        return true;
    if (error)
        *error = failureText(path, failure);
    return false;
}
