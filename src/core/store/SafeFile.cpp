#include "core/store/SafeFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The temporary file while it is not yet the target. Whatever is left of it when a step fails is not the
// user's data and goes: the descriptor is closed, a name it was given is removed.
struct Temporary {
    int fd = -1;
    QByteArray name; // empty while the file is unnamed

    Temporary() = default;
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() {
        if (fd >= 0)
            ::close(fd);
        if (!name.isEmpty())
            ::unlink(name.constData());
    }
};

constexpr char nameSymbols[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr int randomLength = 6;

// The start of a temporary file's name beside the target "data.json": ".data.json.save-". Hidden, and
// not a name a user gives a file, so that every file of this pattern is known to be a save's own.
QString temporaryPrefix(const QString& targetName) {
    return u'.' + targetName + u".save-"_s;
}

// The temporary file's path: the prefix with six random letters or digits added.
QByteArray temporaryName(const QString& target) {
    const QFileInfo info(target);
    QString name = info.absolutePath() + u'/' + temporaryPrefix(info.fileName());
    for (int i = 0; i < randomLength; ++i)
        name += QLatin1Char(nameSymbols[QRandomGenerator::global()->bounded(int(sizeof nameSymbols - 1))]);
    return QFile::encodeName(name);
}

bool isTemporaryName(const QString& name, const QString& prefix) {
    if (name.size() != prefix.size() + randomLength || !name.startsWith(prefix))
        return false;
    const QStringView random = QStringView(name).sliced(prefix.size());
    return std::all_of(random.begin(), random.end(), [](QChar c) {
        return c.unicode() < 128 && std::strchr(nameSymbols, char(c.unicode())) != nullptr;
    });
}

constexpr int namesTried = 100;

} // namespace

namespace SafeFile {

SystemCalls::~SystemCalls() = default;

int SystemCalls::openUnnamed(const char* folder, mode_t mode) {
#ifdef O_TMPFILE
    // An unnamed file is named later through /proc/self/fd; without /proc it could never take its place.
    static const bool procMounted = ::access("/proc/self/fd", X_OK) == 0;
    if (procMounted)
        return ::open(folder, O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
#else
    Q_UNUSED(folder);
    Q_UNUSED(mode);
#endif
    errno = EOPNOTSUPP;
    return -1;
}

int SystemCalls::writable(const char* path) {
    return ::access(path, W_OK);
}

int SystemCalls::openNew(const char* path, mode_t mode) {
    return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
}

ssize_t SystemCalls::write(int fd, const void* data, size_t size) {
    return ::write(fd, data, size);
}

int SystemCalls::fsync(int fd) {
    return ::fsync(fd);
}

void SystemCalls::startWriteback(int fd, off_t offset, off_t length) {
    // A file system that cannot do this refuses; the final sync writes the range all the same.
    (void)::sync_file_range(fd, offset, length, SYNC_FILE_RANGE_WRITE);
}

int SystemCalls::link(int fd, const char* path) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, path, AT_SYMLINK_FOLLOW);
}

int SystemCalls::close(int fd) {
    return ::close(fd);
}

int SystemCalls::rename(const char* from, const char* to) {
    return ::rename(from, to);
}

int SystemCalls::syncFolder(int folderFd) {
    return ::fsync(folderFd);
}

SystemCalls& systemCalls() {
    static SystemCalls calls;
    return calls;
}

