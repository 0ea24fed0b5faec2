#include "views/shell/JournalDetailView.h"

#include "app/AppRouter.h"
#include "core/journal/JournalIndex.h"
#include "views/dashboard/DashboardView.h"
#include "views/kit/Style.h"
#include "views/records/RecordsListView.h"
#include "views/shell/JournalToolbar.h"

#include <QFrame>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

JournalDetailView::JournalDetailView(AppStore& store, AppRouter& router, AppCommands& commands,
                                     QSettings& settings, QWidget* parent)
    : QWidget(parent), m_store(store), m_router(router), m_preferences(settings) {
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    m_toolbar = new JournalToolbar(router, commands, this);
    m_layout->addWidget(m_toolbar);

    m_layout->addWidget(Style::separatorLine(this));

    connect(&m_router, &AppRouter::tabChanged, this, [this] {
        rebuildContentIfNeeded();
        m_toolbar->refresh(m_journal);
    });
}

void JournalDetailView::setJournal(const Journal& journal) {
    if (journal.id != m_journal.id)
        m_derived = {};
    m_journal = journal;
    rebuildContentIfNeeded();
    m_toolbar->refresh(m_journal);
}

void JournalDetailView::clearJournal() {
    m_journal = Journal{};
    m_derived = {};
    dropContent();
}

void JournalDetailView::dropContent() {
    m_contentIdentity.reset();
    if (!m_content)
        return;
    m_layout->removeWidget(m_content);
    m_content->hide();
    // A slot of the old content may be running right now (a store change from its own action).
    m_content->deleteLater();
    m_content = nullptr;
}

void JournalDetailView::rebuildContentIfNeeded() {
    if (m_journal.id.isNull())
        return;
    const std::pair identity{m_journal.id, m_router.tab()};
    if (m_content && m_contentIdentity == identity) {
        m_content->setJournal(m_journal);
        return;
    }
    dropContent();
    m_contentIdentity = identity;
    if (identity.second == JournalTab::records) {
        if (!m_derived.index)
            m_derived.index = std::make_shared<JournalIndex>(m_router.calendar());
        m_content = new RecordsListView(m_store, m_router, m_journal, m_derived.index, this);
    } else {
        if (!m_derived.metrics)
            m_derived.metrics = std::make_shared<MetricTable>();
        m_content = new DashboardView(m_router, m_preferences, m_journal, m_derived.metrics, this);
    }
    m_content->setObjectName(u"tabContent_"_s + rawValue(identity.second));
    m_layout->addWidget(m_content, 1);
}
