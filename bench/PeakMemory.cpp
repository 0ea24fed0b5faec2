#include "PeakMemory.h"

#include <QFile>

#include <malloc.h>

using namespace Qt::StringLiterals;

namespace PeakMemory {

qint64 statusKiB(QByteArrayView key) {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(key) && line.size() > key.size() && line[key.size()] == ':')
            return line.mid(key.size() + 1).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

bool resetPeak() {
    malloc_trim(0);
    QFile refs(u"/proc/self/clear_refs"_s);
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

} // namespace PeakMemory
