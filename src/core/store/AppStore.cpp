#include "core/store/AppStore.h"

#include "core/store/DataFile.h"
#include "core/store/FileBytes.h"
#include "core/store/LegacyMigration.h"
#include "core/store/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

const QString saveFailedText = u"Не удалось сохранить данные: "_s;

QString quotedPath(const QString& path) {
    return u'«' + QDir::toNativeSeparators(path) + u'»';
}

QString notAFileText(const QString& path) {
    return QFileInfo(path).isDir() ? u"по пути "_s + quotedPath(path) + u" находится папка, а не файл"_s
                                   : u"по пути "_s + quotedPath(path) + u" находится не обычный файл"_s;
}

} // namespace

// ---- Life cycle ----

AppStore::AppStore(const QString& fileURL, Clock clock, Calendar calendar, SafeFile::SystemCalls& files,
                   QObject* parent)
    : QObject(parent), m_fileURL(fileURL), m_clock(std::move(clock)), m_calendar(std::move(calendar)),
      m_files(files) {
    load();
}

AppStore::~AppStore() = default;

void AppStore::setJournals(const QList<Journal>& journals) {
    if (m_journals == journals) {
        m_journals = journals; // equal values: kept without telling anyone
        return;
    }
    m_journals = journals;
    emit journalsChanged();
}

void AppStore::setLastError(const std::optional<QString>& text) {
    const bool changed = m_lastError != text;
    m_lastError = text;
    if (changed)
        emit lastErrorChanged();
}

void AppStore::setMigrationNote(const std::optional<QString>& text) {
    m_migrationNote = text;
}

void AppStore::setError(const QString& text) {
    setLastError(text);
}

bool AppStore::saveFailed(const QString& problem) {
    setError(saveFailedText + problem);
    return false;
}

void AppStore::load() {
    const QFileInfo info(m_fileURL);
    if (!info.exists() && !info.isSymLink()) {
        convertEarlierCardFile();
        return;
    }
    if (!info.isFile()) {
        // A folder (or a device, a pipe) is never moved and never read: nothing of the user's is touched.
        const QString problem = notAFileText(m_fileURL);
        m_writeBlocked = problem;
        setError(u"Не удалось прочитать файл данных: "_s + problem + u'.');
        return;
    }

    QString problem;
    if (std::optional<FileBytes> bytes = FileBytes::read(m_fileURL, &problem)) {
        const std::size_t size = bytes->size();
        if (auto journals = DataFile::decode(std::move(*bytes), m_clock(), &problem)) {
            m_loadedFileSize = size;
            m_journals = std::move(*journals); // nobody watches yet
            return;
        }
    }

    const std::optional<QString> asideName = setAside();
    if (asideName) {
        setError(u"Не удалось прочитать файл данных. Он сохранён как "_s + *asideName + u". Ошибка: "_s +
                 problem);
    } else {
        // The unreadable file stays where it is; writing over it would destroy what might still be recovered.
        m_writeBlocked = u"нечитаемый файл данных не удалось отложить, и он не перезаписывается"_s;
        setError(
            u"Не удалось прочитать файл данных, и отложить его не удалось: он оставлен на месте и не будет "
            u"перезаписан. Ошибка: "_s +
            problem);
    }
}

QStringList AppStore::legacyFileURLs() const {
    const QString dataFolder = QFileInfo(m_fileURL).absolutePath();
    const QString parent = QFileInfo(dataFolder).absolutePath();
    return {QDir(dataFolder).filePath(u"cards.json"_s), QDir(parent).filePath(u"Zorvikal/cards.json"_s)};
}

void AppStore::convertEarlierCardFile() {
    const QStringList places = legacyFileURLs();
    const auto found = std::find_if(places.begin(), places.end(),
                                    [](const QString& path) { return QFileInfo::exists(path); });
    if (found == places.end())
        return;
    // Only the first file found is tried: a later one may be older, and converting it would hide the problem.
    const QString shownPath = QDir::toNativeSeparators(*found);
    QString problem;
    std::optional<Journal> journal;
    if (std::optional<FileBytes> bytes = FileBytes::read(*found, &problem))
        journal = LegacyMigration::migrate(QByteArrayView(bytes->data(), qsizetype(bytes->size())), m_clock,
                                           &problem);
    if (!journal) {
        setError(u"Не удалось перенести данные прежней версии из "_s + shownPath + u": "_s + problem);
        return;
    }
    const QString note = u"Данные прежней версии перенесены в журнал «"_s + journal->name + u"»: "_s +
                         journal->itemNoun.counted(journal->records.size()) +
                         u". Исходный файл сохранён: "_s + shownPath;
    setJournals({std::move(*journal)});
    save(); // a failure has set lastError; the journal stays in memory and the notice still stands
    setMigrationNote(note);
}

