// The workshop's visits, the team's tasks, publications, product cards for marketplaces and a list of
// materials kept in a journal of the user's own.
#include "BusinessWords.h"
#include "RecordStory.h"

using namespace Qt::StringLiterals;
using Outcome = RecordStory::Outcome;

namespace RecordStories {

void services(RecordStory& s, Draw& d) {
    struct Service {
        QString name;
        int price;
        bool forWomen;
    };
    static const QList<Service> list{
        {u"Подгонка брюк по длине"_s, 600, false},     {u"Замена молнии в куртке"_s, 1'200, false},
        {u"Ушить платье по фигуре"_s, 1'800, true},    {u"Пошив юбки по меркам"_s, 4'500, true},
        {u"Ремонт подкладки пальто"_s, 1'500, false},  {u"Снятие мерок и консультация"_s, 500, false},
        {u"Укоротить рукава пиджака"_s, 1'400, false}, {u"Пошив рубашки по меркам"_s, 5'200, false},
    };
    static const QStringList notes{u"Свои пуговицы принесёт на примерку."_s,
                                   u"Позвонить, когда будет готово."_s,
                                   u"Срочно, к субботе: доплата за срочность включена в стоимость."_s};
    const Service& service = d.pick(list);
    const QString client = service.forWomen ? BusinessWords::woman(d) : BusinessWords::person(d);
    s.text(u"client"_s, client);
    s.text(u"phone"_s, BusinessWords::contact(client, false));
    s.text(u"service"_s, service.name);
    s.text(u"staff"_s, BusinessWords::staff().value(d.between(2, 3)));
    s.number(u"price"_s, service.price);
    if (d.chance(20))
        s.text(u"note"_s, d.pick(notes));
    // A client books a visit for a day ahead; the visit is done that day, or called off before it.
    const QDateTime visit = d.later(s.created, 0, 10);
    s.day(u"visitDate"_s, visit);
    s.start(u"Записан"_s);
    bool done = false;
    if (d.chance(8)) {
        if (const QDateTime call = s.created.addSecs(s.created.secsTo(visit) / 2); call <= s.end)
            s.statuses.append({u"Отменено"_s, call});
    } else if (visit <= s.end) {
        s.statuses.append({u"Выполнено"_s, visit});
        done = true;
    }
    // Paid at the visit; a few pay when they book, and a cancelled visit is paid back.
    if (done || (s.statuses.size() == 1 && d.chance(30)))
        s.flag(u"paid"_s);
}

void tasks(RecordStory& s, Draw& d) {
    struct Task {
        QString title;
        QString project;
    };
    static const QList<Task> list{
        {u"Подготовить фото новой коллекции"_s, u"Весенняя коллекция"_s},
        {u"Согласовать лекала льняного платья"_s, u"Весенняя коллекция"_s},
        {u"Заказать образцы ткани"_s, u"Весенняя коллекция"_s},
        {u"Обновить таблицу размеров на сайте"_s, u"Сайт магазина"_s},
        {u"Поправить форму оформления заказа"_s, u"Сайт магазина"_s},
        {u"Написать тексты для страницы «О нас»"_s, u"Сайт магазина"_s},
        {u"Ответить на отзывы покупателей"_s, u"Маркетплейс"_s},
        {u"Загрузить новые карточки товаров"_s, u"Маркетплейс"_s},
        {u"Сверить остатки на складе"_s, u"Склад"_s},
        {u"Разобрать поставку фурнитуры"_s, u"Склад"_s},
        {u"Подготовить коммерческое предложение"_s, u"Корпоративные заказы"_s},
        {u"Согласовать макет вышивки с клиентом"_s, u"Корпоративные заказы"_s},
        {u"Настроить оверлок после ремонта"_s, u"Ателье"_s},
        {u"Заказать новые бирки с логотипом"_s, u"Весенняя коллекция"_s},
        {u"Снять видео-обзор худи"_s, u"Маркетплейс"_s},
        {u"Проверить возвраты за месяц"_s, u"Маркетплейс"_s},
        {u"Переставить стеллажи под новую коллекцию"_s, u"Склад"_s},
        {u"Подключить оплату по СБП на сайте"_s, u"Сайт магазина"_s},
        {u"Выставить счёт и закрывающие документы"_s, u"Корпоративные заказы"_s},
        {u"Составить график работы мастеров"_s, u"Ателье"_s},
    };
    static const QStringList notes{u"Сначала уточнить у Ольги, какие размеры в приоритете."_s,
                                   u"Черновик лежит в общей папке, осталось проверить цены."_s,
                                   u"Ждём ответа поставщика, без него не начинать."_s};
    // The list is gone through in a mixed order, so that a task comes back only after the others.
    const Task& task = list[s.serial * 7 % list.size()];
    s.text(u"title"_s, task.title);
    s.text(u"project"_s, task.project);
    s.text(u"owner"_s, d.pick(BusinessWords::staff()));
    s.day(u"due"_s, d.later(s.created, 2, 21));
    if (d.chance(30))
        s.text(u"link"_s, u"https://example.com/tasks/"_s + QString::number(1'200 + s.serial));
    if (d.chance(25))
        s.text(u"note"_s, d.pick(notes));
    s.start(u"Новая"_s);
    s.follow(d, {{u"В работе"_s, 90, 0, 3}, {u"На проверке"_s, 88, 1, 6}, {u"Выполнена"_s, 95, 0, 3}});
    // Hours are written once work has begun, a few more at every step.
    int hours = 0;
    for (qsizetype step = 1; step < s.statuses.size(); ++step)
        hours += d.between(1, 5);
    if (hours > 0)
        s.number(u"hours"_s, hours);
}

void content(RecordStory& s, Draw& d) {
    struct Platform {
        QString name;
        int fewestViews;
        int mostViews;
    };
    static const QList<Platform> platforms{{u"Telegram"_s, 300, 4'000},  {u"Telegram"_s, 300, 4'000},
                                           {u"VK"_s, 200, 6'000},        {u"VK"_s, 200, 6'000},
                                           {u"Instagram"_s, 500, 9'000}, {u"YouTube"_s, 800, 25'000},
                                           {u"Сайт"_s, 100, 1'500},      {u"Другое"_s, 50, 800}};
    static const QStringList topics{u"Как подобрать размер худи"_s,
                                    u"Новая коллекция: льняные платья"_s,
                                    u"Как стирать шерстяные вещи"_s,
                                    u"Как мы шьём футболки: от ткани до упаковки"_s,
                                    u"Отзыв покупательницы о платье-рубашке"_s,
                                    u"Пять образов с базовым свитшотом"_s,
                                    u"Чем футер отличается от кулирки"_s,
                                    u"Подарочные сертификаты: как работают"_s,
                                    u"Знакомьтесь: наша швея Марина"_s,
                                    u"Скидки на прошлогоднюю коллекцию"_s,
                                    u"Уход за льном: гладить или нет"_s,
                                    u"Корпоративный мерч: как заказать"_s,
                                    u"Как мы упаковываем заказы"_s,
                                    u"Три способа носить шарф"_s,
                                    u"Ответы на вопросы о доставке"_s,
                                    u"Как избежать катышков на свитере"_s,
                                    u"Итоги месяца: самые популярные модели"_s,
                                    u"Как снять мерки дома"_s,
                                    u"Из чего шьём: хлопок, лён, шерсть"_s};
    const Platform& platform = d.pick(platforms);
    s.text(u"topic"_s, topics[s.serial * 5 % topics.size()]); // each topic once before any comes back
    s.text(u"platform"_s, platform.name);
    if (d.chance(20))
        s.text(u"note"_s, u"Фото из последней съёмки, подпись согласовать с Дмитрием."_s);
    s.start(u"Идея"_s);
    if (s.follow(d, {{u"Черновик"_s, 80, 1, 10}, {u"Опубликовано"_s, 90, 1, 5}}) == Outcome::taken) {
        s.number(u"views"_s, d.between(platform.fewestViews, platform.mostViews));
        s.text(u"link"_s, u"https://example.com/posts/"_s + QString::number(500 + s.serial));
    }
}

void cards(RecordStory& s, Draw& d) {
    static const QStringList models{u"Футболка хлопковая"_s,     u"Футболка оверсайз"_s,
                                    u"Худи с капюшоном"_s,       u"Худи на молнии"_s,
                                    u"Свитшот базовый"_s,        u"Свитер шерстяной"_s,
                                    u"Платье-рубашка льняное"_s, u"Брюки прямые льняные"_s,
                                    u"Лонгслив в рубчик"_s,      u"Рубашка фланелевая"_s};
    static const QStringList colours{u"белый"_s,       u"чёрный"_s,  u"молочный"_s, u"серый меланж"_s,
                                     u"тёмно-синий"_s, u"бежевый"_s, u"хаки"_s,     u"бордовый"_s};
    static const QStringList brands{u"Северная нить"_s, u"Северная нить"_s, u"Лён и хлопок"_s, u"Ромашка"_s};
    static const QStringList notes{u"Исправлен состав ткани и таблица размеров."_s,
                                   u"Заменены фото: на старых был другой оттенок."_s,
                                   u"Добавлены обмеры изделия и уход."_s};
    // A model's sizes are written one after another, each a card of its own.
    static const QStringList sizesRU{u"44"_s, u"46"_s, u"48"_s, u"50"_s, u"52"_s};
    static const QStringList sizesUS{u"S"_s, u"M"_s, u"L"_s, u"XL"_s, u"XXL"_s};
    const int model = s.serial / 5, size = s.serial % 5;
    const QString article = u"SN-"_s + QString::number(2'040 + model);
    const QString sku = article + u'-' + sizesRU[size];
    s.text(u"brand"_s, brands[model % brands.size()]);
    s.text(u"productName"_s, models[model * 7 % models.size()]);
    s.text(u"modelArticle"_s, article);
    s.text(u"sku"_s, sku);
    s.text(u"sizeRU"_s, sizesRU[size]);
    s.text(u"sizeUS"_s, sizesUS[size]);
    s.text(u"color"_s, colours[model * 3 % colours.size()]);
    s.text(u"link"_s, u"https://example.com/product/"_s + sku);
    if (d.chance(35))
        s.text(u"note"_s, d.pick(notes));
    if (d.chance(50))
        s.number(u"minorEdits"_s, d.between(1, 3));
    // A card is mostly fixed at one sitting; some wait a few days, a few for good.
    if (d.chance(80)) {
        s.start(u"Исправлена"_s);
    } else {
        s.start(u"В работе"_s);
        if (s.move(d, {u"Исправлена"_s, 90, 0, 3}) != Outcome::taken)
            return;
    }
    s.follow(d, {{u"Передана"_s, 85, 0, 3}, {u"Опубликована"_s, 90, 1, 4}});
}

void blank(RecordStory& s, Draw& d) {
    struct Material {
        QString title;
        QString category;
        int fewest;
        int most;
    };
    static const QList<Material> list{
        {u"Футер трёхнитка, чёрный"_s, u"Ткани"_s, 20, 120},
        {u"Кулирка хлопковая, белая"_s, u"Ткани"_s, 20, 150},
        {u"Лён костюмный, натуральный"_s, u"Ткани"_s, 10, 60},
        {u"Молния тракторная 60 см"_s, u"Фурнитура"_s, 50, 200},
        {u"Пуговицы деревянные 15 мм"_s, u"Фурнитура"_s, 100, 500},
        {u"Нитки армированные, чёрные"_s, u"Нитки"_s, 10, 40},
        {u"Нитки армированные, белые"_s, u"Нитки"_s, 10, 40},
        {u"Пакеты с замком 30×40"_s, u"Упаковка"_s, 100, 500},
        {u"Коробки для отправки, малые"_s, u"Упаковка"_s, 50, 200},
        {u"Бирки с логотипом"_s, u"Упаковка"_s, 200, 1'000},
        {u"Иглы для трикотажа"_s, u"Инструменты"_s, 10, 50},
    };
    const Material& material = d.pick(list);
    s.text(u"title"_s, material.title);
    s.text(u"category"_s, material.category);
    s.number(u"quantity"_s, d.between(material.fewest / 10, material.most / 10) * 10);
    if (d.chance(30))
        s.text(u"link"_s, u"https://example.com/catalog/"_s + QString::number(7'000 + s.serial));
    if (d.chance(40))
        s.text(u"note"_s, u"Поставщик: "_s + BusinessWords::supplier(d) + u", оплата по счёту."_s);
    // Materials are ordered, then counted in once they arrive.
    s.start(u"В работе"_s);
    s.move(d, {u"Готово"_s, 90, 2, 10});
}

} // namespace RecordStories
