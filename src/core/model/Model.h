#pragma once

#include "core/model/Calendar.h"
#include "core/model/FieldKey.h"
#include "core/model/FieldValues.h"
#include "core/model/Ids.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <array>
#include <cstdint>
#include <optional>

// The value types of a journal. All are plain values: copying a Journal copies everything in it.
// Equality compares every stored member in declaration order.

enum class FieldType { text, longText, number, date, link, choice, checkbox };
enum class MetricKind { count, uniqueGroups, sum, average, difference, ratio };
enum class AppColor { gray, orange, yellow, green, teal, blue, indigo, purple, pink, red };

// Every case of each enum in its declared order: the order of every picker and menu built from it.
inline constexpr std::array<FieldType, 7> allFieldTypes{
    FieldType::text, FieldType::longText, FieldType::number,  FieldType::date,
    FieldType::link, FieldType::choice,   FieldType::checkbox};
inline constexpr std::array<MetricKind, 6> allMetricKinds{MetricKind::count,      MetricKind::uniqueGroups,
                                                          MetricKind::sum,        MetricKind::average,
                                                          MetricKind::difference, MetricKind::ratio};
inline constexpr std::array<AppColor, 10> allAppColors{
    AppColor::gray, AppColor::orange, AppColor::yellow, AppColor::green, AppColor::teal,
    AppColor::blue, AppColor::indigo, AppColor::purple, AppColor::pink,  AppColor::red};

// The stored text of each case: its name exactly ("longText", "uniqueGroups", "gray").
QString rawValue(FieldType type);
QString rawValue(MetricKind kind);
QString rawValue(AppColor color);
// Reading stored text: only the exact case name matches (a capital first letter does not).
std::optional<FieldType> fieldTypeFromRaw(QStringView text);
std::optional<MetricKind> metricKindFromRaw(QStringView text);
std::optional<AppColor> appColorFromRaw(QStringView text);

// The types whose values live in FieldValue::text.
bool isTextual(FieldType type);
// The kinds that read MetricDef::sumFieldID.
bool usesNumberField(MetricKind kind);
// The kinds computed from MetricDef::operandA and operandB.
bool isFormula(MetricKind kind);
// The Russian name of a colour shown in colour pickers ("Серый" … "Красный").
QString title(AppColor color);
// The Russian name of a field type ("Текст", "Выбор из списка") and the symbol shown beside it.
QString title(FieldType type);
QString symbol(FieldType type);
// The Russian description of a metric kind shown in the kind picker.
QString title(MetricKind kind);
// The id of a colour is its stored text.
inline QString id(AppColor color) {
    return rawValue(color);
}

struct NounForms {
    QString one;  // after 1, 21, 31 …: "запись"
    QString few;  // after 2 to 4, 22 to 24 …: "записи"
    QString many; // after 0, 5 to 20, 25 …: "записей"

    // The form that fits the count by the Russian plural rule (the sign of the count is ignored).
    const QString& operator()(std::int64_t count) const;
    // The count in plain digits, as every text writes counts, and the form that fits it: "12000 записей".
    QString counted(std::int64_t count) const;

    bool operator==(const NounForms&) const = default;
};

struct FieldDef {
    QUuid id;
    QString key;
    QString name;
    FieldType type = FieldType::text;
    QStringList options;
    QStringList aliases;
    QString prompt;
    bool isUnique = false;
    bool inGroup = false;
    bool inIdentity = false;
    bool isPerItem = false;
    bool showInTable = true;
    QString unit;

    bool operator==(const FieldDef&) const = default;
};

struct StatusDef {
    QUuid id;
    QString name;
    AppColor color = AppColor::gray;
    std::optional<QUuid> dateFieldID;
    bool fillsPreviousDates = true;

    bool operator==(const StatusDef&) const = default;
};

struct MetricDef {
    QUuid id;
    QString title;
    MetricKind kind = MetricKind::count;
    std::optional<QUuid> dateFieldID;
    std::optional<QUuid> sumFieldID;
    QString subtitle;
    AppColor color = AppColor::blue;
    QString symbol = QStringLiteral("number");
    QString unit;
    std::optional<QUuid> filterFieldID;
    QString filterValue;
    std::optional<QUuid> statusFilterID;
    std::optional<QUuid> operandA;
    std::optional<QUuid> operandB;

