#pragma once

#include "app/kit/ColumnWidths.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>

// The breakdown's grid of texts: a header line in small semibold secondary text, a divider, then one line
// per row, columns 28 px apart. Each column would be as wide as its widest text (row titles up to a
// limit); given less room, the row titles are cut shorter with "…" first, then the figures' headers wrap
// onto more lines, one column at a time, and only a table that still does not fit is wider than its
// room. Figures are never cut. A title cut short names its whole text as help. It draws only the lines
// in view, so a field with thousands of values stays quick.
class BreakdownTable : public QWidget {
    Q_OBJECT
public:
    // The rows of a table: their titles, each on one line, and their figures, written only when the row is
    // drawn or asked for; a field may have tens of thousands of values and a screenful is in view.
    struct Rows {
        QStringList titles;
        std::function<QStringList(qsizetype row)> figures;
        // Per figure column, texts that take every width its figures take (breakdownCellShapes).
        QList<QStringList> shapes;
    };

    explicit BreakdownTable(QWidget* parent = nullptr);

    void setRows(const QStringList& header, Rows rows);
    // The width the table has to fit in.
    void setRoom(int width);
    // Every row's texts, the title first.
    QList<QStringList> rows() const;

    QSize sizeHint() const override { return m_size; }
    QSize minimumSizeHint() const override { return m_size; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void measure();
    // The width of the widest title, or atLeast when none is wider.
    int measureTitles(int atLeast);
    void layOut();
    // The whole text of the title or header cut short at a point, or nothing where none is.
    QString cutTextAt(const QPoint& point) const;
    QFont headerFont() const;
    QFont valueFont() const;
    int rowPitch() const;
    int headerHeight() const;

    QStringList m_header;
    Rows m_rows;
    QList<ColumnWidths::Column> m_columns;
    QList<int> m_widths;
    QHash<QString, int> m_titleWidths; // of the titles of the field shown, in the widget's font
    int m_room = QWIDGETSIZE_MAX;
    int m_headerTextHeight = 0;
    QSize m_size;
};
