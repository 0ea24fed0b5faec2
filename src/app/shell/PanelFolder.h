#pragma once

#include <QString>

// The folder a file panel opens in: the folder of the file last chosen in this run, else the user's
// documents folder, else the home folder; never the folder the application was started from.
QString panelStartFolder(const QString& lastUsed);
