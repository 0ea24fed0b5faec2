// Writes a data file of a journal of every template whose records were added over the last weeks, so every
// screen has something real to show: vostrel_sample_data PATH [RECORDS] (400 by default).
#include "DataFileGenerator.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

void usage(std::FILE* out, const char* program) {
    std::fprintf(out,
                 "usage: %s PATH [RECORDS]\n"
                 "Writes a data file of nine journals, one of every template, sharing RECORDS records\n"
                 "(400 by default) to PATH.\n",
                 program);
}

// A count of records: digits only, at most ten million.
std::optional<int> count(const char* text) {
    const QByteArray digits(text);
    bool ok = false;
    const int value = digits.toInt(&ok);
    const bool onlyDigits = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(),
                                                             [](char c) { return c >= '0' && c <= '9'; });
    return ok && onlyDigits && value <= 10'000'000 ? std::optional(value) : std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        usage(stdout, argv[0]);
        return 0;
    }
    // An option is never taken for a path: "--help" or "-n" would otherwise become a file of that name.
    if (argc < 2 || argc > 3 || argv[1][0] == '-' || argv[1][0] == '\0') {
        usage(stderr, argv[0]);
        return 2;
    }
    const std::optional<int> given = argc > 2 ? count(argv[2]) : std::optional(400);
    if (!given) {
        std::fprintf(stderr, "RECORDS must be a count of records (0 to 10000000), not \"%s\"\n", argv[2]);
        return 2;
    }
    const int records = *given;
    // The records are spread over the last 75 days, the newest a few minutes ago.
    const qint64 span = 75 * 86400;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    DataFileGenerator::Timeline timeline;
    timeline.spacingSeconds = records > 1 ? span / records : span;
    timeline.first = now.addSecs(-timeline.spacingSeconds * records);
    const QByteArray bytes = DataFileGenerator::dataFile(DataFileGenerator::journals(records, 7, timeline));
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
