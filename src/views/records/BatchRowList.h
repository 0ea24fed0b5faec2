#pragma once

#include <QHash>
#include <QList>
#include <QUuid>
#include <QWidget>

class BatchRowWidget;
class QLabel;
class QScrollArea;
struct Journal;
namespace Records {
class BatchRows;
}

// The rows of batch entry under their column titles, as many as the user makes. Only the rows in view,
// and a screen's height of rows above and below them, are widgets: they are made as they scroll into view
// and show other rows as they scroll away. The list is as tall as all its rows, so the form scrolls over it
// as over its other sections, and a sheet of thousands of rows shows and takes typing as one of a few.
// Tab walks the cells of the rows in the order shown, making each next row as it comes.
class BatchRowList : public QWidget {
    Q_OBJECT
public:
    // `rows` is read whenever a row is shown; `scroll` is the form's scroll area, whose view decides which
    // rows are made.
    BatchRowList(const Journal& journal, const Records::BatchRows& rows, QScrollArea* scroll,
                 QWidget* parent);

    // The rows changed as a whole (made, added, deleted).
    void reset();
    // The lines under these rows changed.
    void updateRows(const QList<qsizetype>& positions);
    // The shared values changed: every row's lines and placeholders.
    void updateAll();

    // The widget of the row, made and scrolled into view.
    BatchRowWidget* showRow(qsizetype position);
    // Puts the focus in the row's keyboard stop (its first cell by default); the form scrolls to it once
    // laid out.
    void focusRow(qsizetype position, qsizetype stop = 0);
    // The row's widget when it has one.
    BatchRowWidget* shownRow(const QUuid& id) const { return m_shown.value(id); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void cellEdited(const QUuid& rowID, const QUuid& fieldID, const QString& text);
    void deleteRequested(const QUuid& rowID);

protected:
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The height of each row at the current width: a shown row's own, an estimate from the texts of its
    // lines for the others.
    int estimatedHeight(qsizetype position) const;
    void measure(qsizetype position);
    // The rows' tops from their heights; the list's height follows.
    void stack();
    // Makes the rows in and around the view, lets the others go, and puts each where it stands.
    void place();
    void arrange();
    BatchRowWidget* make(qsizetype position);
    void release(BatchRowWidget* row);
    void fill(BatchRowWidget* row, qsizetype position);
    qsizetype rowAt(int y) const;
    BatchRowWidget* rowHolding(const QWidget* widget) const;

    const Journal& m_journal;
    const Records::BatchRows& m_rows;
    QScrollArea* m_scroll;
    QList<int> m_widths;
    QWidget* m_header;
    QLabel* m_headerNumber;
    int m_numberWidth = 0;
    // A row without lines, and the least width of a row.
    int m_rowHeight = 0;
    int m_rowWidth = 0;
    QList<int> m_heights;
    // The top of each row, and after the last the list's height.
    QList<int> m_tops;
    QHash<QUuid, BatchRowWidget*> m_shown;
    QList<BatchRowWidget*> m_spare;
    bool m_placing = false;
    QWidget* m_watched = nullptr;
};
