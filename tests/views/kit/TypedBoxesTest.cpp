#include "ShellFixture.h"
#include "core/templates/Templates.h"
#include "records/SheetTyping.h"
#include "views/kit/FormSection.h"
#include "views/kit/GrowingTextEdit.h"
#include "views/kit/TextLine.h"
#include "views/records/BatchAddView.h"
#include "views/records/RecordEditorView.h"
#include "views/settings/JournalSettingsView.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <functional>

using namespace Qt::StringLiterals;
using namespace Settings;

namespace {

// The sales journal over the whole shell, on its records tab; the sheets open as the root view opens them.
struct Boxes : Shell {
    Journal journal = Templates::sales();

    Boxes() : Shell({}, false) {
        journal.id = QUuid::createUuid();
        store->addJournal(journal);
        router->setTab(JournalTab::records);
        show();
    }
    QUuid field(const QString& key) const {
        return std::find_if(journal.fields.cbegin(), journal.fields.cend(),
                            [&](const FieldDef& f) { return f.key == key; })
            ->id;
    }
    template <class T> T* sheet() const {
        T* view = shown<T>();
        if (view)
            (void)QTest::qWaitForWindowExposed(view);
        return view;
    }
    RecordEditorView* editor() {
        router->setEditor(EditorItem{QUuid::createUuid(), journal.id, journal.newRecord(folder.now), true});
        return sheet<RecordEditorView>();
    }
    JournalSettingsView* settingsSheet() {
        router->setSettings(SettingsItem{QUuid::createUuid(), journal.id});
        return sheet<JournalSettingsView>();
    }
    // The named box in the form section of that title.
    static QWidget* inSection(const QWidget* sheet, const QString& title, const QString& name) {
        for (FormSection* section : sheet->findChildren<FormSection*>())
            if (section->title() == title)
                return visibleIn(section, name);
        return nullptr;
    }
    void click(const QString& button) const {
        if (QPushButton* b = shown<QPushButton>(button))
            b->click();
    }
    QString storedText(const QString& key) const {
        const QList<Record> records = store->journal(journal.id)->records;
        return records.isEmpty() ? u"(nothing stored)"_s : records.last().text(field(key));
    }
    // The journal as the settings sheet stores it.
    Journal savedSettings() {
        click(u"save"_s);
        return *store->journal(journal.id);
    }
};

struct BoxKind {
    const char* name;
    bool multiLine;
    // Opens the screen and gives the box; then reads back what became of the pasted text.
    std::function<QWidget*(Boxes&)> open;
    std::function<QString(Boxes&)> value;
};

const BoxKind boxKinds[] = {
    {"editor text", false, [](Boxes& b) { return visibleIn<QLineEdit>(b.editor(), u"Клиент"_s); },
     [](Boxes& b) {
         b.click(u"saveRecord"_s);
         return b.storedText(u"client"_s);
     }},
    {"editor link", false, [](Boxes& b) { return visibleIn<QLineEdit>(b.editor(), u"Ссылка"_s); },
     [](Boxes& b) {
         b.click(u"saveRecord"_s);
         return b.storedText(u"link"_s);
     }},
    {"editor long text", true,
     [](Boxes& b) { return visibleIn<GrowingTextEdit>(b.editor(), u"Примечание"_s); },
     [](Boxes& b) {
         b.click(u"saveRecord"_s);
         return b.storedText(u"note"_s);
     }},
    {"batch shared value", false,
     [](Boxes& b) {
         b.router->setBatch(BatchItem{QUuid::createUuid(), b.journal.id, std::nullopt});
         return Boxes::inSection(b.sheet<BatchAddView>(), u"Общие поля"_s, u"Клиент"_s);
     },
     [](Boxes& b) {
         typeText(Boxes::inSection(b.shown<BatchAddView>(), u"Быстрый ввод списком"_s, u"Номер заказа"_s),
                  u"1"_s);
         b.click(u"saveBatch"_s);
         return b.storedText(u"client"_s);
     }},
    {"settings journal name", false,
     [](Boxes& b) { return b.settingsSheet()->findChild<QLineEdit*>(u"journalName"_s); },
     [](Boxes& b) { return b.savedSettings().name; }},
    {"report template", true,
     [](Boxes& b) {
         JournalSettingsView* view = b.settingsSheet();
         view->findChild<QAbstractButton*>(u"tab.metrics"_s)->click();
         return visibleIn(view, u"reportTemplate"_s);
     },
     [](Boxes& b) { return b.savedSettings().reportTemplate; }},
    {"search box", false, [](Boxes& b) { return b.shown<QLineEdit>(u"search"_s); },
     [](Boxes& b) { return b.router->filtersFor(b.journal.id).search; }},
};

} // namespace

