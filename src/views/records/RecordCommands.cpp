#include "views/records/RecordCommands.h"

#include "app/AppRouter.h"
#include "app/records/RecordActions.h"
#include "core/store/AppStore.h"
#include "views/kit/Clipboard.h"
#include "views/kit/Dialogs.h"
#include "views/kit/WaitCursor.h"
#include "views/records/ManyLinksQuestion.h"

#include <QDialog>

using namespace Qt::StringLiterals;
using namespace Records;

RecordCommands::RecordCommands(AppStore& store, AppRouter& router, QWidget* tab)
    : QObject(tab), m_store(store), m_router(router), m_tab(tab) {}

void RecordCommands::setStatus(const QUuid& statusID, const QSet<QUuid>& ids) {
    const WaitCursor wait = WaitCursor::aroundSave(m_store.fileURL());
    m_store.setStatus(statusID, ids, m_journal.id, m_router.clock()());
}

void RecordCommands::changeCounter(double delta, const QSet<QUuid>& ids) {
    // Only a number field counts: a text would be written over with a number.
    const std::optional<FieldDef> counter = m_journal.field(m_journal.counterFieldID);
    if (counter && counter->type == FieldType::number) {
        const WaitCursor wait = WaitCursor::aroundSave(m_store.fileURL());
        m_store.changeNumber(counter->id, delta, ids, m_journal.id);
    }
}

void RecordCommands::openLinks(const QSet<QUuid>& ids) {
    openLinksAskingForMany(m_tab, m_store.links(ids, m_journal.id));
}

void RecordCommands::edit(const std::optional<Record>& record) {
    if (record)
        m_router.setEditor(EditorItem{QUuid::createUuid(), m_journal.id, *record, false});
}

void RecordCommands::moreLikeThis(const std::optional<Record>& record) {
    if (record)
        m_router.setBatch(BatchItem{QUuid::createUuid(), m_journal.id, *record});
}

void RecordCommands::duplicate(const std::optional<Record>& record) {
    if (record) {
        m_router.setEditor(EditorItem{QUuid::createUuid(), m_journal.id,
                                      RecordActions::duplicate(m_journal, *record, m_router.clock()()),
                                      true});
    }
}

void RecordCommands::copyOrMoreLikeThis(const std::optional<Record>& record) {
    if (m_journal.perItemFields().isEmpty())
        duplicate(record);
    else
        moreLikeThis(record);
}

void RecordCommands::copyText(const QString& text) {
    copyToClipboard(text);
}

void RecordCommands::confirmDelete(const QSet<QUuid>& ids, std::function<void()> deleted) {
    if (ids.isEmpty() || m_deleteBox)
        return;
    m_deleteBox = Dialogs::question(m_tab,
                                    {.title = RecordActions::deleteTitle(m_journal, ids.size()),
                                     .text = RecordActions::deleteMessage(),
                                     .action = u"Удалить"_s,
                                     .actionRole = QMessageBox::DestructiveRole},
                                    [this, ids, deleted = std::move(deleted)] {
                                        const WaitCursor wait = WaitCursor::aroundSave(m_store.fileURL());
                                        m_store.deleteRecords(ids, m_journal.id);
                                        deleted();
                                    });
    // The box goes only later: a question closed is no longer asked.
    connect(m_deleteBox, &QDialog::finished, this, [this] { m_deleteBox = nullptr; });
}
