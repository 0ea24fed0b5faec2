#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// Opening web links in the user's default browser.
namespace LinkActions {

// Up to this many links open at once; more ask first.
inline constexpr qsizetype maxWithoutConfirmation = 5;

// Hands each address, in list order, to the system's URL handler; failures are not reported.
void open(const QList<QUrl>& urls);

// True when opening this many links at once needs the user's confirmation.
bool needsConfirmation(qsizetype count);
// The question asked before opening many links: "Открыть 7 ссылок в браузере?".
QString confirmationTitle(qsizetype count);

} // namespace LinkActions