std::optional<QString> AppStore::setAside() {
    const QDir folder = QFileInfo(m_fileURL).absoluteDir();
    const QString stem = u"data-damaged-"_s + QString::number(m_clock().toSecsSinceEpoch());
    for (int n = 0; n < 1000; ++n) {
        const QString name = stem + (n == 0 ? QString() : u'-' + QString::number(n)) + u".json"_s;
        const QFileInfo target(folder.filePath(name));
        if (target.exists() || target.isSymLink())
            continue;
        // QFile::rename never replaces an existing file, so a name taken meanwhile fails rather than loses
        // data.
        return QFile::rename(m_fileURL, target.filePath()) ? std::optional(name) : std::nullopt;
    }
    return std::nullopt;
}

bool AppStore::save() {
    if (m_writeBlocked)
        return saveFailed(*m_writeBlocked);

    const QFileInfo info(m_fileURL);
    const QString folder = info.absolutePath();
    if (!QDir().mkpath(folder))
        return saveFailed(u"не удалось создать папку "_s + quotedPath(folder));

    if (!m_backupDone && info.isFile()) {
        m_backupDone = true;
        writeBackup();
    }

    QString problem;
    if (!m_encoder.encode(m_journals, m_clock(), &problem, m_loadedFileSize))
        return saveFailed(u"значение нельзя записать — "_s + problem);
    // A failed save leaves the kept encoding as the last good save left it.
    const bool written = writeDataFile(m_encoder.encoded());
    written ? m_encoder.keep() : m_encoder.drop();
    return written;
}

void AppStore::writeBackup() {
    // The bytes on the disk now are the file as it stood before this run's first overwrite: nothing else
    // writes it while the run holds its lock. They replace the old backup the way a save replaces the data
    // file, so the old backup stays whole until the new one is, and a stop in between leaves only a
    // temporary file of the pattern the next start removes. A failed backup does not stop the save.
    QString problem;
    if (std::optional<FileBytes> bytes = FileBytes::read(m_fileURL, &problem))
        SafeFile::replace(DataFile::backupURL(m_fileURL),
                          QByteArrayView(bytes->data(), qsizetype(bytes->size())), nullptr, m_files);
}

bool AppStore::writeDataFile(std::span<const QByteArrayView> pieces) {
    SafeFile::Failure failure;
    if (SafeFile::replace(m_fileURL, pieces, &failure, m_files))
        return true;
    // Up to the rename the old file is left whole; after it, the new one is in place but may not survive a
    // power loss, and a save is reported only once its bytes are safely on the disk.
    const QString folder = QFileInfo(m_fileURL).absolutePath();
    const std::optional<QString> why = SafeFile::reason(failure.error);
    const QString because = why ? u" ("_s + *why + u')' : QString();
    switch (failure.step) {
    case SafeFile::Step::create:
        // What the system said decides: a read-only disk also makes every file on it read as unwritable.
        if (failure.error == EISDIR)
            return saveFailed(notAFileText(m_fileURL));
        if (failure.error == EROFS)
            return saveFailed(u"диск доступен только для чтения (файл "_s + quotedPath(m_fileURL) + u')');
        if (failure.error == EACCES || failure.error == EPERM) {
            // Refused either before anything was made, for the file, or in making the temporary file beside
            // it.
            const bool fileRefused = QFileInfo(m_fileURL).isFile() &&
                                     m_files.writable(QFile::encodeName(m_fileURL).constData()) != 0;
            return fileRefused ? saveFailed(u"нет прав на запись в файл "_s + quotedPath(m_fileURL))
                               : saveFailed(u"нет прав на запись в папку "_s + quotedPath(folder));
        }
        return saveFailed(u"не удалось создать файл в папке "_s + quotedPath(folder) + because);
    case SafeFile::Step::write:
        return saveFailed(u"не удалось записать файл "_s + quotedPath(m_fileURL) + because);
    case SafeFile::Step::sync:
        return saveFailed(u"не удалось сбросить на диск файл "_s + quotedPath(m_fileURL) + because);
    case SafeFile::Step::close:
        return saveFailed(u"не удалось завершить запись файла "_s + quotedPath(m_fileURL) + because);
    case SafeFile::Step::rename:
        return saveFailed(u"не удалось заменить файл данных новым"_s + because);
    case SafeFile::Step::syncFolder:
        return saveFailed(u"не удалось сбросить на диск папку "_s + quotedPath(folder) + because);
    }
    return saveFailed(u"не удалось записать файл "_s + quotedPath(m_fileURL));
}
