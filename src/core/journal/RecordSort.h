#pragma once

#include "core/model/Model.h"

#include <QHash>
#include <QList>
#include <QUuid>

#include <compare>

// The direction of a sort.
enum class SortOrder { forward, reverse };

// One sort criterion of the records table: what a column compares, the direction, and for the status
// column the rank of each status. Comparators never break ties themselves; see sorted().
struct RecordSort {
    struct Key {
        enum class Kind { status, created, field };

        Kind kind = Kind::created;
        // Only for Kind::field: the field and the type by which its values are read.
        QUuid fieldID;
        FieldType fieldType = FieldType::text;

        static Key status() { return Key{Kind::status, {}, FieldType::text}; }
        static Key created() { return Key{Kind::created, {}, FieldType::text}; }
        static Key field(const QUuid& id, FieldType type) { return Key{Kind::field, id, type}; }

        // Same case, and for a field key the same id and type.
        bool operator==(const Key& other) const;
    };

    Key key;
    SortOrder order = SortOrder::forward;
    QHash<QUuid, int> statusRanks;

    bool operator==(const RecordSort&) const = default;

    // The table's initial order: newest records first.
    static RecordSort initial();
    // The status column: statuses in the journal's order, each ranked by the first position of its id.
    static RecordSort byStatus(const Journal& journal);
    // A field column, read by the field's type as it is now.
    static RecordSort byField(const FieldDef& field);

    // The comparison of a with b in this comparator's direction. A missing value (no number, no date, no
    // text, an unticked box, no status or a status without a rank) comes first going forward.
    std::weak_ordering compare(const Record& a, const Record& b) const;

    // The records ordered by the comparators: the first that does not find two records the same decides;
    // records that all comparators find the same keep their order in the list given.
    static QList<Record> sorted(QList<Record> records, const QList<RecordSort>& comparators);
};

size_t qHash(const RecordSort::Key& key, size_t seed = 0);
size_t qHash(const RecordSort& sort, size_t seed = 0);
