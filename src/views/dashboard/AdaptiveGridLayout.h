#pragma once

#include <QLayout>
#include <QList>

// A grid of as many equal columns as fit, each at least a minimum width: columns = max(1, ⌊(w + gap) /
// (minimum + gap)⌋), recomputed for every width. Items fill their columns left to right, row by row; each
// row is as tall as its tallest item (never below an item's minimum height).
class AdaptiveGridLayout : public QLayout {
public:
    AdaptiveGridLayout(int minimumColumnWidth, int columnGap, int rowGap, QWidget* parent = nullptr);
    ~AdaptiveGridLayout() override;

    void setMinimumColumnWidth(int width);
    int columnCount(int width) const;

    void addItem(QLayoutItem* item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem* itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return Qt::Horizontal; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Lays the items out in the rectangle (only measures when `apply` is false); gives the height used.
    int arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> m_items;
    int m_minimumColumnWidth;
    int m_columnGap;
    int m_rowGap;
};
