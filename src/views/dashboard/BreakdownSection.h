#pragma once

#include "core/statistics/Statistics.h"
#include "views/dashboard/Card.h"

#include <QUuid>

class BreakdownTable;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

// "Разбивка по полю": the picker of the field to split by, the copy of the table for a spreadsheet, and
// the table of the period's metrics per value of the field, or "За период нет записей.".
class BreakdownSection : public Card {
    Q_OBJECT
public:
    explicit BreakdownSection(QWidget* parent = nullptr);

    // Shows the rows computed for the field; the picker marks the field when it is one of its entries.
    void setBreakdown(const Journal& journal, const FieldDef& field, const QList<BreakdownRow>& rows);

signals:
    void fieldPicked(const QUuid& fieldID);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void copy();
    void fitTable();

    QComboBox* m_picker;
    QPushButton* m_copy;
    QLabel* m_empty;
    QScrollArea* m_scroller;
    BreakdownTable* m_table;
    FieldDef m_field;
    QList<MetricDef> m_metrics;
    QList<BreakdownRow> m_rows;
};
