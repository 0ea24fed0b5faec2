// Clients and deals, stock movements, and appointments for services.

#include "core/templates/TemplateBuilder.h"
#include "core/templates/Templates.h"

using namespace Qt::StringLiterals;

namespace Templates {

Journal crm(const Clock& clock) {
    const JournalRow journal{
        .key = u"crm"_s,
        .name = u"Клиенты и сделки"_s,
        .icon = u"person.2"_s,
        .itemNoun = {u"сделка"_s, u"сделки"_s, u"сделок"_s},
        .groupNoun = {u"клиент"_s, u"клиента"_s, u"клиентов"_s},
        .batchTitle = u"Несколько сделок"_s,
        .hint =
            u"Сделка попадает в «оплаченные» по дате оплаты, в отказы — по дате отказа; обе даты ставятся сами при смене статуса."_s,
        .titleField = u"client"_s,
        .defaultStatus = u"Новый"_s,
        .counterField = {},
        .counterTitle = u"+1"_s,
        .filterField = u"source"_s,
        .breakdownField = u"source"_s,
        .reportTemplate =
            u"За период {1|оплачена|оплачено|оплачено} {1} {1|сделка|сделки|сделок} на {2} ₽, новых обращений: {3}, конверсия {4} %"_s,
    };
    // clang-format off
    // key, name, type, options, prompt, unit, flags, aliases
    const QList<FieldRow> fields{
        {u"client"_s, u"Клиент"_s, FieldType::text, {}, u"Имя или компания"_s, {}, group | inTable, {u"компания"_s, u"заказчик"_s, u"имя"_s, u"client"_s}},
        {u"contact"_s, u"Телефон или e-mail"_s, FieldType::text, {}, {}, {}, inTable, {u"контакт"_s, u"телефон"_s, u"email"_s, u"e-mail"_s, u"почта"_s}},
        {u"deal"_s, u"Сделка"_s, FieldType::text, {}, u"Что продаём"_s, {}, inTable, {u"услуга"_s, u"товар"_s, u"предмет сделки"_s, u"deal"_s}},
        {u"amount"_s, u"Сумма сделки"_s, FieldType::number, {}, {}, u"₽"_s, inTable, {u"сумма"_s, u"бюджет"_s, u"amount"_s}},
        {u"source"_s, u"Источник"_s, FieldType::choice, {u"Сайт"_s, u"Рекомендация"_s, u"Реклама"_s, u"Соцсети"_s, u"Звонок"_s, u"Другое"_s}, {}, {}, inTable, {u"канал"_s, u"откуда"_s, u"source"_s}},
        {u"manager"_s, u"Менеджер"_s, FieldType::text, {}, {}, {}, inTable, {u"ответственный"_s, u"manager"_s}},
        {u"nextDate"_s, u"Следующий контакт"_s, FieldType::date, {}, {}, {}, inTable, {u"напомнить"_s, u"дата контакта"_s}},
        {u"wonDate"_s, u"Дата оплаты"_s, FieldType::date, {}, {}, {}, inTable, {u"дата сделки"_s, u"оплачено"_s, u"wondate"_s}},
        {u"lostDate"_s, u"Дата отказа"_s, FieldType::date, {}, {}, {}, inTable, {u"отказ"_s, u"lostdate"_s}},
        {u"note"_s, u"Примечание"_s, FieldType::longText, {}, {}, {}, noFlags, {u"комментарий"_s, u"note"_s}},
    };
    // name, colour, date field, fills previous dates
    const QList<StatusRow> statuses{
        {u"Новый"_s, AppColor::gray, {}, true},
        {u"В работе"_s, AppColor::orange, {}, true},
        {u"Предложение"_s, AppColor::yellow, {}, true},
        {u"Оплачено"_s, AppColor::green, u"wonDate"_s, true},
        {u"Отказ"_s, AppColor::red, u"lostDate"_s, false},
    };
    // title, kind, date field, sum field, operands A and B, status filter, field filter and value, unit, colour,
    // symbol, subtitle
    const QList<MetricRow> metrics{
        {u"Сделок оплачено"_s, MetricKind::count, u"wonDate"_s, {}, 0, 0, {}, {}, {}, {}, AppColor::green, u"checkmark.seal.fill"_s, u"с датой оплаты в периоде"_s},
        {u"Сумма сделок"_s, MetricKind::sum, u"wonDate"_s, u"amount"_s, 0, 0, {}, {}, {}, u"₽"_s, AppColor::orange, u"rublesign.circle.fill"_s, u"по оплаченным сделкам"_s},
        {u"Новых обращений"_s, MetricKind::count, {}, {}, 0, 0, {}, {}, {}, {}, AppColor::blue, u"person.badge.plus"_s, u"добавлено в периоде"_s},
        {u"Конверсия"_s, MetricKind::ratio, {}, {}, 1, 3, {}, {}, {}, {}, AppColor::indigo, u"percent"_s, u"оплаченные сделки ÷ новые обращения"_s},
        {u"Отказов"_s, MetricKind::count, u"lostDate"_s, {}, 0, 0, {}, {}, {}, {}, AppColor::red, u"xmark.circle.fill"_s, u"с датой отказа в периоде"_s},
    };
    // clang-format on
    return TemplateBuilder::build(journal, fields, statuses, metrics, clock);
}

Journal warehouse(const Clock& clock) {
    const JournalRow journal{
        .key = u"warehouse"_s,
        .name = u"Склад"_s,
        .icon = u"shippingbox"_s,
        .itemNoun = {u"операция"_s, u"операции"_s, u"операций"_s},
        .groupNoun = {u"товар"_s, u"товара"_s, u"товаров"_s},
        .batchTitle = u"Накладная: несколько товаров"_s,
        .hint =
            u"Остаток по каждому товару: период «Всё время» и разбивка по полю «Товар» — показатель «Изменение остатка» равен остатку."_s,
        .titleField = u"product"_s,
        .defaultStatus = u"Проведено"_s,
        .counterField = {},
        .counterTitle = u"+1"_s,
        .filterField = u"operation"_s,
        .breakdownField = u"product"_s,
        .reportTemplate = u"За период пришло {1} шт, ушло {2} шт, остаток изменился на {3} шт"_s,
    };
    // clang-format off
    // key, name, type, options, prompt, unit, flags, aliases
    const QList<FieldRow> fields{
        {u"product"_s, u"Товар"_s, FieldType::text, {}, {}, {}, group | perItem | inTable, {u"наименование"_s, u"номенклатура"_s, u"product"_s}},
        {u"sku"_s, u"Артикул"_s, FieldType::text, {}, {}, {}, perItem | inTable, {u"код"_s, u"sku"_s, u"артикул товара"_s}},
        {u"operation"_s, u"Операция"_s, FieldType::choice, {u"Приход"_s, u"Расход"_s}, {}, {}, inTable, {u"движение"_s, u"тип"_s, u"вид операции"_s}},
        {u"quantity"_s, u"Количество"_s, FieldType::number, {}, {}, u"шт"_s, perItem | inTable, {u"кол-во"_s, u"колво"_s, u"qty"_s}},
        {u"price"_s, u"Цена"_s, FieldType::number, {}, {}, u"₽"_s, perItem | inTable, {u"цена за единицу"_s, u"price"_s}},
        {u"amount"_s, u"Сумма"_s, FieldType::number, {}, {}, u"₽"_s, perItem | inTable, {u"стоимость"_s, u"итого"_s, u"amount"_s}},
        {u"counterparty"_s, u"Поставщик или покупатель"_s, FieldType::text, {}, {}, {}, inTable, {u"поставщик"_s, u"покупатель"_s, u"контрагент"_s}},
        {u"document"_s, u"Документ"_s, FieldType::text, {}, {}, {}, inTable, {u"накладная"_s, u"номер документа"_s}},
        {u"date"_s, u"Дата"_s, FieldType::date, {}, {}, {}, inTable, {u"дата операции"_s, u"date"_s}},
        {u"note"_s, u"Примечание"_s, FieldType::longText, {}, {}, {}, noFlags, {u"комментарий"_s, u"note"_s}},
    };
    // name, colour, date field, fills previous dates
    const QList<StatusRow> statuses{
        {u"Черновик"_s, AppColor::gray, {}, true},
        {u"Проведено"_s, AppColor::green, u"date"_s, true},
    };
    // title, kind, date field, sum field, operands A and B, status filter, field filter and value, unit, colour,
    // symbol, subtitle
    const QList<MetricRow> metrics{
        {u"Приход"_s, MetricKind::sum, u"date"_s, u"quantity"_s, 0, 0, u"Проведено"_s, u"operation"_s, u"Приход"_s, u"шт"_s, AppColor::green, u"arrow.down.to.line"_s, u"проведённые операции «Приход»"_s},
        {u"Расход"_s, MetricKind::sum, u"date"_s, u"quantity"_s, 0, 0, u"Проведено"_s, u"operation"_s, u"Расход"_s, u"шт"_s, AppColor::orange, u"arrow.up.forward"_s, u"проведённые операции «Расход»"_s},
        {u"Изменение остатка"_s, MetricKind::difference, {}, {}, 1, 2, {}, {}, {}, u"шт"_s, AppColor::indigo, u"shippingbox.fill"_s, u"приход минус расход"_s},
        {u"Закупки"_s, MetricKind::sum, u"date"_s, u"amount"_s, 0, 0, u"Проведено"_s, u"operation"_s, u"Приход"_s, u"₽"_s, AppColor::blue, u"cart.fill"_s, u"проведённые операции «Приход»"_s},
        {u"Продажи"_s, MetricKind::sum, u"date"_s, u"amount"_s, 0, 0, u"Проведено"_s, u"operation"_s, u"Расход"_s, u"₽"_s, AppColor::purple, u"rublesign.circle.fill"_s, u"проведённые операции «Расход»"_s},
    };
    // clang-format on
    return TemplateBuilder::build(journal, fields, statuses, metrics, clock);
}

Journal services(const Clock& clock) {
    const JournalRow journal{
        .key = u"services"_s,
        .name = u"Услуги и записи"_s,
        .icon = u"calendar.badge.clock"_s,
        .itemNoun = {u"визит"_s, u"визита"_s, u"визитов"_s},
        .groupNoun = {u"клиент"_s, u"клиента"_s, u"клиентов"_s},
        .batchTitle = u"Несколько записей"_s,
        .hint = u"Услуга попадает в итоги по дате оказания — она ставится сама при статусе «Выполнено»."_s,
        .titleField = u"client"_s,
        .defaultStatus = u"Записан"_s,
        .counterField = {},
        .counterTitle = u"+1"_s,
        .filterField = u"staff"_s,
        .breakdownField = u"staff"_s,
        .reportTemplate =
            u"За период {1|оказана|оказано|оказано} {1} {1|услуга|услуги|услуг} {4} {4|клиенту|клиентам|клиентам} на {2} ₽, средний чек {3} ₽"_s,
    };
    // clang-format off
    // key, name, type, options, prompt, unit, flags, aliases
    const QList<FieldRow> fields{
        {u"client"_s, u"Клиент"_s, FieldType::text, {}, {}, {}, group | inTable, {u"имя"_s, u"client"_s}},
        {u"phone"_s, u"Телефон"_s, FieldType::text, {}, {}, {}, inTable, {u"контакт"_s, u"phone"_s}},
        {u"service"_s, u"Услуга"_s, FieldType::text, {}, u"Например, консультация"_s, {}, inTable, {u"вид услуги"_s, u"процедура"_s, u"service"_s}},
        {u"staff"_s, u"Сотрудник"_s, FieldType::text, {}, {}, {}, inTable, {u"мастер"_s, u"специалист"_s, u"исполнитель"_s, u"staff"_s}},
        {u"visitDate"_s, u"Дата записи"_s, FieldType::date, {}, {}, {}, inTable, {u"дата"_s, u"дата визита"_s, u"запись"_s}},
        {u"doneDate"_s, u"Дата оказания"_s, FieldType::date, {}, {}, {}, inTable, {u"оказано"_s, u"выполнено"_s, u"donedate"_s}},
        {u"price"_s, u"Стоимость"_s, FieldType::number, {}, {}, u"₽"_s, inTable, {u"цена"_s, u"сумма"_s, u"price"_s}},
        {u"paid"_s, u"Оплачено"_s, FieldType::checkbox, {}, {}, {}, inTable, {u"оплата"_s, u"paid"_s}},
        {u"note"_s, u"Примечание"_s, FieldType::longText, {}, {}, {}, noFlags, {u"комментарий"_s, u"note"_s}},
    };
    // name, colour, date field, fills previous dates
    const QList<StatusRow> statuses{
        {u"Записан"_s, AppColor::blue, {}, true},
        {u"Выполнено"_s, AppColor::green, u"doneDate"_s, true},
        {u"Отменено"_s, AppColor::red, {}, false},
    };
    // title, kind, date field, sum field, operands A and B, status filter, field filter and value, unit, colour,
    // symbol, subtitle
    const QList<MetricRow> metrics{
        {u"Оказано услуг"_s, MetricKind::count, u"doneDate"_s, {}, 0, 0, {}, {}, {}, {}, AppColor::green, u"checkmark.circle.fill"_s, u"с датой оказания в периоде"_s},
        {u"Выручка"_s, MetricKind::sum, u"doneDate"_s, u"price"_s, 0, 0, {}, {}, {}, u"₽"_s, AppColor::orange, u"rublesign.circle.fill"_s, u"по оказанным услугам"_s},
        {u"Средний чек"_s, MetricKind::average, u"doneDate"_s, u"price"_s, 0, 0, {}, {}, {}, u"₽"_s, AppColor::blue, u"chart.line.uptrend.xyaxis"_s, u"по оказанным услугам"_s},
        {u"Клиентов"_s, MetricKind::uniqueGroups, u"doneDate"_s, {}, 0, 0, {}, {}, {}, {}, AppColor::indigo, u"person.2.fill"_s, u"получили услуги"_s},
    };
    // clang-format on
    return TemplateBuilder::build(journal, fields, statuses, metrics, clock);
}

} // namespace Templates
