#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <span>
#include <sys/types.h>

// Replacing a file's bytes so that it holds either its old bytes or all of the new ones, whatever fails
// and whenever the process stops, and so that success is reported only for bytes that reached the disk.
//
// The new bytes go to a temporary file in the target's own folder, so that the final rename is atomic:
// an unnamed file (O_TMPFILE) where the file system has them, else a hidden file named after the target
// with six random characters added (".data.json.save-k3Xq9Z"). Each step is checked before the next one
// runs: all bytes
// written (there is no buffer of ours to flush afterwards: a short write is continued, and a write that
// fails after a short one is the failed flush of a buffered writer), the file synced to disk, given its
// temporary name (unnamed files), closed, and renamed over the target; then the folder itself is synced,
// so that the rename survives a power loss. A failure up to the rename removes the temporary file and
// leaves the target as it was. A process killed before the rename leaves its temporary file behind, whole
// or partial; removeLeftovers() takes such files away at the next start.
//
// A target reached through symbolic links (of the file or of its folders) is written where they lead, to
// the file itself, which keeps its permissions. A target that exists but cannot be written, or that is a
// folder, is refused before anything is created.
namespace SafeFile {

// The step at which a replacement failed.
enum class Step {
    create,    // making the temporary file, or a target that cannot be replaced
    write,     // handing the bytes to the system
    sync,      // getting them onto the disk
    close,     // closing the temporary file, where a network file system reports late write errors
    rename,    // putting the temporary file in the target's place
    syncFolder // getting the rename onto the disk: the target already holds the new bytes
};

struct Failure {
    Step step = Step::create;
    int error = 0; // the system's error number

    bool operator==(const Failure&) const = default;
};

// The system calls the steps make, each answering as the system does: -1 with errno set on failure.
// A test derives from it to make one step fail the way a full disk, a failing device or a lost network
// share makes it fail.
class SystemCalls {
public:
    virtual ~SystemCalls();
    // An unnamed file in the folder; -1 with EOPNOTSUPP where the file system (or a system without
    // /proc, through which such a file is later named) offers none.
    virtual int openUnnamed(const char* folder, mode_t mode);
    // Whether the file may be written: 0, or -1 with EACCES (its permissions) or EROFS (a read-only disk).
    virtual int writable(const char* path);
    // A new file of that name; -1 with EEXIST when the name is taken.
    virtual int openNew(const char* path, mode_t mode);
    virtual ssize_t write(int fd, const void* data, size_t size);
    virtual int fsync(int fd);
    // Asks the system to start writing a range already handed to it on to the disk, without waiting; only
    // fsync says whether it got there.
    virtual void startWriteback(int fd, off_t offset, off_t length);
    // Gives an unnamed file a name; -1 with EEXIST when the name is taken.
    virtual int link(int fd, const char* path);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int syncFolder(int folderFd);
};

// The real calls.
SystemCalls& systemCalls();

// Replaces the bytes of the file at `path` by `bytes` as described above. False on failure, with `failure`
// (when given) set to the step and the system's error.
bool replace(const QString& path, QByteArrayView bytes, Failure* failure = nullptr,
             SystemCalls& calls = systemCalls());
// The same with the new bytes given in pieces, which the file holds one after another.
bool replace(const QString& path, std::span<const QByteArrayView> pieces, Failure* failure = nullptr,
             SystemCalls& calls = systemCalls());

// The file a path names in the end: symbolic links followed, of the file itself and of every folder on the
// way, and "." and ".." taken where the links lead, so that every path to one file gives one text. Of a
// file or folders not there yet, the path they will have once made. A loop of links leaves the name the
// loop was left at: opening it then fails as it would have.
QString resolved(const QString& path);

// Removes what interrupted replacements of the file at `path` left in its folder: the files of the
// temporary pattern above, and nothing else. Call it only while no other process may be replacing the
// file (while holding the data file's lock). Returns how many files went.
int removeLeftovers(const QString& path);

// A short Russian description of a system error number, or nothing for one the user can do nothing with.
// A full disk, an exhausted quota and a file size limit all read "возможно, диск заполнен".
std::optional<QString> reason(int error);

} // namespace SafeFile
