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

std::vector<int> KeyIds::ofTexts(const std::vector<const QString*>& texts) {
    // The plain keys one after another in one buffer, by their start; the others' keys are their entries'.
    QVarLengthArray<char16_t, 1024> plainUnits;
    std::vector<Entry> entries(texts.size());
    std::vector<std::pair<qsizetype, qsizetype>> spans(texts.size()); // start and length; -1: the entry's
    for (size_t i = 0; i < texts.size(); ++i) {
        const QString& text = *texts[i];
        const qsizetype start = plainUnits.size();
        plainUnits.resize(start + text.size());
        const qsizetype length = PlainText::writeKey(text, plainUnits.data() + start);
        if (length >= 0) {
            entries[i] = Entry{text, true, false, 0};
            plainUnits.resize(start + length);
            spans[i] = {start, length};
        } else {
            entries[i].text = TextNormalizer::compare(text);
            plainUnits.resize(start);
            spans[i] = {-1, 0};
        }
    }
    const auto unitsOf = [&](size_t i) {
        return spans[i].first >= 0 ? QStringView(plainUnits.constData() + spans[i].first, spans[i].second)
                                   : QStringView(entries[i].text);
    };
    std::vector<size_t> hashes(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        hashes[i] = hashOf(unitsOf(i));
        m_slots.prefetch(hashes[i]);
    }
    std::vector<int> ids(texts.size());
    for (size_t i = 0; i < texts.size(); ++i)
        ids[i] = add(std::move(entries[i]), unitsOf(i), hashes[i]);
    return ids;
}

int KeyIds::add(Entry entry, QStringView units) {
    return add(std::move(entry), units, hashOf(units));
}

int KeyIds::add(Entry entry, QStringView units, size_t hash) {
    m_slots.makeRoom(size(), [this](int id) { return m_entries[size_t(id)].hash; });
    entry.hash = hash;
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
