#pragma once

#include "app/shell/NewJournal.h"

#include <QDialog>
#include <QList>

class AppRouter;
class AppStore;
class QLineEdit;
class QPushButton;
class TemplateScroll;
class TemplateTile;

// The sheet that creates a journal from one of the catalogue's templates. It keeps only the chosen
// template and the typed name; nothing reaches the store until "Создать журнал", which adds the journal,
// selects it, shows its dashboard and closes the sheet. "Отмена" and Escape close it without a trace.
class NewJournalView : public QDialog {
    Q_OBJECT
public:
    NewJournalView(AppStore& store, AppRouter& router, QWidget* parent = nullptr);

    // Creates the journal and closes the sheet; does nothing when there is nothing to create.
    void create();

private:
    void choose(const JournalTemplate& chosen);
    void refresh();
    // The sheet's height follows its content at its fixed width; on a screen too low for it the
    // template picker gives up height and scrolls.
    void fitHeight();

    AppStore& m_store;
    AppRouter& m_router;
    NewJournal::Choice m_choice;

    TemplateScroll* m_picker = nullptr;
    QList<TemplateTile*> m_tiles;
    QLineEdit* m_name = nullptr;
    QPushButton* m_create = nullptr;
};