    bool operator==(const MetricDef&) const = default;
};

struct Record {
    QUuid id;
    std::optional<QUuid> statusID;
    // Keyed by the canonical upper-case id text of the field (fieldKey); a field without a value has no
    // entry.
    FieldValues values;
    QDateTime createdAt;
    QDateTime updatedAt;

    // Typed accessors. They look up the canonical id text exactly; none of them changes updatedAt.
    QString text(const QUuid& fieldID) const;
    std::optional<double> number(const QUuid& fieldID) const;
    std::optional<QDateTime> date(const QUuid& fieldID) const;
    bool flag(const QUuid& fieldID) const;
    // The empty text removes the entry; any other text (blanks too) replaces the entry with that text alone.
    void setText(const QString& value, const QUuid& fieldID);

    // The same accessors addressed by a key text. Loops over many records take the field's fieldKey once
    // and pass it here, which finds the entry by comparing pointers.
    const FieldValue* value(const QString& key) const;
    QString text(const QString& key) const;
    std::optional<double> number(const QString& key) const;
    std::optional<QDateTime> date(const QString& key) const;
    bool flag(const QString& key) const;

    bool operator==(const Record&) const = default;
};

struct Journal {
    QUuid id;
    QString name;
    QString icon;
    QString templateKey;
    QList<FieldDef> fields;
    QList<StatusDef> statuses;
    QList<MetricDef> metrics;
    std::optional<QUuid> titleFieldID;
    std::optional<QUuid> defaultStatusID;
    NounForms itemNoun;
    NounForms groupNoun;
    QString reportTemplate;
    QString batchTitle;
    QString hint;
    std::optional<QUuid> counterFieldID;
    QString counterTitle;
    std::optional<QUuid> filterFieldID;
    std::optional<QUuid> breakdownFieldID;
    QList<Record> records;
    QDateTime createdAt;

    bool operator==(const Journal&) const = default;

    // ---- Field roles, look-ups, display values and titles ----

    // The fields of one role, in journal order, computed afresh on every call.
    QList<FieldDef> perItemFields() const; // filled item by item in batch entry
    QList<FieldDef> dateFields() const;    // of type date
    QList<FieldDef> uniqueFields() const;  // checked for duplicates
    QList<FieldDef> tableFields() const;   // shown as table columns
    QList<FieldDef> groupFields() const;   // making the group key
    QList<FieldDef> numberFields() const;  // of type number
    QList<FieldDef> linkFields() const;    // of type link

    // Look-ups by id: the first item with that id; nothing for no id or an id that names nothing.
    std::optional<FieldDef> field(const std::optional<QUuid>& id) const;
    std::optional<StatusDef> status(const std::optional<QUuid>& id) const;
    std::optional<Record> record(const QUuid& id) const;
    std::optional<qsizetype> statusIndex(const std::optional<QUuid>& id) const;

    // The plain text of a record's value for a field, read by the field's current type: stored text as it
    // is, a number in its plain form (1050, 12,5), a date as "dd.MM.yyyy" of its day in the calendar's zone
    // (the user's zone when none is given), a ticked checkbox as "да"; empty when there is no value of that
    // type.
    QString displayValue(const Record& record, const FieldDef& field) const;
    QString displayValue(const Record& record, const FieldDef& field, const Calendar& calendar) const;

    // The field that names records: the one titleFieldID names, else the first field of type text.
    std::optional<FieldDef> titleField() const;
    // The title of a record, never empty: its title field's display value, else the first non-empty display
    // value in field order, else "Без названия".
    QString title(const Record& of) const;

    // ---- Typed input and normalisation ----

