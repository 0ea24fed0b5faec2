#include "views/settings/JournalSettingsView.h"

#include "app/AppRouter.h"
#include "core/store/AppStore.h"
#include "views/cells/WarningLabel.h"
#include "views/kit/Dialogs.h"
#include "views/kit/SheetFooter.h"
#include "views/kit/SheetForm.h"
#include "views/kit/SheetSize.h"
#include "views/kit/Style.h"
#include "views/kit/WaitCursor.h"
#include "views/settings/FieldsPage.h"
#include "views/settings/GeneralPage.h"
#include "views/settings/MetricsPage.h"
#include "views/settings/StatusesPage.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace Settings;

JournalSettingsView::JournalSettingsView(AppStore& store, AppRouter& router, const Journal& journal,
                                         QWidget* parent)
    : QDialog(parent), m_store(store), m_state(journal) {
    setWindowTitle(u"Настройки журнала"_s);
    setWindowModality(Qt::WindowModal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(SheetForm::padding, SheetForm::padding, SheetForm::padding,
                               SheetForm::padding);
    layout->setSpacing(14);

    auto* header = new QHBoxLayout;
    header->addWidget(SheetForm::heading(this, u"Настройки журнала"_s));
    header->addStretch(1);
    auto* segments = new QFrame(this);
    segments->setObjectName(u"settingsTabPicker"_s);
    segments->setFixedWidth(440);
    segments->setAccessibleName(u"Раздел"_s);
    Style::makeSegmented(segments);
    auto* segmentsLayout = new QHBoxLayout(segments);
    segmentsLayout->setContentsMargins(2, 2, 2, 2);
    segmentsLayout->setSpacing(2);
    m_tabs = new QButtonGroup(this);
    for (SettingsTab tab : allSettingsTabs) {
        auto* button = new QToolButton(segments);
        button->setText(Settings::title(tab));
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        button->setObjectName(u"tab."_s + rawValue(tab));
        m_tabs->addButton(button, int(tab));
        segmentsLayout->addWidget(button);
    }
    header->addWidget(segments);
    layout->addLayout(header);

    m_pages = new QStackedWidget(this);
    const QList<DraftPane*> pages{new GeneralPage(m_state, m_pages), new FieldsPage(m_state, m_pages),
                                  new StatusesPage(m_state, m_pages),
                                  new MetricsPage(m_state, router.clock(), router.calendar(), m_pages)};
    for (DraftPane* page : pages) {
        m_pages->addWidget(page);
        connect(page, &DraftPane::edited, this, &JournalSettingsView::draftEdited);
        connect(page, &DraftPane::removalAsked, this, &JournalSettingsView::askRemoval);
    }
    // On a screen lower than the sheet the page scrolls; the message and the buttons stay in view.
    QScrollArea* body = SheetForm::scrollArea(this, u"settingsBody"_s, SheetForm::Scroll::page);
    body->setWidget(m_pages);
    layout->addWidget(body, 1);

    m_message = new WarningLabel(QString(), this);
    m_message->setObjectName(u"validationMessage"_s);
    m_message->hide();
    layout->addWidget(m_message);

    const SheetFooter footer = makeSheetFooter(this, u"Сохранить"_s, u"save"_s);
    connect(footer.primary, &QPushButton::clicked, this, &JournalSettingsView::save);
    layout->addLayout(footer.row);

    connect(m_tabs, &QButtonGroup::idClicked, this, [this](int id) { showTab(SettingsTab(id)); });
    showTab(m_state.tab);
    // The sheet opens with the focus in the first field of its page rather than on the row of tabs.
    if (QWidget* first = SheetForm::firstStop(page(m_state.tab)))
        first->setFocus();
    SheetSize::apply(this, {940, 720}, {940, 720}, SheetSize::Fit::fixed);
}

DraftPane* JournalSettingsView::page(SettingsTab tab) const {
    return qobject_cast<DraftPane*>(m_pages->widget(int(tab)));
}

void JournalSettingsView::showTab(SettingsTab tab) {
    m_state.tab = tab;
    m_tabs->button(int(tab))->setChecked(true);
    m_pages->setCurrentIndex(int(tab));
    // Pages follow the draft only while shown; the one coming up catches up with edits made elsewhere.
    page(tab)->sync();
}

void JournalSettingsView::draftEdited() {
    page(m_state.tab)->sync();
}

void JournalSettingsView::showMessage() {
    m_message->setText(m_state.validationError.value_or(QString()));
    m_message->setVisible(m_state.validationError.has_value());
}

void JournalSettingsView::save() {
    const Journal trimmed = SettingsRules::trimmed(m_state.draft);
    if (const std::optional<SettingsRules::SaveFailure> failure = SettingsRules::check(trimmed)) {
        m_state.validationError = failure->message;
        showMessage();
        showTab(failure->tab);
        return;
    }
    // The checks pass: an earlier message no longer holds.
    m_state.validationError.reset();
    showMessage();
    if (const std::optional<Journal> stored = m_store.journal(trimmed.id)) {
        const SettingsRules::TypeChangeLoss loss =
            SettingsRules::typeChangeLoss(stored->fields, trimmed, m_store.calendar(), m_store.clock());
        if (loss.records > 0) {
            askTypeChange(trimmed, loss);
            return;
        }
    }
    commit(trimmed);
}

void JournalSettingsView::commit(const Journal& trimmed) {
    // A journal deleted meanwhile is not found: the store changes and writes nothing, and the sheet closes.
    const WaitCursor wait = WaitCursor::aroundSave(m_store.fileURL());
    m_store.updateSettings(trimmed);
    accept();
}

void JournalSettingsView::confirm(const QString& title, const QString& message, const QString& action,
                                  const std::function<void()>& confirmed,
                                  const std::function<void()>& closed) {
    QMessageBox* box = Dialogs::question(
        this, {.title = title, .text = message, .action = action, .actionRole = QMessageBox::DestructiveRole},
        confirmed);
    connect(box, &QDialog::finished, this, closed);
}

void JournalSettingsView::askRemoval() {
    // The removal of the item as it stood when it was asked; each confirmation ends by dropping it.
    const auto finished = [this] {
        m_state.fieldToDelete.reset();
        m_state.statusToDelete.reset();
        draftEdited();
    };
    if (const std::optional<FieldDef> field = m_state.fieldToDelete) {
        confirm(
            SettingsRules::deleteFieldTitle(m_state.draft, field), SettingsRules::deleteFieldMessage(),
            u"Удалить поле"_s, [this, field] { m_state.removeField(*field); }, finished);
    } else if (const std::optional<StatusDef> status = m_state.statusToDelete) {
        confirm(
            SettingsRules::deleteStatusTitle(status),
            SettingsRules::deleteStatusMessage(m_state.draft, *status), u"Удалить статус"_s,
            [this, status] { m_state.removeStatus(*status); }, finished);
    }
}

void JournalSettingsView::askTypeChange(const Journal& trimmed, const SettingsRules::TypeChangeLoss& loss) {
    confirm(
        SettingsRules::typeChangeTitle(loss), SettingsRules::typeChangeMessage(loss, trimmed.itemNoun),
        u"Изменить"_s, [this, trimmed] { commit(trimmed); }, [] {});
}
