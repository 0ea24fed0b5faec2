#include "BusinessWords.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace BusinessWords {

namespace {

const QStringList menNames{u"Александр"_s,  u"Дмитрий"_s, u"Сергей"_s, u"Андрей"_s, u"Алексей"_s,
                           u"Иван"_s,       u"Михаил"_s,  u"Никита"_s, u"Артём"_s,  u"Павел"_s,
                           u"Фёдор"_s,      u"Егор"_s,    u"Илья"_s,   u"Роман"_s,  u"Максим"_s,
                           u"Константин"_s, u"Евгений"_s, u"Тимофей"_s};
const QStringList womenNames{u"Анна"_s,     u"Мария"_s,     u"Елена"_s,  u"Ольга"_s,    u"Татьяна"_s,
                             u"Наталья"_s,  u"Екатерина"_s, u"Ирина"_s,  u"Светлана"_s, u"Юлия"_s,
                             u"Дарья"_s,    u"Полина"_s,    u"Ксения"_s, u"Алина"_s,    u"Софья"_s,
                             u"Вероника"_s, u"Марина"_s,    u"Людмила"_s};
// Fathers' names as a son's and a daughter's patronymic.
const QList<std::pair<QString, QString>> patronymics{{u"Александрович"_s, u"Александровна"_s},
                                                     {u"Дмитриевич"_s, u"Дмитриевна"_s},
                                                     {u"Сергеевич"_s, u"Сергеевна"_s},
                                                     {u"Андреевич"_s, u"Андреевна"_s},
                                                     {u"Алексеевич"_s, u"Алексеевна"_s},
                                                     {u"Иванович"_s, u"Ивановна"_s},
                                                     {u"Михайлович"_s, u"Михайловна"_s},
                                                     {u"Павлович"_s, u"Павловна"_s},
                                                     {u"Фёдорович"_s, u"Фёдоровна"_s},
                                                     {u"Ильич"_s, u"Ильинична"_s},
                                                     {u"Романович"_s, u"Романовна"_s},
                                                     {u"Максимович"_s, u"Максимовна"_s},
                                                     {u"Константинович"_s, u"Константиновна"_s},
                                                     {u"Евгеньевич"_s, u"Евгеньевна"_s},
                                                     {u"Викторович"_s, u"Викторовна"_s},
                                                     {u"Владимирович"_s, u"Владимировна"_s},
                                                     {u"Николаевич"_s, u"Николаевна"_s},
                                                     {u"Юрьевич"_s, u"Юрьевна"_s},
                                                     {u"Олегович"_s, u"Олеговна"_s},
                                                     {u"Игоревич"_s, u"Игоревна"_s},
                                                     {u"Петрович"_s, u"Петровна"_s},
                                                     {u"Борисович"_s, u"Борисовна"_s}};
// Men's surnames; a woman's adds "а".
const QStringList surnames{
    u"Иванов"_s,    u"Смирнов"_s,    u"Кузнецов"_s, u"Попов"_s,    u"Васильев"_s, u"Петров"_s,
    u"Соколов"_s,   u"Михайлов"_s,   u"Новиков"_s,  u"Фёдоров"_s,  u"Морозов"_s,  u"Волков"_s,
    u"Алексеев"_s,  u"Лебедев"_s,    u"Семёнов"_s,  u"Егоров"_s,   u"Павлов"_s,   u"Козлов"_s,
    u"Степанов"_s,  u"Николаев"_s,   u"Орлов"_s,    u"Андреев"_s,  u"Макаров"_s,  u"Никитин"_s,
    u"Захаров"_s,   u"Зайцев"_s,     u"Соловьёв"_s, u"Борисов"_s,  u"Яковлев"_s,  u"Григорьев"_s,
    u"Романов"_s,   u"Воробьёв"_s,   u"Сергеев"_s,  u"Кузьмин"_s,  u"Фролов"_s,   u"Дмитриев"_s,
    u"Королёв"_s,   u"Гусев"_s,      u"Киселёв"_s,  u"Ильин"_s,    u"Максимов"_s, u"Поляков"_s,
    u"Сорокин"_s,   u"Виноградов"_s, u"Ковалёв"_s,  u"Белов"_s,    u"Медведев"_s, u"Антонов"_s,
    u"Тарасов"_s,   u"Жуков"_s,      u"Баранов"_s,  u"Филиппов"_s, u"Комаров"_s,  u"Давыдов"_s,
    u"Беляев"_s,    u"Богданов"_s,   u"Осипов"_s,   u"Сидоров"_s,  u"Матвеев"_s,  u"Титов"_s,
    u"Марков"_s,    u"Миронов"_s,    u"Крылов"_s,   u"Куликов"_s,  u"Карпов"_s,   u"Власов"_s,
    u"Мельников"_s, u"Денисов"_s,    u"Гаврилов"_s, u"Тихонов"_s,  u"Казаков"_s,  u"Афанасьев"_s,
    u"Данилов"_s,   u"Савельев"_s,   u"Тимофеев"_s, u"Фомин"_s,    u"Чернов"_s,   u"Абрамов"_s,
    u"Мартынов"_s,  u"Ефимов"_s,     u"Назаров"_s,  u"Калинин"_s,  u"Голубев"_s,  u"Лазарев"_s};
const QString initials = u"АВГДЕИКЛМНОПРСФЮ"_s;
const QStringList companyNames{
    u"Тёплый край"_s, u"Горизонт"_s,      u"Ладья"_s,          u"Сосновый бор"_s,    u"Кедр"_s,
    u"Старый мост"_s, u"Зелёная улица"_s, u"Солнечный двор"_s, u"Ремесло"_s,         u"Берег"_s,
    u"Полёт"_s,       u"Светлый путь"_s,  u"Три сосны"_s,      u"Прогресс-Сервис"_s, u"Мир уюта"_s,
    u"Добрые руки"_s, u"Компас"_s,        u"Листопад"_s};
const QStringList supplierNames{u"ООО «Волжский текстиль»"_s, u"ООО «Ткани Поволжья»"_s,
                                u"ООО «Фурнитура-Опт»"_s,     u"ООО «Северная пряжа»"_s,
                                u"ООО «Упаковка и тара»"_s,   u"ИП Назарова Е. В."_s,
                                u"ИП Голубев С. А."_s,        u"ООО «Трикотажная фабрика»"_s};
const QStringList cities{u"Москва"_s,          u"Санкт-Петербург"_s, u"Казань"_s,      u"Екатеринбург"_s,
                         u"Нижний Новгород"_s, u"Самара"_s,          u"Тверь"_s,       u"Ярославль"_s,
                         u"Воронеж"_s,         u"Пермь"_s,           u"Новосибирск"_s, u"Краснодар"_s,
                         u"Иваново"_s,         u"Калуга"_s};
const QStringList mailboxes{u"info@example.com"_s, u"office@example.com"_s, u"zakaz@example.com"_s,
                            u"sales@example.com"_s, u"buh@example.com"_s};
const QStringList months{u"январь"_s, u"февраль"_s, u"март"_s,     u"апрель"_s,  u"май"_s,    u"июнь"_s,
                         u"июль"_s,   u"август"_s,  u"сентябрь"_s, u"октябрь"_s, u"ноябрь"_s, u"декабрь"_s};
const QStringList letterSizes{u"XS"_s, u"S"_s, u"M"_s, u"M"_s, u"L"_s, u"L"_s, u"XL"_s, u"XXL"_s};

// "Фамилия И. О." (each draw in a statement of its own, so that a seed gives the same names whatever order
// a compiler evaluates operands in).
QString surnameWithInitials(Draw& draw) {
    const bool woman = draw.chance(55);
    const QString surname = draw.pick(surnames) + (woman ? u"а"_s : QString());
    const QChar name = initials[draw.between(0, 15)];
    const QChar father = initials[draw.between(0, 15)];
    return surname + u' ' + name + u". "_s + father + u'.';
}

} // namespace

