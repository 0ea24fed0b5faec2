#include "core/journal/KeyPrefilter.h"
#include "core/journal/TextNormalizer.h"
#include "core/model/Ids.h"
#include "core/model/Model.h"

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Reading one field of every record is bound by memory latency: each record's values live in their own
// tree of nodes, and each text in its own block. Copying a text (as a display value does) bumps its
// reference count with an atomic instruction, which stalls until the block has arrived, so the records would
// be fetched one at a time. A plain pass over a run of records first lets the processor fetch many at once;
// the real work then finds them in the cache.
constexpr qsizetype warmRun = 128;

void warm(const QList<Record>& records, qsizetype from, qsizetype to, const QString& key) {
    char16_t sink = 0;
    for (qsizetype i = from; i < to; ++i) {
        const FieldValue* v = records[i].value(key);
        if (v && v->text && !v->text->isEmpty())
            sink ^= v->text->front().unicode();
    }
    volatile char16_t keep = sink;
    (void)keep;
}

// Calls f(record) for each record in order, warming each run for the fields whose id texts are given.
template <typename F> void forEachWarmed(const QList<Record>& records, const QStringList& keys, F&& f) {
    const qsizetype n = records.size();
    for (qsizetype from = 0; from < n; from += warmRun) {
        const qsizetype to = std::min(n, from + warmRun);
        for (const QString& key : keys)
            warm(records, from, to, key);
        for (qsizetype i = from; i < to; ++i)
            f(records[i]);
    }
}

// What the keys of one journal read, resolved once so that the keys of many records cost only their values.
// A key is a list of parts joined by "|"; the group key is the first groupPartCount() parts.
class KeyPlan {
public:
    explicit KeyPlan(const Journal& journal) : m_journal(journal) {
        for (const FieldDef& f : journal.fields) {
            if (f.inGroup)
                m_group.append(&f);
            else if (f.inIdentity)
                m_identity.append(&f);
        }
        if (const std::optional<FieldDef> titled = journal.titleField(); titled && !titled->inGroup)
            m_name = titled;
    }

    qsizetype groupPartCount() const { return m_group.isEmpty() ? 1 : m_group.size(); }
    qsizetype identityPartCount() const { return groupPartCount() + m_identity.size(); }

    // The field whose value makes part i; nothing for the record's own id.
    const FieldDef* partField(qsizetype i) const {
        if (i >= groupPartCount())
            return m_identity[i - groupPartCount()];
        return m_group.isEmpty() ? nullptr : m_group[i];
    }
    // The title field that stands in for an empty part i, if any.
    const FieldDef* nameFor(qsizetype i) const {
        return m_name && i == m_group.size() - 1 ? &*m_name : nullptr;
    }

    // Part i of the record's identity key.
    QString part(const Record& record, qsizetype i) const {
        const FieldDef* field = partField(i);
        if (!field)
            return u"id:"_s + idText(record.id);
        QString key = keyOf(record, *field);
        // A record without a value in the last group field still belongs with the records of its name.
        if (key.isEmpty())
            if (const FieldDef* name = nameFor(i))
                key = u"n:"_s + keyOf(record, *name);
        return key;
    }

    QStringList parts(const Record& record, qsizetype count) const {
        QStringList out;
        out.reserve(count);
        for (qsizetype i = 0; i < count; ++i)
            out.append(part(record, i));
        return out;
    }

    QString groupKey(const Record& record) const { return parts(record, groupPartCount()).join(u'|'); }
    QString identityKey(const Record& record) const { return parts(record, identityPartCount()).join(u'|'); }

    const Journal& journal() const { return m_journal; }

private:
    QString keyOf(const Record& record, const FieldDef& field) const {
        return TextNormalizer::compare(m_journal.displayValue(record, field));
    }

    const Journal& m_journal;
    QList<const FieldDef*> m_group;
    QList<const FieldDef*> m_identity; // identity fields outside the group
    std::optional<FieldDef> m_name;    // the title field when it is not a group field
};

// Tells the stored records whose identity key equals one record's. Parts are joined without escaping, so
// whole keys are what counts; when no part of the given key holds a "|", equal keys mean equal parts, and
// a stored record is told apart at its first differing part, mostly without building any key of it.
class IdentityMatcher {
public:
    IdentityMatcher(const KeyPlan& plan, const Record& record)
        : m_plan(plan), m_id(record.id), m_parts(plan.parts(record, plan.identityPartCount())),
          m_key(m_parts.join(u'|')) {
        m_partwise =
            !std::any_of(m_parts.cbegin(), m_parts.cend(), [](const QString& p) { return p.contains(u'|'); });
        for (const QString& part : m_parts)
            m_quick.emplace_back(part);
    }

