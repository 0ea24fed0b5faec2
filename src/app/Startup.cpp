#include "Startup.h"

StartCheck checkStart() {
    StartCheck check;
    const std::optional<QString> dataFile = DataFile::defaultFileURL();
    if (!dataFile) {
        check.refusal = QStringLiteral("Не удалось определить папку данных пользователя.");
        return check;
    }
    check.dataFile = *dataFile;
    check.lock = DataFile::lock(*dataFile);
    if (check.lock.heldElsewhere)
        check.refusal = DataFile::alreadyOpenMessage(*dataFile);
    return check;
}
