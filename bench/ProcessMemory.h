#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// What the memory benchmarks read of the process: its resident size and the peak of it, and a fresh run of
// the benchmark program for a measurement that must not count what the measuring process holds already.
namespace ProcessMemory {

// A figure of /proc/self/status in kB ("VmRSS:", "VmHWM:"); -1 when it cannot be read.
long statusKb(const char* key);
// Returns freed memory to the system and starts the peak resident size (VmHWM) afresh from the resident
// size now; false where the system does not let the process do so.
bool resetPeak();

// Runs this program again, with the environment given added, on the benchmarks that `filter` matches, its
// output thrown away; waits for it. Its exit status, or -1 when it could not be run.
int runChild(const QString& filter, const QList<std::pair<QByteArray, QByteArray>>& environment);

} // namespace ProcessMemory
