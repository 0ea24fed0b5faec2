#pragma once

#include "core/journal/Batch.h"
#include "core/model/Model.h"

#include <QList>
#include <QWidget>

class QBoxLayout;
class QFontMetrics;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class WarningLabel;

// One row of batch entry: its number, a cell per per-item field, a delete button, and under it the lines
// of its review. Typing changes only what the cells hold, and the lines are replaced in place. The list of
// rows shows a widget for the rows in view only, so a widget shows one row after another as the form
// scrolls (showRow()).
class BatchRowWidget : public QWidget {
    Q_OBJECT
public:
    // `widths` are the per-item columns' widths, from columnWidths().
    BatchRowWidget(const Journal& journal, const QList<int>& widths, QWidget* parent);

    // The width of each per-item column: its type's, or what its cells' placeholder needs in a cell like
    // `cell` when that is more, up to twice its type's. A column that grows takes it as its least width.
    static QList<int> columnWidths(const Journal& journal, const QLineEdit& cell);
    // The width of the number column: the least one, or what the widest number up to `rows` needs.
    static int numberWidth(const QFontMetrics& metrics, qsizetype rows);
    // The row's columns: the number, a column per per-item field, the delete button. The header line of
    // the rows is laid out by the same rule, so its titles stand over the cells.
    static void addColumns(QHBoxLayout* line, const Journal& journal, const QList<int>& widths,
                           QWidget* number, const QList<QWidget*>& cells, QWidget* end);

    // Shows the row at `position` (counted from 0) with its cells as the row holds them.
    void showRow(const BatchRow& row, qsizetype position);
    void setNumberWidth(int width);

    const QUuid& rowID() const { return m_rowID; }
    QLineEdit* cell(const QUuid& fieldID) const;
    // The row's keyboard stops in Tab order: the cells, then the delete button.
    QList<QWidget*> focusStops() const;
    QStringList lines() const;

    // The placeholders follow the shared values: a link cell says when the shared link fills it.
    void showPrompts(const Record& templateRecord);
    void showLines(const QStringList& lines);

signals:
    void cellEdited(const QUuid& rowID, const QUuid& fieldID, const QString& text);
    void deleteRequested(const QUuid& rowID);

private:
    QUuid m_rowID;
    QList<FieldDef> m_fields;
    QLabel* m_number;
    QList<QLineEdit*> m_cells;
    QToolButton* m_delete;
    QBoxLayout* m_lineBox;
    QList<WarningLabel*> m_lines;
};
