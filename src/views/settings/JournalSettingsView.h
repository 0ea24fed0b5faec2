#pragma once

#include "app/settings/SettingsRules.h"
#include "app/settings/SettingsState.h"

#include "core/model/Model.h"

#include <QDialog>

#include <functional>

class AppRouter;
class AppStore;
class DraftPane;
class QButtonGroup;
class QStackedWidget;
class WarningLabel;

// The journal settings sheet: a draft of the journal's options, fields, statuses, metrics and report,
// edited on four pages. Nothing reaches the store before "Сохранить", which checks a trimmed copy of the
// draft and hands it to the store; "Отмена" and Escape drop the draft. Removing a field or a status asks
// first, counting the records concerned; a save that would drop values of retyped fields asks too.
class JournalSettingsView : public QDialog {
    Q_OBJECT
public:
    JournalSettingsView(AppStore& store, AppRouter& router, const Journal& journal, QWidget* parent);

    // Checks a trimmed copy of the draft and saves it, or shows the first problem on its page.
    void save();
    void showTab(Settings::SettingsTab tab);

private:
    DraftPane* page(Settings::SettingsTab tab) const;
    // After an edit: the shown page follows the draft.
    void draftEdited();
    // Asks about the field or status named for removal.
    void askRemoval();
    void askTypeChange(const Journal& trimmed, const Settings::SettingsRules::TypeChangeLoss& loss);
    // A confirmation with one destructive button and "Отмена", which has the focus and takes Escape.
    // `confirmed` runs after the destructive button; `closed` after any way of closing.
    void confirm(const QString& title, const QString& message, const QString& action,
                 const std::function<void()>& confirmed, const std::function<void()>& closed);
    void commit(const Journal& trimmed);
    void showMessage();

    AppStore& m_store;
    Settings::SettingsState m_state;

    QButtonGroup* m_tabs = nullptr;
    QStackedWidget* m_pages = nullptr;
    WarningLabel* m_message = nullptr;
};
