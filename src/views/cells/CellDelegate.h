#pragma once

#include "app/cells/CellContent.h"

#include <QStyledItemDelegate>

// Draws the CellContent a model hands over under CellContentRole: plain text, a status capsule, a checkbox
// symbol, the link cell's open button or its warning. A text too long for its cell ends in "…". A click on
// the open button opens the link. The help is the model's tooltip; a cell without one whose text is cut
// names its whole text, found only when help is asked for. A cell with a check state alone is a check box
// centred in the cell, toggled by a click on it or by Space. Other cells are drawn as usual.
class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // The width a cell needs to show the content whole in a table of the given font, margins included.
    static int widthOf(const CellContent& content, const QFont& font);
    // The width the widest of the statuses takes as a badge, margins included: a status column never
    // narrower than this shows every badge whole.
    static int widestBadge(const QList<StatusDef>& statuses, const QFont& font);
    // Where in a cell's rectangle the open button of a link cell lies; empty for other cells.
    static QRect linkArea(const QStyleOptionViewItem& option, const CellContent& content);

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    static bool checkEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                           const QModelIndex& index);
};
