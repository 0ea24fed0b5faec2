#include "UserSession.h"

#include "records/FormSection.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QLabel>

using namespace Qt::StringLiterals;

UserSession::~UserSession() {
    window.reset();
}

void UserSession::start() {
    store = std::make_unique<AppStore>(folder.dataPath(), folder.clock(), calendar);
    router = std::make_unique<AppRouter>(folder.clock(), calendar);
    settings = std::make_unique<QSettings>(folder.dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
    window = std::make_unique<MainWindow>(*store, *router, panels, *settings);
    window->show();
    QApplication::setActiveWindow(window.get());
    (void)QTest::qWaitForWindowExposed(window.get());
}

void UserSession::quit() {
    pressKeys(AppKeys::quit());
    EXPECT_FALSE(window->isVisible()) << "the quit key closes the window";
    window.reset();
    settings.reset();
    router.reset();
    store.reset();
}

QList<Journal> UserSession::dataFile() const {
    return AppStore(folder.dataPath(), folder.clock(), calendar).journals();
}

void UserSession::runBefore(const QList<Journal>& journals) {
    AppStore earlier(folder.dataPath(), folder.clock(), calendar);
    for (const Journal& journal : journals)
        earlier.addJournal(journal);
}

Record UserSession::typed(const Journal& journal,
                          std::initializer_list<std::pair<QString, QString>> texts) const {
    Record record = journal.newRecord(folder.now, calendar, folder.clock());
    for (const auto& [name, text] : texts) {
        const auto field = std::find_if(journal.fields.begin(), journal.fields.end(),
                                        [&](const FieldDef& f) { return f.name == name; });
        EXPECT_NE(field, journal.fields.end()) << "no field " << name.toStdString();
        if (field != journal.fields.end())
            Journal::assign(text, *field, record, calendar, folder.clock());
    }
    return record;
}

QString shown(const Journal& journal, const Record& record, const QString& fieldName) {
    for (const FieldDef& field : journal.fields)
        if (field.name == fieldName)
            return journal.displayValue(record, field, Calendar{testsupport::zone("Europe/Moscow")});
    ADD_FAILURE() << "no field " << fieldName.toStdString();
    return {};
}

QString statusName(const Journal& journal, const Record& record) {
    const std::optional<StatusDef> status = journal.status(record.statusID);
    return status ? status->name : QString();
}

QWidget* visibleWidget(const QList<QWidget*>& candidates, const QString& name) {
    for (QWidget* w : candidates) {
        if (!w->isVisible())
            continue;
        const auto* button = qobject_cast<QAbstractButton*>(w);
        if (w->objectName() == name || w->accessibleName() == name ||
            (button && QString(button->text()).replace(u"&&"_s, u"&"_s) == name))
            return w;
    }
    return nullptr;
}

QWidget* section(const QString& title, QWidget* within) {
    QWidget* found = nullptr;
    for (QWidget* top : within ? QWidgetList{within} : QApplication::topLevelWidgets())
        for (FormSection* s : top->findChildren<FormSection*>())
            if (s->isVisible() && s->title() == title)
                found = s;
    EXPECT_TRUE(found) << "no section " << title.toStdString();
    return found;
}

void click(QWidget* target) {
    ASSERT_TRUE(target);
    EXPECT_TRUE(target->isVisible() && target->isEnabled()) << target->objectName().toStdString();
    QTest::mouseClick(target, Qt::LeftButton);
}

void clickButton(const QString& text, QWidget* within) {
    QAbstractButton* button = seen<QAbstractButton>(text, within);
    EXPECT_TRUE(button) << "no button " << text.toStdString();
    click(button);
}

void rightClick(QWidget* target, QPoint at) {
    QTest::mouseClick(target, Qt::RightButton, {}, at);
}

void typeInto(QWidget* box, const QString& text) {
    ASSERT_TRUE(box);
    click(box);
    typeText(box, text);
}

void typeInto(const QString& name, const QString& text, QWidget* within) {
    QWidget* box = seen(name, within);
    EXPECT_TRUE(box) << "no box " << name.toStdString();
    typeInto(box, text);
}

void pressKeys(const QKeySequence& keys) {
    // Keys go to the front window: the modal sheet or box when one is up, else the main window. The
    // offscreen platform has no window manager to make it the active one, so the user's session does.
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = onScreen<MainWindow>();
    ASSERT_TRUE(front) << "no window takes keys";
    if (QApplication::activeWindow() != front)
        QApplication::setActiveWindow(front);
    QTest::keySequence(front->focusWidget() ? front->focusWidget() : front, keys);
}

void choose(QComboBox* box, const QString& entry) {
    ASSERT_TRUE(box);
    click(box);
    const int row = box->findText(entry);
    ASSERT_GE(row, 0) << "no entry " << entry.toStdString();
    QAbstractItemView* list = box->view();
    ASSERT_TRUE(list->isVisible()) << "the list did not open";
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(row, 0)).center());
}

QString messageText() {
    QMessageBox* box = onScreen<QMessageBox>();
    if (!box)
        return {};
    return box->informativeText().isEmpty() ? box->text() : box->text() + u"\n"_s + box->informativeText();
}

QString answer(const QString& button) {
    QMessageBox* box = onScreen<QMessageBox>();
    EXPECT_TRUE(box) << "no message box for " << button.toStdString();
    if (!box)
        return {};
    const QString shown = messageText();
    click(boxButton(box, button));
    return shown;
}

bool waitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 3000);
}
