#include "core/templates/Templates.h"
#include "TestSupport.h"

#include <QRegularExpression>
#include <QSet>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

// What an id names in the journal: a field's key, a status's name or a metric's position from 1; "-" for no
// id and "?" for an id that names nothing.
QString ref(const Journal& j, const std::optional<QUuid>& id) {
    if (!id)
        return u"-"_s;
    for (const FieldDef& f : j.fields)
        if (f.id == *id)
            return f.key;
    for (const StatusDef& s : j.statuses)
        if (s.id == *id)
            return s.name;
    for (qsizetype i = 0; i < j.metrics.size(); ++i)
        if (j.metrics[i].id == *id)
            return QString::number(i + 1);
    return u"?"_s;
}

// The journal written with keys, names and positions in place of ids: fields, statuses, metrics, options.
QStringList describe(const Journal& j) {
    QStringList fields, statuses, metrics;
    for (const FieldDef& f : j.fields) {
        QString flags;
        for (const auto& [on, letter] :
             {std::pair{f.isUnique, u'U'}, std::pair{f.inGroup, u'G'}, std::pair{f.inIdentity, u'I'},
              std::pair{f.isPerItem, u'P'}, std::pair{f.showInTable, u'T'}})
            flags += on ? QString(letter) : QString();
        fields << f.key + u'/' + rawValue(f.type) + u'/' + (flags.isEmpty() ? u"-"_s : flags) +
                      (f.unit.isEmpty() ? QString() : u'/' + f.unit);
    }
    for (const StatusDef& s : j.statuses)
        statuses << s.name + u'/' + rawValue(s.color) + u'/' + ref(j, s.dateFieldID) +
                        (s.fillsPreviousDates ? u"/+"_s : u"/-"_s);
    for (const MetricDef& m : j.metrics) {
        QString text = m.title + u'/' + rawValue(m.kind) + u'/' + rawValue(m.color);
        if (m.dateFieldID)
            text += u" @"_s + ref(j, m.dateFieldID);
        if (m.sumFieldID)
            text += u" :"_s + ref(j, m.sumFieldID);
        if (m.statusFilterID)
            text += u" ["_s + ref(j, m.statusFilterID) + u']';
        if (m.filterFieldID || !m.filterValue.isEmpty())
            text += u" {"_s + ref(j, m.filterFieldID) + u'=' + m.filterValue + u'}';
        if (m.operandA || m.operandB)
            text += u" ("_s + ref(j, m.operandA) + u',' + ref(j, m.operandB) + u')';
        metrics << (m.unit.isEmpty() ? text : text + u' ' + m.unit);
    }
    return {fields.join(u"; "), statuses.join(u"; "), metrics.join(u"; "),
            u"title="_s + ref(j, j.titleFieldID) + u" default="_s + ref(j, j.defaultStatusID) +
                u" counter="_s + ref(j, j.counterFieldID) + u'/' + j.counterTitle + u" filter="_s +
                ref(j, j.filterFieldID) + u" breakdown="_s + ref(j, j.breakdownFieldID)};
}

std::optional<FieldType> typeOf(const Journal& j, const std::optional<QUuid>& id) {
    const auto field = j.field(id);
    return field ? std::optional(field->type) : std::nullopt;
}

} // namespace

// One template in full; the others are held to the rules below.
TEST(Templates, SalesFollowsItsTable) {
    EXPECT_EQ(
        describe(Templates::sales()),
        (QStringList{
            u"number/text/UPT; client/text/GT; item/text/PT; quantity/number/PT/шт; "
            u"amount/number/PT/₽; channel/choice/T; orderDate/date/T; paidDate/date/T; "
            u"shippedDate/date/T; returnDate/date/T; link/link/T; note/longText/-"_s,
            u"Новый/gray/orderDate/+; Оплачен/green/paidDate/+; Отгружен/blue/shippedDate/+; "
            u"Завершён/purple/-/+; Возврат/red/returnDate/-"_s,
            u"Выручка/sum/green @paidDate :amount ₽; Оплачено заказов/count/blue "
            u"@paidDate; "
            u"Средний чек/average/orange @paidDate :amount ₽; "
            u"Клиентов/uniqueGroups/indigo @paidDate; Возвраты/sum/red @returnDate :amount ₽"_s,
            u"title=item default=Новый counter=-/+1 filter=channel breakdown=channel"_s}));
}

