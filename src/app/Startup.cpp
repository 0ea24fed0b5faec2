#include "Startup.h"

StartCheck checkStart() {
    StartCheck check;
    const std::optional<QString> dataFile = AppStore::defaultFileURL();
    if (!dataFile) {
        check.refusal = QStringLiteral("Не удалось определить папку данных пользователя.");
        return check;
    }
    check.dataFile = *dataFile;
    check.lock = AppStore::lockDataFile(*dataFile);
    if (check.lock.heldElsewhere)
        check.refusal = AppStore::alreadyOpenMessage(*dataFile);
    return check;
}
