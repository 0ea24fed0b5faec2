#include "app/shell/Startup.h"

#include "core/store/SafeFile.h"

#include <csignal>

using namespace Qt::StringLiterals;

StartCheck checkStart() {
    // A file size limit (a quota, a desktop session's limit) would end the process with SIGXFSZ in the
    // middle of a save, losing the change in memory without a word. Ignored, it fails the write with EFBIG
    // and the save reports it like any other failed save, the old file whole.
    std::signal(SIGXFSZ, SIG_IGN);

    StartCheck check;
    const std::optional<QString> dataFile = DataFile::defaultFileURL();
    if (!dataFile) {
        check.refusal = u"Не удалось определить папку данных пользователя."_s;
        return check;
    }
    check.dataFile = SafeFile::resolved(*dataFile);
    check.lock = DataFile::lock(check.dataFile);
    if (check.lock.heldElsewhere) {
        check.refusal = DataFile::alreadyOpenMessage(check.dataFile, check.lock.onAnotherMachine);
    } else if (check.lock.lock) {
        // Only the holder of the lock knows that no save of another instance is under way.
        SafeFile::removeLeftovers(check.dataFile);
        SafeFile::removeLeftovers(DataFile::backupURL(check.dataFile));
    }
    return check;
}