    // The id texts of the fields that the first part reads, which decides for most records.
    QStringList firstReads() const {
        QStringList keys;
        if (const FieldDef* f = m_plan.partField(0))
            keys.append(fieldKey(f->id));
        if (const FieldDef* name = m_plan.nameFor(0))
            keys.append(fieldKey(name->id));
        return keys;
    }

    bool matches(const Record& stored) const {
        if (!m_partwise)
            return m_plan.identityKey(stored) == m_key;
        for (qsizetype i = 0; i < m_parts.size(); ++i) {
            if (!partMatches(stored, i))
                return false;
        }
        return true;
    }

private:
    bool partMatches(const Record& stored, qsizetype i) const {
        const FieldDef* field = m_plan.partField(i);
        if (!field)
            return stored.id == m_id;
        if (m_plan.nameFor(i))
            return m_plan.part(stored, i) == m_parts[i];
        const QString shown = m_plan.journal().displayValue(stored, *field);
        return m_quick[i].mayMatch(shown) && TextNormalizer::compare(shown) == m_parts[i];
    }

    const KeyPlan& m_plan;
    QUuid m_id;
    QStringList m_parts;
    QString m_key;
    std::vector<KeyPrefilter> m_quick;
    bool m_partwise = true;
};

} // namespace

QString Journal::groupKey(const Record& record) const {
    return KeyPlan(*this).groupKey(record);
}

QString Journal::identityKey(const Record& record) const {
    return KeyPlan(*this).identityKey(record);
}

bool Journal::canCheckIdentity() const {
    return std::any_of(fields.cbegin(), fields.cend(), [](const FieldDef& f) { return f.inIdentity; });
}

bool Journal::hasUniqueValue(const Record& record) const {
    for (const FieldDef& f : fields) {
        if (f.isUnique && !TextNormalizer::compare(displayValue(record, f)).isEmpty())
            return true;
    }
    return false;
}

QList<Journal::DuplicateFinding> Journal::possibleDuplicates(const Record& of,
                                                             const QSet<QUuid>& excluding) const {
    QList<DuplicateFinding> findings;
    QSet<QUuid> found;
    bool ofHasUniqueValue = false;
    for (const FieldDef& field : fields) {
        if (!field.isUnique)
            continue;
        const QString shown = displayValue(of, field);
        const QString key = TextNormalizer::compare(shown);
        if (key.isEmpty())
            continue;
        ofHasUniqueValue = true;
        const KeyPrefilter quick(key);
        const QString reason = field.name + u" «"_s + shown + u"» уже есть"_s;
        forEachWarmed(records, {fieldKey(field.id)}, [&](const Record& stored) {
            if (excluding.contains(stored.id) || found.contains(stored.id))
                return;
            const QString shownThere = displayValue(stored, field);
            if (quick.mayMatch(shownThere) && TextNormalizer::compare(shownThere) == key) {
                found.insert(stored.id);
                findings.append({stored, reason});
            }
        });
    }
    if (!findings.isEmpty() || ofHasUniqueValue || !canCheckIdentity())
        return findings;

    const KeyPlan plan(*this);
    const IdentityMatcher sameIdentity(plan, of);
    forEachWarmed(records, sameIdentity.firstReads(), [&](const Record& stored) {
        // The key test goes first: it rejects almost every record at its first part.
        if (!excluding.contains(stored.id) && sameIdentity.matches(stored) && !hasUniqueValue(stored))
            findings.append({stored, u"похожая запись уже есть"_s});
    });
    return findings;
}

QString Journal::shortDescription(const Record& record) const {
    const std::optional<FieldDef> titled = titleField();
    QStringList head;
    QStringList tail;
    for (const FieldDef& f : fields) {
        const bool inHead = f.inGroup || (titled && f.id == titled->id);
        if (!inHead && !f.inIdentity && !f.isUnique)
            continue;
        const QString shown = displayValue(record, f);
        if (shown.isEmpty())
            continue;
        if (inHead)
            head.append(shown);
        else
            tail.append(f.name + u' ' + shown);
    }
    tail.prepend(head.isEmpty() ? title(record) : head.join(u" · "_s));
    return tail.join(u", "_s);
}
