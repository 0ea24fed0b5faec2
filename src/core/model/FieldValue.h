#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// One stored value of a record. An entry carries only the member its field's type uses: text for text,
// long text, link and choice fields, number, date, or flag (true only: an unticked box has no entry).
struct FieldValue {
    std::optional<QString> text;
    std::optional<double> number;
    std::optional<QDateTime> date;
    std::optional<bool> flag;

    static FieldValue ofText(const QString& value) { return FieldValue{value, {}, {}, {}}; }
    static FieldValue ofNumber(double value) { return FieldValue{{}, value, {}, {}}; }
    static FieldValue ofDate(const QDateTime& value) { return FieldValue{{}, {}, value, {}}; }
    static FieldValue ofFlag(bool value) { return FieldValue{{}, {}, {}, value}; }

    bool operator==(const FieldValue&) const = default;
};
