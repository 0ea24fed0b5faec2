#include "views/dashboard/BreakdownSection.h"

#include "app/dashboard/BreakdownTexts.h"
#include "views/dashboard/BreakdownTable.h"
#include "views/kit/Clipboard.h"
#include "views/kit/Style.h"
#include "views/kit/SymbolButton.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace Dashboard;

namespace {

// A title drawn on one line: its line breaks and tabs shown as blanks (the copy keeps them). Most titles
// hold none and are shared as they are.
QString oneLine(const QString& text) {
    const auto breaks = [](QChar c) { return c == u'\n' || c == u'\r' || c == u'\t'; };
    if (std::none_of(text.cbegin(), text.cend(), breaks))
        return text;
    QString line = text;
    std::replace_if(line.begin(), line.end(), breaks, QChar(u' '));
    return line;
}

} // namespace

BreakdownSection::BreakdownSection(QWidget* parent)
    : Card(10, parent), m_picker(new QComboBox(this)), m_copy(new QPushButton(this)),
      m_empty(new QLabel(this)), m_scroller(new QScrollArea(this)), m_table(new BreakdownTable) {
    setObjectName(u"breakdown"_s);
    auto* heading = new QHBoxLayout;
    auto* title = new QLabel(u"Разбивка по полю"_s, this);
    Style::setText(title, Style::TextStyle::headline);
    heading->addWidget(title, 0, Qt::AlignVCenter);
    m_picker->setObjectName(u"breakdownField"_s);
    m_picker->setAccessibleName(u"Поле"_s);
    m_picker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    heading->addWidget(m_picker, 0, Qt::AlignVCenter);
    heading->addStretch(1);
    m_copy->setObjectName(u"copyBreakdown"_s);
    m_copy->setText(u"Скопировать таблицу"_s);
    m_copy->setAutoDefault(false);
    setSymbol(m_copy, u"doc.on.doc"_s);
    heading->addWidget(m_copy, 0, Qt::AlignVCenter);
    contentLayout()->addLayout(heading);

    m_empty->setObjectName(u"breakdownEmpty"_s);
    m_empty->setText(u"За период нет записей."_s);
    m_empty->setTextFormat(Qt::PlainText);
    Style::setSecondary(m_empty);
    contentLayout()->addWidget(m_empty);

    // A table that cannot fit the box however narrow its columns scrolls sideways inside it.
    m_table->setObjectName(u"breakdownTable"_s);
    m_scroller->setWidget(m_table);
    m_scroller->setWidgetResizable(false);
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroller->viewport()->setAutoFillBackground(false);
    m_table->setAutoFillBackground(false);
    contentLayout()->addWidget(m_scroller);

    connect(m_picker, &QComboBox::activated, this,
            [this](int index) { emit fieldPicked(m_picker->itemData(index).toUuid()); });
    connect(m_copy, &QPushButton::clicked, this, &BreakdownSection::copy);
}

void BreakdownSection::setBreakdown(const Journal& journal, const FieldDef& field,
                                    const QList<BreakdownRow>& rows) {
    m_field = field;
    m_metrics = journal.metrics;
    m_rows = rows;
    {
        const QSignalBlocker blocker(m_picker);
        m_picker->clear();
        for (const FieldDef& candidate : breakdownCandidates(journal))
            m_picker->addItem(candidate.name, candidate.id);
        // A field of another type (the journal's own choice) is used but is none of the entries.
        m_picker->setCurrentIndex(m_picker->findData(field.id));
    }
    m_copy->setEnabled(!rows.isEmpty());
    m_empty->setVisible(rows.isEmpty());
    m_scroller->setVisible(!rows.isEmpty());

    QStringList header{oneLine(field.name)};
    for (const MetricDef& metric : journal.metrics)
        header.append(oneLine(metric.title));
    BreakdownTable::Rows table;
    table.titles.reserve(rows.size());
    for (const BreakdownRow& row : rows)
        table.titles.append(oneLine(row.title));
    table.figures = [rows, metrics = journal.metrics](qsizetype r) {
        QStringList cells;
        for (qsizetype i = 0; i < rows[r].values.size(); ++i)
            cells.append(breakdownCell(rows[r].values, i, metrics));
        return cells;
    };
    table.shapes = breakdownCellShapes(rows, journal.metrics);
    m_table->setRows(header, std::move(table));
    fitTable();
}

void BreakdownSection::copy() {
    copyToClipboard(breakdownText(m_rows, m_field, m_metrics));
}

void BreakdownSection::resizeEvent(QResizeEvent* event) {
    Card::resizeEvent(event);
    fitTable();
}

void BreakdownSection::fitTable() {
    // The table fits the box as far as it can; the scroller is as tall as the table, plus its scroll bar
    // when the table is still wider than the box.
    const QMargins margins = contentLayout()->contentsMargins();
    const int available = width() - margins.left() - margins.right();
    m_table->setRoom(available);
    if (m_table->size() != m_table->sizeHint())
        m_table->resize(m_table->sizeHint());
    const bool scrolls = m_table->width() > available;
    const int height =
        m_table->height() + (scrolls ? m_scroller->horizontalScrollBar()->sizeHint().height() : 0);
    if (m_scroller->minimumHeight() != height || m_scroller->maximumHeight() != height)
        m_scroller->setFixedHeight(height);
}
