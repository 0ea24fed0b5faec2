#pragma once

#include "ShellFixture.h"
#include "records/SheetTyping.h"
#include "views/settings/DraftListModel.h"
#include "views/settings/ItemListColumn.h"
#include "views/settings/JournalSettingsView.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// The settings sheet as the root view presents it over the main window, on a store holding the journal.
struct SettingsSheet : Shell {
    Journal journal;
    JournalSettingsView* view = nullptr;

    explicit SettingsSheet(const Journal& opened) : Shell({opened}), journal(opened) {
        router->setSettings(SettingsItem{QUuid::createUuid(), opened.id});
        view = shown<JournalSettingsView>(QStringLiteral("settingsSheet"));
        if (view)
            (void)QTest::qWaitForWindowExposed(view);
    }

    const Journal& draft() const { return view->state().draft; }
    const Journal& stored() const { return store->journals().first(); }
    template <typename T> T* find(const QString& name) const { return view->findChild<T*>(name); }
    void showTab(settings::SettingsTab tab) const { view->tabButton(tab)->click(); }

    static void type(QWidget* box, const QString& text) {
        box->setFocus();
        typeText(box, text);
    }
    // The user's choice of an entry of a picker.
    static void choose(QComboBox* box, const QString& entry) {
        const int index = box->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    static QStringList entries(const QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts.append(box->itemText(i));
        return texts;
    }
    // The rows of a page's list, as shown.
    static QStringList rows(const ItemListColumn* column) {
        QStringList texts;
        for (int i = 0; i < column->model()->rowCount(); ++i)
            texts.append(column->model()->index(i).data().toString());
        return texts;
    }
    static void select(const ItemListColumn* column, int row) {
        column->list()->selectionModel()->setCurrentIndex(column->model()->index(row),
                                                          QItemSelectionModel::ClearAndSelect);
    }
    // Answers the confirmation open over the sheet with the button of that text.
    void answer(const QString& button) const {
        QMessageBox* box = view->confirmation();
        ASSERT_TRUE(box);
        boxButton(box, button)->click();
        QApplication::processEvents();
    }
};
