#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QUuid>

#include <functional>
#include <optional>

// Presents one sheet from one router property. The property's item id decides: nothing closes the open
// sheet, the id already shown changes nothing, a new id replaces the open sheet (its edits dropped) with
// one built from current data. When the sheet closes itself, the property is cleared — unless it
// already names a newer item. Each sheet it shows carries the presenter's name as its object name.
class SheetPresenter : public QObject {
    Q_OBJECT
public:
    // Builds the sheet, or gives nothing when its journal no longer exists (the item is then cleared).
    using Build = std::function<QDialog*()>;

    SheetPresenter(const QString& sheetName, std::function<void()> clearItem,
                   std::function<void()> afterClose, QObject* parent = nullptr);

    void sync(const std::optional<QUuid>& itemID, const Build& build);

    bool isShown() const { return m_dialog != nullptr; }

private:
    QString m_sheetName;
    std::function<void()> m_clearItem;
    std::function<void()> m_afterClose;
    QPointer<QDialog> m_dialog;
    std::optional<QUuid> m_shownID;
};