// A plain one-line box keeps 32,767 characters and drops the rest without a sign.
TEST(TypedBoxes, ALongPasteIsKeptWhole) {
    const QString pasted = u"начало "_s + QString(40000, u'ж') + u" конец"_s;
    for (const BoxKind& kind : boxKinds) {
        SCOPED_TRACE(kind.name);
        Boxes b;
        QWidget* box = kind.open(b);
        ASSERT_TRUE(box);
        pasteText(box, pasted);
        EXPECT_EQ(kind.value(b), pasted);
    }
}

// Tabs and line ends are text; the other control characters are not, and a NUL would make the journal's
// export unreadable by its import. A multi-line box holds its lines as paragraphs, so a CR becomes a line
// break there, as it always has.
TEST(TypedBoxes, APasteDropsControlCharactersButTabsAndLineEnds) {
    const QString pasted = u"a"_s + QChar(0) + u"b\u0007c\u001Bd\te\nf\rg"_s;
    for (const BoxKind& kind : boxKinds) {
        SCOPED_TRACE(kind.name);
        Boxes b;
        QWidget* box = kind.open(b);
        ASSERT_TRUE(box);
        pasteText(box, pasted);
        EXPECT_EQ(kind.value(b), kind.multiLine ? u"abcd\te\nf\ng"_s : u"abcd\te\nf\rg"_s);
    }
}

// A stored text is shown as it is and announces nothing; the user's paste turns the whole text into a
// typed one, the cursor staying right after what was pasted.
TEST(TypedBoxes, AShownTextStaysAndAPasteKeepsTheCursorAfterIt) {
    const struct {
        const char* name;
        std::function<QWidget*(const QString&)> show;
        std::function<QString(QWidget*)> text;
    } kinds[] = {
        {"one line", [](const QString& text) { return new TextLine(text, nullptr); },
         [](QWidget* box) { return static_cast<TextLine*>(box)->text(); }},
        {"multi-line",
         [](const QString& text) {
             auto* box = new GrowingTextEdit(1, 6);
             box->showText(text);
             return box;
         },
         [](QWidget* box) { return typedText(static_cast<GrowingTextEdit*>(box)); }},
    };
    const QString stored = u"ab\u0007cd"_s + QString(40000, u'e');
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        std::unique_ptr<QWidget> box(kind.show(stored));
        QSignalSpy edits(box.get(), SIGNAL(textEdited(QString)));
        box->show();
        EXPECT_EQ(kind.text(box.get()), stored);

        box->setFocus();
        QTest::keyClick(box.get(), Qt::Key_Home);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(box.get(), Qt::Key_Right);
        QGuiApplication::clipboard()->setText(u"X"_s + QChar(0) + u"Y"_s);
        QTest::keySequence(box.get(), QKeySequence::Paste);
        const QString typed = u"abcdXY"_s + QString(40000, u'e');
        EXPECT_EQ(kind.text(box.get()), typed);
        EXPECT_EQ(box->inputMethodQuery(Qt::ImCursorPosition).toInt(), 6);
        ASSERT_EQ(edits.count(), 1);
        EXPECT_EQ(edits.first().first().toString(), typed);
    }
}
