#include "views/records/ManyLinksQuestion.h"

#include "app/cells/LinkActions.h"
#include "views/kit/Dialogs.h"

using namespace Qt::StringLiterals;

QMessageBox* openLinksAskingForMany(QWidget* parent, const QList<QUrl>& urls) {
    if (!LinkActions::needsConfirmation(urls.size())) {
        LinkActions::open(urls);
        return nullptr;
    }
    // A plain action: an accept button would be made the default, and Return would open every link.
    return Dialogs::question(parent,
                             {.title = LinkActions::confirmationTitle(urls.size()),
                              .action = u"Открыть все"_s,
                              .actionRole = QMessageBox::ActionRole,
                              .icon = QMessageBox::Question},
                             [urls] { LinkActions::open(urls); });
}
