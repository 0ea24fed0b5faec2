#include "app/settings/SettingsRules.h"

#include "core/journal/TextNormalizer.h"
#include "core/model/Ids.h"
#include "core/store/AppStore.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Settings {

namespace SettingsRules {

namespace {

QStringList trimmedEntries(const QStringList& entries) {
    QStringList kept;
    for (const QString& entry : entries) {
        const QString t = entry.trimmed();
        if (!t.isEmpty())
            kept.append(t);
    }
    return kept;
}

} // namespace

Journal trimmed(const Journal& draft) {
    Journal copy = draft;
    copy.name = copy.name.trimmed();
    for (FieldDef& field : copy.fields) {
        field.name = field.name.trimmed();
        field.options = trimmedEntries(field.options);
        field.aliases = trimmedEntries(field.aliases);
    }
    for (StatusDef& status : copy.statuses)
        status.name = status.name.trimmed();
    return copy;
}

QString nameKey(const QString& name) {
    return TextNormalizer::reduced(name);
}

std::optional<SaveFailure> check(const Journal& draft) {
    if (draft.name.isEmpty())
        return SaveFailure{u"Укажите название журнала."_s, SettingsTab::general};
    QStringList keys;
    for (const FieldDef& field : draft.fields)
        keys.append(nameKey(field.name));
    if (keys.contains(QString()))
        return SaveFailure{u"У каждого поля должно быть название."_s, SettingsTab::fields};
    if (QSet<QString>(keys.begin(), keys.end()).size() != keys.size())
        return SaveFailure{u"Названия полей повторяются — так их не различить при импорте CSV."_s,
                           SettingsTab::fields};
    for (const StatusDef& status : draft.statuses) {
        if (status.name.isEmpty())
            return SaveFailure{u"У каждого статуса должно быть название."_s, SettingsTab::statuses};
    }
    return std::nullopt;
}

QString deleteFieldTitle(const Journal& draft, const std::optional<FieldDef>& field) {
    if (!field)
        return u"Удалить поле?"_s;
    const QString key = idText(field->id);
    const auto filled = std::count_if(draft.records.cbegin(), draft.records.cend(),
                                      [&key](const Record& r) { return r.values.contains(key); });
    QString title = u"Удалить поле «"_s + field->name + u"»?"_s;
    if (filled > 0)
        title += u" Оно заполнено в "_s + draft.itemNoun.counted(filled) + u'.';
    return title;
}

QString deleteFieldMessage() {
    return u"Значения этого поля будут удалены из всех записей после сохранения настроек."_s;
}

QString deleteStatusTitle(const std::optional<StatusDef>& status) {
    return u"Удалить статус «"_s + (status ? status->name : QString()) + u"»?"_s;
}

QString deleteStatusMessage(const Journal& draft, const StatusDef& status) {
    const auto having = std::count_if(draft.records.cbegin(), draft.records.cend(),
                                      [&status](const Record& r) { return r.statusID == status.id; });
    if (having == 0)
        return u"Записей с этим статусом нет."_s;
    return u"У "_s + draft.itemNoun.counted(having) + u" статус станет пустым."_s;
}

TypeChangeLoss typeChangeLoss(const QList<FieldDef>& storedFields, const Journal& edited,
                              const Calendar& calendar, const Clock& clock) {
    QList<std::pair<FieldDef, FieldDef>> retyped;
    for (const FieldDef& field : edited.fields) {
        const auto was = std::find_if(storedFields.cbegin(), storedFields.cend(),
                                      [&field](const FieldDef& f) { return f.id == field.id; });
        if (was != storedFields.cend() && was->type != field.type)
            retyped.append({*was, field});
    }
    TypeChangeLoss loss;
    if (retyped.isEmpty())
        return loss;
    QList<bool> losing(retyped.size(), false);
    for (const Record& stored : edited.records) {
        Record record = stored;
        bool lost = false;
        for (qsizetype i = 0; i < retyped.size(); ++i) {
            if (AppStore::retype(record, retyped[i].first, retyped[i].second, calendar, clock)) {
                losing[i] = true;
                lost = true;
            }
        }
        loss.records += lost ? 1 : 0;
    }
    for (qsizetype i = 0; i < retyped.size(); ++i) {
        if (losing[i])
            loss.fieldNames.append(retyped[i].second.name);
    }
    return loss;
}

QString typeChangeTitle(const TypeChangeLoss& loss) {
    if (loss.fieldNames.size() == 1)
        return u"Изменить тип поля «"_s + loss.fieldNames.first() + u"»?"_s;
    return u"Изменить тип полей?"_s;
}

QString typeChangeMessage(const TypeChangeLoss& loss, const NounForms& itemNoun) {
    return u"Значения в "_s + itemNoun.counted(loss.records) +
           u" не подходят к новому типу и будут удалены."_s;
}

} // namespace SettingsRules

} // namespace Settings
