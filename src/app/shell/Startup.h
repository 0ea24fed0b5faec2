#pragma once

#include "core/store/DataFile.h"

#include <QString>

#include <optional>

// What the application needs before its window: the data file's path and the lock that keeps a second
// instance off it. When the start must be refused, the reason is the text of the one alert to show.
// Once the lock is held, what interrupted saves left beside the data file is removed.
struct StartCheck {
    QString dataFile;
    DataFile::Lock lock;
    std::optional<QString> refusal;
};

StartCheck checkStart();
