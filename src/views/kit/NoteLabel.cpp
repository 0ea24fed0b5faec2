#include "views/kit/NoteLabel.h"

#include <QLabel>

QLabel* noteLabel(const QString& text, Style::TextStyle style, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    Style::setText(label, style);
    label->setWordWrap(true);
    Style::setSecondary(label);
    return label;
}
