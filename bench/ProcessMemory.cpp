#include "ProcessMemory.h"

#include <QFile>

#include <fcntl.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace ProcessMemory {

long statusKb(const char* key) {
    QFile file(u"/proc/self/status"_s);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

bool resetPeak() {
    // Freed memory the allocator still holds would count against the next peak.
    malloc_trim(0);
    QFile file(u"/proc/self/clear_refs"_s);
    return file.open(QIODevice::WriteOnly) && file.write("5") == 1;
}

int runChild(const QString& filter, const QList<std::pair<QByteArray, QByteArray>>& environment) {
    const QByteArray filterArgument = "--benchmark_filter=" + filter.toUtf8();
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        for (const auto& [name, value] : environment)
            ::setenv(name.constData(), value.constData(), 1);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::execl("/proc/self/exe", "benchmark", filterArgument.constData(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace ProcessMemory
