#include "views/kit/FormSection.h"

#include "app/kit/ShortcutText.h"
#include "views/kit/RoundedBox.h"
#include "views/kit/Style.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The panel behind a section's rows: the control background with a thin border and rounded corners.
class Panel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        paintRoundedBox(this, 8, palette().color(QPalette::Base), Style::separator(this));
    }
};

// A row's label sits by the first line of its control: centred beside a control about as high as the
// label, and near the top of a taller one (a list, a text of several lines) rather than beside its middle.
class LabelItem : public QWidgetItem {
public:
    using QWidgetItem::QWidgetItem;

    void setGeometry(const QRect& rect) override {
        QRect box = rect;
        box.setHeight(std::min(rect.height(), sizeHint().height() * 7 / 4));
        QWidgetItem::setGeometry(box);
    }
};

constexpr int labelColumn = 0;
constexpr int controlColumn = 1;

} // namespace

// The rows on a grid of two columns, labels and controls, a spanning row across both. Not Qt's form
// layout: Qt 6.4's writes past a heap block when it measures rows that wrap their text while some of its
// rows are hidden. The grid gives a row whose widgets are all hidden neither height nor spacing, and
// measures a row that wraps its text at the width its columns get.
class FormSection::Rows : public QGridLayout {
public:
    using QGridLayout::QGridLayout;

    void addLabel(QLabel* label, int row) {
        addChildWidget(label);
        addItem(new LabelItem(label), row, labelColumn);
    }
};

FormSection::FormSection(const QString& title, QWidget* parent)
    : QWidget(parent), m_title(new QLabel(title, this)), m_panel(new Panel(this)), m_rows(new Rows(m_panel)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    Style::setText(m_title, Style::TextStyle::callout, true);
    Style::setSecondary(m_title);
    m_title->setContentsMargins(4, 0, 0, 0);
    // A section without a heading starts with its panel.
    m_title->setVisible(!title.isEmpty());
    column->addWidget(m_title);
    column->addWidget(m_panel);

    m_rows->setContentsMargins(14, 10, 14, 10);
    m_rows->setHorizontalSpacing(16);
    m_rows->setVerticalSpacing(6);
    // The labels' column is as wide as its widest label; the controls take the rest.
    m_rows->setColumnStretch(controlColumn, 1);
}

void FormSection::setTitle(const QString& title) {
    m_title->setText(title);
    m_title->setVisible(!title.isEmpty());
}

QString FormSection::title() const {
    return m_title->text();
}

QLabel* FormSection::addEditorRow(const QString& label, QWidget* control) {
    // A label with a buddy takes a lone "&" for the mark of a shortcut: doubled, each shows as typed and
    // none makes one.
    auto* name = new QLabel(literalLabel(label), m_panel);
    name->setTextFormat(Qt::PlainText);
    name->setBuddy(control);
    const int row = m_rows->rowCount();
    // The label's own alignment, left and vertically centred, places its text in the box it is given.
    m_rows->addLabel(name, row);
    m_rows->addWidget(control, row, controlColumn);
    return name;
}

void FormSection::addSpanningRow(QWidget* row) {
    m_rows->addWidget(row, m_rows->rowCount(), labelColumn, 1, 2);
}

void FormSection::addSpanningRow(QLayout* row) {
    m_rows->addLayout(row, m_rows->rowCount(), labelColumn, 1, 2);
}

void FormSection::lineUp(QWidget* form) {
    const QList<FormSection*> sections = form->findChildren<FormSection*>(Qt::FindDirectChildrenOnly);
    int widest = 0;
    for (const FormSection* section : sections) {
        const Rows* rows = section->m_rows;
        for (int row = 0; row < rows->rowCount(); ++row) {
            // A spanning row takes no part: it starts at the panel's edge whatever the labels are.
            // Hidden rows count too: showing one later moves no control.
            const QLayoutItem* label = rows->itemAtPosition(row, labelColumn);
            if (label && label->widget() && label != rows->itemAtPosition(row, controlColumn))
                widest = std::max(widest, label->widget()->sizeHint().width());
        }
    }
    for (FormSection* section : sections)
        section->m_rows->setColumnMinimumWidth(labelColumn, widest);
}

void FormSection::setRowVisible(QWidget* control, bool visible) {
    const int index = m_rows->indexOf(control);
    if (index < 0)
        return;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    m_rows->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    for (const int at : {labelColumn, controlColumn})
        if (QLayoutItem* item = m_rows->itemAtPosition(row, at); item && item->widget())
            item->widget()->setVisible(visible);
}
