#include "views/kit/AlertBox.h"

#include <QLabel>

using namespace Qt::StringLiterals;

QMessageBox* makeAlertBox(QWidget* parent, const QString& title, const QString& text) {
    auto* box = new QMessageBox(parent);
    box->setTextFormat(Qt::PlainText);
    setAlertText(box, title, text);
    box->setStyleSheet(u"QLabel#qt_msgbox_label { font-weight: bold; }"
                       u"QLabel#qt_msgbox_informativelabel { min-width: 360px; }"_s);
    return box;
}

void setAlertText(QMessageBox* box, const QString& title, const QString& text) {
    box->setWindowTitle(title);
    box->setText(title);
    box->setInformativeText(text);
    // The box's text format leaves the label of the informative text alone, and Qt makes that label anew
    // after an empty text: a message quoting a header such as "<b>Имя</b>" would be drawn as markup.
    for (QLabel* label : box->findChildren<QLabel*>(u"qt_msgbox_informativelabel"_s))
        label->setTextFormat(Qt::PlainText);
}
