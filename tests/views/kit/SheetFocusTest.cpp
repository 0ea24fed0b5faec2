#include "RecordFixtures.h"
#include "ShellFixture.h"
#include "core/templates/Templates.h"

#include <QDialog>
#include <QScrollArea>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

// A widget as a test names it: its object name, else the name it gives assistive technology.
QString nameOf(const QWidget* w) {
    return !w ? u"(none)"_s : !w->objectName().isEmpty() ? w->objectName() : w->accessibleName();
}

bool isFrame(const QWidget* w) {
    const auto* area =
        w->parentWidget() ? qobject_cast<const QAbstractScrollArea*>(w->parentWidget()) : nullptr;
    return qobject_cast<const QScrollArea*>(w) || (area && area->viewport() == w);
}

Journal named(Journal journal) {
    journal.id = QUuid::createUuid();
    journal.name = u"Журнал"_s;
    journal.createdAt = QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
    return journal;
}

const Journal linkFirst =
    named(journalOf({fieldOf(FieldType::link, u"Ссылка"_s), fieldOf(FieldType::text, u"Имя"_s)}));
const Journal noSharedText =
    named(journalOf({fieldOf(FieldType::text, u"Товар"_s, u"p"), fieldOf(FieldType::choice, u"Канал"_s)}));

const struct {
    const char* sheet;
    Journal journal;
    void (*open)(Shell&, const Journal&);
    QString focus; // the widget holding the focus once the sheet is open
} sheets[] = {
    {"stored record", Templates::sales(),
     [](Shell& s, const Journal& j) {
         s.router->setEditor(EditorItem{QUuid::createUuid(), j.id, j.newRecord(s.folder.now), false});
     },
     u"Номер заказа"_s},
    // No box may take the cursor: the focus starts on the first control that takes no typing.
    {"new record, a link first", linkFirst, [](Shell& s, const Journal& j) { s.router->newRecord(j); },
     u"pasteLink"_s},
    {"batch, no shared text", noSharedText,
     [](Shell& s, const Journal& j) {
         s.router->setBatch(BatchItem{QUuid::createUuid(), j.id, {}});
     },
     u"Канал"_s},
    {"settings", Templates::sales(),
     [](Shell& s, const Journal& j) {
         s.router->setSettings(SettingsItem{QUuid::createUuid(), j.id});
     },
     u"journalName"_s},
    {"new journal", Templates::sales(), [](Shell& s, const Journal&) { s.router->setShowNewJournal(true); },
     u"journalName"_s},
    {"import", Templates::sales(), openOrderImport, u"import"_s},
};

} // namespace

// Every sheet opens with the focus on a control the user sees, and Tab goes from control to control: never
// to the frame of a scroll area, nor to the + and − of a number, which the arrow keys in its box stand for.
TEST(SheetFocus, EverySheetStartsOnAControlAndTabSkipsFrames) {
    for (const auto& c : sheets) {
        SCOPED_TRACE(c.sheet);
        Shell shell({c.journal}, false);
        shell.window->resize(1440, 860);
        shell.moveTo(screenNamed(u"desktop"_s));
        shell.show();
        c.open(shell, c.journal);
        auto* sheet = shell.shown<QDialog>();
        ASSERT_TRUE(sheet);
        // Focus moves as in a window that has the keyboard.
        QApplication::setActiveWindow(sheet);
        QWidget* start = sheet->focusWidget();
        EXPECT_EQ(nameOf(start), c.focus);
        ASSERT_TRUE(start);
        // The import preview's table keeps Tab to itself, from cell to cell: the walk ends there.
        QWidget* at = start;
        for (int stop = 0; stop < 40; ++stop) {
            QTest::keyClick(at, Qt::Key_Tab);
            at = sheet->focusWidget();
            ASSERT_TRUE(at);
            EXPECT_FALSE(isFrame(at)) << nameOf(at).toStdString();
            EXPECT_NE(at->objectName(), u"stepUp"_s);
            EXPECT_NE(at->objectName(), u"stepDown"_s);
            if (at == start)
                break;
        }
    }
}
