#pragma once

#include "core/model/Calendar.h"
#include "core/model/Model.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <optional>

namespace TestSupport {

// Sets (or, given nothing, removes) an environment variable for the scope's lifetime.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<QByteArray>& value)
        : m_name(name), m_old(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt) {
        set(value);
    }
    ~ScopedEnv() { set(m_old); }

private:
    void set(const std::optional<QByteArray>& value) const {
        value ? qputenv(m_name, *value) : qunsetenv(m_name);
    }
    const char* m_name;
    std::optional<QByteArray> m_old;
};

// A data folder of its own for one test, with a clock that stands still until the test moves it.
// A home folder of the test's own for as long as it lives, empty at first: the user's documents folder
// is its "Documents" (with Qt's test paths on, no user-dirs file of the real home names another).
struct FakeHome {
    QTemporaryDir dir;
    std::optional<QByteArray> saved =
        qEnvironmentVariableIsSet("HOME") ? std::optional(qgetenv("HOME")) : std::nullopt;

    FakeHome() { qputenv("HOME", dir.path().toLocal8Bit()); }
    ~FakeHome() { saved ? qputenv("HOME", *saved) : qunsetenv("HOME"); }
    QString path(const QString& name) const { return dir.filePath(name); }
};

struct TempDataFolder {
    QTemporaryDir dir;
    QDateTime now;

    TempDataFolder();
    // The data file's path: "data.json" inside a folder that does not exist yet.
    QString dataPath() const { return folder() + QStringLiteral("/data.json"); }
    QString folder() const { return dir.filePath(QStringLiteral("data")); }
    QString path(const QString& name) const { return folder() + u'/' + name; }
    Clock clock() const {
        return [this] { return now; };
    }

    // Whole-file helpers on names inside the data folder (which they create).
    QByteArray read(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;
    bool exists(const QString& name) const;
};

// A journal with one text field, one number field, one status and `records` records.
Journal sampleJournal(const QString& name, int records = 2);

// The journal with `records` more records, each with a value in most fields (texts that need escaping,
// negative and zero numbers, dates, links, options, ticked boxes) and a status of the journal.
Journal withRecords(Journal journal, int records);
// The data file's bytes for the journals as one whole encoding writes them.
QByteArray wholeEncoding(const QList<Journal>& journals, const QDateTime& savedAt);

// Whole-file helpers on any path; writing makes the missing folders first.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The journals of a data file, or nothing when it does not read.
std::optional<QList<Journal>> readDataFile(const QByteArray& bytes);

} // namespace TestSupport
