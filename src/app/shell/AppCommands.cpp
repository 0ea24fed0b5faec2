#include "app/shell/AppCommands.h"

#include "app/AddTitles.h"
#include "app/AppRouter.h"
#include "app/kit/AppKeys.h"
#include "app/kit/ShortcutText.h"
#include "app/shell/ShellRules.h"
#include "core/store/AppStore.h"

#include <QAction>

using namespace Qt::StringLiterals;

AppCommands::AppCommands(AppStore& store, AppRouter& router, std::function<void()> openWindow,
                         IconFor iconFor, QObject* parent)
    : QObject(parent), m_store(store), m_router(router), m_openWindow(std::move(openWindow)),
      m_iconFor(std::move(iconFor)), m_rowMenu([this] {
          showRowMenuLook(false);
          refresh();
      }) {
    m_primaryAdd = journalCommand(u"primaryAdd"_s, u"Новая запись…"_s, AppKeys::primaryAdd(),
                                  [this](const Journal& j) { m_router.primaryAdd(j); });
    toolbarLook(m_primaryAdd, u"plus"_s, u"Добавить"_s,
                withShortcut(u"Добавить"_s, AppKeys::primaryAdd()) + u", одну запись — "_s +
                    shortcutText(AppKeys::singleRecord()));
    m_singleRecord = journalCommand(u"singleRecord"_s, u"Одна запись…"_s, AppKeys::singleRecord(),
                                    [this](const Journal& j) { m_router.newRecord(j); });
    m_newJournal = command(u"newJournal"_s, u"Новый журнал…"_s, AppKeys::newJournal(),
                           [this] { m_router.requestNewJournal(); });
    m_newItemGroup = {m_primaryAdd, m_singleRecord, separator(), m_newJournal};

    m_importCSV = journalCommand(u"importCSV"_s, u"Импорт из CSV…"_s, AppKeys::importCSV(),
                                 [this](const Journal& j) { m_router.requestImport(j); });
    toolbarLook(m_importCSV, u"square.and.arrow.down"_s, u"Импорт"_s,
                withShortcut(u"Импорт записей из CSV"_s, AppKeys::importCSV()));
    m_exportCSV =
        journalCommand(u"exportCSV"_s, u"Экспорт журнала в CSV…"_s, AppKeys::exportCSV(),
                       [this](const Journal& j) { m_router.exportJournal(j, std::nullopt, QString()); });
    toolbarLook(m_exportCSV, u"square.and.arrow.up"_s, u"Экспорт"_s,
                withShortcut(u"Экспорт журнала в CSV"_s, AppKeys::exportCSV()));
    m_importExportGroup = {m_importCSV, m_exportCSV};

    m_dashboardTab = command(u"dashboardTab"_s, u"Итоги"_s, AppKeys::dashboardTab(),
                             [this] { m_router.setTab(JournalTab::dashboard); });
    m_recordsTab = command(u"recordsTab"_s, u"Записи"_s, AppKeys::recordsTab(),
                           [this] { m_router.setTab(JournalTab::records); });
    m_journalSettings = journalCommand(u"journalSettings"_s, u"Настройки журнала…"_s,
                                       AppKeys::journalSettings(), [this](const Journal& j) {
                                           m_router.setSettings(SettingsItem{QUuid::createUuid(), j.id});
                                       });
    toolbarLook(m_journalSettings, u"slider.horizontal.3"_s, u"Настройки"_s,
                withShortcut(u"Поля, статусы, показатели и отчёт"_s, AppKeys::journalSettings()));
    // The platform's sidebar command comes after the journal's own.
    m_toggleSidebar = command(u"toggleSidebar"_s, ShellRules::sidebarCommandTitle(true),
                              AppKeys::toggleSidebar(), [this] { emit toggleSidebarRequested(); });
    m_viewGroup = {m_dashboardTab, m_recordsTab, m_journalSettings, separator(), m_toggleSidebar};

    // The deletion only asks; the confirmation names the journal, or says it is gone.
    m_deleteJournal = command(u"rowDelete"_s, u"Удалить журнал…"_s, {},
                              [this] { m_router.setPendingDeleteJournalID(m_rowMenu.target()); });
    m_sharedWithRowMenu = {m_journalSettings, m_exportCSV};
    // A context menu shows no keys; the menu bar does.
    for (QAction* shared : std::as_const(m_sharedWithRowMenu))
        shared->setShortcutVisibleInContextMenu(false);
    m_journalMenu = {m_journalSettings, m_exportCSV, separator(), m_deleteJournal};

    connect(&m_store, &AppStore::journalsChanged, this, &AppCommands::refresh);
    connect(&m_router, &AppRouter::selectedJournalIDChanged, this, &AppCommands::refresh);
    refresh();
}

