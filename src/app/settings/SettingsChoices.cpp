#include "app/settings/SettingsChoices.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace Settings {

namespace SettingsChoices {

namespace {

QList<Choice> fieldsOf(const Journal& draft, const QString& none,
                       const std::function<bool(FieldType)>& fits) {
    QList<Choice> choices{{none, std::nullopt}};
    for (const FieldDef& field : draft.fields) {
        if (fits(field.type))
            choices.append({field.name, field.id});
    }
    return choices;
}

QList<Choice> statusesOf(const Journal& draft, const QString& none) {
    QList<Choice> choices{{none, std::nullopt}};
    for (const StatusDef& status : draft.statuses)
        choices.append({status.name, status.id});
    return choices;
}

bool isTextOrChoice(FieldType type) {
    return type == FieldType::text || type == FieldType::choice;
}
bool isNumber(FieldType type) {
    return type == FieldType::number;
}
bool isDate(FieldType type) {
    return type == FieldType::date;
}

} // namespace

QList<Choice> titleFields(const Journal& draft) {
    return fieldsOf(draft, u"—"_s, isTextual);
}
QList<Choice> defaultStatuses(const Journal& draft) {
    return statusesOf(draft, u"Первый в списке"_s);
}
QList<Choice> counterFields(const Journal& draft) {
    return fieldsOf(draft, u"Нет"_s, isNumber);
}
QList<Choice> listFilterFields(const Journal& draft) {
    return fieldsOf(draft, u"Первое подходящее"_s, isTextOrChoice);
}
QList<Choice> stampedDateFields(const Journal& draft) {
    return fieldsOf(draft, u"Не ставить"_s, isDate);
}
QList<Choice> sumFields(const Journal& draft) {
    return fieldsOf(draft, u"—"_s, isNumber);
}
QList<Choice> periodDateFields(const Journal& draft) {
    return fieldsOf(draft, u"Дата добавления записи"_s, isDate);
}
QList<Choice> statusFilters(const Journal& draft) {
    return statusesOf(draft, u"Любой статус"_s);
}
QList<Choice> conditionFields(const Journal& draft) {
    return fieldsOf(draft, u"Без условия"_s,
                    [](FieldType type) { return isTextOrChoice(type) || type == FieldType::checkbox; });
}
QList<Choice> breakdownFields(const Journal& draft) {
    return fieldsOf(draft, u"Первое подходящее"_s, isTextOrChoice);
}

QList<Choice> operands(const Journal& draft, const QUuid& metricID) {
    QList<Choice> choices{{u"—"_s, std::nullopt}};
    for (const MetricDef& metric : draft.metrics) {
        if (metric.id != metricID)
            choices.append({metric.title, metric.id});
    }
    return choices;
}

std::optional<QList<ValueChoice>> conditionValues(const FieldDef& field) {
    if (field.type == FieldType::checkbox)
        return QList<ValueChoice>{{u"да"_s, u"да"_s}, {u"—"_s, QString()}};
    if (field.type != FieldType::choice)
        return std::nullopt;
    QList<ValueChoice> values{{u"—"_s, QString()}};
    for (const QString& option : field.options) {
        if (!option.isEmpty())
            values.append({option, option});
    }
    return values;
}

QString joinedOptions(const QStringList& options) {
    return options.join(u'\n');
}
QStringList splitOptions(const QString& text) {
    return text.split(u'\n');
}
QString joinedAliases(const QStringList& aliases) {
    return aliases.join(u',');
}
QStringList splitAliases(const QString& text) {
    return text.split(u',');
}

const QStringList& journalIcons() {
    static const QStringList icons{
        u"cart"_s,
        u"banknote"_s,
        u"person.2"_s,
        u"shippingbox"_s,
        u"calendar.badge.clock"_s,
        u"checklist"_s,
        u"megaphone"_s,
        u"briefcase"_s,
        u"building.2"_s,
        u"storefront"_s,
        u"creditcard"_s,
        u"chart.pie"_s,
        u"chart.bar"_s,
        u"doc.text"_s,
        u"folder"_s,
        u"tray.full"_s,
        u"tag"_s,
        u"gift"_s,
        u"hammer"_s,
        u"wrench.and.screwdriver"_s,
        u"scissors"_s,
        u"paintbrush"_s,
        u"cup.and.saucer"_s,
        u"car"_s,
        u"airplane"_s,
        u"graduationcap"_s,
        u"heart"_s,
        u"star"_s,
        u"flag"_s,
        u"tshirt"_s,
    };
    return icons;
}

const QStringList& metricSymbols() {
    static const QStringList symbols{
        u"rublesign.circle.fill"_s,
        u"chart.line.uptrend.xyaxis"_s,
        u"banknote.fill"_s,
        u"creditcard.fill"_s,
        u"arrow.down.circle.fill"_s,
        u"arrow.up.circle.fill"_s,
        u"percent"_s,
        u"list.number"_s,
        u"person.2.fill"_s,
        u"person.badge.plus"_s,
        u"checkmark.seal.fill"_s,
        u"checkmark.circle.fill"_s,
        u"xmark.circle.fill"_s,
        u"arrow.uturn.backward.circle.fill"_s,
        u"arrow.down.to.line"_s,
        u"arrow.up.forward"_s,
        u"cart.fill"_s,
        u"shippingbox.fill"_s,
        u"clock.fill"_s,
        u"folder.fill"_s,
        u"paperplane.fill"_s,
        u"eye.fill"_s,
        u"star.fill"_s,
        u"flag.fill"_s,
        u"chart.bar.fill"_s,
        u"number"_s,
        u"sum"_s,
        u"plus.circle.fill"_s,
        u"square.stack.3d.up.fill"_s,
        u"heart.fill"_s,
        u"tshirt.fill"_s,
        u"pencil.and.list.clipboard"_s,
    };
    return symbols;
}

} // namespace SettingsChoices

} // namespace Settings
