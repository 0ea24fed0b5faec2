#include "JournalDetailView.h"

#include "AppRouter.h"
#include "ShellRules.h"
#include "ShortcutText.h"
#include "Style.h"
#include "cells/Icons.h"
#include "dashboard/DashboardView.h"
#include "records/RecordsListView.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* toolButton(const QString& symbol, const QString& title, const QString& help, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setIcon(Icons::icon(symbol));
    button->setText(title);
    button->setToolTip(help);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setIconSize(QSize(18, 18));
    return button;
}

} // namespace

JournalDetailView::JournalDetailView(AppStore& store, AppRouter& router, QSettings& settings, QWidget* parent)
    : QWidget(parent), m_store(store), m_router(router), m_preferences(settings) {
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    auto* toolbar = new QWidget(this);
    toolbar->setObjectName(QStringLiteral("journalToolbar"));
    auto* bar = new QGridLayout(toolbar);
    bar->setContentsMargins(12, 8, 12, 8);
    bar->setColumnStretch(0, 1);
    bar->setColumnStretch(2, 1);

    // The tab switch: a segmented control in the toolbar's centre.
    auto* segments = new QFrame(toolbar);
    segments->setObjectName(QStringLiteral("tabPicker"));
    segments->setFixedWidth(220);
    segments->setToolTip(withShortcut(QStringLiteral("Итоги"), AppKeys::dashboardTab()) +
                         QStringLiteral(" / ") +
                         withShortcut(QStringLiteral("Записи"), AppKeys::recordsTab()));
    const QPalette p = palette();
    QColor border = p.color(QPalette::WindowText);
    border.setAlphaF(0.18);
    segments->setStyleSheet(
        QStringLiteral("QFrame#tabPicker { border: 1px solid %1; border-radius: 7px; background: %2; }"
                       "QFrame#tabPicker QToolButton { border: none; border-radius: 6px; padding: 3px 0px; }"
                       "QFrame#tabPicker QToolButton:checked { background: %3; color: %4; }")
            .arg(border.name(QColor::HexArgb), p.color(QPalette::Base).name(),
                 p.color(QPalette::Highlight).name(), p.color(QPalette::HighlightedText).name()));
    auto* segmentsLayout = new QHBoxLayout(segments);
    segmentsLayout->setContentsMargins(2, 2, 2, 2);
    segmentsLayout->setSpacing(2);
    m_tabs = new QButtonGroup(this);
    m_tabs->setExclusive(true);
    for (const auto& [tab, title] : {std::pair{JournalTab::dashboard, QStringLiteral("Итоги")},
                                     std::pair{JournalTab::records, QStringLiteral("Записи")}}) {
        auto* button = new QToolButton(segments);
        button->setText(title);
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        button->setObjectName(QStringLiteral("tab_") + rawValue(tab));
        m_tabs->addButton(button, int(tab));
        segmentsLayout->addWidget(button);
    }
    bar->addWidget(segments, 0, 1, Qt::AlignCenter);

    auto* trailing = new QHBoxLayout;
    trailing->setSpacing(4);
    m_add = toolButton(QStringLiteral("plus"), QStringLiteral("Добавить"),
                       withShortcut(QStringLiteral("Добавить"), AppKeys::primaryAdd()) +
                           QStringLiteral(", одну запись — ") + shortcutText(AppKeys::singleRecord()),
                       toolbar);
    m_add->setObjectName(QStringLiteral("addButton"));
    m_add->setPopupMode(QToolButton::MenuButtonPopup);
    m_addMenu = new QMenu(m_add);
    m_add->setMenu(m_addMenu);
    m_import =
        toolButton(QStringLiteral("square.and.arrow.down"), QStringLiteral("Импорт"),
                   withShortcut(QStringLiteral("Импорт записей из CSV"), AppKeys::importCSV()), toolbar);
    m_export =
        toolButton(QStringLiteral("square.and.arrow.up"), QStringLiteral("Экспорт"),
                   withShortcut(QStringLiteral("Экспорт журнала в CSV"), AppKeys::exportCSV()), toolbar);
    m_settings = toolButton(
        QStringLiteral("slider.horizontal.3"), QStringLiteral("Настройки"),
        withShortcut(QStringLiteral("Поля, статусы, показатели и отчёт"), AppKeys::journalSettings()),
        toolbar);
    for (QToolButton* b : {m_add, m_import, m_export, m_settings})
        trailing->addWidget(b);
    bar->addLayout(trailing, 0, 2, Qt::AlignRight | Qt::AlignVCenter);
    m_layout->addWidget(toolbar);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    QPalette linePalette = line->palette();
    QColor separator = linePalette.color(QPalette::WindowText);
    separator.setAlphaF(0.12);
    linePalette.setColor(QPalette::WindowText, separator);
    line->setPalette(linePalette);
    m_layout->addWidget(line);

    // Every toolbar action acts on the journal as last handed in; the router and the root view do the rest.
    connect(m_tabs, &QButtonGroup::idClicked, this, [this](int id) { m_router.setTab(JournalTab(id)); });
    connect(m_add, &QToolButton::clicked, this, [this] { m_router.primaryAdd(m_journal); });
    connect(m_import, &QToolButton::clicked, this, [this] { m_router.requestImport(m_journal); });
    connect(m_export, &QToolButton::clicked, this,
            [this] { m_router.exportJournal(m_journal, std::nullopt, QString()); });
    connect(m_settings, &QToolButton::clicked, this, [this] {
        m_router.setSettings(SettingsItem{QUuid::createUuid(), m_journal.id});
    });
    connect(&m_router, &AppRouter::tabChanged, this, [this] {
        rebuildContentIfNeeded();
        refreshToolbar();
    });
}

QAbstractButton* JournalDetailView::tabButton(JournalTab tab) const {
    return m_tabs->button(int(tab));
}

void JournalDetailView::setJournal(const Journal& journal) {
    m_journal = journal;
    rebuildContentIfNeeded();
    refreshToolbar();
}

void JournalDetailView::clearJournal() {
    m_journal = Journal{};
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
    if (identity.second == JournalTab::records)
        m_content = new RecordsListView(m_store, m_router, m_journal, this);
    else
        m_content = new DashboardView(m_router, m_preferences, m_journal, this);
    m_content->setObjectName(QStringLiteral("tabContent_") + rawValue(identity.second));
    m_layout->addWidget(m_content, 1);
}

void JournalDetailView::refreshToolbar() {
    if (QAbstractButton* current = m_tabs->button(int(m_router.tab())); current && !current->isChecked()) {
        const QSignalBlocker blocker(m_tabs);
        current->setChecked(true);
    }
    m_add->setText(literalLabel(addButtonTitle(m_journal)));
    m_addMenu->clear();
    m_addMenu->addAction(QStringLiteral("Одна запись…"), this, [this] { m_router.newRecord(m_journal); });
    if (addsInBatch(m_journal)) {
        m_addMenu->addAction(literalLabel(m_journal.batchTitle + QChar(0x2026)), this, [this] {
            m_router.setBatch(BatchItem{QUuid::createUuid(), m_journal.id, std::nullopt});
        });
    }
    m_export->setEnabled(!m_journal.records.isEmpty());
}
