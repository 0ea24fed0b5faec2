#include "core/csv/KeyPositions.h"

#include <QHash>
#include <QStringList>

#include <random>

using namespace Qt::StringLiterals;
using CSVService::KeyPositions;

// The table against a map of whole keys, entered the same way: positions hold one to three keys drawn at
// random, so that keys repeat across positions. Hashes that give every key the same value, or one of two,
// make every look-up meet entries of other keys and of later positions holding the key too, in the order
// the table's growths leave them, which only the holder's answer and the least position sort out.
TEST(KeyPositions, FindsTheFirstHolderAsAMapOfWholeKeys) {
    const struct {
        const char* name;
        std::optional<KeyPositions::Hash> hash;
    } hashes[] = {
        {"seeded", std::nullopt},
        {"one value", [](QStringView) -> std::size_t { return 42; }},
        {"two values", [](QStringView key) -> std::size_t { return key.size() % 2 ? 0x5'0000'0003 : 3; }},
    };
    QStringList keys;
    for (int i = 0; i < 150; ++i)
        keys.append(u"ключ "_s + QString::number(i));
    std::mt19937 rng(11);
    for (const auto& h : hashes) {
        for (const qsizetype positions : {5, 60, 400}) {
            KeyPositions table = h.hash ? KeyPositions(*h.hash) : KeyPositions();
            QHash<QString, qsizetype> whole;
            QList<QStringList> held;
            const auto holds = [&held](qsizetype at, QStringView key) { return held[at].contains(key); };
            for (qsizetype p = 0; p < positions; ++p) {
                QStringList some;
                for (std::size_t n = 1 + rng() % 3; n > 0; --n)
                    some.append(keys[qsizetype(rng() % std::size_t(keys.size()))]);
                held.append(some);
                for (const QString& key : some) {
                    table.insertFirst(key, p, holds);
                    whole.insert(key, whole.value(key, p));
                }
            }
            for (const QString& key : keys) {
                const auto first = whole.constFind(key);
                EXPECT_EQ(table.find(key, holds),
                          first == whole.cend() ? std::nullopt : std::optional(*first))
                    << h.name << ", " << positions << " positions, " << key.toStdString();
            }
        }
    }
}
