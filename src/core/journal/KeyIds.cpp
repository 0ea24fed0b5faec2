#include "core/journal/KeyIds.h"

#include "core/journal/PlainText.h"
#include "core/journal/TextNormalizer.h"

#include <QHashFunctions>
#include <QVarLengthArray>

#include <optional>

namespace {

using Units = QVarLengthArray<char16_t, 128>;

// The key of a plain text, written into the buffer; nothing when the text is not plain.
std::optional<QStringView> plainKey(const QString& text, Units& buffer) {
    buffer.resize(text.size());
    const qsizetype length = PlainText::writeKey(text, buffer.data());
    if (length < 0)
        return std::nullopt;
    return QStringView(buffer.constData(), length);
}

// The units of an entry's key.
QStringView keyUnits(const QString& text, bool plain, Units& buffer) {
    return plain ? *plainKey(text, buffer) : QStringView(text);
}

size_t hashOf(QStringView units) {
    return qHash(units, size_t(0x9E3779B97F4A7C15ULL));
}

} // namespace

size_t KeyIds::slotOf(QStringView units, size_t hash) const {
    Units buffer;
    return m_slots.find(hash, [&](int id) {
        const Entry& e = m_entries[size_t(id)];
        return e.hash == hash && keyUnits(e.text, e.plain, buffer) == units;
    });
}

int KeyIds::ofText(const QString& text) {
    Units buffer;
    Entry entry;
    QStringView units;
    if (const std::optional<QStringView> key = plainKey(text, buffer)) {
        entry.text = text;
        entry.plain = true;
        units = *key;
    } else {
        entry.text = TextNormalizer::compare(text);
        units = entry.text;
    }
    return add(std::move(entry), units);
}

int KeyIds::ofKey(const QString& key) {
    return add(Entry{key, false, false, 0}, key);
}

int KeyIds::add(Entry entry, QStringView units) {
    m_slots.makeRoom(size(), [this](int id) { return m_entries[size_t(id)].hash; });
    entry.hash = hashOf(units);
    const size_t slot = slotOf(units, entry.hash);
    if (const int id = m_slots.idAt(slot); id >= 0)
        return id;
    entry.holdsBar = units.contains(u'|');
    m_slots.put(slot, size(), entry.hash);
    m_entries.push_back(std::move(entry));
    return size() - 1;
}

int KeyIds::findKey(const QString& key) const {
    if (m_slots.isEmpty())
        return -1;
    return m_slots.idAt(slotOf(key, hashOf(key)));
}

QString KeyIds::key(int id) const {
    const Entry& e = m_entries[size_t(id)];
    return e.plain ? TextNormalizer::compare(e.text) : e.text;
}
