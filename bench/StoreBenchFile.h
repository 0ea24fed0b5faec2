#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstddef>

// The data file the store's benchmarks read and write: 50,000 records of realistic journals, written once
// per run into a temporary folder.
namespace StoreBenchFile {

struct Fixture {
    QTemporaryDir dir;
    QString dataPath;
    QByteArray bytes;

    Fixture();
    // A copy of the data file in a folder of its own, for a store that will write.
    QString copy(const QString& folder) const;
};

const Fixture& fixture();

// Writes the bytes over the file and syncs them, as a save would, with none of the store's checks.
void writeAndSync(const QString& path, const char* data, std::size_t size);
// The file's size beside a benchmark's times, and the bytes it went through per second.
void fileCounters(benchmark::State& state);

} // namespace StoreBenchFile
