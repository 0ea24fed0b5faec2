#include "core/store/DataFile.h"

#include "core/format/JsonParse.h"
#include "core/format/ModelJsonReader.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <rapidjson/document.h>
#include <rapidjson/prettywriter.h>

using namespace Qt::StringLiterals;

namespace DataFile {

std::optional<QString> defaultFileURL() {
    if (!qEnvironmentVariableIsEmpty("VOSTREL_DATA_FILE"))
        return QDir::current().absoluteFilePath(qEnvironmentVariable("VOSTREL_DATA_FILE"));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (folder.isEmpty())
        return std::nullopt;
    return folder + u"/VostrelUchet/data.json"_s;
}

namespace {

// The journals of the parsed data file, read through `reader`.
std::optional<QList<Journal>> read(const rapidjson::Document& doc, ModelJson::Reader& reader,
                                   QString* error) {
    if (!doc.IsObject()) {
        *error = u"в файле ожидался объект JSON"_s;
        return std::nullopt;
    }
    if (!reader.checkNames(doc, nullptr)) {
        *error = reader.error();
        return std::nullopt;
    }
    // The three top-level keys are required; a null is no value.
    const rapidjson::Value& top = doc;
    const auto required = [&top](const char* key) -> const rapidjson::Value* {
        const auto it = top.FindMember(key);
        return it == top.MemberEnd() || it->value.IsNull() ? nullptr : &it->value;
    };
    const ModelJson::Path versionAt{nullptr, "version"}, savedAt{nullptr, "savedAt"},
        journalsAt{nullptr, "journals"};
    const rapidjson::Value* version = required("version");
    const rapidjson::Value* journals = required("journals");
    QDateTime saved;
    QList<Journal> result;
    const bool ok =
        (version ? (ModelJson::isIntegral(*version) || reader.fail(versionAt, u"ожидалось целое число"_s))
                 : reader.fail(versionAt, u"нет обязательного значения"_s)) &&
        reader.readRequiredDate(required("savedAt"), savedAt, saved) &&
        (journals ? reader.read(*journals, journalsAt, result)
                  : reader.fail(journalsAt, u"нет обязательного значения"_s));
    if (!ok) {
        *error = reader.error();
        return std::nullopt;
    }
    return result;
}

} // namespace

std::optional<QList<Journal>> decode(QByteArray bytes, const QDateTime& now, QString* error) {
    rapidjson::Document doc;
    if (!ModelJson::parseInPlace(bytes, doc, error))
        return std::nullopt;
    ModelJson::Reader reader(now);
    return read(doc, reader, error);
}

std::optional<QList<Journal>> decode(FileBytes bytes, const QDateTime& now, QString* error) {
    rapidjson::Document doc;
    if (!ModelJson::parseInPlace(bytes.data(), bytes.size(), doc, error))
        return std::nullopt;
    ModelJson::Reader reader(now);
    // The records are most of the file, and each one's text is done with once it is read.
    reader.setReadPast([&bytes](const char* from, const char* to) { bytes.release(from, to); });
    return read(doc, reader, error);
}

bool encode(const QList<Journal>& journals, const QDateTime& savedAt, rapidjson::StringBuffer& out,
            QString* error, ModelJson::Writer::EarlierRecords* earlier) {
    ModelJson::Writer::Output json(out);
    json.SetIndent(' ', 2);
    ModelJson::Writer writer(json, earlier);
    json.StartObject();
    writer.key("journals");
    if (!writer.write(journals, ModelJson::Path{nullptr, "journals"})) {
        *error = writer.error();
        return false;
    }
    writer.key("savedAt");
    if (!writer.date(savedAt, ModelJson::Path{nullptr, "savedAt"})) {
        *error = writer.error();
        return false;
    }
    writer.key("version");
    json.Int(2);
    json.EndObject();
    return true;
}

QString backupURL(const QString& fileURL) {
    return QFileInfo(fileURL).dir().filePath(u"data-backup.json"_s);
}

namespace {

QString lockFileURL(const QString& fileURL) {
    return fileURL + u".lock"_s;
}

// A lock file that names no process at all was left half-made: its maker died between creating and
// writing it. A young one may still be being written by a start running right now.
bool isHalfMade(const QLockFile& lock, const QString& path) {
    qint64 pid = 0;
    QString host, application;
    if (lock.getLockInfo(&pid, &host, &application))
        return false;
    constexpr qint64 writingTime = 5; // seconds
    const QDateTime written = QFileInfo(path).lastModified();
    return written.isValid() && qAbs(written.secsTo(QDateTime::currentDateTimeUtc())) > writingTime;
}

} // namespace

Lock lock(const QString& fileURL) {
    Lock result;
    QDir().mkpath(QFileInfo(fileURL).absolutePath());
    const QString path = lockFileURL(fileURL);
    auto file = std::make_unique<QLockFile>(path);
    // A running instance holds the lock however long it runs; only the lock of a process that is gone is
    // stale.
    file->setStaleLockTime(0);
    bool locked = file->tryLock(0);
    if (!locked && file->error() == QLockFile::LockFailedError && isHalfMade(*file, path))
        locked = file->removeStaleLockFile() && file->tryLock(0);
    if (locked) {
        result.lock = std::move(file);
        return result;
    }
    result.heldElsewhere = file->error() == QLockFile::LockFailedError;
    qint64 pid = 0;
    QString host, application;
    result.onAnotherMachine = result.heldElsewhere && file->getLockInfo(&pid, &host, &application) &&
                              !host.isEmpty() && host != QSysInfo::machineHostName();
    return result;
}

QString alreadyOpenMessage(const QString& fileURL, bool onAnotherMachine) {
    QString text = u"Приложение уже открыто с этим файлом данных: "_s + QDir::toNativeSeparators(fileURL);
    if (onAnotherMachine)
        text += u"\n\nЕсли приложение нигде не запущено, удалите файл "_s +
                QDir::toNativeSeparators(lockFileURL(fileURL)) + u'.';
    return text;
}

} // namespace DataFile
