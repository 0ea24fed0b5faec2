#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

// Types a character into the box, then takes it back, one key press per iteration, as the screens receive
// typing.
inline void typeAndErase(benchmark::State& state, QWidget* box) {
    bool erase = false;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, erase ? Qt::Key_Backspace : Qt::Key_unknown, Qt::NoModifier,
                        erase ? QString() : QStringLiteral("7"));
        QApplication::sendEvent(box, &press);
        erase = !erase;
    }
}
