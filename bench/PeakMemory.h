#pragma once

#include <QByteArrayView>

// The kernel's account of this process's resident memory, for benchmarks that report a peak.
namespace PeakMemory {

// One value of /proc/self/status in kibibytes ("VmHWM", "VmRSS"); -1 when it cannot be read.
qint64 statusKiB(QByteArrayView key);

// Returns freed memory to the system and makes the current resident size the new high-water mark, so the
// next reading of VmHWM covers only what happens from here on. False when the mark cannot be reset.
bool resetPeak();

} // namespace PeakMemory
