#include "app/Startup.h"

using namespace Qt::StringLiterals;

StartCheck checkStart() {
    StartCheck check;
    const std::optional<QString> dataFile = DataFile::defaultFileURL();
    if (!dataFile) {
        check.refusal = u"Не удалось определить папку данных пользователя."_s;
        return check;
    }
    check.dataFile = *dataFile;
    check.lock = DataFile::lock(*dataFile);
    if (check.lock.heldElsewhere)
        check.refusal = DataFile::alreadyOpenMessage(*dataFile, check.lock.onAnotherMachine);
    return check;
}
