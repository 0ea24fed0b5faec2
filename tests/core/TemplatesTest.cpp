#include "templates/Templates.h"
#include "TestSupport.h"

#include <QRegularExpression>
#include <QSet>

using namespace Qt::StringLiterals;
using namespace testsupport;

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

// The journal's fields, statuses, metrics and options written with keys, names and positions in place of ids.
QString describeFields(const Journal& j) {
    QStringList out;
    for (const FieldDef& f : j.fields) {
        QString flags = u"UGIPT"_s;
        const bool on[] = {f.isUnique, f.inGroup, f.inIdentity, f.isPerItem, f.showInTable};
        for (int i = 4; i >= 0; --i)
            if (!on[i])
                flags.remove(i, 1);
        out << f.key + u'/' + rawValue(f.type) + u'/' + (flags.isEmpty() ? u"-"_s : flags) +
                   (f.unit.isEmpty() ? QString() : u'/' + f.unit);
    }
    return out.join(u"; ");
}

QString describeStatuses(const Journal& j) {
    QStringList out;
    for (const StatusDef& s : j.statuses)
        out << s.name + u'/' + rawValue(s.color) + u'/' + ref(j, s.dateFieldID) +
                   (s.fillsPreviousDates ? u"/+"_s : u"/-"_s);
    return out.join(u"; ");
}

QString describeMetrics(const Journal& j) {
    QStringList out;
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
        if (!m.unit.isEmpty())
            text += u' ' + m.unit;
        out << text;
    }
    return out.join(u"; ");
}

QString describeOptions(const Journal& j) {
    return u"title="_s + ref(j, j.titleFieldID) + u" default="_s + ref(j, j.defaultStatusID) +
           u" counter="_s + ref(j, j.counterFieldID) + u'/' + j.counterTitle + u" filter="_s +
           ref(j, j.filterFieldID) + u" breakdown="_s + ref(j, j.breakdownFieldID);
}

struct Expected {
    const char* key;
    const char* fields;
    const char* statuses;
    const char* metrics;
    const char* options;
};