QString woman(Draw& draw) {
    const QString surname = draw.pick(surnames) + u'а';
    const QString name = draw.pick(womenNames);
    return surname + u' ' + name + u' ' + draw.pick(patronymics).second;
}

QString person(Draw& draw) {
    if (draw.chance(60))
        return woman(draw);
    const QString surname = draw.pick(surnames);
    const QString name = draw.pick(menNames);
    return surname + u' ' + name + u' ' + draw.pick(patronymics).first;
}

QString regular(Draw& draw) {
    std::mt19937 own(1'000 + unsigned(draw.between(0, 39)));
    Draw drawOwn(own);
    return person(drawOwn);
}

QString company(Draw& draw) {
    if (draw.chance(35))
        return u"ИП "_s + surnameWithInitials(draw);
    return u"ООО «"_s + draw.pick(companyNames) + u'»';
}

QString supplier(Draw& draw) {
    return draw.pick(supplierNames);
}

QString phone(Draw& draw) {
    const auto digits = [&draw](int count) {
        QString text;
        for (int i = 0; i < count; ++i)
            text += QChar(u'0' + draw.between(0, 9));
        return text;
    };
    QString number = u"+7 9"_s + digits(2);
    number += u' ' + digits(3);
    number += u'-' + digits(2);
    return number + u'-' + digits(2);
}

QString contact(const QString& client, bool company) {
    std::mt19937 own(unsigned(qHash(client, 0)));
    Draw draw(own);
    return company && draw.chance(40) ? draw.pick(mailboxes) : phone(draw);
}

QString city(Draw& draw) {
    return draw.pick(cities);
}

const QStringList& staff() {
    static const QStringList people{u"Ольга Кузнецова"_s, u"Дмитрий Орлов"_s, u"Марина Белова"_s,
                                    u"Елена Смирнова"_s, u"Игорь Павлов"_s};
    return people;
}

QString monthName(const QDate& date) {
    return months.value(date.month() - 1);
}

const QList<Product>& products() {
    static const QList<Product> list{
        {u"Футболка хлопковая белая"_s, u"TS-01"_s, 1290, true},
        {u"Футболка хлопковая чёрная"_s, u"TS-02"_s, 1290, true},
        {u"Футболка оверсайз молочная"_s, u"TS-05"_s, 1590, true},
        {u"Худи с капюшоном серое"_s, u"HD-01"_s, 3490, true},
        {u"Худи на молнии тёмно-синее"_s, u"HD-03"_s, 3790, true},
        {u"Свитшот базовый бежевый"_s, u"SW-02"_s, 2690, true},
        {u"Свитер шерстяной с косами"_s, u"KN-04"_s, 4900, true},
        {u"Платье-рубашка льняное"_s, u"DR-01"_s, 4290, true},
        {u"Брюки прямые льняные"_s, u"PN-02"_s, 3190, true},
        {u"Шапка вязаная"_s, u"KN-11"_s, 890, false},
        {u"Шарф шерстяной в клетку"_s, u"KN-12"_s, 1450, false},
        {u"Сумка-шоппер льняная"_s, u"BG-01"_s, 750, false},
        {u"Рюкзак городской"_s, u"BG-05"_s, 2990, false},
        {u"Фартук джинсовый"_s, u"AP-01"_s, 1350, false},
        {u"Носки хлопковые, 3 пары"_s, u"SK-03"_s, 490, false},
        {u"Подарочный сертификат на 3 000 ₽"_s, u"GC-3000"_s, 3000, false},
    };
    return list;
}

QString productLine(const Product& product, Draw& draw, QString* code) {
    if (!product.sized) {
        if (code)
            *code = product.code;
        return product.name;
    }
    const QString size = draw.pick(letterSizes);
    if (code)
        *code = product.code + u'-' + size;
    return product.name + u", "_s + size;
}

} // namespace BusinessWords
