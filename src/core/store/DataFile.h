#pragma once

#include "core/format/ModelJsonWriter.h"
#include "core/model/Model.h"
#include "core/store/FileBytes.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <QString>

#include <rapidjson/stringbuffer.h>

#include <memory>
#include <optional>

// The file the journals live in: where it is, its bytes, and the lock that keeps a second instance off it.
namespace DataFile {

// The data file: VOSTREL_DATA_FILE when set and not empty (a relative path is taken against the current
// folder), else "VostrelUchet/data.json" in the user's data folder; nothing when the system gives no data
// folder.
std::optional<QString> defaultFileURL();

// The journals of a data file, or nothing with `error` describing the first problem in Russian.
// `now` is the creation time of every journal and record without one.
std::optional<QList<Journal>> decode(QByteArray bytes, const QDateTime& now, QString* error);
// The same for a file's bytes, which are parsed where they lie and handed back to the system as reading the
// records gets past them: the file's text, its parse and the journals read from it are then never all in
// memory at their full size at once.
std::optional<QList<Journal>> decode(FileBytes bytes, const QDateTime& now, QString* error);
// The data file's bytes for the journals, pretty-printed with sorted keys, into `out`; false with `error`
// set when a value cannot be written. With `earlier`, the records whose earlier bytes it keeps are left out
// of `out`, each where it belongs reported to `earlier`, which puts the file together.
bool encode(const QList<Journal>& journals, const QDateTime& savedAt, rapidjson::StringBuffer& out,
            QString* error, ModelJson::Writer::EarlierRecords* earlier = nullptr);

// The copy of the data file as it stood before a run's first overwrite: "data-backup.json" beside it.
QString backupURL(const QString& fileURL);

// A second instance on the same data file would overwrite the first one's changes, so the application
// holds this lock, a file beside the data file, for its whole run. The lock, like everything else done
// with the file, takes the file's resolved path (SafeFile::resolved): every path by which two starts may
// reach one file then finds one lock.
struct Lock {
    std::unique_ptr<QLockFile> lock; // held while it lives; none when the lock could not be taken
    bool heldElsewhere = false;      // another running instance holds it
    bool onAnotherMachine = false;   // … as the lock file says, on another machine sharing the folder
};
// Takes the lock of the data file at `fileURL`, a resolved path (creating the data folder when needed). A
// lock file whose process is gone, or that is empty or unreadable and was last written more than a few
// seconds ago (a power cut between making and writing it), is removed and the lock taken. When the lock file
// cannot be made at all (an unwritable folder) the result holds no lock and heldElsewhere is false: the
// application still runs, and its saves report the folder's problem.
Lock lock(const QString& fileURL);
// The text of the alert shown when another instance already has the data file open. When that instance
// is on another machine it may be gone without its lock knowing, so the text says which file to delete.
QString alreadyOpenMessage(const QString& fileURL, bool onAnotherMachine);

} // namespace DataFile
