#include "views/cells/LinkConfirmation.h"

#include "app/LinkActions.h"
#include "views/kit/AlertBox.h"

#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

QMessageBox* LinkActions::openConfirmingMany(QWidget* parent, const QList<QUrl>& urls) {
    if (!needsConfirmation(urls.size())) {
        open(urls);
        return nullptr;
    }
    QMessageBox* box = makeAlertBox(parent, confirmationTitle(urls.size()), QString());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->setIcon(QMessageBox::Question);
    // A plain action: an accept button would be made the default, and Return would open every link.
    QPushButton* openAll = box->addButton(u"Открыть все"_s, QMessageBox::ActionRole);
    QPushButton* cancel = box->addButton(u"Отмена"_s, QMessageBox::RejectRole);
    // Neither button takes Return; Escape takes the cancel button.
    openAll->setAutoDefault(false);
    cancel->setAutoDefault(false);
    box->setEscapeButton(cancel);
    QObject::connect(box, &QMessageBox::buttonClicked, box, [openAll, urls](QAbstractButton* clicked) {
        if (clicked == openAll)
            open(urls);
    });
    box->open();
    // Qt gives the keyboard focus to the first button, where Space would open every link at once.
    cancel->setFocus();
    return box;
}
