#include "views/cells/LinkConfirmation.h"

#include "app/LinkActions.h"
#include "views/kit/Dialogs.h"

using namespace Qt::StringLiterals;

QMessageBox* LinkActions::openConfirmingMany(QWidget* parent, const QList<QUrl>& urls) {
    if (!needsConfirmation(urls.size())) {
        open(urls);
        return nullptr;
    }
    // A plain action: an accept button would be made the default, and Return would open every link.
    return Dialogs::question(parent,
                             {.title = confirmationTitle(urls.size()),
                              .action = u"Открыть все"_s,
                              .actionRole = QMessageBox::ActionRole,
                              .icon = QMessageBox::Question},
                             [urls] { open(urls); });
}
