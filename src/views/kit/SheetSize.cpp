#include "views/kit/SheetSize.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

namespace SheetSize {

QSize room(const QWidget* parent) {
    const QWidget* window = parent ? parent->window() : nullptr;
    QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    QSize available = screen->availableGeometry().size();
    // The sheet gets a frame like the window's: a title bar and borders outside its own size.
    if (window && window->isVisible())
        available -= window->frameGeometry().size() - window->geometry().size();
    return available.expandedTo({1, 1});
}

void apply(QDialog* sheet, QSize minimum, QSize ideal, Fit fit) {
    const QSize bounds = room(sheet->parentWidget());
    const QWidget* parent = sheet->parentWidget();
    if (fit == Fit::withinWindow && parent) {
        const QSize window = parent->window()->size();
        minimum = minimum.boundedTo(window);
        ideal = ideal.boundedTo(window).expandedTo(minimum);
    }
    minimum = minimum.boundedTo(bounds);
    ideal = ideal.boundedTo(bounds);
    if (fit == Fit::fixed) {
        sheet->setFixedSize(ideal);
        return;
    }
    sheet->setMinimumSize(minimum);
    sheet->resize(ideal);
}

} // namespace SheetSize
