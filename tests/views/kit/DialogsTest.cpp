#include "views/kit/Dialogs.h"
#include "Looks.h"
#include "views/kit/Style.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum class Kind { alert, destructiveQuestion, acceptQuestion };
enum class Answer { clickAction, clickBack, escape, returnKey, closeWindow };

const QString markup = u"<b>x</b>"_s;

QMessageBox* openBox(Kind kind, QWidget* parent, int* acted) {
    if (kind == Kind::alert)
        return Dialogs::alert(parent, markup, markup, QMessageBox::Warning);
    const bool destructive = kind == Kind::destructiveQuestion;
    return Dialogs::question(
        parent,
        {.title = markup,
         .text = markup,
         .action = destructive ? u"Удалить"_s : u"Сохранить всё равно"_s,
         .actionRole = destructive ? QMessageBox::DestructiveRole : QMessageBox::AcceptRole},
        [acted] { ++*acted; });
}

// Its text in a shade of the destructive colour.
bool looksDestructive(const QAbstractButton* button) {
    return sameHue(button->palette().color(QPalette::Active, QPalette::ButtonText), Style::destructive());
}

} // namespace

// Every alert and question takes the same steps; here each kind of box against each way out of it. Only a
// click on a question's action acts; Return presses nothing in a question (it closes an alert, whose one
// button is its default); every box is gone once closed.
TEST(Dialogs, OnlyAClickOnTheActionActsAndEveryBoxGoesOnceClosed) {
    const struct {
        const char* name;
        Kind kind;
    } kinds[] = {{"alert", Kind::alert},
                 {"destructive question", Kind::destructiveQuestion},
                 {"accepting question", Kind::acceptQuestion}};
    const struct {
        const char* name;
        Answer answer;
    } answers[] = {{"click the action", Answer::clickAction},
                   {"click Отмена", Answer::clickBack},
                   {"Escape", Answer::escape},
                   {"Return", Answer::returnKey},
                   {"close the window", Answer::closeWindow}};
    for (const auto& k : kinds) {
        for (const auto& a : answers) {
            const bool alert = k.kind == Kind::alert;
            if (alert && a.answer == Answer::clickBack)
                continue;
            SCOPED_TRACE(std::string(k.name) + ", " + a.name);
            QWidget window;
            window.show();
            int acted = 0;
            QPointer<QMessageBox> box = openBox(k.kind, &window, &acted);
            ASSERT_TRUE(box && box->isVisible());
            EXPECT_EQ(box->parentWidget(), &window);
            EXPECT_EQ(box->windowModality(), Qt::WindowModal);
            EXPECT_NE(box->icon(), QMessageBox::NoIcon);

            // The title heads the box and names its window; title and text show as typed.
            EXPECT_EQ(box->windowTitle(), markup);
            EXPECT_EQ(box->text(), markup);
            EXPECT_EQ(box->informativeText(), markup);
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            const QList<QLabel*> informative = box->findChildren<QLabel*>(u"qt_msgbox_informativelabel"_s);
            ASSERT_FALSE(informative.isEmpty());
            for (const QLabel* label : informative)
                EXPECT_EQ(label->textFormat(), Qt::PlainText);

            QPushButton* action = box->findChild<QPushButton*>(alert ? u"ok"_s : u"confirm"_s);
            QPushButton* back = box->findChild<QPushButton*>(u"back"_s);
            ASSERT_TRUE(action);
            ASSERT_EQ(box->buttons().size(), alert ? 1 : 2);
            if (alert) {
                EXPECT_EQ(action->text(), u"OK");
                EXPECT_EQ(box->buttonRole(action), QMessageBox::AcceptRole);
                EXPECT_EQ(box->defaultButton(), action);
                EXPECT_EQ(box->escapeButton(), action);
            } else {
                ASSERT_TRUE(back);
                EXPECT_EQ(back->text(), u"Отмена");
                EXPECT_EQ(box->buttonRole(back), QMessageBox::RejectRole);
                EXPECT_EQ(box->escapeButton(), back);
                EXPECT_EQ(box->focusWidget(), back);
                for (const QPushButton* button : {action, back}) {
                    EXPECT_FALSE(button->autoDefault()) << button->text().toStdString();
                    EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
                }
                EXPECT_FALSE(box->defaultButton());
                EXPECT_EQ(looksDestructive(action), k.kind == Kind::destructiveQuestion);
                EXPECT_FALSE(looksDestructive(back));
            }

            // Keys go where the user's keys would: to the button with the focus.
            QWidget* focused = box->focusWidget() ? box->focusWidget() : box.data();
            switch (a.answer) {
            case Answer::clickAction:
                action->click();
                break;
            case Answer::clickBack:
                back->click();
                break;
            case Answer::escape:
                QTest::keyClick(focused, Qt::Key_Escape);
                break;
            case Answer::returnKey:
                QTest::keyClick(focused, Qt::Key_Return);
                break;
            case Answer::closeWindow:
                box->close();
                break;
            }
            const bool closes = alert || a.answer != Answer::returnKey;
            EXPECT_EQ(box && box->isVisible(), !closes);
            EXPECT_EQ(acted, !alert && a.answer == Answer::clickAction ? 1 : 0);
            if (!closes)
                QTest::keyClick(box, Qt::Key_Escape);
            EXPECT_EQ(acted, !alert && a.answer == Answer::clickAction ? 1 : 0);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_FALSE(box) << "the box deletes itself once closed";
        }
    }
}

// The way back may have its own words; an open box takes a new title and text, still as typed.
TEST(Dialogs, AWayBackOfItsOwnAndTextChangedInPlace) {
    QWidget window;
    window.show();
    int acted = 0;
    QPointer<QMessageBox> box = Dialogs::question(&window,
                                                  {.title = u"Возможный дубль"_s,
                                                   .action = u"Сохранить всё равно"_s,
                                                   .back = u"Вернуться к редактированию"_s,
                                                   .windowTitle = u"Vostrel Учёт"_s},
                                                  [&] { ++acted; });
    QPushButton* back = box->findChild<QPushButton*>(u"back"_s);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->text(), u"Вернуться к редактированию");
    EXPECT_EQ(box->focusWidget(), back);
    EXPECT_EQ(box->windowTitle(), u"Vostrel Учёт");
    EXPECT_EQ(box->text(), u"Возможный дубль");

    Dialogs::setText(box, u"Заголовок"_s, QString());
    Dialogs::setText(box, u"Заголовок"_s, u"<i>снова</i>"_s);
    EXPECT_EQ(box->informativeText(), u"<i>снова</i>");
    for (const QLabel* label : box->findChildren<QLabel*>(u"qt_msgbox_informativelabel"_s))
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    back->click();
    EXPECT_EQ(acted, 0);
}
