#include "views/records/ManyLinksQuestion.h"
#include "ShellFixture.h"
#include "UrlRecorder.h"

#include <QMessageBox>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace {

// `count` links, the last of them on plain http.
QList<QUrl> urls(int count) {
    QList<QUrl> list;
    for (int i = 1; i < count; ++i)
        list.append(QUrl(u"https://example.com/%1"_s.arg(i)));
    list.append(QUrl(u"http://example.org/last"_s));
    return list;
}

} // namespace

TEST(ManyLinksQuestion, OpensUpToFiveWithoutAskingAndAsksBeforeSix) {
    {
        UrlRecorder recorder;
        QWidget window;
        EXPECT_EQ(openLinksAskingForMany(&window, urls(5)), nullptr);
        EXPECT_EQ(recorder.opened, urls(5)) << "in list order";
    }
    struct Case {
        QString press; // the button clicked, or empty for Escape or Space on the focused button
        bool opens;
        Qt::Key key = Qt::Key_Escape;
    };
    for (const Case& c : {Case{u"Открыть все"_s, true}, Case{u"Отмена"_s, false}, Case{{}, false},
                          Case{{}, false, Qt::Key_Space}}) {
        UrlRecorder recorder;
        QWidget window;
        window.show();
        QPointer<QMessageBox> box = openLinksAskingForMany(&window, urls(6));
        ASSERT_TRUE(box && box->focusWidget());
        EXPECT_TRUE(recorder.opened.isEmpty());
        EXPECT_EQ(box->text(), u"Открыть 6 ссылок в браузере?"_s);
        EXPECT_EQ(box->windowModality(), Qt::WindowModal);
        ASSERT_EQ(box->buttons().size(), 2);
        EXPECT_EQ(box->buttonRole(boxButton(box, u"Открыть все"_s)), QMessageBox::ActionRole);
        EXPECT_EQ(box->buttonRole(boxButton(box, u"Отмена"_s)), QMessageBox::RejectRole);
        // Return opens nothing by accident.
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_TRUE(box->isVisible());
        if (!c.press.isEmpty())
            boxButton(box, c.press)->click();
        else
            QTest::keyClick(c.key == Qt::Key_Space ? box->focusWidget() : box.data(), c.key);
        EXPECT_EQ(recorder.opened, c.opens ? urls(6) : QList<QUrl>()) << c.press.toStdString() << c.key;
    }
}