TEST(Templates, CatalogueLooksUpExactKeysAndEveryBuildIsNew) {
    const QDateTime now = utc(2026, 3, 14, 9, 26, 53);
    QStringList keys;
    for (const JournalTemplate& entry : Templates::all()) {
        SCOPED_TRACE(entry.key.toStdString());
        keys << entry.key;
        EXPECT_EQ(Templates::templateFor(entry.key)->name, entry.name);
        // The journal carries the picker's name and icon, except the own journal, which starts as "Мой
        // журнал"; every build draws new ids, none repeated inside one journal.
        const Journal first = entry.make([&] { return now; }), second = entry.make();
        EXPECT_EQ(first.templateKey, entry.key);
        EXPECT_EQ(first.icon, entry.icon);
        EXPECT_EQ(first.name, entry.key == u"blank" ? u"Мой журнал"_s : entry.name);
        EXPECT_TRUE(first.records.isEmpty());
        EXPECT_EQ(first.createdAt, now);
        QList<QUuid> ids{first.id};
        for (const FieldDef& f : first.fields)
            ids << f.id;
        for (const StatusDef& s : first.statuses)
            ids << s.id;
        for (const MetricDef& m : first.metrics)
            ids << m.id;
        const QSet<QUuid> distinct(ids.begin(), ids.end());
        EXPECT_EQ(distinct.size(), ids.size()) << "an id repeats inside one journal";
        EXPECT_FALSE(distinct.contains(QUuid()));
        EXPECT_FALSE(distinct.contains(second.id)) << "two builds share an id";
    }
    EXPECT_EQ(keys.join(u' '), u"sales finance crm warehouse services tasks content cards blank");
    for (const char16_t* key : {u"", u"Sales", u"sales ", u"склад"})
        EXPECT_FALSE(Templates::templateFor(QStringView(key)));
}

// Every reference points at a field, status or metric of its own journal, of the kind its role needs, so
// sanitizing changes nothing; option lists only on choice fields, metric filter values that name real
// options, plain lower-case aliases and report templates whose plural groups are well formed.
TEST(Templates, EveryReferenceFitsItsRole) {
    using enum FieldType;
    const QRegularExpression group(u"\\{(\\d+)((?:\\|[^|{}]*)*)\\}"_s);
    for (const JournalTemplate& entry : Templates::all()) {
        SCOPED_TRACE(entry.key.toStdString());
        const Journal j = entry.make();
        EXPECT_EQ(j.sanitized(), j);
        EXPECT_EQ(typeOf(j, j.titleFieldID), text);
        EXPECT_TRUE(j.status(j.defaultStatusID));
        EXPECT_TRUE(!j.counterFieldID || typeOf(j, j.counterFieldID) == number);
        EXPECT_TRUE(j.field(j.filterFieldID));
        const FieldType breakdown = typeOf(j, j.breakdownFieldID).value_or(date);
        EXPECT_TRUE(breakdown == text || breakdown == choice);
        for (const StatusDef& s : j.statuses)
            EXPECT_TRUE(!s.dateFieldID || typeOf(j, s.dateFieldID) == date) << s.name.toStdString();
        for (const MetricDef& m : j.metrics) {
            SCOPED_TRACE(m.title.toStdString());
            EXPECT_TRUE(!m.dateFieldID || typeOf(j, m.dateFieldID) == date);
            EXPECT_EQ(m.sumFieldID.has_value(), m.kind == MetricKind::sum || m.kind == MetricKind::average);
            EXPECT_TRUE(!m.sumFieldID || typeOf(j, m.sumFieldID) == number);
            EXPECT_TRUE(!m.statusFilterID || j.status(m.statusFilterID));
            EXPECT_TRUE(!m.filterFieldID || j.field(m.filterFieldID)->options.contains(m.filterValue));
            const bool formula = m.kind == MetricKind::difference || m.kind == MetricKind::ratio;
            for (const auto& operand : {m.operandA, m.operandB})
                EXPECT_EQ(operand.has_value() && ref(j, operand) != u"?", formula);
        }
        for (const FieldDef& f : j.fields) {
            EXPECT_EQ(f.options.isEmpty(), f.type != choice) << f.key.toStdString();
            for (const QString& alias : f.aliases)
                EXPECT_EQ(alias, alias.toLower().trimmed()) << alias.toStdString();
        }
        // {n|one|few|many}: three forms, n a metric that the same template also prints as a value.
        for (auto it = group.globalMatch(j.reportTemplate); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            EXPECT_GE(match.captured(1).toInt(), 1);
            EXPECT_LE(match.captured(1).toInt(), j.metrics.size());
            if (!match.captured(2).isEmpty()) {
                EXPECT_EQ(match.captured(2).count(u'|'), 3) << match.captured(0).toStdString();
                EXPECT_TRUE(j.reportTemplate.contains(u'{' + match.captured(1) + u'}'));
            }
        }
    }
}
