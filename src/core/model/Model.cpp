#include "core/model/Model.h"

#include "core/model/EnumTable.h"
#include "core/model/NumberFormat.h"

using namespace Qt::StringLiterals;

namespace {

constexpr auto fieldTypeRows = std::to_array<EnumRow<FieldType>>({
    {FieldType::text, u"text", u"Текст", u"textformat"},
    {FieldType::longText, u"longText", u"Многострочный текст", u"text.alignleft"},
    {FieldType::number, u"number", u"Число", u"number"},
    {FieldType::date, u"date", u"Дата", u"calendar"},
    {FieldType::link, u"link", u"Ссылка", u"link"},
    {FieldType::choice, u"choice", u"Выбор из списка", u"list.bullet"},
    {FieldType::checkbox, u"checkbox", u"Флажок (да/нет)", u"checkmark.square"},
});
static_assert(EnumTable::inCaseOrder(fieldTypeRows) && EnumTable::cases(fieldTypeRows) == allFieldTypes);

// The minus between А and Б is U+2212; А and Б are Cyrillic letters.
constexpr auto metricKindRows = std::to_array<EnumRow<MetricKind>>({
    {MetricKind::count, u"count", u"Количество записей"},
    {MetricKind::uniqueGroups, u"uniqueGroups", u"Количество уникальных групп"},
    {MetricKind::sum, u"sum", u"Сумма числового поля"},
    {MetricKind::average, u"average", u"Среднее по числовому полю (средний чек)"},
    {MetricKind::difference, u"difference", u"Разница показателей: А \u2212 Б (прибыль, остаток)"},
    {MetricKind::ratio, u"ratio", u"Доля: А ÷ Б × 100 % (конверсия)"},
});
static_assert(EnumTable::inCaseOrder(metricKindRows) && EnumTable::cases(metricKindRows) == allMetricKinds);

constexpr auto appColorRows = std::to_array<EnumRow<AppColor>>({
    {AppColor::gray, u"gray", u"Серый"},
    {AppColor::orange, u"orange", u"Оранжевый"},
    {AppColor::yellow, u"yellow", u"Жёлтый"},
    {AppColor::green, u"green", u"Зелёный"},
    {AppColor::teal, u"teal", u"Бирюзовый"},
    {AppColor::blue, u"blue", u"Синий"},
    {AppColor::indigo, u"indigo", u"Индиго"},
    {AppColor::purple, u"purple", u"Фиолетовый"},
    {AppColor::pink, u"pink", u"Розовый"},
    {AppColor::red, u"red", u"Красный"},
});
static_assert(EnumTable::inCaseOrder(appColorRows) && EnumTable::cases(appColorRows) == allAppColors);

} // namespace

QString rawValue(FieldType type) {
    return EnumTable::rawValue(fieldTypeRows, type);
}
QString rawValue(MetricKind kind) {
    return EnumTable::rawValue(metricKindRows, kind);
}
QString rawValue(AppColor color) {
    return EnumTable::rawValue(appColorRows, color);
}

std::optional<FieldType> fieldTypeFromRaw(QStringView text) {
    return EnumTable::fromRaw(fieldTypeRows, text);
}
std::optional<MetricKind> metricKindFromRaw(QStringView text) {
    return EnumTable::fromRaw(metricKindRows, text);
}
std::optional<AppColor> appColorFromRaw(QStringView text) {
    return EnumTable::fromRaw(appColorRows, text);
}

QString title(AppColor color) {
    return EnumTable::title(appColorRows, color);
}
QString title(FieldType type) {
    return EnumTable::title(fieldTypeRows, type);
}
QString symbol(FieldType type) {
    return EnumTable::symbol(fieldTypeRows, type);
}
QString title(MetricKind kind) {
    return EnumTable::title(metricKindRows, kind);
}

bool isTextual(FieldType type) {
    return type == FieldType::text || type == FieldType::longText || type == FieldType::link ||
           type == FieldType::choice;
}

bool usesNumberField(MetricKind kind) {
    return kind == MetricKind::sum || kind == MetricKind::average;
}

bool isFormula(MetricKind kind) {
    return kind == MetricKind::difference || kind == MetricKind::ratio;
}

const QString& NounForms::operator()(std::int64_t count) const {
    // The magnitude as unsigned, so the smallest 64-bit count does not overflow.
    const std::uint64_t m =
        count < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
    const std::uint64_t lastDigit = m % 10, lastTwo = m % 100;
    if (lastDigit == 1 && lastTwo != 11)
        return one;
    if (lastDigit >= 2 && lastDigit <= 4 && (lastTwo < 12 || lastTwo > 14))
        return few;
    return many;
}

QString NounForms::counted(std::int64_t count) const {
    return NumberFormat::count(count) + u' ' + (*this)(count);
}

NounForms defaultItemNoun() {
    return NounForms{u"запись"_s, u"записи"_s, u"записей"_s};
}

NounForms defaultGroupNoun() {
    return NounForms{u"группа"_s, u"группы"_s, u"групп"_s};
}

// ---- Record accessors ----

const FieldValue* Record::value(const QString& key) const {
    return values.valueFor(key);
}

QString Record::text(const QString& key) const {
    const FieldValue* v = value(key);
    return v && v->text ? *v->text : QString();
}

std::optional<double> Record::number(const QString& key) const {
    const FieldValue* v = value(key);
    return v ? v->number : std::nullopt;
}

std::optional<QDateTime> Record::date(const QString& key) const {
    const FieldValue* v = value(key);
    return v ? v->date : std::nullopt;
}

bool Record::flag(const QString& key) const {
    const FieldValue* v = value(key);
    return v && v->flag.value_or(false);
}

QString Record::text(const QUuid& fieldID) const {
    return text(fieldKey(fieldID));
}
std::optional<double> Record::number(const QUuid& fieldID) const {
    return number(fieldKey(fieldID));
}
std::optional<QDateTime> Record::date(const QUuid& fieldID) const {
    return date(fieldKey(fieldID));
}
bool Record::flag(const QUuid& fieldID) const {
    return flag(fieldKey(fieldID));
}

void Record::setText(const QString& value, const QUuid& fieldID) {
    const QString key = fieldKey(fieldID);
    if (value.isEmpty())
        values.remove(key);
    else
        values.insert(key, FieldValue::ofText(value));
}
