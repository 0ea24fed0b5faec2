#include "views/shell/JournalDetailView.h"

#include "app/AppCommands.h"
#include "app/AppRouter.h"
#include "app/ShellRules.h"
#include "app/ShortcutText.h"
#include "core/journal/JournalIndex.h"
#include "views/dashboard/DashboardView.h"
#include "views/kit/CommandButton.h"
#include "views/kit/Icons.h"
#include "views/kit/Style.h"
#include "views/records/RecordsListView.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A toolbar button showing one of the window's commands: its icon, short label and help text.
template <class Button = QToolButton>
Button* toolButton(QAction* command, const QString& name, QWidget* parent) {
    auto* button = new Button(parent);
    button->setDefaultAction(command);
    button->setObjectName(name);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setIconSize(QSize(18, 18));
    return button;
}

} // namespace

JournalDetailView::JournalDetailView(AppStore& store, AppRouter& router, AppCommands& commands,
                                     QSettings& settings, QWidget* parent)
    : QWidget(parent), m_store(store), m_router(router), m_commands(commands), m_preferences(settings) {
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    auto* toolbar = new QWidget(this);
    toolbar->setObjectName(u"journalToolbar"_s);
    auto* bar = new QGridLayout(toolbar);
    bar->setContentsMargins(12, 8, 12, 8);
    bar->setColumnStretch(0, 1);
    bar->setColumnStretch(2, 1);

    // The tab switch: a segmented control in the toolbar's centre.
    auto* segments = new QFrame(toolbar);
    segments->setObjectName(u"tabPicker"_s);
    segments->setFixedWidth(220);
    segments->setToolTip(withShortcut(u"Итоги"_s, AppKeys::dashboardTab()) + u" / "_s +
                         withShortcut(u"Записи"_s, AppKeys::recordsTab()));
    Style::makeSegmented(segments);
    auto* segmentsLayout = new QHBoxLayout(segments);
    segmentsLayout->setContentsMargins(2, 2, 2, 2);
    segmentsLayout->setSpacing(2);
    m_tabs = new QButtonGroup(this);
    m_tabs->setExclusive(true);
    for (const auto& [tab, title] :
         {std::pair{JournalTab::dashboard, u"Итоги"_s}, std::pair{JournalTab::records, u"Записи"_s}}) {
        auto* button = new QToolButton(segments);
        button->setText(title);
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        button->setObjectName(u"tab_"_s + rawValue(tab));
        m_tabs->addButton(button, int(tab));
        segmentsLayout->addWidget(button);
    }
    bar->addWidget(segments, 0, 1, Qt::AlignCenter);

    auto* trailing = new QHBoxLayout;
    trailing->setSpacing(4);
    // The commands are the window's, acting on the selected journal, which is the one shown here.
    m_add = toolButton(commands.primaryAdd(), u"addButton"_s, toolbar);
    m_add->setPopupMode(QToolButton::MenuButtonPopup);
    m_addMenu = new QMenu(m_add);
    m_add->setMenu(m_addMenu);
    QToolButton* import = toolButton(commands.importCSV(), u"importButton"_s, toolbar);
    // The toolbar does not offer the export of a journal without records, which the menu does.
    m_export = toolButton<CommandButton>(commands.exportCSV(), u"exportButton"_s, toolbar);
    m_export->setOffered(false);
    QToolButton* settingsButton = toolButton(commands.journalSettings(), u"settingsButton"_s, toolbar);
    for (QToolButton* b : {m_add, import, static_cast<QToolButton*>(m_export), settingsButton})
        trailing->addWidget(b);
    bar->addLayout(trailing, 0, 2, Qt::AlignRight | Qt::AlignVCenter);
    m_layout->addWidget(toolbar);

    m_layout->addWidget(Style::separatorLine(this));

    connect(m_tabs, &QButtonGroup::idClicked, this, [this](int id) { m_router.setTab(JournalTab(id)); });
    connect(&m_router, &AppRouter::tabChanged, this, [this] {
        rebuildContentIfNeeded();
        refreshToolbar();
    });
}

void JournalDetailView::setJournal(const Journal& journal) {
    if (journal.id != m_journal.id)
        m_derived = {};
    m_journal = journal;
    rebuildContentIfNeeded();
    refreshToolbar();
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

void JournalDetailView::refreshToolbar() {
    if (QAbstractButton* current = m_tabs->button(int(m_router.tab())); current && !current->isChecked()) {
        const QSignalBlocker blocker(m_tabs);
        current->setChecked(true);
    }
    m_export->setOffered(!m_journal.records.isEmpty());
    // The menu's second entry opens batch entry without a template, which is what the main add command
    // does for a journal that adds in batch, under the same title.
    m_addMenu->clear();
    m_addMenu->addAction(m_commands.singleRecord());
    if (addsInBatch(m_journal))
        m_addMenu->addAction(m_commands.primaryAdd());
}
