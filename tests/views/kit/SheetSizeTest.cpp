#include "ShellFixture.h"
#include "core/templates/Templates.h"

#include <QDialog>
#include <QLayout>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const struct {
    const char* button; // the sheet's default or saving button
    QSize ideal;        // over the default window; then over the least window, a height of 0 the window's
    QSize overLeast;
    void (*open)(Shell&, const Journal&);
} sheets[] = {
    {"saveRecord", {720, 780}, {720, 0}, [](Shell& s, const Journal& j) { s.router->newRecord(j); }},
    {"saveBatch",
     {1060, 860},
     {1050, 0},
     [](Shell& s, const Journal& j) {
         s.router->setBatch(BatchItem{QUuid::createUuid(), j.id, {}});
     }},
    {"import", {1300, 720}, {1300, 720}, openOrderImport}, // its table takes the room the screen has
    {"save",
     {940, 720},
     {940, 720},
     [](Shell& s, const Journal& j) {
         s.router->setSettings(SettingsItem{QUuid::createUuid(), j.id});
     }},
    {"createJournal", {}, {}, [](Shell& s, const Journal&) { s.router->setShowNewJournal(true); }},
};

} // namespace

// A sheet opens at its ideal size where the screen has room for it, a form no larger than a smaller
// window, even one lower than the form's least height; on a laptop's screen, lower than several sheets, and a
// netbook's, lower than all, it keeps within the screen and its button stays in view, the body scrolling
// instead.
TEST(SheetSize, EverySheetKeepsWithinItsScreenWithItsButtonInView) {
    const Journal journal = Templates::sales();
    const struct {
        const char* screen;
        QSize window;
    } places[] = {{"desktop", {1440, 860}}, {"desktop", {1050, 680}}, {"laptop", {}}, {"netbook", {}}};
    for (const auto& place : places) {
        for (const auto& c : sheets) {
            SCOPED_TRACE(std::string(place.screen) + ", " + c.button);
            Shell shell({journal}, false);
            QScreen* screen = screenNamed(QString::fromLatin1(place.screen));
            if (place.window.isValid())
                shell.window->resize(place.window);
            shell.moveTo(screen);
            shell.show();
            c.open(shell, journal);
            auto* sheet = shell.shown<QDialog>();
            ASSERT_TRUE(sheet);
            sheet->layout()->activate();
            // Where on the screen is the window manager's to say; the sheet has to fit there.
            const QSize frame = sheet->frameGeometry().size();
            EXPECT_EQ(frame.boundedTo(screen->availableGeometry().size()), frame);
            if (place.window.isValid() && c.ideal.isValid()) {
                QSize expected = place.window.width() == 1440 ? c.ideal : c.overLeast;
                EXPECT_EQ(sheet->size(),
                          expected.height() ? expected : QSize(expected.width(), shell.window->height()));
            }
            auto* button = sheet->findChild<QPushButton*>(QString::fromLatin1(c.button));
            ASSERT_TRUE(button && button->isVisible());
            EXPECT_TRUE(sheet->rect().contains(QRect(button->mapTo(sheet, QPoint()), button->size())));
        }
    }
}
