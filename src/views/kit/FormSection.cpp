#include "views/kit/FormSection.h"

#include "app/ShortcutText.h"
#include "views/kit/Style.h"

#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

// The panel behind a section's rows: the control background with a thin border and rounded corners.
class Panel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
        painter.fillPath(path, palette().color(QPalette::Base));
        painter.setPen(QPen(Style::separator(this), 1));
        painter.drawPath(path);
    }
};

} // namespace

FormSection::FormSection(const QString& title, QWidget* parent)
    : QWidget(parent), m_title(new QLabel(title, this)), m_panel(new Panel(this)),
      m_form(new QFormLayout(m_panel)) {
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

    m_form->setContentsMargins(14, 10, 14, 10);
    m_form->setHorizontalSpacing(16);
    m_form->setVerticalSpacing(6);
    m_form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_form->setRowWrapPolicy(QFormLayout::DontWrapRows);
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
    m_form->addRow(name, control);
    return name;
}

void FormSection::addSpanningRow(QWidget* row) {
    m_form->addRow(row);
}

void FormSection::addSpanningRow(QLayout* row) {
    m_form->addRow(row);
}

void FormSection::setRowVisible(QWidget* control, bool visible) {
    m_form->setRowVisible(control, visible);
}
