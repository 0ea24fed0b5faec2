#pragma once

#include "ShellFixture.h"
#include "records/SheetTyping.h"
#include "views/cells/WarningLabel.h"
#include "views/settings/DraftListModel.h"
#include "views/settings/JournalSettingsView.h"

#include <QAbstractButton>
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

    const Journal& stored() const { return store->journals().first(); }
    template <typename T> T* find(const QString& name) const { return view->findChild<T*>(name); }
    // The one widget of its type in the sheet, such as the editor shown.
    template <typename T> T* find() const { return view->findChild<T*>(); }
    void showTab(Settings::SettingsTab tab) const {
        find<QAbstractButton>(QStringLiteral("tab.") + Settings::rawValue(tab))->click();
    }
    // What a picker of the general page shows; the page shown before comes back after the look.
    QString generalPick(const QString& picker) const {
        Settings::SettingsTab before = Settings::SettingsTab::general;
        for (Settings::SettingsTab tab : Settings::allSettingsTabs) {
            if (find<QAbstractButton>(QStringLiteral("tab.") + Settings::rawValue(tab))->isChecked())
                before = tab;
        }
        showTab(Settings::SettingsTab::general);
        const QString shown = find<QComboBox>(picker)->currentText();
        showTab(before);
        return shown;
    }
    QPushButton* saveButton() const { return find<QPushButton>(QStringLiteral("save")); }
    WarningLabel* message() const { return find<WarningLabel>(QStringLiteral("validationMessage")); }
    // A page's list by its name ("fieldList", "statusList", "metricList").
    QListView* list(const QString& name) const { return find<QListView>(name); }
    // The confirmation open over a sheet, if any; one answered stays until the event loop deletes it.
    static QMessageBox* confirmation(const QWidget* sheet) {
        for (QMessageBox* box : sheet->findChildren<QMessageBox*>())
            if (box->isVisible())
                return box;
        return nullptr;
    }

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
    static QStringList rows(const QListView* list) {
        QStringList texts;
        for (int i = 0; i < list->model()->rowCount(); ++i)
            texts.append(list->model()->index(i, 0).data().toString());
        return texts;
    }
    // The items a page's list shows, in order.
    static QList<QUuid> ids(const QListView* list) {
        QList<QUuid> shown;
        for (int i = 0; i < list->model()->rowCount(); ++i)
            shown.append(list->model()->index(i, 0).data(DraftListModel::IDRole).toUuid());
        return shown;
    }
    // The item selected in a page's list; null while none is.
    static QUuid selected(const QListView* list) {
        const QModelIndexList rows = list->selectionModel()->selectedIndexes();
        return rows.isEmpty() ? QUuid() : rows.first().data(DraftListModel::IDRole).toUuid();
    }
    static void select(const QListView* list, int row) {
        list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect);
    }
    // Answers the confirmation open over the sheet with the button of that text.
    void answer(const QString& button) const {
        QMessageBox* box = confirmation(view);
        ASSERT_TRUE(box);
        boxButton(box, button)->click();
        QApplication::processEvents();
    }
};
