#pragma once

#include "JournalTabView.h"

class AppRouter;
class QLabel;
class QSettings;

// The dashboard tab of one journal.
class DashboardView : public JournalTabView {
    Q_OBJECT
public:
    DashboardView(AppRouter& router, QSettings& settings, const Journal& journal, QWidget* parent = nullptr);
    void setJournal(const Journal& journal) override;

private:
    AppRouter& m_router;
    QSettings& m_settings;
    Journal m_journal;
    QLabel* m_label = nullptr;
};
