#include "views/records/BatchRowWidget.h"

#include "app/kit/ColumnWidths.h"
#include "app/records/BatchEntry.h"
#include "views/cells/WarningLabel.h"
#include "views/kit/Style.h"
#include "views/kit/SymbolButton.h"
#include "views/kit/TextLine.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace Records;

namespace {
constexpr int sideColumn = 24;
constexpr int minimumNumberColumn = sideColumn;
} // namespace

BatchRowWidget::BatchRowWidget(const Journal& journal, const QList<int>& widths, QWidget* parent)
    : QWidget(parent), m_fields(journal.perItemFields()), m_number(new QLabel(this)),
      m_delete(symbolButton(u"minus.circle.fill"_s, u"Удалить строку"_s, this, Style::destructive())),
      m_lineBox(new QVBoxLayout) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    auto* line = new QHBoxLayout;
    line->setSpacing(8);

    m_number->setTextFormat(Qt::PlainText);
    m_number->setForegroundRole(QPalette::PlaceholderText);
    QList<QWidget*> cells;
    for (const FieldDef& f : m_fields) {
        auto* cell = new TextLine(this);
        cell->setAccessibleName(f.name);
        // The list moves Tab from cell to cell and row to row itself (BatchRowList): the window's own Tab
        // order would walk the rows in the order their widgets were made, not in the order shown.
        cell->setFocusPolicy(Qt::ClickFocus);
        connect(cell, &QLineEdit::textEdited, this,
                [this, id = f.id](const QString& text) { emit cellEdited(m_rowID, id, text); });
        m_cells.append(cell);
        cells.append(cell);
    }
    m_delete->setObjectName(u"deleteRow"_s);
    // Tab walks the cells alone (BatchRowList).
    m_delete->setFocusPolicy(Qt::NoFocus);
    connect(m_delete, &QToolButton::clicked, this, [this] { emit deleteRequested(m_rowID); });
    addColumns(line, journal, widths, m_number, cells, m_delete);

    column->addLayout(line);
    m_lineBox->setSpacing(2);
    column->addLayout(m_lineBox);
    setNumberWidth(minimumNumberColumn);
}

void BatchRowWidget::showRow(const BatchRow& row, qsizetype position) {
    m_rowID = row.id;
    m_number->setText(QString::number(position + 1));
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        const QString text = row.values.value(m_fields[i].id);
        if (m_cells[i]->text() != text)
            m_cells[i]->setText(text);
    }
    QWidget::show();
}

void BatchRowWidget::setNumberWidth(int width) {
    m_number->setFixedWidth(width);
    // The lines stand under the cells.
    m_lineBox->setContentsMargins(width + 8, 0, 0, 0);
}

int BatchRowWidget::numberWidth(const QFontMetrics& metrics, qsizetype rows) {
    int digit = 0;
    for (char16_t d = u'0'; d <= u'9'; ++d)
        digit = std::max(digit, metrics.horizontalAdvance(QChar(d)));
    const int digits = int(QString::number(std::max<qsizetype>(rows, 1)).size());
    return std::max(minimumNumberColumn, digits * digit + 2);
}

QList<int> BatchRowWidget::columnWidths(const Journal& journal, const QLineEdit& cell) {
    // The width a line edit asks for its text, as its own size hint works it out: the text, the edit's
    // inner margins (2 px a side) and the style's frame.
    QStyleOptionFrame frame;
    frame.initFrom(&cell);
    frame.lineWidth = cell.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &cell);
    frame.state |= QStyle::State_Sunken;
    const QMargins margins = cell.textMargins();
    const QFontMetricsF metrics(cell.font());
    const int height = cell.sizeHint().height();
    QList<int> widths;
    for (const FieldDef& field : journal.perItemFields()) {
        const QString prompt = BatchEntry::rowPrompt(field, Record{});
        const int text =
            int(std::ceil(metrics.horizontalAdvance(prompt))) + 4 + margins.left() + margins.right();
        const int needed =
            cell.style()->sizeFromContents(QStyle::CT_LineEdit, &frame, QSize(text, height), &cell).width() +
            1;
        widths.append(ColumnWidths::ideal({0, BatchEntry::columnWidth(field.type)}, needed));
    }
    return widths;
}

void BatchRowWidget::addColumns(QHBoxLayout* line, const Journal& journal, const QList<int>& widths,
                                QWidget* number, const QList<QWidget*>& cells, QWidget* end) {
    line->addWidget(number);
    const QList<FieldDef> fields = journal.perItemFields();
    bool anyWide = false;
    for (qsizetype i = 0; i < fields.size() && i < cells.size(); ++i) {
        const int width = widths.value(i, BatchEntry::columnWidth(fields[i].type));
        const bool wide = BatchEntry::isWide(journal, fields[i]);
        anyWide = anyWide || wide;
        if (wide)
            cells[i]->setMinimumWidth(width);
        else
            cells[i]->setFixedWidth(width);
        line->addWidget(cells[i], wide ? 1 : 0);
    }
    end->setFixedWidth(sideColumn);
    // Without a column that grows, the columns keep to the leading edge.
    if (!anyWide)
        line->addStretch(1);
    line->addWidget(end);
}

QLineEdit* BatchRowWidget::cell(const QUuid& fieldID) const {
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].id == fieldID)
            return m_cells[i];
    }
    return nullptr;
}

QList<QWidget*> BatchRowWidget::focusStops() const {
    QList<QWidget*> stops(m_cells.cbegin(), m_cells.cend());
    stops.append(m_delete);
    return stops;
}

QStringList BatchRowWidget::lines() const {
    QStringList texts;
    for (const WarningLabel* label : m_lines) {
        if (!label->isHidden())
            texts.append(label->text());
    }
    return texts;
}

void BatchRowWidget::showPrompts(const Record& templateRecord) {
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        m_cells[i]->setPlaceholderText(BatchEntry::rowPrompt(m_fields[i], templateRecord));
}

void BatchRowWidget::showLines(const QStringList& lines) {
    while (m_lines.size() < lines.size()) {
        auto* label = new WarningLabel({}, this);
        m_lineBox->addWidget(label);
        m_lines.append(label);
    }
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const bool shown = i < lines.size();
        if (shown && m_lines[i]->text() != lines[i])
            m_lines[i]->setText(lines[i]);
        m_lines[i]->setVisible(shown);
    }
}
