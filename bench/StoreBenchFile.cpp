#include "StoreBenchFile.h"

#include "DataFileGenerator.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace StoreBenchFile {

namespace {

constexpr int recordCount = 50'000;

} // namespace

Fixture::Fixture() {
    bytes = DataFileGenerator::dataFile(DataFileGenerator::journals(recordCount));
    dataPath = dir.filePath(u"data.json"_s);
    QFile file(dataPath);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QString Fixture::copy(const QString& folder) const {
    QDir().mkpath(dir.filePath(folder));
    const QString path = dir.filePath(folder + u"/data.json"_s);
    QFile::remove(path);
    QFile::copy(dataPath, path);
    return path;
}

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

void writeAndSync(const QString& path, const char* data, std::size_t size) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    for (std::size_t done = 0; done < size;) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n <= 0)
            break;
        done += std::size_t(n);
    }
    ::fdatasync(fd);
    ::close(fd);
}

void fileCounters(benchmark::State& state) {
    state.counters["file_MB"] = double(fixture().bytes.size()) / 1e6;
    state.SetBytesProcessed(state.iterations() * fixture().bytes.size());
}

} // namespace StoreBenchFile
