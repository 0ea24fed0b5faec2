#pragma once

#include <QTableView>

// A table whose leading columns stay in place while the others scroll sideways beneath them, so the
// columns a row is known by stay in view. A second view over the table's left edge shows those columns
// of the same rows: it shares the table's model, selection, current cell and delegate, takes its looks,
// row heights and column widths, and scrolls up and down with it. The mouse, the help and the wheel work
// on it as on the table; the keyboard focus stays with the table.
class FrozenColumnsTableView : public QTableView {
    Q_OBJECT
public:
    explicit FrozenColumnsTableView(QWidget* parent = nullptr);

    // Keeps the first `count` columns in place. Called once the table has its model, delegate, headers and
    // looks: the part in place takes them over.
    void freezeLeadingColumns(int count);
    // The part that shows the columns kept in place; none before they are frozen.
    QTableView* frozenPart() const { return m_frozen; }

    // A cell of a column kept in place scrolls only up and down; one of the others scrolls out from
    // beneath them.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    void updateGeometries() override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeOverLooks();
    void showOnlyFrozenColumns();
    void frozenSectionResized(int logicalIndex);
    void sectionResized(int logicalIndex);
    int frozenWidth() const;
    void placeFrozenPart();

    QTableView* m_frozen = nullptr;
    QWidget* m_edge = nullptr;
    int m_count = 0;
    // Set while the table hands its widths to the part in place, whose header then reports them back.
    bool m_syncing = false;
};
