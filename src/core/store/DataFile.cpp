#include "store/DataFile.h"

#include "format/JsonParse.h"
#include "format/ModelJsonReader.h"
#include "format/ModelJsonWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

std::optional<QList<Journal>> decode(QByteArray bytes, const QDateTime& now, QString* error) {
    rapidjson::Document doc;
    if (!ModelJson::parseInPlace(bytes, doc, error))
        return std::nullopt;
    ModelJson::Reader reader(now);
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

bool encode(const QList<Journal>& journals, const QDateTime& savedAt, rapidjson::StringBuffer& out,
            QString* error) {
    ModelJson::Writer::Output json(out);
    json.SetIndent(' ', 2);
    ModelJson::Writer writer(json);
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

Lock lock(const QString& fileURL) {
    Lock result;
    QDir().mkpath(QFileInfo(fileURL).absolutePath());
    auto file = std::make_unique<QLockFile>(fileURL + u".lock"_s);
    // A running instance holds the lock however long it runs; only the lock of a process that is gone is
    // stale.
    file->setStaleLockTime(0);
    if (file->tryLock(0))
        result.lock = std::move(file);
    else
        result.heldElsewhere = file->error() == QLockFile::LockFailedError;
    return result;
}

QString alreadyOpenMessage(const QString& fileURL) {
    return u"Приложение уже открыто с этим файлом данных: "_s + QDir::toNativeSeparators(fileURL);
}

} // namespace DataFile
