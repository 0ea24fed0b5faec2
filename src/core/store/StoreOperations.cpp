#include "core/store/AppStore.h"

#include "core/model/DateFormat.h"
#include "core/model/LinkTools.h"
#include "core/model/ListMoves.h"
#include "core/model/NumberFormat.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The text of a stored value as its old field type shows it, so that it can be read again under a new type.
QString textUnderType(const Record& record, const FieldDef& field, const Calendar& calendar) {
    const QString key = fieldKey(field.id);
    switch (field.type) {
    case FieldType::text:
    case FieldType::longText:
    case FieldType::link:
    case FieldType::choice:
        return record.text(key);
    case FieldType::number:
        return NumberFormat::string(record.number(key));
    case FieldType::date: {
        const std::optional<QDateTime> date = record.date(key);
        return date ? DateFormat::shortText(*date, calendar) : QString();
    }
    case FieldType::checkbox:
        return record.flag(key) ? u"да"_s : QString();
    }
    return {};
}

} // namespace

std::optional<qsizetype> AppStore::index(const QUuid& id) const {
    for (qsizetype i = 0; i < m_journals.size(); ++i) {
        if (m_journals[i].id == id)
            return i;
    }
    return std::nullopt;
}

void AppStore::changedAndSave() {
    emit journalsChanged();
    save();
}

std::optional<Journal> AppStore::journal(const std::optional<QUuid>& id) const {
    if (!id)
        return std::nullopt;
    const std::optional<qsizetype> i = index(*id);
    return i ? std::optional(m_journals[*i]) : std::nullopt;
}

void AppStore::addJournal(const Journal& journal) {
    m_journals.append(journal);
    changedAndSave();
}

void AppStore::deleteJournal(const QUuid& id) {
    m_journals.removeIf([&id](const Journal& j) { return j.id == id; });
    changedAndSave();
}

void AppStore::moveJournals(const QList<qsizetype>& positions, qsizetype destination) {
    const QList<Journal> result = moved(m_journals, positions, destination);
    // Only a changed order is news to the views; the file is written either way.
    const bool changed = result != m_journals;
    m_journals = result;
    if (changed)
        emit journalsChanged();
    save();
}

void AppStore::renameJournal(const QUuid& id, const QString& name, const QString& icon) {
    const std::optional<qsizetype> i = index(id);
    if (!i)
        return;
    Journal& journal = m_journals[*i];
    journal.name = name;
    journal.icon = icon;
    changedAndSave();
}

void AppStore::updateSettings(const Journal& edited) {
    const std::optional<qsizetype> i = index(edited.id);
    if (!i)
        return;
    const Journal& old = m_journals[*i];
    // Fields whose type changed, with their old definitions; the records the edited copy carries are not
    // used, so that records changed elsewhere meanwhile survive.
    QList<std::pair<FieldDef, FieldDef>> retyped;
    for (const FieldDef& field : edited.fields) {
        const auto was = std::find_if(old.fields.begin(), old.fields.end(),
                                      [&field](const FieldDef& f) { return f.id == field.id; });
        if (was != old.fields.end() && was->type != field.type)
            retyped.append({*was, field});
    }
    Journal result = edited;
    result.records = old.records;
    if (!retyped.isEmpty()) {
        for (Record& record : result.records) {
            for (const auto& [before, after] : retyped)
                retype(record, before, after, m_calendar, m_clock);
        }
    }
    m_journals[*i] = result.sanitized();
    changedAndSave();
}

bool AppStore::retype(Record& record, const FieldDef& before, const FieldDef& after, const Calendar& calendar,
                      const Clock& clock) {
    const QString text = textUnderType(record, before, calendar);
    const QString key = fieldKey(after.id);
    record.values.remove(key);
    // A text that does not read under the new type leaves the field empty; its warning is dropped.
    Journal::assign(text, after, record, calendar, clock);
    return !text.trimmed().isEmpty() && !record.values.contains(key);
}