QList<QAction*> AppCommands::journalMenu(const QUuid& journalID, QObject* menu) {
    m_rowMenu.aim(menu, journalID);
    showRowMenuLook(true);
    refresh();
    return m_journalMenu;
}

void AppCommands::showRowMenuLook(bool rowMenu) {
    m_exportCSV->setText(rowMenu ? u"Экспорт в CSV…"_s : u"Экспорт журнала в CSV…"_s);
    // The row menu shows the commands' symbols, the menu bar shows none.
    for (QAction* shared : std::as_const(m_sharedWithRowMenu))
        shared->setIconVisibleInMenu(rowMenu);
}

void AppCommands::refresh() {
    const std::optional<Journal> journal = currentJournal();
    m_primaryAdd->setText(literalLabel(primaryAddCommandTitle(journal)));
    if (journal)
        m_primaryAdd->setIconText(literalLabel(addButtonTitle(*journal)));
    for (QAction* action : std::as_const(m_journalBound))
        action->setEnabled(journalOf(action).has_value());
}

void AppCommands::setSidebarShown(bool shown) {
    m_toggleSidebar->setText(ShellRules::sidebarCommandTitle(shown));
}

std::optional<Journal> AppCommands::currentJournal() const {
    return m_store.journal(m_router.selectedJournalID());
}

std::optional<Journal> AppCommands::journalOf(QAction* command) const {
    if (m_rowMenu.menu() && m_sharedWithRowMenu.contains(command))
        return m_store.journal(m_rowMenu.target());
    return currentJournal();
}

QAction* AppCommands::command(const QString& name, const QString& title, const QKeySequence& keys,
                              std::function<void()> action) {
    auto* a = new QAction(title, this);
    a->setObjectName(name);
    a->setShortcut(keys);
    connect(a, &QAction::triggered, this, [this, action = std::move(action)] {
        if (m_openWindow)
            m_openWindow();
        if (action)
            action();
    });
    return a;
}

QAction* AppCommands::journalCommand(const QString& name, const QString& title, const QKeySequence& keys,
                                     std::function<void(const Journal&)> action) {
    QAction* a = command(name, title, keys, {});
    // The selection, or the row menu's journal, may change between building the menu and choosing the
    // item: look the journal up again at the moment of the action, and do nothing when it is gone.
    connect(a, &QAction::triggered, this, [this, a, action = std::move(action)] {
        if (const std::optional<Journal> journal = journalOf(a))
            action(*journal);
    });
    m_journalBound.append(a);
    return a;
}

void AppCommands::toolbarLook(QAction* action, const QString& symbol, const QString& label,
                              const QString& help) {
    if (m_iconFor)
        action->setIcon(m_iconFor(symbol));
    // The menus keep their plain look; the icon is the toolbar's.
    action->setIconVisibleInMenu(false);
    action->setIconText(label);
    action->setToolTip(help);
}

QAction* AppCommands::separator() {
    auto* a = new QAction(this);
    a->setSeparator(true);
    return a;
}
