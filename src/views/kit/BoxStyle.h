#pragma once

#include <QProxyStyle>

// The application's style: the platform's own, except that the borders of text boxes, date boxes and check
// boxes reach the contrast a mark needs (Contrast::marks) against the box and the surfaces around it, so
// the eye finds where a value goes. Fusion, the style Qt takes where the desktop names none, draws them in
// a grey too light for that.
class BoxStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    // The window colour to hand Fusion so that the border it derives from it, made lighter by `lighter`
    // per cent as Fusion draws one kind of box, reads on the palette's surfaces: the palette's own when it
    // already does, else a shade of it.
    static QColor windowForBorders(const QPalette& palette, int lighter = 100);
};
