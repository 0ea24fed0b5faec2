// Orders, money in and out, deals with companies and stock movements.
#include "BusinessWords.h"
#include "RecordStory.h"

#include <cmath>

using namespace Qt::StringLiterals;
using Outcome = RecordStory::Outcome;

namespace RecordStories {

namespace {

// The shop's numbering began before its journal did.
constexpr int firstOrder = 10'241;

QString orderNumber(int serial) {
    return u"ЗК-"_s + QString::number(firstOrder + serial);
}

// Kopecks are the smallest money.
double kopecks(double roubles) {
    return std::round(roubles * 100) / 100;
}

// A note on an order: how it goes to the buyer, how it is paid or wrapped. A buyer in the shop takes the
// goods there, so their orders hold no delivery.
QString orderNote(const BusinessWords::Product& product, bool inShop, Draw& draw) {
    static const QStringList notes{u"Упаковать как подарок и вложить открытку \"С днём рождения\"."_s,
                                   u"Оплата частями: половина при заказе, остальное после примерки."_s};
    const int deliveries = inShop ? 0 : 3;
    const int kind = draw.between(product.sized ? -1 : 0, int(notes.size()) - 1 + deliveries);
    if (kind < 0)
        return u"Если размера M не будет, заменить на L — согласовано по телефону."_s;
    if (kind < notes.size())
        return notes[kind];
    switch (kind - notes.size()) {
    case 0:
        return u"Доставка курьером, "_s + BusinessWords::city(draw) + u". Позвонить за час до приезда."_s;
    case 1:
        return u"Отправка транспортной компанией в "_s + BusinessWords::city(draw) +
               u", до пункта выдачи; трек-номер отправить в сообщении."_s;
    default:
        return u"Самовывоз из мастерской."_s;
    }
}

// One entry of the money journal: what it says, who was paid or paid, how, and how much.
struct Operation {
    QString title;
    QString counterparty;
    QString method = u"Расчётный счёт"_s;
    double amount = 0;
};

// Income from the shop and the workshop.
Operation income(const QString& category, Draw& d) {
    Operation o;
    if (category == u"Услуги"_s) {
        o.counterparty = BusinessWords::person(d);
        o.title = u"Пошив и ремонт в ателье: "_s + o.counterparty;
        o.amount = d.roubles(600, 12'000, 50);
        o.method = d.chance(50) ? u"Карта"_s : u"Наличные"_s;
        return o;
    }
    switch (d.between(0, 2)) {
    case 0:
        o.title = u"Выручка магазина за день"_s;
        o.amount = d.roubles(8'000, 45'000, 10);
        o.method = u"Наличные"_s;
        break;
    case 1:
        o.title = u"Выплата маркетплейса за неделю"_s;
        o.amount = kopecks(d.between(4'000'000, 12'000'000) / 100.0);
        break;
    default:
        o.title = u"Оплата заказа "_s + orderNumber(d.between(0, 400));
        o.counterparty = BusinessWords::person(d);
        o.amount = d.roubles(1'290, 12'000, 10);
        o.method = u"Карта"_s;
    }
    return o;
}

// What the business pays for, in a month's usual amounts.
Operation expense(const QString& category, const RecordStory& s, Draw& d) {
    const QDate day = s.calendar.day(s.created);
    const QString month = BusinessWords::monthName(day);
    static const QStringList small{u"Упаковка и пакеты"_s, u"Канцтовары для мастерской"_s,
                                   u"Ремонт швейной машины"_s, u"Вода и чай в офис"_s};
    Operation o;
    if (category == u"Закупка товара"_s) {
        o.counterparty = BusinessWords::supplier(d);
        o.title = u"Оплата поставщику по счёту № "_s + QString::number(100 + s.serial);
        o.amount = kopecks(d.between(1'500'000, 7'000'000) / 100.0);
    } else if (category == u"Аренда"_s) {
        const bool workshop = d.chance(60);
        o.title = (workshop ? u"Аренда мастерской за "_s : u"Аренда склада за "_s) + month;
        o.counterparty = u"ИП Григорьев П. А."_s;
        o.amount = workshop ? 45'000 : 18'000;
    } else if (category == u"Зарплата"_s) {
        // Wages for a month come early in the next one; an advance on it in its second half.
        o.counterparty = d.pick(BusinessWords::staff());
        const bool wages = day.day() <= 15;
        o.title =
            wages ? u"Зарплата за "_s + BusinessWords::monthName(day.addMonths(-1)) : u"Аванс за "_s + month;
        o.title += u": "_s + o.counterparty;
        o.amount = wages ? d.roubles(30'000, 48'000, 500) : d.roubles(15'000, 22'000, 500);
        o.method = u"Перевод"_s;
    } else if (category == u"Налоги"_s) {
        o.title = d.chance(50) ? u"Налог по упрощённой системе за квартал"_s : u"Страховые взносы"_s;
        o.amount = d.roubles(5'000, 25'000, 1);
    } else {
        o.method = u"Карта"_s;
        if (category == u"Реклама"_s) {
            o.title = d.chance(50) ? u"Реклама в соцсетях"_s : u"Продвижение карточек на маркетплейсе"_s;
            o.amount = d.roubles(3'000, 25'000, 500);
        } else if (category == u"Доставка"_s) {
            o.title = u"Доставка заказов курьерской службой"_s;
            o.counterparty = u"ООО «Быстрая почта»"_s;
            o.amount = kopecks(d.between(35'000, 480'000) / 100.0);
        } else if (category == u"Связь и сервисы"_s) {
            o.title = d.chance(50) ? u"Интернет и телефон в мастерской"_s : u"Подписка на онлайн-кассу"_s;
            o.amount = d.roubles(450, 3'500, 10);
        } else {
            o.title = d.pick(small);
            o.amount = d.roubles(300, 8'000, 10);
        }
    }
    return o;
}

} // namespace

void sales(RecordStory& s, Draw& d) {
    static const QStringList channels{u"Сайт"_s,        u"Сайт"_s,        u"Сайт"_s,    u"Маркетплейс"_s,
                                      u"Маркетплейс"_s, u"Маркетплейс"_s, u"Магазин"_s, u"Магазин"_s,
                                      u"Telegram"_s,    u"Instagram"_s};
    static const QStringList returns{u"Возврат: не подошёл размер, обмен не нужен."_s,
                                     u"Возврат: цвет отличается от фото на сайте."_s,
                                     u"Возврат: брак шва на рукаве, деньги вернули на карту."_s};
    const BusinessWords::Product& product = d.pick(BusinessWords::products());
    const bool company = d.chance(8);
    const int quantity = company ? d.between(5, 40) : d.chance(80) ? 1 : d.between(2, 3);
    const QString channel = company ? u"Другое"_s : d.pick(channels);
    const QString number = orderNumber(s.serial);
    s.text(u"number"_s, number);
    s.text(u"client"_s, company        ? BusinessWords::company(d)
                        : d.chance(25) ? BusinessWords::regular(d)
                                       : BusinessWords::person(d));
    s.text(u"item"_s, BusinessWords::productLine(product, d));
    s.number(u"quantity"_s, quantity);
    s.number(u"amount"_s, product.price * quantity);
    s.text(u"channel"_s, channel);
    if (channel == u"Сайт"_s)
        s.text(u"link"_s, u"https://example.com/orders/"_s + QString::number(firstOrder + s.serial));

    // A buyer in the shop pays and takes the goods at once; other orders wait for payment and posting.
    const bool inShop = channel == u"Магазин"_s;
    const int wait = inShop ? 0 : 1;
    s.start(u"Новый"_s);
    bool returned = false;
    if (s.follow(d, {{u"Оплачен"_s, inShop ? 100 : 98, 0, 2 * wait}, {u"Отгружен"_s, 100, 0, 3 * wait}}) ==
        Outcome::taken) {
        // Private buyers bring back a few of their orders; a company's batch is not returned.
        returned = !company && d.chance(6) && s.move(d, {u"Возврат"_s, 100, 4, 14}) == Outcome::taken;
        if (!returned)
            s.move(d, {u"Завершён"_s, 100, 2 * wait, 7 * wait});
    }
    if (returned)
        s.text(u"note"_s, d.pick(returns));
    else if (d.chance(25))
        s.text(u"note"_s, orderNote(product, inShop, d));
}

void finance(RecordStory& s, Draw& d) {
    // Categories as often as a month holds them.
    static const QStringList categories{
        u"Продажи"_s,  u"Продажи"_s,         u"Продажи"_s, u"Продажи"_s,        u"Продажи"_s,
        u"Продажи"_s,  u"Услуги"_s,          u"Услуги"_s,  u"Закупка товара"_s, u"Закупка товара"_s,
        u"Аренда"_s,   u"Зарплата"_s,        u"Реклама"_s, u"Налоги"_s,         u"Доставка"_s,
        u"Доставка"_s, u"Связь и сервисы"_s, u"Прочее"_s};
    const QString category = d.pick(categories);
    const QString month = BusinessWords::monthName(s.calendar.day(s.created));
    const bool earned = category == u"Продажи"_s || category == u"Услуги"_s;
    const Operation o = earned ? income(category, d) : expense(category, s, d);
    s.text(u"title"_s, o.title);
    s.text(u"type"_s, earned ? u"Доход"_s : u"Расход"_s);
    s.text(u"category"_s, category);
    s.number(u"amount"_s, o.amount);
    s.text(u"counterparty"_s, o.counterparty);
    s.text(u"method"_s, o.method);
    if (d.chance(15))
        s.text(u"note"_s, u"Закрывающие документы получены, подшиты в папку за "_s + month + u'.');
    // Most operations are written down once done; a few are planned ahead and carried out later.
    if (d.chance(88)) {
        s.start(u"Проведено"_s);
    } else {
        s.start(u"Запланировано"_s);
        s.move(d, {u"Проведено"_s, 90, 2, 20});
    }
}

void crm(RecordStory& s, Draw& d) {
    struct Deal {
        QString what;
        int price;
        int fewest;
        int most;
    };
    static const QList<Deal> deals{
        {u"Футболки с логотипом для сотрудников"_s, 890, 30, 300},
        {u"Худи с вышивкой для команды"_s, 2'900, 10, 60},
        {u"Фартуки для персонала кафе"_s, 1'100, 8, 30},
        {u"Шопперы с печатью к конференции"_s, 420, 100, 500},
        {u"Форменная одежда для магазина"_s, 2'400, 6, 40},
        {u"Подарочные наборы к празднику"_s, 1'900, 20, 120},
    };
    static const QStringList sources{u"Сайт"_s,    u"Сайт"_s,    u"Рекомендация"_s, u"Рекомендация"_s,
                                     u"Реклама"_s, u"Соцсети"_s, u"Звонок"_s,       u"Другое"_s};
    static const QStringList notes{u"Просят образец ткани до оплаты."_s,
                                   u"Логотип пришлют в векторе, нужна вышивка на груди слева."_s,
                                   u"Сравнивают с другим поставщиком, решают по цене и сроку."_s,
                                   u"Нужен счёт и договор, оплата с расчётного счёта."_s};
    static const QStringList lost{u"Отказ: выбрали поставщика дешевле."_s,
                                  u"Отказ: не успеваем к их сроку."_s,
                                  u"Отказ: мероприятие перенесли на следующий год."_s};
    const Deal& deal = d.pick(deals);
    const int pieces = d.between(deal.fewest / 5, deal.most / 5) * 5;
    const bool company = d.chance(80);
    const QString client = company ? BusinessWords::company(d) : BusinessWords::person(d);
    s.text(u"client"_s, client);
    s.text(u"contact"_s, BusinessWords::contact(client, company));
    s.text(u"deal"_s, deal.what + u", "_s + QString::number(pieces) + u" шт"_s);
    s.number(u"amount"_s, double(deal.price) * pieces);
    s.text(u"source"_s, d.pick(sources));
    s.text(u"manager"_s, BusinessWords::staff().value(d.between(0, 1)));

    s.start(u"Новый"_s);
    const Outcome outcome =
        s.follow(d, {{u"В работе"_s, 90, 0, 2}, {u"Предложение"_s, 85, 1, 5}, {u"Оплачено"_s, 75, 3, 14}});
    const bool refused = outcome == Outcome::declined && s.move(d, {u"Отказ"_s, 85, 1, 10}) == Outcome::taken;
    if (refused)
        s.text(u"note"_s, d.pick(lost));
    else if (d.chance(30))
        s.text(u"note"_s, d.pick(notes));
    // An open deal has its next call in the diary; it may well lie ahead.
    if (!refused && outcome != Outcome::taken)
        s.day(u"nextDate"_s, d.later(s.last(), 1, 7));
}

void warehouse(RecordStory& s, Draw& d) {
    const BusinessWords::Product& product = d.pick(BusinessWords::products());
    QString code;
    s.text(u"product"_s, BusinessWords::productLine(product, d, &code));
    s.text(u"sku"_s, code);
    // Goods come in by the batch at the supplier's price and go out a few at a time at the shop's.
    const bool incoming = d.chance(25);
    const int quantity = incoming ? d.between(2, 12) * 5 : d.between(1, 4);
    const double price = incoming ? kopecks(product.price * 0.42) : product.price;
    s.text(u"operation"_s, incoming ? u"Приход"_s : u"Расход"_s);
    s.number(u"quantity"_s, quantity);
    s.number(u"price"_s, price);
    s.number(u"amount"_s, kopecks(price * quantity));
    s.text(u"counterparty"_s, incoming ? BusinessWords::supplier(d) : BusinessWords::person(d));
    s.text(u"document"_s,
           incoming ? u"УПД № "_s + QString::number(300 + s.serial) : orderNumber(s.serial * 3));
    if (incoming && d.chance(30))
        s.text(u"note"_s, u"Пересчитано при приёмке, расхождений нет."_s);
    // A stock line is posted as it is written, unless the delivery is still being counted.
    if (d.chance(90)) {
        s.start(u"Проведено"_s);
    } else {
        s.start(u"Черновик"_s);
        s.move(d, {u"Проведено"_s, 85, 0, 2});
    }
}

} // namespace RecordStories
