#include "views/kit/FormSection.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A window with a form section of one row, a box outside it holding the focus, and a label of the same
// text drawn as plain text without a buddy, for comparison.
struct Form {
    QWidget window;
    FormSection* section = new FormSection(u"Раздел"_s);
    QLineEdit* control = new QLineEdit;
    QLineEdit* elsewhere = new QLineEdit;
    QLabel* typed = new QLabel;
    QLabel* label;

    explicit Form(const QString& name) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(section);
        layout->addWidget(elsewhere);
        layout->addWidget(typed);
        label = section->addEditorRow(name, control);
        typed->setTextFormat(Qt::PlainText);
        typed->setText(name);
        window.show();
        QApplication::setActiveWindow(&window);
        (void)QTest::qWaitForWindowActive(&window);
        elsewhere->setFocus();
    }
    // Presses the key the name would take as a shortcut, if it were read as one.
    void pressMnemonicOf(const QString& name) {
        const QKeySequence keys = QKeySequence::mnemonic(name);
        if (keys.isEmpty())
            return;
        // Sent with its key code: the letter may be no Latin one.
        QTest::sendKeyEvent(QTest::Click, elsewhere, keys[0].key(), QString(), keys[0].keyboardModifiers());
    }
};

QImage drawn(QWidget* widget, QSize size) {
    widget->resize(size);
    return widget->grab().toImage();
}

} // namespace

// A field's name is data: whatever "&" it holds shows as typed and takes no Alt key.
TEST(FormSection, RowLabelShowsItsTextAsTypedAndTakesNoShortcut) {
    for (const QString& name : {u"Цена & скидка"_s, u"&Цена"_s, u"Цена&"_s, u"A && B"_s, u"Цена"_s}) {
        SCOPED_TRACE(name.toStdString());
        Form form(name);
        EXPECT_EQ(form.label->buddy(), form.control) << "the label names its control";
        EXPECT_EQ(form.label->textFormat(), Qt::PlainText);
        EXPECT_TRUE(QKeySequence::mnemonic(form.label->text()).isEmpty());
        EXPECT_EQ(form.label->sizeHint(), form.typed->sizeHint());
        EXPECT_EQ(drawn(form.label, form.label->size()), drawn(form.typed, form.label->size()));

        form.pressMnemonicOf(name);
        EXPECT_TRUE(form.elsewhere->hasFocus());
    }
}
