#pragma once

#include "views/dashboard/StatTile.h"
#include "views/dashboard/WrappedText.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

// The dashboard's parts as a test finds them on screen, by object name.

// The line beside the journal's name that counts its records (and groups).
inline QString countLineOf(const QWidget* dashboard) {
    return dashboard->findChild<QLabel*>(QStringLiteral("countLine"))->text();
}
inline QComboBox* periodPickerOf(const QWidget* dashboard) {
    return dashboard->findChild<QComboBox*>(QStringLiteral("periodPicker"));
}
// The report's text as its box shows it.
inline QString reportOf(const QWidget* dashboard) {
    return dashboard->findChild<WrappedText*>(QStringLiteral("reportText"))->text();
}
// The tiles in their order; those the dashboard let go of go first, as the event loop would see to.
inline QList<StatTile*> tilesOf(const QWidget* dashboard) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return dashboard->findChild<QWidget*>(QStringLiteral("tiles"))
        ->findChildren<StatTile*>(Qt::FindDirectChildrenOnly);
}
