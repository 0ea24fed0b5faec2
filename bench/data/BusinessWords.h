#pragma once

#include "Draw.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The people, companies, places and goods of a small clothing business with its own sewing workshop, as its
// journals name them. Every name is made up: no real brand, shop or marketplace; addresses use example.com.
namespace BusinessWords {

// A private client as papers name one: surname, first name and patronymic, agreeing with each other.
QString person(Draw& draw);
// A woman client, for what only women order.
QString woman(Draw& draw);
// One of the few dozen clients who come back, drawn so that each comes back under the same name.
QString regular(Draw& draw);
// A company or a sole trader: ООО «…» or ИП Фамилия И. О.
QString company(Draw& draw);
// A supplier of fabric, fittings or goods.
QString supplier(Draw& draw);
// A mobile number written as people write it: +7 9xx xxx-xx-xx.
QString phone(Draw& draw);
// How a client is reached, the same each time the client comes up: a phone, or for a company at times
// its mailbox on the example domain.
QString contact(const QString& client, bool company);
QString city(Draw& draw);
// The business's own people, who take orders, sew, post and answer.
const QStringList& staff();
// The month a date falls in, as "за май" needs it.
QString monthName(const QDate& date);

// A good the shop sells, with its price in roubles; clothes come in letter sizes.
struct Product {
    QString name;
    QString code;
    double price;
    bool sized;
};
const QList<Product>& products();
// The product as an order or a stock line names it, with a size where it has one; `code` gets its
// article with the size.
QString productLine(const Product& product, Draw& draw, QString* code = nullptr);

} // namespace BusinessWords
