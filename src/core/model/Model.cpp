#include "core/model/Model.h"

using namespace Qt::StringLiterals;

QString rawValue(FieldType type) {
    switch (type) {
    case FieldType::text:
        return u"text"_s;
    case FieldType::longText:
        return u"longText"_s;
    case FieldType::number:
        return u"number"_s;
    case FieldType::date:
        return u"date"_s;
    case FieldType::link:
        return u"link"_s;
    case FieldType::choice:
        return u"choice"_s;
    case FieldType::checkbox:
        return u"checkbox"_s;
    }
    return {};
}

QString rawValue(MetricKind kind) {
    switch (kind) {
    case MetricKind::count:
        return u"count"_s;
    case MetricKind::uniqueGroups:
        return u"uniqueGroups"_s;
    case MetricKind::sum:
        return u"sum"_s;
    case MetricKind::average:
        return u"average"_s;
    case MetricKind::difference:
        return u"difference"_s;
    case MetricKind::ratio:
        return u"ratio"_s;
    }
    return {};
}

QString rawValue(AppColor color) {
    switch (color) {
    case AppColor::gray:
        return u"gray"_s;
    case AppColor::orange:
        return u"orange"_s;
    case AppColor::yellow:
        return u"yellow"_s;
    case AppColor::green:
        return u"green"_s;
    case AppColor::teal:
        return u"teal"_s;
    case AppColor::blue:
        return u"blue"_s;
    case AppColor::indigo:
        return u"indigo"_s;
    case AppColor::purple:
        return u"purple"_s;
    case AppColor::pink:
        return u"pink"_s;
    case AppColor::red:
        return u"red"_s;
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
        return u"Серый"_s;
    case AppColor::orange:
        return u"Оранжевый"_s;
    case AppColor::yellow:
        return u"Жёлтый"_s;
    case AppColor::green:
        return u"Зелёный"_s;
    case AppColor::teal:
        return u"Бирюзовый"_s;
    case AppColor::blue:
        return u"Синий"_s;
    case AppColor::indigo:
        return u"Индиго"_s;
    case AppColor::purple:
        return u"Фиолетовый"_s;
    case AppColor::pink:
        return u"Розовый"_s;
    case AppColor::red:
        return u"Красный"_s;
    }
    return {};
}

QString title(FieldType type) {
    switch (type) {
    case FieldType::text:
        return u"Текст"_s;
    case FieldType::longText:
        return u"Многострочный текст"_s;
    case FieldType::number:
        return u"Число"_s;
    case FieldType::date:
        return u"Дата"_s;
    case FieldType::link:
        return u"Ссылка"_s;
    case FieldType::choice:
        return u"Выбор из списка"_s;
    case FieldType::checkbox:
        return u"Флажок (да/нет)"_s;
    }
    return {};
}

QString symbol(FieldType type) {
    switch (type) {
    case FieldType::text:
        return u"textformat"_s;
    case FieldType::longText:
        return u"text.alignleft"_s;
    case FieldType::number:
        return u"number"_s;
    case FieldType::date:
        return u"calendar"_s;
    case FieldType::link:
        return u"link"_s;
    case FieldType::choice:
        return u"list.bullet"_s;
    case FieldType::checkbox:
        return u"checkmark.square"_s;
    }
    return {};
}

QString title(MetricKind kind) {
    // The minus between А and Б is U+2212; А and Б are Cyrillic letters.
    switch (kind) {
    case MetricKind::count:
        return u"Количество записей"_s;
    case MetricKind::uniqueGroups:
        return u"Количество уникальных групп"_s;
    case MetricKind::sum:
        return u"Сумма числового поля"_s;
    case MetricKind::average:
        return u"Среднее по числовому полю (средний чек)"_s;
    case MetricKind::difference:
        return u"Разница показателей: А \u2212 Б (прибыль, остаток)"_s;
    case MetricKind::ratio:
        return u"Доля: А ÷ Б × 100 % (конверсия)"_s;
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
