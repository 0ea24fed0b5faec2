#pragma once

#include <QChar>
#include <QString>

// What the user types or pastes into a box before it becomes a value, a name or a draft.
namespace TypedText {

// The C0 control characters other than TAB, LF and CR. Nothing shows them, and some break what is made of
// the text later: a NUL makes the journal's own CSV export unreadable by its import.
bool isDropped(QChar c);
// The text without those characters; the text itself, shared, when it holds none.
QString cleaned(const QString& text);

} // namespace TypedText
