#pragma once

#include "StoreSupport.h"
#include "core/model/Model.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QUuid>

// Journals and files for the shell's tests.
namespace TestSupport {

// The journal under another name, with `records` empty records added.
inline Journal named(Journal journal, const QString& name, int records = 0) {
    journal.name = name;
    for (int i = 0; i < records; ++i)
        journal.records.append(Record{QUuid::createUuid(), {}, {}, journal.createdAt, journal.createdAt});
    return journal;
}

// The journal adding one record at a time: none of its fields is filled item by item.
inline Journal singleEntry(Journal journal) {
    for (FieldDef& field : journal.fields)
        field.isPerItem = false;
    return journal;
}

// The text Qt draws for a button, a menu item or a label with a buddy: "&&" is one "&"; a lone "&" marks
// the Alt key of the control and is not drawn.
inline QString drawnText(QString text) {
    static const QRegularExpression mark(QStringLiteral("&(.?)"));
    return text.replace(mark, QStringLiteral("\\1"));
}

} // namespace TestSupport
