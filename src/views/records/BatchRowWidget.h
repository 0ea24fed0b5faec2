#pragma once

#include "journal/Batch.h"
#include "model/Model.h"

#include <QList>
#include <QWidget>

class QBoxLayout;
class QHBoxLayout;
class QLineEdit;
class QToolButton;
class WarningLabel;

// One row of batch entry: its number, a cell per per-item field, a delete button, and under it the lines
// of its review. The widget is made once per row; typing changes only what the cells hold, and the lines
// are replaced in place.
class BatchRowWidget : public QWidget {
    Q_OBJECT
public:
    // `widths` are the per-item columns' widths, from columnWidths().
    BatchRowWidget(const Journal& journal, const QList<int>& widths, const BatchRow& row, int position,
                   QWidget* parent);

    // The width of each per-item column: its type's, or what its cells' placeholder needs in a cell like
    // `cell` when that is more, up to twice its type's. A column that grows takes it as its least width.
    static QList<int> columnWidths(const Journal& journal, const QLineEdit& cell);
    // The row's columns: the number, a column per per-item field, the delete button. The header line of
    // the rows is laid out by the same rule, so its titles stand over the cells.
    static void addColumns(QHBoxLayout* line, const Journal& journal, const QList<int>& widths,
                           QWidget* number, const QList<QWidget*>& cells, QWidget* end);

    const QUuid& rowID() const { return m_rowID; }
    QLineEdit* cell(const QUuid& fieldID) const;
    QLineEdit* firstCell() const { return m_cells.isEmpty() ? nullptr : m_cells.first(); }
    QToolButton* deleteButton() const { return m_delete; }
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
    QList<QLineEdit*> m_cells;
    QToolButton* m_delete;
    QBoxLayout* m_lineBox;
    QList<WarningLabel*> m_lines;
};
