#include "app/records/BatchEntry.h"

#include "app/kit/AppKeys.h"
#include "app/kit/ShortcutText.h"
#include "core/model/NumberFormat.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Records {

namespace BatchEntry {

QString title(const Journal& journal, bool fromRecord) {
    return fromRecord ? u"Ещё записи с такими же общими полями"_s : journal.batchTitle;
}

QString subtitle(const Journal& journal) {
    const QString lead = u"Каждая строка сохраняется как отдельная запись."_s;
    return journal.hint.isEmpty() ? lead : lead + u' ' + journal.hint;
}

Record startingTemplate(const Journal& journal, const std::optional<Record>& from, const QDateTime& now,
                        const Calendar& calendar, const Clock& clock) {
    if (!from)
        return journal.newRecord(now, calendar, clock);
    Record record = *from;
    record.id = QUuid::createUuid();
    for (const FieldDef& f : journal.fields) {
        if (f.isPerItem)
            record.values.remove(idText(f.id));
    }
    return record;
}

QList<FieldDef> sharedFields(const Journal& journal) {
    QList<FieldDef> shared;
    for (const FieldDef& f : journal.fields) {
        if (!f.isPerItem || f.type == FieldType::link)
            shared.append(f);
    }
    return shared;
}

QList<FieldSection> sharedSections(const Journal& journal) {
    // Shared dates stand with the status, which stamps them.
    FieldSection shared{u"Общие поля"_s, {}, false};
    FieldSection dated{u"Статус и даты для всех"_s, {}, !journal.statuses.isEmpty()};
    for (const FieldDef& f : sharedFields(journal))
        (f.type == FieldType::date ? dated : shared).fields.append(f);
    QList<FieldSection> result{shared};
    if (dated.holdsStatus || !dated.fields.isEmpty())
        result.append(dated);
    return result;
}

QString sharedTitle(const FieldDef& field) {
    return field.isPerItem ? field.name + u" (общая)"_s : field.name;
}

bool hasQuickInput(const QHash<QUuid, QString>& quick) {
    return std::any_of(quick.cbegin(), quick.cend(),
                       [](const QString& list) { return !list.trimmed().isEmpty(); });
}

QList<BatchRow> pendingRows(const Journal& journal, const QList<BatchRow>& rows,
                            const QHash<QUuid, QString>& quick) {
    QList<BatchRow> filled;
    for (const BatchRow& row : rows) {
        if (!row.isEmpty())
            filled.append(row);
    }
    if (filled.isEmpty() && hasQuickInput(quick))
        return BatchBuilder::makeRows(quick, journal.perItemFields());
    return filled;
}

bool quickIsMultiline(const Journal& journal, const FieldDef& field) {
    switch (field.type) {
    case FieldType::longText:
    case FieldType::link:
        return true;
    case FieldType::text:
        return journal.titleFieldID == field.id ||
               (journal.titleField() && journal.titleField()->id == field.id);
    default:
        return false;
    }
}

QString quickPlaceholder(const Journal& journal, const FieldDef& field) {
    if (field.type == FieldType::link)
        return field.name + u": по одной на строку (необязательно)"_s;
    if (quickIsMultiline(journal, field))
        return field.name + u": по одному на строку"_s;
    QString text = field.name + u": через запятую"_s;
    if (!field.prompt.isEmpty())
        text += u" ("_s + field.prompt + u')';
    else if (!field.unit.isEmpty())
        text += u", "_s + field.unit;
    return text;
}

QString rowPrompt(const FieldDef& field, const Record& templateRecord) {
    if (field.type == FieldType::number && !field.unit.isEmpty())
        return field.name + u", "_s + field.unit;
    if (field.type == FieldType::link && !templateRecord.text(field.id).isEmpty())
        return u"общая ссылка"_s;
    return field.prompt.isEmpty() ? field.name : field.prompt;
}

int columnWidth(FieldType type) {
    switch (type) {
    case FieldType::number:
    case FieldType::checkbox:
        return 90;
    case FieldType::date:
        return 110;
    case FieldType::link:
        return 200;
    case FieldType::text:
    case FieldType::longText:
    case FieldType::choice:
        return 130;
    }
    return 130;
}

bool isWide(const Journal& journal, const FieldDef& field) {
    const std::optional<FieldDef> titled = journal.titleField();
    return field.type == FieldType::link || (titled && titled->id == field.id);
}

QString rowsHeader(qsizetype pendingRows) {
    return u"Строки ("_s + NumberFormat::count(pendingRows) + u')';
}

BatchTotals totals(const Journal& journal, const QList<Record>& records) {
    BatchTotals totals;
    totals.records = records.size();
    if (!journal.groupFields().isEmpty()) {
        QSet<QString> groups;
        for (const Record& r : records)
            groups.insert(journal.groupKey(r));
        totals.groups = groups.size();
    }
    totals.savable = canSave(journal, records);
    return totals;
}

QString summary(const Journal& journal, const BatchTotals& totals) {
    if (totals.records == 0)
        return u"Заполните хотя бы одну строку"_s;
    QString text = u"Будет создано: "_s + journal.itemNoun.counted(totals.records);
    if (!journal.groupFields().isEmpty())
        text += u" · "_s + journal.groupNoun.counted(totals.groups);
    return text;
}

QString summary(const Journal& journal, const QList<Record>& records) {
    return summary(journal, totals(journal, records));
}

QString saveTitle(const Journal& journal, qsizetype records) {
    return u"Сохранить "_s + journal.itemNoun.counted(records) + u"  "_s + shortcutText(AppKeys::saveBatch());
}

bool canSave(const Journal& journal, const QList<Record>& records) {
    return !records.isEmpty() && std::none_of(records.cbegin(), records.cend(),
                                              [&](const Record& r) { return journal.isEmptyContent(r); });
}

QList<RowReview> review(const Journal& journal, const DuplicateIndex& index, const Record& templateRecord,
                        const QList<BatchRow>& rows, const QDateTime& now) {
    BatchRows reviewed(journal, index, templateRecord, [now] { return now; });
    reviewed.append(rows);
    QList<RowReview> reviews;
    reviews.reserve(rows.size());
    for (qsizetype i = 0; i < reviewed.size(); ++i)
        reviews.append({reviewed.warnings(i), reviewed.duplicates(i)});
    return reviews;
}

QStringList allDuplicateMessages(const Journal& journal, const DuplicateIndex& index,
                                 const Record& templateRecord, const QList<BatchRow>& rows,
                                 const QHash<QUuid, QString>& quick, const QDateTime& now) {
    BatchRows reviewed(journal, index, templateRecord, [now] { return now; });
    reviewed.append(rows.isEmpty() ? pendingRows(journal, rows, quick) : rows);
    return reviewed.duplicateLines();
}

QString duplicateAlertText(const QStringList& lines) {
    QStringList bullets;
    for (const QString& line : lines.first(std::min<qsizetype>(8, lines.size())))
        bullets.append(u"• "_s + line);
    return bullets.join(u'\n') + u"\n\nЕсли дубли намеренные, записи можно сохранить."_s;
}

} // namespace BatchEntry

} // namespace Records
