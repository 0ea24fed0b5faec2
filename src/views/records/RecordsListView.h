#pragma once

#include "JournalTabView.h"

class AppRouter;
class AppStore;
class QLabel;

// The records tab of one journal.
class RecordsListView : public JournalTabView {
    Q_OBJECT
public:
    RecordsListView(AppStore& store, AppRouter& router, const Journal& journal, QWidget* parent = nullptr);
    void setJournal(const Journal& journal) override;

private:
    AppStore& m_store;
    AppRouter& m_router;
    Journal m_journal;
    QLabel* m_label = nullptr;
};
