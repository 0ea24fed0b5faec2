#include "AppCommands.h"

#include "AppRouter.h"
#include "ShellRules.h"
#include "ShortcutText.h"
#include "store/Store.h"

#include <QAction>

AppCommands::AppCommands(AppStore& store, AppRouter& router, std::function<void()> openWindow,
                         QObject* parent)
    : QObject(parent), m_store(store), m_router(router), m_openWindow(std::move(openWindow)) {
    m_primaryAdd = journalCommand(QStringLiteral("Новая запись…"), AppKeys::primaryAdd(),
                                  [this](const Journal& j) { m_router.primaryAdd(j); });
    m_singleRecord = journalCommand(QStringLiteral("Одна запись…"), AppKeys::singleRecord(),
                                    [this](const Journal& j) { m_router.newRecord(j); });
    m_newJournal = command(QStringLiteral("Новый журнал…"), AppKeys::newJournal(),
                           [this] { m_router.requestNewJournal(); });
    m_newItemGroup = {m_primaryAdd, m_singleRecord, separator(), m_newJournal};

    m_importCSV = journalCommand(QStringLiteral("Импорт из CSV…"), AppKeys::importCSV(),
                                 [this](const Journal& j) { m_router.requestImport(j); });
    m_exportCSV =
        journalCommand(QStringLiteral("Экспорт журнала в CSV…"), AppKeys::exportCSV(),
                       [this](const Journal& j) { m_router.exportJournal(j, std::nullopt, QString()); });
    m_importExportGroup = {m_importCSV, m_exportCSV};

    m_dashboardTab = command(QStringLiteral("Итоги"), AppKeys::dashboardTab(),
                             [this] { m_router.setTab(JournalTab::dashboard); });
    m_recordsTab = command(QStringLiteral("Записи"), AppKeys::recordsTab(),
                           [this] { m_router.setTab(JournalTab::records); });
    m_journalSettings = journalCommand(QStringLiteral("Настройки журнала…"), AppKeys::journalSettings(),
                                       [this](const Journal& j) {
                                           m_router.setSettings(SettingsItem{QUuid::createUuid(), j.id});
                                       });
    // The platform's sidebar command comes after the journal's own.
    m_toggleSidebar = command(sidebarCommandTitle(true), AppKeys::toggleSidebar(),
                              [this] { emit toggleSidebarRequested(); });
    m_toggleSidebar->setObjectName(QStringLiteral("toggleSidebar"));
    m_viewGroup = {m_dashboardTab, m_recordsTab, m_journalSettings, separator(), m_toggleSidebar};

    connect(&m_store, &AppStore::journalsChanged, this, &AppCommands::refresh);
    connect(&m_router, &AppRouter::selectedJournalIDChanged, this, &AppCommands::refresh);
    refresh();
}

void AppCommands::refresh() {
    const std::optional<Journal> journal = currentJournal();
    m_primaryAdd->setText(literalLabel(primaryAddCommandTitle(journal)));
    for (QAction* action : std::as_const(m_journalBound))
        action->setEnabled(journal.has_value());
}

void AppCommands::setSidebarShown(bool shown) {
    m_toggleSidebar->setText(sidebarCommandTitle(shown));
}

std::optional<Journal> AppCommands::currentJournal() const {
    return m_store.journal(m_router.selectedJournalID());
}

QAction* AppCommands::command(const QString& title, const QKeySequence& keys, std::function<void()> action) {
    auto* a = new QAction(title, this);
    a->setShortcut(keys);
    connect(a, &QAction::triggered, this, [this, action = std::move(action)] {
        if (m_openWindow)
            m_openWindow();
        action();
    });
    return a;
}

QAction* AppCommands::journalCommand(const QString& title, const QKeySequence& keys,
                                     std::function<void(const Journal&)> action) {
    // The selection may change between building the menu and choosing the item: look the journal up
    // again at the moment of the action, and do nothing when it is gone.
    QAction* a = command(title, keys, [this, action = std::move(action)] {
        if (const std::optional<Journal> journal = currentJournal())
            action(*journal);
    });
    m_journalBound.append(a);
    return a;
}

QAction* AppCommands::separator() {
    auto* a = new QAction(this);
    a->setSeparator(true);
    return a;
}
