#pragma once

#include "views/dashboard/DashboardHeader.h"
#include "views/dashboard/ReportBox.h"
#include "views/dashboard/StatTile.h"

#include <QComboBox>
#include <QCoreApplication>

// The dashboard's parts as a test finds them on screen, by object name.
inline DashboardHeader* headerOf(const QWidget* dashboard) {
    return dashboard->findChild<DashboardHeader*>(QStringLiteral("dashboardHeader"));
}
inline QComboBox* periodPickerOf(const QWidget* dashboard) {
    return dashboard->findChild<QComboBox*>(QStringLiteral("periodPicker"));
}
inline ReportBox* reportBoxOf(const QWidget* dashboard) {
    return dashboard->findChild<ReportBox*>(QStringLiteral("reportBox"));
}
// The tiles in their order; those the dashboard let go of go first, as the event loop would see to.
inline QList<StatTile*> tilesOf(const QWidget* dashboard) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return dashboard->findChild<QWidget*>(QStringLiteral("tiles"))
        ->findChildren<StatTile*>(Qt::FindDirectChildrenOnly);
}
