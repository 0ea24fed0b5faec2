#include "views/kit/SheetForm.h"

#include "views/kit/Style.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace SheetForm {

QLabel* heading(QWidget* sheet, const QString& text) {
    auto* label = new QLabel(text, sheet);
    Style::setText(label, Style::TextStyle::title2, true);
    return label;
}

QScrollArea* scrollArea(QWidget* parent, const QString& name, Scroll kind) {
    auto* scroll = new QScrollArea(parent);
    scroll->setObjectName(name);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (kind == Scroll::page) {
        scroll->setFocusPolicy(Qt::NoFocus);
        scroll->viewport()->setAutoFillBackground(false);
    }
    return scroll;
}

QVBoxLayout* column(QWidget* content) {
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(padding, 8, padding, 8);
    column->setSpacing(14);
    column->setSizeConstraint(QLayout::SetMinimumSize);
    return column;
}

QPushButton* button(QWidget* sheet, const QString& text, const QString& name) {
    auto* b = new QPushButton(text, sheet);
    b->setObjectName(name);
    b->setAutoDefault(false);
    Style::makeLarge(b);
    return b;
}

} // namespace SheetForm
