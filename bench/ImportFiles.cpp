#include "ImportFiles.h"

#include "DataFileGenerator.h"
#include "core/csv/CSVService.h"
#include "core/model/FieldKey.h"
#include "core/model/NumberFormat.h"
#include "core/templates/Templates.h"

#include <QFile>

#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace ImportFiles {

namespace {

// The files' orders are numbered on from here, past the orders a journal of a few thousand keeps, so that
// the rows are new to it and to each other, as the orders of a long export are.
constexpr int newOrders = 100'000;

// The exported records of a busy sales journal, written in slices until the file holds `megabytes`:
// each slice is a fresh generated journal exported with the UTF-8 mark, the header kept once.
QString writeSalesExport(const QString& path, qint64 megabytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return u"cannot write "_s + path;
    constexpr int slice = 5'000;
    DataFileGenerator::Timeline timeline;
    timeline.firstSerial = newOrders;
    for (unsigned seed = 1; file.size() < megabytes * 1024 * 1024; ++seed) {
        const Journal part = DataFileGenerator::journal(salesWithCheckbox, slice, seed, timeline);
        QByteArray bytes = CSVService::exportData(part);
        if (seed > 1)
            bytes.remove(0, bytes.indexOf('\n') + 1); // the mark and the header stand once, at the top
        if (file.write(bytes) != bytes.size())
            return u"cannot write "_s + path;
        timeline.first = timeline.first.addSecs(qint64(slice) * timeline.spacingSeconds);
        timeline.firstSerial += slice;
    }
    return QString();
}

// The entry key of the journal's field with that template key.
QString keyOf(const Journal& journal, const QString& templateKey) {
    for (const FieldDef& f : journal.fields)
        if (f.key == templateKey)
            return fieldKey(f.id);
    return QString();
}

// Rows of two short cells, the order number and the sum of generated orders, until the file holds
// `megabytes`.
QString writeShortRows(const QString& path, qint64 megabytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return u"cannot write "_s + path;
    constexpr int slice = 20'000;
    DataFileGenerator::Timeline timeline;
    timeline.firstSerial = newOrders;
    QByteArray bytes = "\xEF\xBB\xBF" + u"Номер заказа;Сумма\r\n"_s.toUtf8();
    for (unsigned seed = 1; file.size() + bytes.size() < megabytes * 1024 * 1024; ++seed) {
        const Journal part = DataFileGenerator::journal(Templates::sales, slice, seed, timeline);
        const QString number = keyOf(part, u"number"_s), sum = keyOf(part, u"amount"_s);
        for (const Record& r : part.records) {
            // A sum with kopecks holds the decimal comma, so it is quoted as an export quotes it.
            const QByteArray amount = NumberFormat::string(r.number(sum)).toUtf8();
            bytes +=
                r.text(number).toUtf8() + ';' + (amount.contains(',') ? '"' + amount + '"' : amount) + "\r\n";
        }
        if (file.write(bytes) != bytes.size())
            return u"cannot write "_s + path;
        bytes.clear();
        timeline.first = timeline.first.addSecs(qint64(slice) * timeline.spacingSeconds);
        timeline.firstSerial += slice;
    }
    return QString();
}

} // namespace

Journal salesWithCheckbox(const Clock& clock) {
    Journal journal = Templates::sales(clock);
    FieldDef gift;
    gift.id = QUuid::createUuid();
    gift.key = u"gift"_s;
    gift.name = u"Подарочная упаковка"_s;
    gift.type = FieldType::checkbox;
    journal.fields.append(gift);
    return journal;
}

const File& file(qint64 megabytes, Rows rows) {
    static std::map<std::pair<qint64, Rows>, std::unique_ptr<File>> files;
    std::unique_ptr<File>& f = files[{megabytes, rows}];
    if (!f) {
        f = std::make_unique<File>();
        f->path = f->dir.filePath(u"продажи.csv"_s);
        f->problem = rows == Rows::realistic ? writeSalesExport(f->path, megabytes)
                                             : writeShortRows(f->path, megabytes);
        f->bytes = QFile(f->path).size();
    }
    return *f;
}

} // namespace ImportFiles
