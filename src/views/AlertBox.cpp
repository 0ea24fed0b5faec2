#include "AlertBox.h"

#include <QLabel>

QMessageBox* makeAlertBox(QWidget* parent, const QString& title, const QString& text) {
    auto* box = new QMessageBox(parent);
    box->setTextFormat(Qt::PlainText);
    setAlertText(box, title, text);
    box->setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { font-weight: bold; }"
                                      "QLabel#qt_msgbox_informativelabel { min-width: 360px; }"));
    return box;
}

void setAlertText(QMessageBox* box, const QString& title, const QString& text) {
    box->setWindowTitle(title);
    box->setText(title);
    box->setInformativeText(text);
    // The box's text format leaves the label of the informative text alone, and Qt makes that label anew
    // after an empty text: a message quoting a header such as "<b>Имя</b>" would be drawn as markup.
    for (QLabel* label : box->findChildren<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        label->setTextFormat(Qt::PlainText);
}
