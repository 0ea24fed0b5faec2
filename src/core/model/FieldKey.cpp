#include "core/model/FieldKey.h"

#include "core/model/Ids.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <mutex>

namespace {

struct Pool {
    std::mutex lock;
    QHash<QUuid, QString> keys;
    // The size at which strings that nobody else holds any more are let go, so that reading many files
    // with ever new field ids (a fuzzer, a long session of imports) does not keep every key ever made.
    qsizetype sweepAt = 256;
};

QString pooledKey(const QUuid& fieldID) {
    static Pool p;
    const std::lock_guard guard(p.lock);
    if (const auto it = p.keys.constFind(fieldID); it != p.keys.cend())
        return *it;
    if (p.keys.size() >= p.sweepAt) {
        p.keys.removeIf([](const QHash<QUuid, QString>::iterator& it) { return it.value().isDetached(); });
        p.sweepAt = std::max<qsizetype>(256, 2 * p.keys.size());
    }
    return *p.keys.insert(fieldID, idText(fieldID));
}

} // namespace

QString fieldKey(const QUuid& fieldID) {
    // Tables and loops ask for the same few fields cell after cell: this thread's recent answers are kept
    // where reading them needs no lock.
    struct Recent {
        QUuid id;
        QString key;
    };
    thread_local std::array<Recent, 16> recent;
    Recent& slot = recent[(fieldID.data1 ^ fieldID.data4[7]) % recent.size()];
    if (slot.key.isNull() || slot.id != fieldID)
        slot = Recent{fieldID, pooledKey(fieldID)};
    return slot.key;
}