void AppStore::addRecords(QList<Record> records, const QUuid& to) {
    const std::optional<qsizetype> i = index(to);
    if (records.isEmpty() || !i)
        return;
    Journal& journal = m_journals[*i];
    {
        // Record ids must stay unique in the journal: selection, update and deletion address records by id.
        QSet<QUuid> taken;
        taken.reserve(journal.records.size() + records.size());
        for (const Record& r : journal.records)
            taken.insert(r.id);
        // The records go straight into room made for all of them (a list of the journal's own records is a
        // list of its own here), and the ids and the list are let go before the save.
        journal.records.reserve(journal.records.size() + records.size());
        for (const Record& record : std::as_const(records)) {
            Record r = journal.normalized(record);
            while (taken.contains(r.id))
                r.id = QUuid::createUuid();
            taken.insert(r.id);
            journal.records.append(std::move(r));
        }
        records = QList<Record>();
    }
    changedAndSave();
}

void AppStore::updateRecord(const Record& record, const QUuid& in) {
    const std::optional<qsizetype> i = index(in);
    if (!i)
        return;
    Journal& journal = m_journals[*i];
    const auto it = std::find_if(journal.records.begin(), journal.records.end(),
                                 [&record](const Record& r) { return r.id == record.id; });
    if (it == journal.records.end())
        return;
    Record r = journal.normalized(record);
    r.updatedAt = m_clock();
    *it = std::move(r);
    changedAndSave();
}

void AppStore::deleteRecords(const QSet<QUuid>& records, const QUuid& from) {
    const std::optional<qsizetype> i = index(from);
    if (records.isEmpty() || !i)
        return;
    m_journals[*i].records.removeIf([&records](const Record& r) { return records.contains(r.id); });
    changedAndSave();
}

void AppStore::changeRecords(const QSet<QUuid>& records, const QUuid& in,
                             const std::function<void(const Journal&, Record&)>& change) {
    const std::optional<qsizetype> i = index(in);
    if (records.isEmpty() || !i)
        return;
    Journal& journal = m_journals[*i];
    if (journal.records.isEmpty()) {
        save();
        return;
    }
    for (Record& record : journal.records) {
        if (records.contains(record.id))
            change(journal, record);
    }
    changedAndSave();
}

void AppStore::setStatus(const QUuid& statusID, const QSet<QUuid>& records, const QUuid& in,
                         const QDateTime& on) {
    changeRecords(records, in, [&](const Journal& journal, Record& record) {
        record = journal.settingStatus(statusID, record, on, m_calendar, m_clock);
    });
}

void AppStore::changeNumber(const QUuid& fieldID, double delta, const QSet<QUuid>& records, const QUuid& in) {
    const QString key = fieldKey(fieldID);
    changeRecords(records, in, [&](const Journal&, Record& record) {
        const double sum = record.number(key).value_or(0) + delta;
        // Counts never go below zero (a not-a-number result counts as below).
        record.values.insert(key, FieldValue::ofNumber(sum >= 0 ? sum : 0));
        record.updatedAt = m_clock();
    });
}

QList<QUrl> AppStore::links(const QSet<QUuid>& records, const QUuid& in) const {
    const std::optional<qsizetype> i = index(in);
    if (!i)
        return {};
    const Journal& journal = m_journals[*i];
    const QList<FieldDef> fields = journal.linkFields();
    QList<QUrl> result;
    QSet<QString> seen; // the same normalised text is the same address; a trailing slash makes another
    for (const Record& record : journal.records) {
        if (!records.contains(record.id))
            continue;
        for (const FieldDef& field : fields) {
            const QString text = record.text(field.id);
            const std::optional<QUrl> url = LinkTools::url(text);
            if (url && !seen.contains(LinkTools::normalized(text))) {
                seen.insert(LinkTools::normalized(text));
                result.append(*url);
            }
        }
    }
    return result;
}
