#pragma once

#include "app/JournalTab.h"
#include "core/model/Model.h"
#include "views/kit/JournalTabView.h"

#include <QPointer>
#include <QUuid>
#include <QWidget>

#include <memory>
#include <optional>

class AppCommands;
class AppRouter;
class AppStore;
class JournalIndex;
class JournalToolbar;
class MetricTable;
class QSettings;
class QVBoxLayout;

// The journal screen: its toolbar (the tab switch, the add menu, import, export, settings) above the
// dashboard or the records tab. The tab's content belongs to one journal: another journal, or the other
// tab, builds it afresh, so its view state never carries over; a changed copy of the same journal is
// handed to the existing content. What the tabs derive from the journal's records is kept here while the
// journal is shown, so that going back to a tab does not derive it again, and let go as soon as another
// journal is shown.
class JournalDetailView : public QWidget {
    Q_OBJECT
public:
    JournalDetailView(AppStore& store, AppRouter& router, AppCommands& commands, QSettings& settings,
                      QWidget* parent = nullptr);

    void setJournal(const Journal& journal);
    // The screen leaves the window (no journal is selected): its tab's view state goes, so a journal
    // selected again starts afresh.
    void clearJournal();
    const Journal& journal() const { return m_journal; }

private:
    void rebuildContentIfNeeded();
    void dropContent();

    AppStore& m_store;
    AppRouter& m_router;
    QSettings& m_preferences;
    Journal m_journal;
    std::optional<std::pair<QUuid, JournalTab>> m_contentIdentity;
    QPointer<JournalTabView> m_content;
    // What the tabs derived from m_journal's records, each once its tab was shown.
    struct Derived {
        std::shared_ptr<JournalIndex> index;  // the records tab's
        std::shared_ptr<MetricTable> metrics; // the dashboard's figures
    };
    Derived m_derived;
    QVBoxLayout* m_layout = nullptr;
    JournalToolbar* m_toolbar = nullptr;
};
