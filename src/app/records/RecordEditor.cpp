#include "app/records/RecordEditor.h"

#include "core/journal/DuplicateIndex.h"
#include "core/model/NumberFormat.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Records {

namespace RecordEditor {

QString title(const Journal& journal, const Record& record, bool isNew) {
    return isNew ? u"Новая запись · "_s + journal.name : u"Изменить: "_s + journal.title(record);
}

QList<FieldSection> sections(const Journal& journal) {
    // Long texts make tall rows: they wait below the status, so the short fields stay together at the top.
    FieldSection fields{u"Поля"_s, {}, false};
    FieldSection extra{u"Дополнительно"_s, {}, false};
    for (const FieldDef& f : journal.fields)
        (f.type == FieldType::longText ? extra : fields).fields.append(f);
    QList<FieldSection> result{fields};
    if (!journal.statuses.isEmpty())
        result.append({u"Статус"_s, {}, true});
    if (!extra.fields.isEmpty())
        result.append(extra);
    return result;
}

std::optional<QString> numberWarning(const std::optional<QString>& draft) {
    if (!draft || draft->isEmpty() || NumberFormat::parse(*draft))
        return std::nullopt;
    return u"«"_s + *draft + u"» — не число"_s;
}

double stepped(std::optional<double> number, double delta) {
    return std::max(0.0, number.value_or(0.0) + delta);
}

QStringList choiceEntries(const FieldDef& field, const QString& current) {
    QStringList entries{QString()};
    entries.append(field.options);
    if (!current.isEmpty() && !field.options.contains(current))
        entries.append(current);
    return entries;
}

QString choiceEntryText(const QString& value) {
    return value.isEmpty() ? u"—"_s : value;
}

std::optional<QUuid> initialFocus(const Journal& journal, bool isNew) {
    if (!isNew)
        return std::nullopt;
    for (const FieldDef& f : journal.fields) {
        switch (f.type) {
        case FieldType::text:
        case FieldType::number:
            return f.id;
        case FieldType::longText:
        case FieldType::link:
        case FieldType::choice:
            // The first typeable field has no box of its own that the cursor could start in.
            return std::nullopt;
        case FieldType::date:
        case FieldType::checkbox:
            break;
        }
    }
    return std::nullopt;
}

QList<Journal::DuplicateFinding> duplicates(const Journal& journal, const Record& record,
                                            const DuplicateIndex& index) {
    return index.findings(journal.normalized(record), {record.id});
}

QString duplicateLine(const Journal& journal, const Journal::DuplicateFinding& finding) {
    const std::optional<StatusDef> status = journal.status(finding.record.statusID);
    return finding.reason + u": "_s + journal.shortDescription(finding.record) + u" — "_s +
           (status ? status->name : u"без статуса"_s);
}

QStringList duplicateSection(const Journal& journal, const QList<Journal::DuplicateFinding>& findings) {
    QStringList lines;
    for (const Journal::DuplicateFinding& f : findings.first(std::min<qsizetype>(3, findings.size())))
        lines.append(duplicateLine(journal, f));
    return lines;
}

QString duplicateAlertText(const Journal& journal, const QList<Journal::DuplicateFinding>& findings) {
    QStringList lines;
    for (const Journal::DuplicateFinding& f : findings.first(std::min<qsizetype>(5, findings.size())))
        lines.append(u"• "_s + f.reason + u": "_s + journal.shortDescription(f.record));
    return lines.join(u'\n') + u"\n\nЕсли дубль намеренный, запись можно сохранить."_s;
}

} // namespace RecordEditor

} // namespace Records
