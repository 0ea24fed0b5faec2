#pragma once

#include <QKeySequence>

// The keys of the window's commands. Qt maps Ctrl to Command and Meta to Control on macOS, so the same
// sequences give ⌘N and ⌃⌘N there and Ctrl+N and Meta+Ctrl+N here.
namespace AppKeys {
inline QKeySequence primaryAdd() {
    return QKeySequence(Qt::CTRL | Qt::Key_N);
}
inline QKeySequence singleRecord() {
    return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N);
}
inline QKeySequence newJournal() {
    return QKeySequence(Qt::CTRL | Qt::META | Qt::Key_N);
}
inline QKeySequence importCSV() {
    return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I);
}
inline QKeySequence exportCSV() {
    return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E);
}
inline QKeySequence dashboardTab() {
    return QKeySequence(Qt::CTRL | Qt::Key_1);
}
inline QKeySequence recordsTab() {
    return QKeySequence(Qt::CTRL | Qt::Key_2);
}
inline QKeySequence journalSettings() {
    return QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Comma);
}
inline QKeySequence toggleSidebar() {
    return QKeySequence(Qt::CTRL | Qt::META | Qt::Key_S);
}
// The platform's quit key; platforms without a theme binding get Ctrl+Q.
QKeySequence quit();

// The records tab's keys: they work anywhere in the window while that tab is shown.
inline QKeySequence focusSearch() {
    return QKeySequence(Qt::CTRL | Qt::Key_F);
}
// Return and the keypad's Enter both set the primary status.
inline QKeySequence primaryStatus() {
    return QKeySequence(Qt::CTRL | Qt::Key_Return);
}
inline QKeySequence primaryStatusKeypad() {
    return QKeySequence(Qt::CTRL | Qt::Key_Enter);
}
// The status at a position 0 to 4 among the first five: Meta+Ctrl and the position's digit from 1.
inline QKeySequence statusAt(int position) {
    return QKeySequence(Qt::CTRL | Qt::META | Qt::Key(Qt::Key_1 + position));
}
inline QKeySequence counterUp() {
    return QKeySequence(Qt::CTRL | Qt::Key_Equal);
}
inline QKeySequence counterDown() {
    return QKeySequence(Qt::CTRL | Qt::Key_Minus);
}
inline QKeySequence openLinks() {
    return QKeySequence(Qt::CTRL | Qt::Key_L);
}
inline QKeySequence moreLikeThis() {
    return QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_N);
}
inline QKeySequence editRecord() {
    return QKeySequence(Qt::CTRL | Qt::Key_E);
}
inline QKeySequence deleteRecords() {
    return QKeySequence(Qt::CTRL | Qt::Key_Backspace);
}

// The dashboard's key: copies the short report.
inline QKeySequence copyReport() {
    return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
}

// Batch entry saves its rows with Ctrl+Return, or the keypad's Enter.
inline QKeySequence saveBatch() {
    return QKeySequence(Qt::CTRL | Qt::Key_Return);
}
inline QKeySequence saveBatchKeypad() {
    return QKeySequence(Qt::CTRL | Qt::Key_Enter);
}
} // namespace AppKeys
