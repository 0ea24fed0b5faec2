#pragma once

class QColor;
class QWidget;

// Paints the rounded box a widget stands in (a form's panel, a dashboard card or tile, a template tile):
// the widget's rectangle with corners of `radius`, filled, its outline `line` pixels wide drawn inside the
// rectangle so no part of it is cut. Called from the widget's paintEvent.
void paintRoundedBox(QWidget* widget, double radius, const QColor& fill, const QColor& outline,
                     double line = 1);
