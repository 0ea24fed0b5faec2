#include "views/kit/TextLine.h"

#include "core/model/TypedText.h"

#include <QSignalBlocker>
#include <QValidator>

#include <limits>

namespace {

// Every change of the box's text passes its validator before textEdited is sent, whichever way the text
// came: keys, the clipboard, a drop, an input method. A text changed here is put back in place of the
// edit, and the listeners hear the cleaned text only.
class TypedOnly : public QValidator {
public:
    explicit TypedOnly(QLineEdit* box) : QValidator(box), m_box(box) {}

    State validate(QString& input, int& pos) const override {
        // setText clears the modified flag: a stored value pushed from code is left as it is. An edit by
        // the user sets it, and then the whole text becomes a typed one.
        if (!m_box->isModified())
            return Acceptable;
        const QString kept = TypedText::cleaned(input);
        if (kept.size() != input.size()) {
            pos = int(TypedText::cleaned(input.left(pos)).size());
            input = kept;
        }
        return Acceptable;
    }

private:
    QLineEdit* m_box;
};

} // namespace

TextLine::TextLine(QWidget* parent) : TextLine(QString(), parent) {}

TextLine::TextLine(const QString& text, QWidget* parent) : QLineEdit(parent) {
    // The limit goes before the text, or a long stored text would be shown cut.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new TypedOnly(this));
    setText(text);
}

void showText(QLineEdit* box, const QString& text) {
    if (box->hasFocus() || box->text() == text)
        return;
    const QSignalBlocker blocker(box);
    box->setText(text);
}