const Expected expectedTemplates[] = {
    {"sales",
     "number/text/UPT; client/text/GT; item/text/PT; quantity/number/PT/шт; amount/number/PT/₽; "
     "channel/choice/T; orderDate/date/T; paidDate/date/T; shippedDate/date/T; returnDate/date/T; "
     "link/link/T; note/longText/-",
     "Новый/gray/orderDate/+; Оплачен/green/paidDate/+; Отгружен/blue/shippedDate/+; "
     "Завершён/purple/-/+; Возврат/red/returnDate/-",
     "Выручка/sum/green @paidDate :amount ₽; "
     "Оплачено заказов/count/blue @paidDate; "
     "Средний чек/average/orange @paidDate :amount ₽; "
     "Клиентов/uniqueGroups/indigo @paidDate; Возвраты/sum/red @returnDate :amount ₽",
     "title=item default=Новый counter=-/+1 filter=channel breakdown=channel"},
    {"finance",
     "title/text/PT; type/choice/T; category/choice/GT; amount/number/PT/₽; date/date/T; "
     "counterparty/text/T; method/choice/T; note/longText/-",
     "Запланировано/gray/-/+; Проведено/green/date/+",
     "Доходы/sum/green @date :amount [Проведено] {type=Доход} ₽; "
     "Расходы/sum/red @date :amount [Проведено] {type=Расход} ₽; "
     "Прибыль/difference/indigo (1,2) ₽; Операций/count/blue @date [Проведено]",
     "title=title default=Проведено counter=-/+1 filter=type breakdown=category"},
    {"crm",
     "client/text/GT; contact/text/T; deal/text/T; amount/number/T/₽; source/choice/T; manager/text/T; "
     "nextDate/date/T; wonDate/date/T; lostDate/date/T; note/longText/-",
     "Новый/gray/-/+; В работе/orange/-/+; Предложение/yellow/-/+; "
     "Оплачено/green/wonDate/+; Отказ/red/lostDate/-",
     "Сделок оплачено/count/green @wonDate; "
     "Сумма сделок/sum/orange @wonDate :amount ₽; Новых обращений/count/blue; "
     "Конверсия/ratio/indigo (1,3); Отказов/count/red @lostDate",
     "title=client default=Новый counter=-/+1 filter=source breakdown=source"},
    {"warehouse",
     "product/text/GPT; sku/text/PT; operation/choice/T; quantity/number/PT/шт; price/number/PT/₽; "
     "amount/number/PT/₽; counterparty/text/T; document/text/T; date/date/T; note/longText/-",
     "Черновик/gray/-/+; Проведено/green/date/+",
     "Приход/sum/green @date :quantity [Проведено] {operation=Приход} шт; "
     "Расход/sum/orange @date :quantity [Проведено] {operation=Расход} шт; "
     "Изменение остатка/difference/indigo (1,2) шт; "
     "Закупки/sum/blue @date :amount [Проведено] {operation=Приход} ₽; "
     "Продажи/sum/purple @date :amount [Проведено] {operation=Расход} ₽",
     "title=product default=Проведено counter=-/+1 filter=operation breakdown=product"},
    {"services",
     "client/text/GT; phone/text/T; service/text/T; staff/text/T; visitDate/date/T; doneDate/date/T; "
     "price/number/T/₽; paid/checkbox/T; note/longText/-",
     "Записан/blue/-/+; Выполнено/green/doneDate/+; Отменено/red/-/-",
     "Оказано услуг/count/green @doneDate; Выручка/sum/orange @doneDate :price ₽; "
     "Средний чек/average/blue @doneDate :price ₽; "
     "Клиентов/uniqueGroups/indigo @doneDate",
     "title=client default=Записан counter=-/+1 filter=staff breakdown=staff"},
    {"tasks",
     "title/text/PT; project/text/GT; owner/text/T; due/date/T; doneDate/date/T; hours/number/T/ч; "
     "link/link/T; note/longText/-",
     "Новая/gray/-/+; В работе/orange/-/+; На проверке/yellow/-/+; "
     "Выполнена/green/doneDate/+",
     "Выполнено задач/count/green @doneDate; Проектов/uniqueGroups/indigo @doneDate; "
     "Часов/sum/orange @doneDate :hours ч; Добавлено задач/count/blue",
     "title=title default=Новая counter=hours/+1 час filter=project breakdown=project"},
    {"content",
     "topic/text/PT; platform/choice/GT; pubDate/date/T; views/number/T; link/link/PT; note/longText/-",
     "Идея/gray/-/+; Черновик/orange/-/+; Опубликовано/green/pubDate/+",
     "Опубликовано/count/green @pubDate; Площадок/uniqueGroups/indigo @pubDate; "
     "Просмотров/sum/orange @pubDate :views",
     "title=topic default=Идея counter=-/+1 filter=platform breakdown=platform"},
    {"cards",
     "brand/text/GT; productName/text/T; modelArticle/text/GT; sku/text/UPT; sizeRU/text/IPT; "
     "sizeUS/text/IPT; color/text/IT; link/link/PT; note/longText/-; fixedDate/date/T; "
     "transferredDate/date/T; minorEdits/number/PT",
     "В работе/orange/-/+; Исправлена/green/fixedDate/+; "
     "Передана/blue/transferredDate/+; Опубликована/purple/-/+",
     "Исправлено карточек/count/green @fixedDate; "
     "Передано карточек/count/blue @transferredDate; "
     "Уникальных моделей/uniqueGroups/indigo @fixedDate; "
     "Мелких правок/sum/orange @fixedDate :minorEdits",
     "title=productName default=Исправлена counter=minorEdits/+1 правка filter=brand breakdown=brand"},
    {"blank",
     "title/text/PT; category/text/GT; doneDate/date/T; quantity/number/T; link/link/T; note/longText/-",
     "В работе/orange/-/+; Готово/green/doneDate/+",
     "Готово/count/green @doneDate; Категорий/uniqueGroups/indigo @doneDate; "
     "Количество/sum/orange @doneDate :quantity; Добавлено/count/blue",
     "title=title default=В работе counter=-/+1 filter=category breakdown=category"},
};

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

Journal build(const char* key) {
    const std::optional<JournalTemplate> entry = Templates::templateFor(text(key));
    return entry ? entry->make() : Journal{};
}