namespace {

// The steps of a replacement; the failed one, or nothing once every step is done.
std::optional<Failure> replaceSteps(const QString& path, std::span<const QByteArrayView> pieces,
                                    SystemCalls& calls) {
    const QString target = resolved(path);
    const QByteArray file = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    // Read errno at once: the cleanup that follows a failure may change it.
    const auto failed = [](Step step) { return Failure{step, errno}; };

    struct stat old {};
    const bool exists = ::stat(file.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return Failure{Step::create, EISDIR};
    // A file its owner made read-only is not replaced behind the owner's back.
    if (exists && calls.writable(file.constData()) != 0)
        return failed(Step::create);
    // Until it has the old file's permissions, the new one is readable by its owner alone; a first file
    // gets the usual permissions less the umask.
    const mode_t mode = exists ? mode_t(S_IRUSR | S_IWUSR) : mode_t(0666);

    Temporary temp;
    temp.fd = calls.openUnnamed(folder.constData(), mode);
    if (temp.fd < 0) {
        // EISDIR and EINVAL are how kernels and file systems without unnamed files may refuse one.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return failed(Step::create);
        for (int attempt = 1; temp.fd < 0; ++attempt) {
            const QByteArray name = temporaryName(target);
            temp.fd = calls.openNew(name.constData(), mode);
            if (temp.fd >= 0)
                temp.name = name;
            else if (errno != EEXIST || attempt == namesTried)
                return failed(Step::create);
        }
    }
    // A file system without permissions refuses this; the file is then as it can be.
    if (exists)
        ::fchmod(temp.fd, old.st_mode & 07777);

    // The disk starts on each written stretch while the next one is handed over, so the final sync waits
    // for the last stretch rather than for the whole file.
    constexpr qsizetype stretch = 8 << 20;
    off_t handed = 0, sent = 0;
    for (const QByteArrayView bytes : pieces) {
        const char* data = bytes.data();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t written = calls.write(temp.fd, data, size_t(std::min(left, stretch)));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                if (written == 0)
                    errno = ENOSPC; // a regular file accepts nothing more only when there is no room
                return failed(Step::write);
            }
            data += written;
            left -= written;
            handed += written;
            if (handed - sent >= stretch) {
                calls.startWriteback(temp.fd, sent, handed - sent);
                sent = handed;
            }
        }
    }
    while (calls.fsync(temp.fd) != 0) {
        if (errno != EINTR)
            return failed(Step::sync);
    }
    for (int attempt = 1; temp.name.isEmpty(); ++attempt) {
        const QByteArray name = temporaryName(target);
        if (calls.link(temp.fd, name.constData()) == 0)
            temp.name = name;
        else if (errno != EEXIST || attempt == namesTried)
            return failed(Step::rename);
    }
    // Linux releases the descriptor even when close fails, and after EINTR the bytes are already synced.
    if (calls.close(std::exchange(temp.fd, -1)) != 0 && errno != EINTR)
        return failed(Step::close);
    if (calls.rename(temp.name.constData(), file.constData()) != 0)
        return failed(Step::rename);
    temp.name.clear(); // it is the target now

    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return failed(Step::syncFolder);
    int synced;
    while ((synced = calls.syncFolder(folderFd)) != 0 && errno == EINTR) {
    }
    const int error = errno;
    ::close(folderFd);
    // A file system that cannot sync folders (EINVAL) gives no more durability than it has.
    if (synced != 0 && error != EINVAL)
        return Failure{Step::syncFolder, error};
    return std::nullopt;
}

} // namespace

bool replace(const QString& path, QByteArrayView bytes, Failure* failure, SystemCalls& calls) {
    return replace(path, std::span<const QByteArrayView>(&bytes, 1), failure, calls);
}

bool replace(const QString& path, std::span<const QByteArrayView> pieces, Failure* failure,
             SystemCalls& calls) {
    const std::optional<Failure> failed = replaceSteps(path, pieces, calls);
    if (failed && failure)
        *failure = *failed;
    return !failed;
}

QString resolved(const QString& path) {
    // Paths are taken apart as text: Qt's own path functions drop "a/.." before the system could follow
    // a link "a" somewhere else.
    const auto folderOf = [](const QString& file) {
        const qsizetype slash = file.lastIndexOf(u'/');
        return slash > 0 ? file.left(slash) : u"/"_s;
    };
    const auto nameOf = [](const QString& file) { return file.mid(file.lastIndexOf(u'/') + 1); };
    QString file = path.startsWith(u'/') ? path : QDir::currentPath() + u'/' + path;
    // The file's own links first: one may lead to another, each relative to the folder it stands in.
    constexpr int linksFollowed = 40; // the system's own limit
    for (int depth = 0; depth < linksFollowed; ++depth) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(QFile::encodeName(file).constData(), target, sizeof target);
        if (length <= 0 || size_t(length) >= sizeof target)
            break;
        const QString next = QFile::decodeName(QByteArray(target, length));
        file = next.startsWith(u'/') ? next : folderOf(file) + u'/' + next;
    }
    // Then the folders: the deepest one that exists says where it really is; what is not there yet can
    // hold no link.
    QString folder = folderOf(file);
    QString rest = nameOf(file);
    for (;;) {
        char real[PATH_MAX];
        if (::realpath(QFile::encodeName(folder).constData(), real))
            return QDir::cleanPath(QFile::decodeName(real) + u'/' + rest);
        if (errno != ENOENT || folder == u"/"_s)
            return QDir::cleanPath(folder + u'/' + rest);
        rest = nameOf(folder) + u'/' + rest;
        folder = folderOf(folder);
    }
}

int removeLeftovers(const QString& path) {
    const QFileInfo target(resolved(path));
    const QString prefix = temporaryPrefix(target.fileName());
    QDir folder = target.absoluteDir();
    int removed = 0;
    // Hidden files only, of this target's pattern only, and never a folder or a link someone placed there.
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QFileInfo file(folder.filePath(name));
        if (isTemporaryName(name, prefix) && !file.isSymLink() && file.isFile() &&
            ::unlink(QFile::encodeName(file.filePath()).constData()) == 0)
            ++removed;
    }
    return removed;
}

std::optional<QString> reason(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return u"возможно, диск заполнен"_s;
    case EIO:
        return u"ошибка ввода-вывода"_s;
    case EROFS:
        return u"диск доступен только для чтения"_s;
    case EACCES:
    case EPERM:
        return u"нет прав доступа"_s;
    default:
        return std::nullopt;
    }
}

} // namespace SafeFile
