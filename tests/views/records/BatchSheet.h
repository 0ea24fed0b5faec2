#pragma once

#include "RecordFixtures.h"
#include "SheetTyping.h"
#include "ShellFixture.h"
#include "core/templates/Templates.h"
#include "views/kit/FormSection.h"
#include "views/records/BatchAddView.h"
#include "views/records/BatchRowWidget.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace TestSupport;

// Batch entry of the sales journal over the whole shell; one order "ЗК-1" is stored. The counts, titles,
// warnings and duplicate texts are rules tested without the sheet; here the sheet's own behaviour.
struct Batch : Shell {
    Journal journal = Templates::sales();
    BatchAddView* view = nullptr;

    Batch() : Shell({}, false) {
        journal.id = QUuid::createUuid();
        journal.records.append(typed({{&field(u"number"_s), u"ЗК-1"_s}, {&field(u"item"_s), u"Чай"_s}}));
        store->addJournal(journal);
        show();
    }
    const FieldDef& field(const QString& key) const {
        return *std::find_if(journal.fields.cbegin(), journal.fields.cend(),
                             [&](const FieldDef& f) { return f.key == key; });
    }
    BatchAddView* open(const std::optional<Record>& like = std::nullopt) {
        router->setBatch(BatchItem{QUuid::createUuid(), journal.id, like});
        view = shown<BatchAddView>();
        if (view)
            (void)QTest::qWaitForWindowExposed(view);
        return view;
    }
    // A field's box in the form section with this title.
    template <class T = QWidget> T* in(const QString& section, const QString& key) const {
        for (FormSection* s : view->findChildren<FormSection*>()) {
            if (s->title() == section)
                return visibleIn<T>(s, field(key).name);
        }
        return nullptr;
    }
    QWidget* quick(const QString& key) const { return in(u"Быстрый ввод списком"_s, key); }
    QWidget* shared(const QString& key) const { return in(u"Общие поля"_s, key); }
    // The rows that have their widgets (those in and around the view), in the order shown.
    QList<BatchRowWidget*> rows() const {
        QCoreApplication::sendPostedEvents(nullptr,
                                           QEvent::MetaCall); // rows come on screen with the next pass
        QList<BatchRowWidget*> shownRows;
        for (BatchRowWidget* row : view->findChildren<BatchRowWidget*>())
            if (row->isVisible())
                shownRows.append(row);
        std::sort(shownRows.begin(), shownRows.end(),
                  [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
        return shownRows;
    }
    QStringList column(const QString& key) const {
        QStringList cells;
        for (BatchRowWidget* row : rows())
            cells.append(row->cell(field(key).id)->text());
        return cells;
    }
    void click(const QString& name) const { visibleIn<QPushButton>(view, name)->click(); }
    QMessageBox* box() const { return visibleIn<QMessageBox>(view); }
    QList<Record> stored() const { return store->journal(journal.id)->records; }
    bool closed() const { return !shown<BatchAddView>() && !router->batch(); }
};
