#include "views/shell/ContentView.h"

#include "app/AppRouter.h"
#include "app/shell/ShellRules.h"
#include "core/model/IdsInOrder.h"
#include "core/store/AppStore.h"
#include "views/kit/Style.h"
#include "views/shell/JournalDetailView.h"
#include "views/shell/SheetHost.h"
#include "views/shell/SidebarView.h"
#include "views/shell/WelcomeView.h"

#include <QShowEvent>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QSize minimumWindow(1050, 680);
constexpr int sidebarMinimum = 240;
constexpr int sidebarIdeal = 270;

} // namespace

ContentView::ContentView(AppStore& store, AppRouter& router, AppCommands& commands, FilePanels& panels,
                         QSettings& settings, QWidget* parent)
    : QWidget(parent), m_store(store), m_router(router) {
    setMinimumSize(minimumWindow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setHandleWidth(1);
    m_splitter->setStyleSheet(
        u"QSplitter::handle { background: %1; }"_s.arg(Style::separator(this).name(QColor::HexArgb)));
    m_sidebar = new SidebarView(store, router, commands, m_splitter);
    m_sidebar->setObjectName(u"sidebar"_s);
    m_sidebar->setMinimumWidth(sidebarMinimum);
    m_detailStack = new QStackedWidget(m_splitter);
    m_welcome = new WelcomeView(router, m_detailStack);
    m_detail = new JournalDetailView(store, router, commands, settings, m_detailStack);
    m_detail->setObjectName(u"journalDetail"_s);
    m_detailStack->addWidget(m_welcome);
    m_detailStack->addWidget(m_detail);
    m_splitter->addWidget(m_sidebar);
    m_splitter->addWidget(m_detailStack);
    // The detail column takes the width the sidebar leaves, whatever its content would like: a long title
    // there is cut short rather than narrowing the sidebar or widening the window.
    m_detailStack->setMinimumWidth(minimumWindow.width() - sidebarMinimum - m_splitter->handleWidth());
    m_splitter->setCollapsible(0, true);
    m_splitter->setCollapsible(1, false);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_sidebarWidth = sidebarIdeal;
    m_splitter->setSizes({sidebarIdeal, 1440 - sidebarIdeal});
    connect(m_splitter, &QSplitter::splitterMoved, this, &ContentView::dividerMoved);
    layout->addWidget(m_splitter);

    m_sheets = new SheetHost(store, router, panels, this);

    m_journalIDs = idsInOrder(m_store.journals());
    connect(&m_store, &AppStore::journalsChanged, this, &ContentView::journalsChanged);
    connect(&m_router, &AppRouter::selectedJournalIDChanged, this, &ContentView::refreshDetail);
    refreshDetail();
}

ContentView::~ContentView() = default;

void ContentView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window restored from the task bar is not a new appearance.
    if (event->spontaneous())
        return;
    fixSelection();
    m_sheets->windowShown();
}

void ContentView::setSidebarShown(bool shown) {
    if (shown == m_sidebarShown)
        return;
    const QList<int> sizes = m_splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    if (!shown)
        m_sidebarWidth = sizes.value(0);
    m_splitter->setSizes(shown ? QList<int>{m_sidebarWidth, total - m_sidebarWidth} : QList<int>{0, total});
    m_sidebarShown = shown;
    emit sidebarShownChanged(shown);
}

void ContentView::dividerMoved() {
    const int width = m_splitter->sizes().value(0);
    if (width > 0)
        m_sidebarWidth = width;
    if ((width > 0) != m_sidebarShown) {
        m_sidebarShown = width > 0;
        emit sidebarShownChanged(m_sidebarShown);
    }
}

void ContentView::fixSelection() {
    m_router.setSelectedJournalID(
        ShellRules::repairedSelection(m_store.journals(), m_router.selectedJournalID()));
}

void ContentView::journalsChanged() {
    const QList<QUuid> ids = idsInOrder(m_store.journals());
    if (ids != m_journalIDs) {
        m_journalIDs = ids;
        fixSelection();
        m_sheets->dropSheetsOfMissingJournals();
    }
    refreshDetail();
}

void ContentView::refreshDetail() {
    const std::optional<Journal> journal = m_store.journal(m_router.selectedJournalID());
    if (journal) {
        m_detail->setJournal(*journal);
        m_detailStack->setCurrentWidget(m_detail);
    } else {
        m_detailStack->setCurrentWidget(m_welcome);
        m_detail->clearJournal();
    }
    // Qt reads "[*]" in a window title as the mark of unsaved changes and drops it; "[*][*]" shows one.
    window()->setWindowTitle(ShellRules::mainWindowTitle(journal).replace(u"[*]"_s, u"[*][*]"_s));
}
