#pragma once

#include "core/model/Calendar.h"
#include "core/model/Model.h"
#include "core/store/DataFileEncoder.h"
#include "core/store/SafeFile.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>
#include <span>

// The one owner of all journals and of the data file they live in.
//
// Creating the store reads the data file at once; every change goes through the store's operations, each
// of which ends by rewriting the whole file atomically. A data file that cannot be read is set aside under a
// new name and the store starts empty; the file is never overwritten half-read. Once per run, the file as it
// stood before the run's first overwrite is copied to "data-backup.json" beside it, replacing the earlier
// copy only once the new one is whole.
//
// The path given is used as it is; the application gives the data file's resolved path, which its lock
// takes too (see checkStart).
//
// Views read journals() and lastError() and redraw on the matching …Changed signal; migrationNote() is
// read once, after the window first shows.
// Main thread only.
class AppStore : public QObject {
    Q_OBJECT

public:
    // Creates the store for the data file at `fileURL` (a local path) and reads that file. `clock` gives
    // "now" (save times, creation and change times, the set-aside file's name); `calendar` gives the days
    // that status changes stamp; `files` makes the system calls that write the data file.
    explicit AppStore(const QString& fileURL, Clock clock = systemNow,
                      Calendar calendar = Calendar::current(),
                      SafeFile::SystemCalls& files = SafeFile::systemCalls(), QObject* parent = nullptr);
    ~AppStore() override;

    const QList<Journal>& journals() const { return m_journals; }
    // Stores the list; views are told only when it differs from the stored one.
    void setJournals(const QList<Journal>& journals);

    // The latest failure to be shown to the user; the view that shows it clears it.
    const std::optional<QString>& lastError() const { return m_lastError; }
    void setLastError(const std::optional<QString>& text);

    // The one-time notice that the earlier card file was converted.
    const std::optional<QString>& migrationNote() const { return m_migrationNote; }
    void setMigrationNote(const std::optional<QString>& text);

    const QString& fileURL() const { return m_fileURL; }
    const Clock& clock() const { return m_clock; }
    const Calendar& calendar() const { return m_calendar; }

    // Writes all journals to the data file, atomically and durably; false (with lastError set) on failure,
    // in which case the old file stays as it was, and the journals in memory keep every change and reach
    // the file with the next good save.
    bool save();

    // ---- Operations ----
    //
    // Views change journals only through these. Each one that changes something notifies journalsChanged and
    // rewrites the data file before it returns (a failed save is in lastError, the change stays in memory).
    // An operation addressed to a journal that no longer exists changes nothing and, apart from
    // deleteJournal, writes nothing.

    // A copy of the first journal with that id; nothing for no id or an id that names no journal.
    std::optional<Journal> journal(const std::optional<QUuid>& id) const;
    // Appends the journal as it is. Saves.
    void addJournal(const Journal& journal);
    // Removes every journal with that id. Saves, also when none had it.
    void deleteJournal(const QUuid& id);
    // Drag-and-drop reordering: the journals at `positions` (order and repeats do not matter; positions
    // outside the list are ignored) move, in their order, to stand before the journal that was at
    // `destination` (clamped to the list; the list's size means the end). Saves, also when nothing moved.
    void moveJournals(const QList<qsizetype>& positions, qsizetype destination);
    // Sets the journal's name and icon exactly as given. Saves when the journal exists.
    void renameJournal(const QUuid& id, const QString& name, const QString& icon);
    // Replaces the stored journal with the edited one (matched by id), keeping the stored records: values of
    // fields whose type changed are re-read from their text under the new type, then every reference that no
    // longer fits is cleared. Saves when the journal exists.
    void updateSettings(const Journal& edited);
    // The step updateSettings takes for each record and each field whose type changed: the value's text by
    // the old type, read again under the new one through Journal::assign (its warning dropped). True when
    // that text was not blank and nothing of it reads under the new type, so the value is lost.
    static bool retype(Record& record, const FieldDef& before, const FieldDef& after,
                       const Calendar& calendar, const Clock& clock);
    // Appends the records, normalised; a record whose id the journal or an earlier record of the same call
    // already has gets a new id. Saves when the journal exists and the list is not empty. A list handed
    // over is let go before the save.
    void addRecords(QList<Record> records, const QUuid& to);
    // Replaces the record with the same id by the normalised record, changed now. Saves when both exist.
    void updateRecord(const Record& record, const QUuid& in);
    // Removes the records. Saves when the journal exists and the set is not empty, also when none matched.
    void deleteRecords(const QSet<QUuid>& records, const QUuid& from);
    // Sets the status of the records, stamping the status's empty date fields with the day of `on`. Saves
    // when the journal exists and the set is not empty, also when none matched.
    void setStatus(const QUuid& statusID, const QSet<QUuid>& records, const QUuid& in, const QDateTime& on);
    // Adds `delta` to the number in the field of each record (a missing number counts as 0, a result below 0
    // becomes 0); the value keeps the number alone. Saves like setStatus.
    void changeNumber(const QUuid& fieldID, double delta, const QSet<QUuid>& records, const QUuid& in);
    // The web addresses in the link fields of the records, in journal and field order, each address once.
    QList<QUrl> links(const QSet<QUuid>& records, const QUuid& in) const;

signals:
    void journalsChanged();
    void lastErrorChanged();

private:
    // Reads the data file. Runs once, from the constructor: reading again could set aside or convert files
    // under a running store.
    void load();
    // The start without a data file: converts the file of the earlier card application, when there is one,
    // into a journal, saves it and leaves a notice; on failure leaves an error and writes nothing.
    void convertEarlierCardFile();
    // Where the earlier card file is looked for, in order: "cards.json" beside the data file, then
    // "Zorvikal/cards.json" beside the data folder.
    QStringList legacyFileURLs() const;
    // Moves an unreadable data file aside under a free "data-damaged-<seconds>[-n].json" name; the name
    // used, or nothing when the move failed.
    std::optional<QString> setAside();
    void setError(const QString& text);
    // Sets the save message with the problem; always false.
    bool saveFailed(const QString& problem);
    // Replaces the backup with the data file's bytes on the disk; a failure leaves the old backup as it
    // was and is not the save's.
    void writeBackup();
    // Puts the encoded journals, given in pieces, in place of the data file: written, synced and renamed
    // over it, every step checked. False, with the save message set, when any step fails.
    bool writeDataFile(std::span<const QByteArrayView> pieces);
    // The position of the first journal with that id.
    std::optional<qsizetype> index(const QUuid& id) const;
    // Tells the views that journals changed in place, then saves.
    void changedAndSave();
    // What setStatus and changeNumber share: nothing for an empty set or a journal that is gone; only a save
    // for a journal without records; else `change` runs on each record of the set, then changedAndSave.
    void changeRecords(const QSet<QUuid>& records, const QUuid& in,
                       const std::function<void(const Journal&, Record&)>& change);

    QList<Journal> m_journals;
    std::optional<QString> m_lastError;
    std::optional<QString> m_migrationNote;
    QString m_fileURL;
    Clock m_clock;
    Calendar m_calendar;
    SafeFile::SystemCalls& m_files;
    bool m_backupDone = false;
    // Set when the data path holds something that must not be written over (an unreadable file that could
    // not be set aside, a folder): why every save fails.
    std::optional<QString> m_writeBlocked;
    // The size of the file read at start-up, room for the first encoding.
    std::size_t m_loadedFileSize = 0;
    // The last file written, from which each save takes the bytes of the records unchanged since.
    DataFileEncoder m_encoder;
};
