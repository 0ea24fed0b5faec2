#pragma once

#include "core/store/DataFile.h"

#include <QString>

#include <optional>

// What the application needs before its window: the data file's path and the lock that keeps a second
// instance off it. When the start must be refused, the reason is the text of the one alert to show.
// The path is the file's resolved one: a link to the file, a linked folder or ".." on the way give the
// path of the file itself, so that a second start by another path finds the first one's lock. Once the
// lock is held, what interrupted saves of the data file and of its backup left beside them is removed.
struct StartCheck {
    QString dataFile;
    DataFile::Lock lock;
    std::optional<QString> refusal;
};

StartCheck checkStart();
