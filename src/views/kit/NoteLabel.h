#pragma once

#include "views/kit/Style.h"

class QLabel;
class QString;
class QWidget;

// A secondary note: plain text in the given size, in the secondary colour, wrapping onto as many lines as
// it needs.
QLabel* noteLabel(const QString& text, Style::TextStyle style, QWidget* parent);
