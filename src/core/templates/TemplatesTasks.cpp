// Tasks by project, a publication plan, and a simple journal of the user's own.

#include "core/templates/TemplateBuilder.h"
#include "core/templates/Templates.h"

using namespace Qt::StringLiterals;

namespace Templates {

Journal tasks(const Clock& clock) {
    const JournalRow journal{
        .key = u"tasks"_s,
        .name = u"Задачи"_s,
        .icon = u"checklist"_s,
        .itemNoun = {u"задача"_s, u"задачи"_s, u"задач"_s},
        .groupNoun = {u"проект"_s, u"проекта"_s, u"проектов"_s},
        .batchTitle = u"Несколько задач"_s,
        .hint =
            u"Задача попадает в «выполненные» периода по дате выполнения — она ставится сама при статусе «Выполнена»."_s,
        .titleField = u"title"_s,
        .defaultStatus = u"Новая"_s,
        .counterField = u"hours"_s,
        .counterTitle = u"+1 час"_s,
        .filterField = u"project"_s,
        .breakdownField = u"project"_s,
        .reportTemplate =
            u"За период {1|выполнена|выполнено|выполнено} {1} {1|задача|задачи|задач} по {2} {2|проекту|проектам|проектам}, затрачено {3} {3|час|часа|часов}"_s,
    };
    // clang-format off
    // key, name, type, options, prompt, unit, flags, aliases
    const QList<FieldRow> fields{
        {u"title"_s, u"Задача"_s, FieldType::text, {}, u"Что нужно сделать"_s, {}, perItem | inTable, {u"название"_s, u"task"_s, u"title"_s}},
        {u"project"_s, u"Проект"_s, FieldType::text, {}, {}, {}, group | inTable, {u"project"_s, u"клиент"_s}},
        {u"owner"_s, u"Ответственный"_s, FieldType::text, {}, {}, {}, inTable, {u"исполнитель"_s, u"owner"_s, u"assignee"_s}},
        {u"due"_s, u"Срок"_s, FieldType::date, {}, {}, {}, inTable, {u"дедлайн"_s, u"due"_s, u"deadline"_s}},
        {u"doneDate"_s, u"Дата выполнения"_s, FieldType::date, {}, {}, {}, inTable, {u"выполнена"_s, u"done"_s, u"donedate"_s}},
        {u"hours"_s, u"Часы"_s, FieldType::number, {}, {}, u"ч"_s, inTable, {u"время"_s, u"hours"_s, u"затраченовремени"_s}},
        {u"link"_s, u"Ссылка"_s, FieldType::link, {}, {}, {}, inTable, {u"url"_s, u"link"_s}},
        {u"note"_s, u"Примечание"_s, FieldType::longText, {}, {}, {}, noFlags, {u"комментарий"_s, u"note"_s}},
    };
    // name, colour, date field, fills previous dates
    const QList<StatusRow> statuses{
        {u"Новая"_s, AppColor::gray, {}, true},
        {u"В работе"_s, AppColor::orange, {}, true},
        {u"На проверке"_s, AppColor::yellow, {}, true},
        {u"Выполнена"_s, AppColor::green, u"doneDate"_s, true},
    };
    // title, kind, date field, sum field, operands A and B, status filter, field filter and value, unit, colour,
    // symbol, subtitle
    const QList<MetricRow> metrics{
        {u"Выполнено задач"_s, MetricKind::count, u"doneDate"_s, {}, 0, 0, {}, {}, {}, {}, AppColor::green, u"checkmark.circle.fill"_s, u"с датой выполнения в периоде"_s},
        {u"Проектов"_s, MetricKind::uniqueGroups, u"doneDate"_s, {}, 0, 0, {}, {}, {}, {}, AppColor::indigo, u"folder.fill"_s, u"с выполненными задачами"_s},
        {u"Часов"_s, MetricKind::sum, u"doneDate"_s, u"hours"_s, 0, 0, {}, {}, {}, u"ч"_s, AppColor::orange, u"clock.fill"_s, u"по выполненным задачам"_s},
        {u"Добавлено задач"_s, MetricKind::count, {}, {}, 0, 0, {}, {}, {}, {}, AppColor::blue, u"plus.circle.fill"_s, u"новых записей в периоде"_s},
    };
    // clang-format on
    return TemplateBuilder::build(journal, fields, statuses, metrics, clock);
}

Journal content(const Clock& clock) {
    const JournalRow journal{
        .key = u"content"_s,
        .name = u"Публикации"_s,
        .icon = u"megaphone"_s,
        .itemNoun = {u"материал"_s, u"материала"_s, u"материалов"_s},
        .groupNoun = {u"площадка"_s, u"площадки"_s, u"площадок"_s},
        .batchTitle = u"Несколько тем"_s,
        .hint = u"Материал попадает в «опубликованные» периода по дате публикации."_s,
        .titleField = u"topic"_s,
        .defaultStatus = u"Идея"_s,
        .counterField = {},
        .counterTitle = u"+1"_s,
        .filterField = u"platform"_s,
        .breakdownField = u"platform"_s,
        .reportTemplate =
            u"За период {1|опубликован|опубликовано|опубликовано} {1} {1|материал|материала|материалов} на {2} {2|площадке|площадках|площадках}, {3} {3|просмотр|просмотра|просмотров}"_s,
    };
    // clang-format off
    // key, name, type, options, prompt, unit, flags, aliases
    const QList<FieldRow> fields{
        {u"topic"_s, u"Тема"_s, FieldType::text, {}, {}, {}, perItem | inTable, {u"название"_s, u"заголовок"_s, u"topic"_s, u"title"_s}},
        {u"platform"_s, u"Площадка"_s, FieldType::choice, {u"Telegram"_s, u"VK"_s, u"Instagram"_s, u"YouTube"_s, u"Сайт"_s, u"Другое"_s}, {}, {}, group | inTable, {u"канал"_s, u"соцсеть"_s, u"platform"_s}},
        {u"pubDate"_s, u"Дата публикации"_s, FieldType::date, {}, {}, {}, inTable, {u"опубликовано"_s, u"дата"_s, u"pubdate"_s}},
        {u"views"_s, u"Просмотры"_s, FieldType::number, {}, {}, {}, inTable, {u"охват"_s, u"views"_s}},
        {u"link"_s, u"Ссылка"_s, FieldType::link, {}, {}, {}, perItem | inTable, {u"url"_s, u"link"_s}},
        {u"note"_s, u"Примечание"_s, FieldType::longText, {}, {}, {}, noFlags, {u"комментарий"_s, u"note"_s}},
    };
    // name, colour, date field, fills previous dates
    const QList<StatusRow> statuses{
        {u"Идея"_s, AppColor::gray, {}, true},
        {u"Черновик"_s, AppColor::orange, {}, true},
        {u"Опубликовано"_s, AppColor::green, u"pubDate"_s, true},
    };
    // title, kind, date field, sum field, operands A and B, status filter, field filter and value, unit, colour,
    // symbol, subtitle
    const QList<MetricRow> metrics{
        {u"Опубликовано"_s, MetricKind::count, u"pubDate"_s, {}, 0, 0, {}, {}, {}, {}, AppColor::green, u"checkmark.circle.fill"_s, u"материалов с датой публикации в периоде"_s},
        {u"Площадок"_s, MetricKind::uniqueGroups, u"pubDate"_s, {}, 0, 0, {}, {}, {}, {}, AppColor::indigo, u"square.grid.2x2.fill"_s, u"с публикациями"_s},
        {u"Просмотров"_s, MetricKind::sum, u"pubDate"_s, u"views"_s, 0, 0, {}, {}, {}, {}, AppColor::orange, u"eye.fill"_s, u"у опубликованных материалов"_s},
    };
    // clang-format on
    return TemplateBuilder::build(journal, fields, statuses, metrics, clock);
}

Journal blank(const Clock& clock) {
    const JournalRow journal{
        .key = u"blank"_s,
        .name = u"Мой журнал"_s,
        .icon = u"tray.full"_s,
        .itemNoun = {u"запись"_s, u"записи"_s, u"записей"_s},
        .groupNoun = {u"категория"_s, u"категории"_s, u"категорий"_s},
        .batchTitle = u"Несколько записей"_s,
        .hint = {},
        .titleField = u"title"_s,
        .defaultStatus = u"В работе"_s,
        .counterField = {},
        .counterTitle = u"+1"_s,
        .filterField = u"category"_s,
        .breakdownField = u"category"_s,
        .reportTemplate = {},
    };
    // clang-format off
    // key, name, type, options, prompt, unit, flags, aliases
    const QList<FieldRow> fields{
        {u"title"_s, u"Название"_s, FieldType::text, {}, {}, {}, perItem | inTable, {u"name"_s, u"title"_s}},
        {u"category"_s, u"Категория"_s, FieldType::text, {}, {}, {}, group | inTable, {u"группа"_s, u"category"_s}},
        {u"doneDate"_s, u"Дата выполнения"_s, FieldType::date, {}, {}, {}, inTable, {u"дата"_s, u"date"_s}},
        {u"quantity"_s, u"Количество"_s, FieldType::number, {}, {}, {}, inTable, {u"кол-во"_s, u"колво"_s, u"quantity"_s}},
        {u"link"_s, u"Ссылка"_s, FieldType::link, {}, {}, {}, inTable, {u"url"_s, u"link"_s}},
        {u"note"_s, u"Примечание"_s, FieldType::longText, {}, {}, {}, noFlags, {u"комментарий"_s, u"note"_s}},
    };
    // name, colour, date field, fills previous dates
    const QList<StatusRow> statuses{
        {u"В работе"_s, AppColor::orange, {}, true},
        {u"Готово"_s, AppColor::green, u"doneDate"_s, true},
    };
    // title, kind, date field, sum field, operands A and B, status filter, field filter and value, unit, colour,
    // symbol, subtitle
    const QList<MetricRow> metrics{
        {u"Готово"_s, MetricKind::count, u"doneDate"_s, {}, 0, 0, {}, {}, {}, {}, AppColor::green, u"checkmark.circle.fill"_s, u"с датой выполнения в периоде"_s},
        {u"Категорий"_s, MetricKind::uniqueGroups, u"doneDate"_s, {}, 0, 0, {}, {}, {}, {}, AppColor::indigo, u"square.stack.3d.up.fill"_s, u"среди готовых записей"_s},
        {u"Количество"_s, MetricKind::sum, u"doneDate"_s, u"quantity"_s, 0, 0, {}, {}, {}, {}, AppColor::orange, u"sum"_s, u"в готовых записях"_s},
        {u"Добавлено"_s, MetricKind::count, {}, {}, 0, 0, {}, {}, {}, {}, AppColor::blue, u"plus.circle.fill"_s, u"новых записей в периоде"_s},
    };
    // clang-format on
    return TemplateBuilder::build(journal, fields, statuses, metrics, clock);
}

} // namespace Templates
