#pragma once

#include "core/model/Model.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QUuid>

#include <functional>
#include <optional>

class AppRouter;
class AppStore;
class QMessageBox;
class QWidget;

// What the records tab's actions do to the records they act on, through the store and the router: set a
// status, count up or down, open links, ask for the editor or batch entry, copy, and delete after asking.
// Each takes the records as they are when it runs; a record gone by then is left alone.
class RecordCommands : public QObject {
    Q_OBJECT
public:
    // Questions open over `tab`, and go with it.
    RecordCommands(AppStore& store, AppRouter& router, QWidget* tab);
    void setJournal(const Journal& journal) { m_journal = journal; }

    void setStatus(const QUuid& statusID, const QSet<QUuid>& ids);
    void changeCounter(double delta, const QSet<QUuid>& ids);
    void openLinks(const QSet<QUuid>& ids);
    void edit(const std::optional<Record>& record);
    void moreLikeThis(const std::optional<Record>& record);
    void duplicate(const std::optional<Record>& record);
    // More like this in a journal filled item by item, a copy in any other.
    void copyOrMoreLikeThis(const std::optional<Record>& record);
    static void copyText(const QString& text);
    // Asks before deleting the records; `deleted` runs after they went.
    void confirmDelete(const QSet<QUuid>& ids, std::function<void()> deleted);

private:
    AppStore& m_store;
    AppRouter& m_router;
    QWidget* m_tab;
    Journal m_journal;
    QPointer<QMessageBox> m_deleteBox;
};
