#include "views/shell/SheetPresenter.h"

SheetPresenter::SheetPresenter(const QString& sheetName, std::function<void()> clearItem,
                               std::function<void()> afterClose, QObject* parent)
    : QObject(parent), m_sheetName(sheetName), m_clearItem(std::move(clearItem)),
      m_afterClose(std::move(afterClose)) {}

void SheetPresenter::sync(const std::optional<QUuid>& itemID, const Build& build) {
    if (!itemID) {
        // Forget the id first, so the closing sheet does not clear an item that is already gone.
        m_shownID.reset();
        if (m_dialog)
            m_dialog->reject();
        return;
    }
    if (m_shownID == itemID)
        return;
    if (QDialog* old = m_dialog) {
        // Replaced by a newer item: close the old sheet quietly.
        m_dialog = nullptr;
        m_shownID.reset();
        disconnect(old, nullptr, this, nullptr);
        old->reject();
        old->deleteLater();
    }
    QDialog* dialog = build();
    if (!dialog) {
        m_clearItem();
        return;
    }
    m_dialog = dialog;
    m_shownID = itemID;
    dialog->setObjectName(m_sheetName);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QDialog::finished, this, [this, dialog, id = *itemID] {
        if (m_dialog == dialog)
            m_dialog = nullptr;
        const bool current = m_shownID == id;
        if (current)
            m_shownID.reset();
        disconnect(dialog, nullptr, this, nullptr);
        dialog->deleteLater();
        if (current)
            m_clearItem();
        m_afterClose();
    });
    dialog->open();
}
