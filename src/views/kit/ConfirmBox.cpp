#include "views/kit/ConfirmBox.h"

#include "views/kit/AlertBox.h"
#include "views/kit/Style.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

QMessageBox* openConfirmBox(QWidget* parent, const QString& title, const QString& text, const QString& action,
                            QMessageBox::ButtonRole actionRole, const QString& back,
                            std::function<void()> onAction) {
    QMessageBox* box = makeAlertBox(parent, title, text);
    box->setWindowModality(Qt::WindowModal);
    // Every question here is a caution: the icon shows it, and a box without one would leave its icon
    // column empty.
    box->setIcon(QMessageBox::Warning);
    QPushButton* confirm = box->addButton(action, actionRole);
    if (actionRole == QMessageBox::DestructiveRole)
        Style::makeDestructive(confirm);
    QPushButton* cancel = box->addButton(back, QMessageBox::RejectRole);
    confirm->setObjectName(u"confirm"_s);
    cancel->setObjectName(u"back"_s);
    confirm->setAutoDefault(false);
    cancel->setAutoDefault(false);
    box->setEscapeButton(cancel);
    QObject::connect(box, &QDialog::finished, box, [box, confirm, onAction = std::move(onAction)] {
        box->deleteLater();
        if (box->clickedButton() == confirm)
            onAction();
    });
    box->open();
    // The button box makes its first accepting button the default once shown: undone, so Return stays inert.
    confirm->setDefault(false);
    // Qt focuses the first button, where Space would confirm at once.
    cancel->setFocus();
    return box;
}
