// Writes a data file of six template journals whose records were added over the last weeks, so every
// screen has something real to show: vostrel_sample_data PATH [RECORDS] (180 by default).
#include "DataFileGenerator.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PATH [RECORDS]\n", argv[0]);
        return 2;
    }
    const int records = argc > 2 ? std::atoi(argv[2]) : 180;
    if (records < 0) {
        std::fprintf(stderr, "RECORDS must not be negative\n");
        return 2;
    }
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
