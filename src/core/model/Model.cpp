#include "model/Model.h"

QString rawValue(FieldType type) {
    switch (type) {
    case FieldType::text:
        return QStringLiteral("text");
    case FieldType::longText:
        return QStringLiteral("longText");
    case FieldType::number:
        return QStringLiteral("number");
    case FieldType::date:
        return QStringLiteral("date");
    case FieldType::link:
        return QStringLiteral("link");
    case FieldType::choice:
        return QStringLiteral("choice");
    case FieldType::checkbox:
        return QStringLiteral("checkbox");
    }
    return {};
}

QString rawValue(MetricKind kind) {
    switch (kind) {
    case MetricKind::count:
        return QStringLiteral("count");
    case MetricKind::uniqueGroups:
        return QStringLiteral("uniqueGroups");
    case MetricKind::sum:
        return QStringLiteral("sum");
    case MetricKind::average:
        return QStringLiteral("average");
    case MetricKind::difference:
        return QStringLiteral("difference");
    case MetricKind::ratio:
        return QStringLiteral("ratio");
    }
    return {};
}

QString rawValue(AppColor color) {
    switch (color) {
    case AppColor::gray:
        return QStringLiteral("gray");
    case AppColor::orange:
        return QStringLiteral("orange");
    case AppColor::yellow:
        return QStringLiteral("yellow");
    case AppColor::green:
        return QStringLiteral("green");
    case AppColor::teal:
        return QStringLiteral("teal");
    case AppColor::blue:
        return QStringLiteral("blue");
    case AppColor::indigo:
        return QStringLiteral("indigo");
    case AppColor::purple:
        return QStringLiteral("purple");
    case AppColor::pink:
        return QStringLiteral("pink");
    case AppColor::red:
        return QStringLiteral("red");
    }
    return {};
}

std::optional<FieldType> fieldTypeFromRaw(QStringView text) {
    return caseFromRaw(text, allFieldTypes);
}
std::optional<MetricKind> metricKindFromRaw(QStringView text) {
    return caseFromRaw(text, allMetricKinds);
}
std::optional<AppColor> appColorFromRaw(QStringView text) {
    return caseFromRaw(text, allAppColors);
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

QString title(AppColor color) {
    switch (color) {
    case AppColor::gray:
        return QStringLiteral("Серый");
    case AppColor::orange:
        return QStringLiteral("Оранжевый");
    case AppColor::yellow:
        return QStringLiteral("Жёлтый");
    case AppColor::green:
        return QStringLiteral("Зелёный");
    case AppColor::teal:
        return QStringLiteral("Бирюзовый");
    case AppColor::blue:
        return QStringLiteral("Синий");
    case AppColor::indigo:
        return QStringLiteral("Индиго");
    case AppColor::purple:
        return QStringLiteral("Фиолетовый");
    case AppColor::pink:
        return QStringLiteral("Розовый");
    case AppColor::red:
        return QStringLiteral("Красный");
    }
    return {};
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

NounForms defaultItemNoun() {
    return NounForms{QStringLiteral("запись"), QStringLiteral("записи"), QStringLiteral("записей")};
}

NounForms defaultGroupNoun() {
    return NounForms{QStringLiteral("группа"), QStringLiteral("группы"), QStringLiteral("групп")};
}

// ---- Record accessors ----

const FieldValue* Record::value(const QString& key) const {
    const auto it = values.constFind(key);
    return it == values.cend() ? nullptr : &it.value();
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
    return text(idText(fieldID));
}
std::optional<double> Record::number(const QUuid& fieldID) const {
    return number(idText(fieldID));
}
std::optional<QDateTime> Record::date(const QUuid& fieldID) const {
    return date(idText(fieldID));
}
bool Record::flag(const QUuid& fieldID) const {
    return flag(idText(fieldID));
}

void Record::setText(const QString& value, const QUuid& fieldID) {
    const QString key = idText(fieldID);
    if (value.isEmpty())
        values.remove(key);
    else
        values.insert(key, FieldValue::ofText(value));
}
