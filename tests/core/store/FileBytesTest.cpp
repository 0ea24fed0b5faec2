#include "core/store/FileBytes.h"
#include "StoreSupport.h"
#include "TestSupport.h"
#include "core/store/DataFile.h"
#include "core/templates/Templates.h"

#include <QTemporaryDir>

#include <cstring>
#include <sys/mman.h>

using namespace TestSupport;
using namespace Qt::StringLiterals;

namespace {

const std::size_t page = Pages::pageSize();

// Whether the page at `at` is mapped in this process, as the system lists its mappings.
bool mapped(const char* at) {
    QFile maps(u"/proc/self/maps"_s);
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    const auto address = quintptr(at);
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QList<QByteArray> range = line.left(line.indexOf(' ')).split('-');
        if (range.size() == 2 && range[0].toULongLong(nullptr, 16) <= address &&
            address < range[1].toULongLong(nullptr, 16))
            return true;
    }
    return false;
}

QString written(const QTemporaryDir& dir, const QByteArray& bytes, const QString& name = u"data.json"_s) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

} // namespace

// Pages handed back are the system's again, which may map other memory there: that memory outlives the
// pages it came back from.
TEST(Pages, MemoryMappedWhereRunsWereHandedBackOutlivesThem) {
    std::optional<Pages> pages(Pages(16 * page));
    pages->unmap(4 * page, 8 * page);
    pages->unmap(12 * page, 16 * page);
    EXPECT_FALSE(mapped(pages->data() + 4 * page));
    EXPECT_TRUE(mapped(pages->data() + 8 * page));
    char* const other = pages->data() + 4 * page;
    void* taken = ::mmap(other, 4 * page, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
    ASSERT_EQ(taken, static_cast<void*>(other));
    std::strcpy(other, "someone else's");
    const char* const rest = pages->data();
    pages.reset();
    EXPECT_FALSE(mapped(rest)) << "the pages still held go with them";
    ASSERT_TRUE(mapped(other));
    EXPECT_STREQ(other, "someone else's");
    ::munmap(other, 4 * page);
}

// A file is read whole with a NUL after it, a file the system cannot size beforehand too; what cannot be
// read says why.
TEST(FileBytes, ReadsAFileWholeOrSaysWhyNot) {
    QTemporaryDir dir;
    QByteArray large(qsizetype(3 * page + 5), 'x');
    large[0] = '{';
    const struct {
        const char* what;
        QString path;
        std::optional<QByteArray> bytes; // nothing: the text the reading gives
        QString problem;
    } cases[] = {
        {"an empty file", written(dir, {}, u"empty.json"_s), QByteArray(), {}},
        {"larger than a page", written(dir, large, u"large.json"_s), large, {}},
        {"a file that reports no size", u"/proc/self/maps"_s, std::nullopt, {}},
        {"no file", dir.filePath(u"missing.json"_s), {}, u"файл не удалось открыть для чтения"_s},
        {"a folder", dir.path(), {}, u"файл не удалось открыть для чтения"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QString problem;
        std::optional<FileBytes> read = FileBytes::read(c.path, &problem);
        EXPECT_EQ(problem, c.problem);
        if (!c.problem.isEmpty()) {
            EXPECT_FALSE(read);
            continue;
        }
        ASSERT_TRUE(read);
        const QByteArray text(read->data(), qsizetype(read->size()));
        if (c.bytes)
            EXPECT_EQ(text, *c.bytes);
        else
            EXPECT_TRUE(text.size() > qsizetype(page) && text.contains("[stack]")) << text.size();
        EXPECT_EQ(read->data()[read->size()], '\0');
    }
}

// Only whole pages inside a stretch go back, in runs at least the stretch long, each page once; pointers
// outside the bytes give nothing back.
TEST(FileBytes, HandsBackWholePagesInStretches) {
    QTemporaryDir dir;
    const QString path = written(dir, QByteArray(qsizetype(20 * page), ' '));
    const struct {
        const char* what;
        std::vector<std::pair<double, double>> calls; // in pages from the start of the bytes
        std::vector<int> released;
    } cases[] = {
        {"a run inside its pages", {{0.5, 6.5}}, {1, 2, 3, 4, 5}},
        {"shorter than the stretch", {{0.5, 4.5}}, {}},
        {"growing until it is long enough", {{1, 3}, {1, 4.9}, {1, 5}}, {1, 2, 3, 4}},
        {"growing on from there", {{1, 5}, {1, 8.2}, {1, 9}}, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"a later run leaves the gap", {{1, 5}, {10, 14.5}}, {1, 2, 3, 4, 10, 11, 12, 13}},
        {"reaching past the end", {{1, 25}}, {}},
        {"backwards", {{8, 2}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QString problem;
        std::optional<FileBytes> bytes = FileBytes::read(path, &problem, 4 * page);
        ASSERT_TRUE(bytes) << problem.toStdString();
        const char* const data = bytes->data();
        for (const auto& [from, to] : c.calls)
            bytes->release(data + std::size_t(from * double(page)), data + std::size_t(to * double(page)));
        for (int p = 0; p < 20; ++p) {
            const bool released = std::find(c.released.cbegin(), c.released.cend(), p) != c.released.cend();
            EXPECT_EQ(mapped(data + std::size_t(p) * page), !released) << "page " << p;
        }
    }
}

// A data file read from its bytes while they are handed back page by page behind the records read gives
// exactly what reading a copy of the bytes gives: the same journals, or the same failure.
TEST(DataFile, ReadingWhileHandingTheTextBackGivesWhatReadingItWhole) {
    const Clock clock = [] { return utc(2025, 3, 1, 12); };
    const QByteArray whole = wholeEncoding({withRecords(Templates::sales(clock), 400), Templates::crm(clock),
                                            withRecords(Templates::warehouse(clock), 300)},
                                           clock());
    ASSERT_GT(whole.size(), qsizetype(40 * page));
    QByteArray badLast = whole;
    const qsizetype lastDate = badLast.lastIndexOf("\"createdAt\": \"") + 14;
    badLast.replace(lastDate, 4, "20x4");
    // A hand-edited file may hold a record with nothing in it, which names no place in the text.
    QByteArray emptyFirst = whole;
    emptyFirst.insert(emptyFirst.indexOf("\"records\": [") + 12, "{},");
    QByteArray nul = whole;
    nul[nul.size() / 2] = '\0';
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"journals of many records", whole},
        {"the last record unreadable", badLast},
        {"the first record empty", emptyFirst},
        {"a NUL amid the text", nul},
        {"one record", wholeEncoding({withRecords(Templates::tasks(clock), 1)}, clock())},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QString expectedError, error, problem;
        const std::optional<QList<Journal>> expected = DataFile::decode(c.bytes, clock(), &expectedError);
        std::optional<FileBytes> bytes = FileBytes::read(written(dir, c.bytes), &problem, page);
        ASSERT_TRUE(bytes) << problem.toStdString();
        std::optional<QList<Journal>> read = DataFile::decode(std::move(*bytes), clock(), &error);
        ASSERT_EQ(read.has_value(), expected.has_value());
        EXPECT_EQ(error, expectedError);
        if (!read)
            continue;
        // A record without an id gets a new one at each reading.
        if (c.bytes == emptyFirst)
            (*read)[0].records[0].id = expected->at(0).records.at(0).id;
        EXPECT_TRUE(read == expected);
    }
}