    // The one road from typed or imported text to a stored value. Trims the text, parses it by the field's
    // type into the record's entry for that field (replacing it, or removing it when nothing parses) and
    // returns a Russian warning when the text is not a number or date, not a web address, or not one of a
    // choice field's options. Touches nothing else of the record. Two-digit years are read around the
    // clock's today in the calendar's zone (the user's zone and the system clock when none are given).
    static std::optional<QString> assign(const QString& text, const FieldDef& to, Record& in);
    static std::optional<QString> assign(const QString& text, const FieldDef& to, Record& in,
                                         const Calendar& calendar, const Clock& clock);
    // The same with the field's key given (fieldKey(to.id)): the entry is keyed by that very string, so the
    // many records of an import share one key per field instead of a copy per value.
    static std::optional<QString> assign(const QString& text, const FieldDef& to, const QString& toKey,
                                         Record& in, const Calendar& calendar, const Clock& clock);
    // The record with the text values of the journal's text, long-text and choice fields trimmed and its
    // links completed; entries left empty are removed. Other entries stay as they are.
    Record normalized(const Record& record) const;
    // True when no text-like field holds non-blank text and no number field holds a number (dates and
    // checkboxes do not count as content).
    bool isEmptyContent(const Record& record) const;

    // ---- New records and status changes ----

    // A blank record (new id, no values, created and updated at the clock's now) in the journal's starting
    // status: the default status when it names one, else the first status, else none. The status's date
    // fields are stamped with the day of `date` as settingStatus does.
    Record newRecord(const QDateTime& date, const Calendar& calendar = Calendar::current(),
                     const Clock& clock = systemNow) const;
    // The record with its status set (no id clears it) and updatedAt the clock's now. The date fields of the
    // status, and of every status before it when it fills previous dates, that are empty get the start of
    // date's day in the calendar; a date already there is never changed. A status the journal does not
    // have is stored all the same and stamps nothing; a status's date field that is missing or not of type
    // date is skipped.
    Record settingStatus(const std::optional<QUuid>& statusID, const Record& on, const QDateTime& date,
                         const Calendar& calendar, const Clock& clock = systemNow) const;
    // The statuses whose date fields setting the status at this position fills: all up to and including it
    // when it fills previous dates, else itself alone; empty for a position outside the list.
    QList<StatusDef> statusesFillingDates(qsizetype through) const;
    // The status offered as the main quick action: the first status stamping the date field the first
    // metric counts by, else the default status when it names one, else the first status.
    std::optional<QUuid> primaryStatusID() const;

    // ---- Duplicate detection and record descriptions ----

    // A stored record that a record about to be saved may repeat, and why (a Russian sentence).
    struct DuplicateFinding {
        Record record;
        QString reason;
        bool operator==(const DuplicateFinding&) const = default;
    };

    // The group a record belongs to: the comparison keys of its group fields' display values joined by "|"
    // (no escaping), an empty last part standing in for the title's key as "n:…" when the title field is not
    // a group field; "id:" and the record's id text when the journal has no group field. Keys are plain
    // comparable text, so callers count or look up many records through hashing.
    QString groupKey(const Record& record) const;
    // The group key followed by the keys of the identity fields that are not group fields, joined by "|".
    QString identityKey(const Record& record) const;
    // True when some field takes part in identity (group fields included).
    bool canCheckIdentity() const;
    // The stored records (passing over the excluded ids) that the record may repeat: first by equal values
    // of unique fields, by field then record order, each record once; only when that finds nothing and the
    // record holds no unique value, records without unique values that share its identity key.
    QList<DuplicateFinding> possibleDuplicates(const Record& of, const QSet<QUuid>& excluding) const;
    // One line naming a record: its group and title values joined by " · " (its title when all are empty),
    // then "Name value" of each other identity or unique field that holds a value, all joined by ", ".
    QString shortDescription(const Record& record) const;

private:
    // True when some unique field holds a value that is not blank.
    bool hasUniqueValue(const Record& record) const;

public:
    // ---- Sanitising ----

    // A copy in which every reference that no longer names a fitting item is cleared (never pointed
    // elsewhere): status and metric date fields must be date fields, sum and counter fields number fields,
    // title, filter and breakdown fields any field, operands other metrics, status references existing
    // statuses. A sum or average metric left without its number field counts instead. Record values whose
    // key is not the id text of one of the fields are dropped. Nothing is removed from any list.
    Journal sanitized() const;

    // ---- Distinct values ----

    // The different display values of a field over the records, for the records tab's value filter: one per
    // comparison key, in the form first met, never empty, in natural order (first met first among equals).
    QStringList distinctValues(const FieldDef& of) const;
};

// The default noun forms of a journal: "запись" and "группа".
NounForms defaultItemNoun();
NounForms defaultGroupNoun();
