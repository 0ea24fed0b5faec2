#pragma once

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QString>
#include <QTest>
#include <QWidget>

// Typing as a user does, one key press per character (QTest::keyClicks knows only ASCII) and Return for a
// line feed, after selecting and deleting what the box held when `replace` is set.
inline void typeText(QWidget* box, const QString& text, bool replace = true) {
    if (replace) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
    }
    for (const QChar c : text) {
        if (c == u'\n') {
            QTest::keyClick(box, Qt::Key_Return);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

// Pasting as a user does: the text on the clipboard, then the platform's paste keys in the box, over all it
// held.
inline void pasteText(QWidget* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keySequence(box, QKeySequence::Paste);
}