QList<QUuid> allIds(const Journal& j) {
    QList<QUuid> ids{j.id};
    for (const FieldDef& f : j.fields)
        ids << f.id;
    for (const StatusDef& s : j.statuses)
        ids << s.id;
    for (const MetricDef& m : j.metrics)
        ids << m.id;
    return ids;
}

} // namespace

TEST(Templates, ContentsFollowTheirTables) {
    for (const Expected& e : expectedTemplates) {
        SCOPED_TRACE(e.key);
        const Journal j = build(e.key);
        EXPECT_EQ(j.templateKey, text(e.key));
        EXPECT_EQ(describeFields(j), text(e.fields));
        EXPECT_EQ(describeStatuses(j), text(e.statuses));
        EXPECT_EQ(describeMetrics(j), text(e.metrics));
        EXPECT_EQ(describeOptions(j), text(e.options));
    }
}

TEST(Templates, CatalogueLooksUpExactKeysAndEveryBuildIsNew) {
    const QDateTime now = utc(2026, 3, 14, 9, 26, 53);
    QStringList keys, expectedKeys;
    for (const Expected& e : expectedTemplates)
        expectedKeys << text(e.key);
    for (const JournalTemplate& entry : Templates::all()) {
        SCOPED_TRACE(entry.key.toStdString());
        keys << entry.key;
        const auto found = Templates::templateFor(entry.key);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->name, entry.name);
        EXPECT_EQ(entry.id(), entry.key);

        // The journal carries the picker's name and icon, except the own journal, which starts as "Мой
        // журнал"; every build draws new ids, none repeated inside one journal.
        const Journal first = entry.make([&] { return now; }), second = entry.make();
        EXPECT_EQ(first.icon, entry.icon);
        EXPECT_EQ(first.name, entry.key == u"blank" ? u"Мой журнал"_s : entry.name);
        EXPECT_TRUE(first.records.isEmpty());
        EXPECT_EQ(first.createdAt, now);
        const QList<QUuid> ids = allIds(first);
        const QSet<QUuid> firstIds(ids.begin(), ids.end());
        EXPECT_EQ(firstIds.size(), ids.size()) << "an id repeats inside one journal";
        EXPECT_FALSE(firstIds.contains(QUuid()));
        for (const QUuid& id : allIds(second))
            EXPECT_FALSE(firstIds.contains(id)) << "two builds share an id";
    }
    EXPECT_EQ(keys, expectedKeys);
    const Journal blank = Templates::blank();
    EXPECT_TRUE(blank.hint.isEmpty());
    EXPECT_TRUE(blank.reportTemplate.isEmpty());
    for (const char16_t* key : {u"", u"Sales", u"sales ", u"склад"})
        EXPECT_FALSE(Templates::templateFor(QStringView(key)));
}

// What the tables above leave out: option lists only on choice fields, metric filter values that name
// real options, plain lower-case aliases and report templates whose plural groups are well formed.
TEST(Templates, OptionsAliasesAndReportTemplatesFitTheirRoles) {
    const QRegularExpression group(u"\\{(\\d+)((?:\\|[^|{}]*)*)\\}"_s);
    for (const JournalTemplate& entry : Templates::all()) {
        SCOPED_TRACE(entry.key.toStdString());
        const Journal j = entry.make();
        for (const FieldDef& f : j.fields) {
            EXPECT_EQ(f.options.isEmpty(), f.type != FieldType::choice) << f.key.toStdString();
            for (const QString& alias : f.aliases)
                EXPECT_EQ(alias, alias.toLower().trimmed()) << alias.toStdString();
        }
        for (const MetricDef& m : j.metrics)
            if (m.filterFieldID) {
                EXPECT_TRUE(j.field(m.filterFieldID).value_or(FieldDef{}).options.contains(m.filterValue))
                    << m.title.toStdString();
            }

        // {n|one|few|many}: three forms, n a metric that the same template also prints as a value.
        for (auto it = group.globalMatch(j.reportTemplate); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const int number = match.captured(1).toInt();
            EXPECT_GE(number, 1);
            EXPECT_LE(number, j.metrics.size());
            if (!match.captured(2).isEmpty()) {
                EXPECT_EQ(match.captured(2).count(u'|'), 3) << match.captured(0).toStdString();
                EXPECT_TRUE(j.reportTemplate.contains(u'{' + match.captured(1) + u'}'));
            }
        }
    }
}
