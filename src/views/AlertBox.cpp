#include "AlertBox.h"

QMessageBox* makeAlertBox(QWidget* parent, const QString& title, const QString& text) {
    auto* box = new QMessageBox(parent);
    box->setTextFormat(Qt::PlainText);
    box->setWindowTitle(title);
    box->setText(title);
    box->setInformativeText(text);
    box->setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { font-weight: bold; }"
                                      "QLabel#qt_msgbox_informativelabel { min-width: 360px; }"));
    return box;
}
