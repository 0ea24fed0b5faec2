// Arbitrary file bytes imported into each template journal (holding a few records, two of them alike):
// the import must never crash, and what it returns must agree with itself.
#include "core/csv/CSVImport.h"
#include "core/templates/Templates.h"

#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

const QDateTime now(QDate(2024, 3, 5), QTime(9, 30), QTimeZone::utc());
const Calendar calendar{QTimeZone("Europe/Moscow")};
QDateTime clockNow() {
    return now;
}

QString sampleText(const FieldDef& field, int i) {
    switch (field.type) {
    case FieldType::number:
        return QString::number(i * 10) + u",5"_s;
    case FieldType::date:
        return u"0"_s + QString::number(i + 1) + u".03.2024"_s;
    case FieldType::checkbox:
        return i % 2 ? u"да"_s : QString();
    case FieldType::link:
        return u"example.com/"_s + QString::number(i % 2);
    case FieldType::choice:
        return field.options.isEmpty() ? QString() : field.options[i % field.options.size()];
    default:
        return field.name + u' ' + QString::number(i % 2);
    }
}

// Every template's journal with three records; the first and the third hold the same values.
const QList<Journal>& journals() {
    static const QList<Journal> all = [] {
        QList<Journal> out;
        for (const JournalTemplate& t : Templates::all()) {
            Journal j = t.make(clockNow);
            for (int i = 0; i < 3; ++i) {
                Record r;
                r.id = QUuid::createUuid();
                r.createdAt = r.updatedAt = now;
                for (const FieldDef& f : j.fields)
                    Journal::assign(sampleText(f, i % 2 ? 1 : 0), f, r, calendar, clockNow);
                j.records.append(r);
            }
            out.append(j);
        }
        return out;
    }();
    return all;
}

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

// The first byte picks the journal; the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const Journal& journal = journals()[data[0] % journals().size()];
    const std::optional<QString> text =
        CSVService::decode(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
    if (!text)
        return 0;
    QString error;
    const std::optional<ImportResult> prepared =
        CSVService::prepareImport(*text, journal, calendar, clockNow, &error);
    if (!prepared) {
        check(!error.isEmpty() && error != CSVImportError::unreadable().errorDescription());
        return 0;
    }
    const ImportResult& result = *prepared;
    check(result.newCount() + result.duplicateCount() + result.errorCount() == result.rows.size());
    QSet<QUuid> ids;
    qsizetype line = 1;
    for (const ImportRow& row : result.rows) {
        check(row.line > line);
        line = row.line;
        check(!(row.error() && row.duplicate()));
        check(row.include == (!row.error() && !row.duplicate()));
        check(row.record.createdAt == now && row.record.updatedAt == now);
        check(!row.checkText().isEmpty());
        // Ids are never shared: adopted ids are taken once and never one the journal holds.
        check(!journal.record(row.record.id));
        check(!ids.contains(row.record.id));
        ids.insert(row.record.id);
        if (row.record.statusID)
            check(journal.statusIndex(row.record.statusID).has_value());
        for (auto it = row.record.values.cbegin(); it != row.record.values.cend(); ++it)
            check(journal.field(parseId(it.key())).has_value());
        if (row.duplicate() && row.duplicate()->kind != DuplicateKind::Kind::sameID &&
            row.duplicate()->kind != DuplicateKind::Kind::sameInDatabase &&
            row.duplicate()->kind != DuplicateKind::Kind::uniqueInDatabase)
            check(row.duplicate()->line >= 2 && row.duplicate()->line < row.line);
    }
    return 0;
}
