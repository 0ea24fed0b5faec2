#include "views/kit/SheetForm.h"

#include "views/kit/Style.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QVBoxLayout>

namespace SheetForm {

namespace {

bool takesTyping(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w);
}

// A group of buttons is one stop, at its chosen button when it has one.
bool passedOver(const QWidget* w) {
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    const QButtonGroup* group = button ? button->group() : nullptr;
    return group && group->exclusive() && group->checkedButton() && group->checkedButton() != button;
}

} // namespace

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
    scroll->setFocusPolicy(Qt::NoFocus);
    if (kind == Scroll::page)
        scroll->viewport()->setAutoFillBackground(false);
    return scroll;
}

void layOutNow(const std::function<bool()>& done) {
    // A layout that changes size asks its parent's for a new layout by a posted request, which the parent
    // handles only in a later pass: each pass here lays out one level more.
    constexpr int levels = 16;
    for (int level = 0; level < levels && !(done && done()); ++level)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

QWidget* firstStop(const QWidget* body, Stop which) {
    // The window's focus chain runs through all its widgets in Tab order.
    const QWidget* window = body->window();
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (!body->isAncestorOf(w) || (w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus ||
            !w->isVisibleTo(window) || !w->isEnabled() || w->focusProxy() || passedOver(w))
            continue;
        if (which == Stop::noTextBox && takesTyping(w))
            continue;
        return w;
    }
    return nullptr;
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
