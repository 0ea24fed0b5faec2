#include "core/templates/Templates.h"

#include "core/templates/TemplateBuilder.h"

using namespace Qt::StringLiterals;

namespace Templates {

const QList<JournalTemplate>& all() {
    static const QList<JournalTemplate> catalogue{
        {u"sales"_s,
         u"Продажи"_s,
         u"cart"_s,
         u"Заказы и продажи: клиенты, суммы, оплата, отгрузка, возвраты. Выручка и средний чек."_s,
         {&sales}},
        {u"finance"_s,
         u"Доходы и расходы"_s,
         u"banknote"_s,
         u"Деньги бизнеса: операции по статьям, доходы, расходы и прибыль за период."_s,
         {&finance}},
        {u"crm"_s,
         u"Клиенты и сделки"_s,
         u"person.2"_s,
         u"Обращения и сделки по этапам: сумма сделок, отказы, конверсия."_s,
         {&crm}},
        {u"warehouse"_s,
         u"Склад"_s,
         u"shippingbox"_s,
         u"Приход и расход товаров, закупки и продажи, изменение остатков."_s,
         {&warehouse}},
        {u"services"_s,
         u"Услуги и записи"_s,
         u"calendar.badge.clock"_s,
         u"Записи клиентов к сотрудникам: оказанные услуги, выручка, средний чек."_s,
         {&services}},
        {u"tasks"_s,
         u"Задачи"_s,
         u"checklist"_s,
         u"Задачи по проектам: сроки, часы, выполнение."_s,
         {&tasks}},
        {u"content"_s,
         u"Публикации"_s,
         u"megaphone"_s,
         u"Контент-план: темы, площадки, даты публикации, просмотры."_s,
         {&content}},
        {u"cards"_s,
         u"Карточки товаров"_s,
         u"tshirt"_s,
         u"Для маркетплейсов: исправление карточек по брендам, моделям и размерам, SKU, ссылки."_s,
         {&cards}},
        {u"blank"_s,
         u"Свой журнал"_s,
         u"tray.full"_s,
         u"Простой журнал: название, категория, дата, количество."_s,
         {&blank}},
    };
    return catalogue;
}

std::optional<JournalTemplate> templateFor(QStringView key) {
    for (const JournalTemplate& entry : all())
        if (entry.key == key)
            return entry;
    return std::nullopt;
}

namespace {

std::optional<QUuid> statusRef(const QList<StatusDef>& statuses, const QString& name) {
    if (name.isEmpty())
        return std::nullopt;
    for (const StatusDef& status : statuses)
        if (status.name == name)
            return status.id;
    Q_ASSERT_X(false, "TemplateBuilder", "a template names a status it does not have");
    return std::nullopt;
}

std::optional<QUuid> metricRef(const QList<MetricDef>& metrics, int position) {
    if (position == 0)
        return std::nullopt;
    Q_ASSERT_X(position >= 1 && position <= metrics.size(), "TemplateBuilder",
               "a template names a metric it does not have");
    return metrics.value(position - 1).id;
}

} // namespace

QUuid TemplateBuilder::id(const QString& key) const {
    for (const FieldDef& field : m_fields)
        if (field.key == key)
            return field.id;
    Q_ASSERT_X(false, "TemplateBuilder", "a template names a field it has not made");
    return {};
}

std::optional<QUuid> TemplateBuilder::fieldRef(const QString& key) const {
    if (key.isEmpty())
        return std::nullopt;
    return id(key);
}

Journal TemplateBuilder::build(const JournalRow& row, const QList<FieldRow>& fieldRows,
                               const QList<StatusRow>& statusRows, const QList<MetricRow>& metricRows,
                               const Clock& clock) {
    TemplateBuilder builder;
    for (const FieldRow& f : fieldRows) {
        builder.m_fields.append(FieldDef{
            .id = QUuid::createUuid(),
            .key = f.key,
            .name = f.name,
            .type = f.type,
            .options = f.options,
            .aliases = f.aliases,
            .prompt = f.prompt,
            .isUnique = (f.flags & unique) != 0,
            .inGroup = (f.flags & group) != 0,
            .inIdentity = (f.flags & identity) != 0,
            .isPerItem = (f.flags & perItem) != 0,
            .showInTable = (f.flags & inTable) != 0,
            .unit = f.unit,
        });
    }

    QList<StatusDef> statuses;
    for (const StatusRow& s : statusRows) {
        statuses.append(StatusDef{
            .id = QUuid::createUuid(),
            .name = s.name,
            .color = s.color,
            .dateFieldID = builder.fieldRef(s.dateField),
            .fillsPreviousDates = s.fillsPreviousDates,
        });
    }

    // Operands may name any metric of the table, so every metric gets its id before any is filled in.
    QList<MetricDef> metrics(metricRows.size());
    for (MetricDef& metric : metrics)
        metric.id = QUuid::createUuid();
    for (qsizetype i = 0; i < metricRows.size(); ++i) {
        const MetricRow& m = metricRows[i];
        metrics[i] = MetricDef{
            .id = metrics[i].id,
            .title = m.title,
            .kind = m.kind,
            .dateFieldID = builder.fieldRef(m.dateField),
            .sumFieldID = builder.fieldRef(m.sumField),
            .subtitle = m.subtitle,
            .color = m.color,
            .symbol = m.symbol,
            .unit = m.unit,
            .filterFieldID = builder.fieldRef(m.filterField),
            .filterValue = m.filterValue,
            .statusFilterID = statusRef(statuses, m.statusFilter),
            .operandA = metricRef(metrics, m.operandA),
            .operandB = metricRef(metrics, m.operandB),
        };
    }

    return Journal{
        .id = QUuid::createUuid(),
        .name = row.name,
        .icon = row.icon,
        .templateKey = row.key,
        .fields = builder.m_fields,
        .statuses = statuses,
        .metrics = metrics,
        .titleFieldID = builder.fieldRef(row.titleField),
        .defaultStatusID = statusRef(statuses, row.defaultStatus),
        .itemNoun = row.itemNoun,
        .groupNoun = row.groupNoun,
        .reportTemplate = row.reportTemplate,
        .batchTitle = row.batchTitle,
        .hint = row.hint,
        .counterFieldID = builder.fieldRef(row.counterField),
        .counterTitle = row.counterTitle,
        .filterFieldID = builder.fieldRef(row.filterField),
        .breakdownFieldID = builder.fieldRef(row.breakdownField),
        .records = {},
        .createdAt = clock(),
    };
}

} // namespace Templates
