// Orders, money in and out, and product cards for online shops.

#include "core/templates/TemplateBuilder.h"
#include "core/templates/Templates.h"

using namespace Qt::StringLiterals;

namespace Templates {

Journal sales(const Clock& clock) {
    const JournalRow journal{
        .key = u"sales"_s,
        .name = u"Продажи"_s,
        .icon = u"cart"_s,
        .itemNoun = {u"заказ"_s, u"заказа"_s, u"заказов"_s},
        .groupNoun = {u"клиент"_s, u"клиента"_s, u"клиентов"_s},
        .batchTitle = u"Несколько заказов"_s,
        .hint =
            u"Выручка и средний чек считаются по дате оплаты — она ставится сама при статусе «Оплачен». Возвраты — по дате возврата."_s,
        .titleField = u"item"_s,
        .defaultStatus = u"Новый"_s,
        .counterField = {},
        .counterTitle = u"+1"_s,
        .filterField = u"channel"_s,
        .breakdownField = u"channel"_s,
        .reportTemplate =
            u"За период {2|оплачен|оплачено|оплачено} {2} {2|заказ|заказа|заказов} на {1} ₽ от {4} {4|клиента|клиентов|клиентов}, средний чек {3} ₽"_s,
    };
    // clang-format off
    // key, name, type, options, prompt, unit, flags, aliases
    const QList<FieldRow> fields{
        {u"number"_s, u"Номер заказа"_s, FieldType::text, {}, {}, {}, unique | perItem | inTable, {u"номер"_s, u"заказ"_s, u"order"_s, u"№ заказа"_s}},
        {u"client"_s, u"Клиент"_s, FieldType::text, {}, {}, {}, group | inTable, {u"покупатель"_s, u"заказчик"_s, u"client"_s, u"customer"_s}},
        {u"item"_s, u"Товар или услуга"_s, FieldType::text, {}, {}, {}, perItem | inTable, {u"товар"_s, u"услуга"_s, u"наименование"_s, u"item"_s, u"product"_s}},
        {u"quantity"_s, u"Количество"_s, FieldType::number, {}, {}, u"шт"_s, perItem | inTable, {u"кол-во"_s, u"колво"_s, u"qty"_s}},
        {u"amount"_s, u"Сумма"_s, FieldType::number, {}, {}, u"₽"_s, perItem | inTable, {u"стоимость"_s, u"итого"_s, u"amount"_s, u"sum"_s}},
        {u"channel"_s, u"Канал продаж"_s, FieldType::choice, {u"Сайт"_s, u"Маркетплейс"_s, u"Магазин"_s, u"Telegram"_s, u"Instagram"_s, u"Другое"_s}, {}, {}, inTable, {u"канал"_s, u"источник"_s, u"channel"_s}},
        {u"orderDate"_s, u"Дата заказа"_s, FieldType::date, {}, {}, {}, inTable, {u"дата"_s, u"orderdate"_s}},
        {u"paidDate"_s, u"Дата оплаты"_s, FieldType::date, {}, {}, {}, inTable, {u"оплачен"_s, u"paiddate"_s}},
        {u"shippedDate"_s, u"Дата отгрузки"_s, FieldType::date, {}, {}, {}, inTable, {u"дата отправки"_s, u"отгружен"_s, u"shippeddate"_s}},
        {u"returnDate"_s, u"Дата возврата"_s, FieldType::date, {}, {}, {}, inTable, {u"возврат"_s, u"returndate"_s}},
        {u"link"_s, u"Ссылка"_s, FieldType::link, {}, {}, {}, inTable, {u"url"_s, u"link"_s}},
        {u"note"_s, u"Примечание"_s, FieldType::longText, {}, {}, {}, noFlags, {u"комментарий"_s, u"note"_s}},
    };
    // name, colour, date field, fills previous dates
    const QList<StatusRow> statuses{
        {u"Новый"_s, AppColor::gray, u"orderDate"_s, true},
        {u"Оплачен"_s, AppColor::green, u"paidDate"_s, true},
        {u"Отгружен"_s, AppColor::blue, u"shippedDate"_s, true},
        {u"Завершён"_s, AppColor::purple, {}, true},
        {u"Возврат"_s, AppColor::red, u"returnDate"_s, false},
    };
    // title, kind, date field, sum field, operands A and B, status filter, field filter and value, unit, colour,
    // symbol, subtitle
    const QList<MetricRow> metrics{
        {u"Выручка"_s, MetricKind::sum, u"paidDate"_s, u"amount"_s, 0, 0, {}, {}, {}, u"₽"_s, AppColor::green, u"rublesign.circle.fill"_s, u"по оплаченным заказам"_s},
        {u"Оплачено заказов"_s, MetricKind::count, u"paidDate"_s, {}, 0, 0, {}, {}, {}, {}, AppColor::blue, u"creditcard.fill"_s, u"с датой оплаты в периоде"_s},
        {u"Средний чек"_s, MetricKind::average, u"paidDate"_s, u"amount"_s, 0, 0, {}, {}, {}, u"₽"_s, AppColor::orange, u"chart.line.uptrend.xyaxis"_s, u"по оплаченным заказам"_s},
        {u"Клиентов"_s, MetricKind::uniqueGroups, u"paidDate"_s, {}, 0, 0, {}, {}, {}, {}, AppColor::indigo, u"person.2.fill"_s, u"с оплаченными заказами"_s},
        {u"Возвраты"_s, MetricKind::sum, u"returnDate"_s, u"amount"_s, 0, 0, {}, {}, {}, u"₽"_s, AppColor::red, u"arrow.uturn.backward.circle.fill"_s, u"сумма возвращённых заказов"_s},
    };
    // clang-format on
    return TemplateBuilder::build(journal, fields, statuses, metrics, clock);
}

Journal finance(const Clock& clock) {
    const JournalRow journal{
        .key = u"finance"_s,
        .name = u"Доходы и расходы"_s,
        .icon = u"banknote"_s,
        .itemNoun = {u"операция"_s, u"операции"_s, u"операций"_s},
        .groupNoun = {u"статья"_s, u"статьи"_s, u"статей"_s},
        .batchTitle = u"Несколько операций"_s,
        .hint =
            u"Доходы и расходы считаются по дате операции и только для проведённых операций — запланированные платежи в итоги не попадают."_s,
        .titleField = u"title"_s,
        .defaultStatus = u"Проведено"_s,
        .counterField = {},
        .counterTitle = u"+1"_s,
        .filterField = u"type"_s,
        .breakdownField = u"category"_s,
        .reportTemplate =
            u"За период доходы {1} ₽, расходы {2} ₽, прибыль {3} ₽"_s,
    };
    // clang-format off
    // key, name, type, options, prompt, unit, flags, aliases
    const QList<FieldRow> fields{
        {u"title"_s, u"Операция"_s, FieldType::text, {}, u"Например, оплата аренды"_s, {}, perItem | inTable, {u"название"_s, u"назначение"_s, u"описание"_s, u"назначение платежа"_s}},
        {u"type"_s, u"Тип"_s, FieldType::choice, {u"Доход"_s, u"Расход"_s}, {}, {}, inTable, {u"вид"_s, u"приходрасход"_s, u"type"_s}},
        {u"category"_s, u"Статья"_s, FieldType::choice, {u"Продажи"_s, u"Услуги"_s, u"Закупка товара"_s, u"Аренда"_s, u"Зарплата"_s, u"Реклама"_s, u"Налоги"_s, u"Доставка"_s, u"Связь и сервисы"_s, u"Прочее"_s}, {}, {}, group | inTable, {u"категория"_s, u"статья доходов"_s, u"статья расходов"_s, u"category"_s}},
        {u"amount"_s, u"Сумма"_s, FieldType::number, {}, {}, u"₽"_s, perItem | inTable, {u"amount"_s, u"sum"_s, u"итого"_s}},
        {u"date"_s, u"Дата операции"_s, FieldType::date, {}, {}, {}, inTable, {u"дата"_s, u"date"_s, u"дата платежа"_s}},
        {u"counterparty"_s, u"Контрагент"_s, FieldType::text, {}, {}, {}, inTable, {u"клиент"_s, u"поставщик"_s, u"получатель"_s, u"плательщик"_s}},
        {u"method"_s, u"Способ оплаты"_s, FieldType::choice, {u"Наличные"_s, u"Карта"_s, u"Расчётный счёт"_s, u"Перевод"_s}, {}, {}, inTable, {u"оплата"_s, u"способ"_s}},
        {u"note"_s, u"Примечание"_s, FieldType::longText, {}, {}, {}, noFlags, {u"комментарий"_s, u"note"_s}},
    };
    // name, colour, date field, fills previous dates
    const QList<StatusRow> statuses{
        {u"Запланировано"_s, AppColor::gray, {}, true},
        {u"Проведено"_s, AppColor::green, u"date"_s, true},
    };
    // title, kind, date field, sum field, operands A and B, status filter, field filter and value, unit, colour,
    // symbol, subtitle
    const QList<MetricRow> metrics{
        {u"Доходы"_s, MetricKind::sum, u"date"_s, u"amount"_s, 0, 0, u"Проведено"_s, u"type"_s, u"Доход"_s, u"₽"_s, AppColor::green, u"arrow.down.circle.fill"_s, u"проведённые операции «Доход»"_s},
        {u"Расходы"_s, MetricKind::sum, u"date"_s, u"amount"_s, 0, 0, u"Проведено"_s, u"type"_s, u"Расход"_s, u"₽"_s, AppColor::red, u"arrow.up.circle.fill"_s, u"проведённые операции «Расход»"_s},
        {u"Прибыль"_s, MetricKind::difference, {}, {}, 1, 2, {}, {}, {}, u"₽"_s, AppColor::indigo, u"chart.line.uptrend.xyaxis"_s, u"доходы минус расходы"_s},
        {u"Операций"_s, MetricKind::count, u"date"_s, {}, 0, 0, u"Проведено"_s, {}, {}, {}, AppColor::blue, u"list.number"_s, u"проведено в периоде"_s},
    };
    // clang-format on
    return TemplateBuilder::build(journal, fields, statuses, metrics, clock);
}

Journal cards(const Clock& clock) {
    const JournalRow journal{
        .key = u"cards"_s,
        .name = u"Карточки товаров"_s,
        .icon = u"tshirt"_s,
        .itemNoun = {u"карточка"_s, u"карточки"_s, u"карточек"_s},
        .groupNoun = {u"модель"_s, u"модели"_s, u"моделей"_s},
        .batchTitle = u"Модель с размерами"_s,
        .hint =
            u"Каждый размер — отдельная карточка. Модель определяется по бренду и артикулу модели (если артикула нет — по бренду и названию). Размеры RU и US не пересчитываются автоматически."_s,
        .titleField = u"productName"_s,
        .defaultStatus = u"Исправлена"_s,
        .counterField = u"minorEdits"_s,
        .counterTitle = u"+1 правка"_s,
        .filterField = u"brand"_s,
        .breakdownField = u"brand"_s,
        .reportTemplate =
            u"За период {1|исправлена|исправлено|исправлено} {1} {1|карточка|карточки|карточек} по {3} {3|уникальной модели|уникальным моделям|уникальным моделям}, {4|выполнена|выполнено|выполнено} {4} {4|дополнительная мелкая правка|дополнительные мелкие правки|дополнительных мелких правок}"_s,
    };
    // clang-format off
    // key, name, type, options, prompt, unit, flags, aliases
    const QList<FieldRow> fields{
        {u"brand"_s, u"Бренд"_s, FieldType::text, {}, u"Например, Ромашка"_s, {}, group | inTable, {u"brand"_s, u"марка"_s, u"производитель"_s}},
        {u"productName"_s, u"Название товара"_s, FieldType::text, {}, {}, {}, inTable, {u"название"_s, u"товар"_s, u"наименование"_s, u"наименованиетовара"_s, u"name"_s, u"productname"_s}},
        {u"modelArticle"_s, u"Артикул модели"_s, FieldType::text, {}, {}, {}, group | inTable, {u"артикул"_s, u"модель"_s, u"артикулпродавца"_s, u"model"_s, u"modelarticle"_s, u"article"_s}},
        {u"sku"_s, u"SKU"_s, FieldType::text, {}, u"если есть"_s, {}, unique | perItem | inTable, {u"артикулразмера"_s, u"skuартикулразмера"_s, u"shopsku"_s, u"скю"_s, u"артикулsku"_s}},
        {u"sizeRU"_s, u"Размер RU"_s, FieldType::text, {}, u"например, 46"_s, {}, identity | perItem | inTable, {u"размеррф"_s, u"размерru"_s, u"размерру"_s, u"размеррос"_s, u"российскийразмер"_s, u"размер"_s, u"ru"_s, u"рф"_s, u"sizeru"_s}},
        {u"sizeUS"_s, u"Размер US"_s, FieldType::text, {}, u"например, M"_s, {}, identity | perItem | inTable, {u"размерсша"_s, u"американскийразмер"_s, u"us"_s, u"сша"_s, u"sizeus"_s}},
        {u"color"_s, u"Цвет"_s, FieldType::text, {}, {}, {}, identity | inTable, {u"color"_s, u"colour"_s}},
        {u"link"_s, u"Ссылка"_s, FieldType::link, {}, u"https://example.com/product/…"_s, {}, perItem | inTable, {u"ссылканакарточку"_s, u"ссылканакарточкутовара"_s, u"ссылканатовар"_s, u"ссылканамаркет"_s, u"ссылкамаркет"_s, u"urlкарточки"_s, u"url"_s, u"link"_s, u"адрес"_s}},
        {u"note"_s, u"Примечание"_s, FieldType::longText, {}, {}, {}, noFlags, {u"комментарий"_s, u"note"_s, u"comment"_s, u"заметка"_s}},
        {u"fixedDate"_s, u"Дата исправления"_s, FieldType::date, {}, {}, {}, inTable, {u"исправлена"_s, u"датаисправ"_s, u"fixeddate"_s, u"fixed"_s}},
        {u"transferredDate"_s, u"Дата передачи"_s, FieldType::date, {}, {}, {}, inTable, {u"передана"_s, u"transferreddate"_s, u"transferred"_s}},
        {u"minorEdits"_s, u"Мелкие правки"_s, FieldType::number, {}, {}, {}, perItem | inTable, {u"мелкиеправки"_s, u"допправки"_s, u"дополнительныемелкиеправки"_s, u"правки"_s, u"количестводополнительныхмелкихправок"_s, u"minoredits"_s, u"доппр"_s}},
    };
    // name, colour, date field, fills previous dates
    const QList<StatusRow> statuses{
        {u"В работе"_s, AppColor::orange, {}, true},
        {u"Исправлена"_s, AppColor::green, u"fixedDate"_s, true},
        {u"Передана"_s, AppColor::blue, u"transferredDate"_s, true},
        {u"Опубликована"_s, AppColor::purple, {}, true},
    };
    // title, kind, date field, sum field, operands A and B, status filter, field filter and value, unit, colour,
    // symbol, subtitle
    const QList<MetricRow> metrics{
        {u"Исправлено карточек"_s, MetricKind::count, u"fixedDate"_s, {}, 0, 0, {}, {}, {}, {}, AppColor::green, u"checkmark.circle.fill"_s, u"размеров с датой исправления в периоде"_s},
        {u"Передано карточек"_s, MetricKind::count, u"transferredDate"_s, {}, 0, 0, {}, {}, {}, {}, AppColor::blue, u"paperplane.fill"_s, u"с датой передачи в периоде"_s},
        {u"Уникальных моделей"_s, MetricKind::uniqueGroups, u"fixedDate"_s, {}, 0, 0, {}, {}, {}, {}, AppColor::indigo, u"tshirt.fill"_s, u"среди исправленных карточек"_s},
        {u"Мелких правок"_s, MetricKind::sum, u"fixedDate"_s, u"minorEdits"_s, 0, 0, {}, {}, {}, {}, AppColor::orange, u"pencil.and.list.clipboard"_s, u"дополнительно в исправленных карточках"_s},
    };
    // clang-format on
    return TemplateBuilder::build(journal, fields, statuses, metrics, clock);
}

} // namespace Templates
