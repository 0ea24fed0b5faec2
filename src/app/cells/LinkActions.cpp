#include "app/cells/LinkActions.h"

#include "core/model/NumberFormat.h"

#include <QDesktopServices>

using namespace Qt::StringLiterals;

void LinkActions::open(const QList<QUrl>& urls) {
    for (const QUrl& url : urls)
        QDesktopServices::openUrl(url);
}

bool LinkActions::needsConfirmation(qsizetype count) {
    return count > maxWithoutConfirmation;
}

QString LinkActions::confirmationTitle(qsizetype count) {
    // The question keeps the one noun form "ссылок" whatever the count.
    return u"Открыть "_s + NumberFormat::count(count) + u" ссылок в браузере?"_s;
}
