#include "UserSession.h"

#include "FormSection.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QStyleOptionButton>

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

namespace {

// What the event loop does between two things a user does: deferred showing, deletion and repainting.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void click(QWidget* target) {
    ASSERT_TRUE(target);
    EXPECT_TRUE(target->isVisible() && target->isEnabled()) << target->objectName().toStdString();
    // A check box stretched across a form row takes clicks on its box and label only.
    QPoint at = target->rect().center();
    if (auto* box = qobject_cast<QCheckBox*>(target)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        at = box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box).center();
    }
    QTest::mouseClick(target, Qt::LeftButton, {}, at);
    settle();
}

void clickButton(const QString& text, QWidget* within) {
    QAbstractButton* button = seen<QAbstractButton>(text, within);
    EXPECT_TRUE(button) << "no button " << text.toStdString();
    click(button);
}

void rightClick(QWidget* target, QPoint at) {
    QTest::mouseClick(target, Qt::RightButton, {}, at);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &request);
    settle();
}

void chooseFromMenu(const QString& entry) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu) << "no menu is open";
    for (QAction* action : menu->actions()) {
        if (action->text() == entry) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            settle();
            return;
        }
    }
    ADD_FAILURE() << "no menu entry " << entry.toStdString();
}

void typeInto(QWidget* box, const QString& text) {
    ASSERT_TRUE(box);
    click(box);
    typeText(box, text);
    settle();
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
    settle();
}

void choose(QComboBox* box, const QString& entry) {
    ASSERT_TRUE(box);
    click(box);
    QAbstractItemView* list = box->view();
    ASSERT_TRUE(list->isVisible()) << "the list did not open";
    // Typed into the open list, then Return: a click right after the one that opened the list would be
    // taken for the end of a press-and-drag and ignored.
    typeText(list, entry, false);
    QTest::keyClick(list, Qt::Key_Return);
    settle();
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(box->currentText(), entry);
}

namespace {

int columnOf(QAbstractItemModel* model, const QString& header) {
    for (int column = 0; column < model->columnCount(); ++column)
        if (model->headerData(column, Qt::Horizontal).toString() == header)
            return column;
    ADD_FAILURE() << "no column " << header.toStdString();
    return -1;
}

QPoint rowCentre(QTableView* table, int row) {
    return table->visualRect(table->model()->index(row, 0)).center();
}

} // namespace

QStringList tableColumn(QAbstractItemView* table, const QString& header) {
    QAbstractItemModel* model = table->model();
    const int column = columnOf(model, header);
    QStringList texts;
    for (int row = 0; column >= 0 && row < model->rowCount(); ++row)
        texts.append(model->index(row, column).data().toString());
    return texts;
}

void clickHeader(QTableView* table, const QString& header) {
    QHeaderView* bar = table->horizontalHeader();
    ASSERT_TRUE(bar->isVisible());
    const int column = columnOf(table->model(), header);
    const QPoint at(bar->sectionViewportPosition(column) + bar->sectionSize(column) / 2, bar->height() / 2);
    QTest::mouseClick(bar->viewport(), Qt::LeftButton, {}, at);
    settle();
}

void clickRow(QTableView* table, int row, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, rowCentre(table, row));
    settle();
}

void doubleClickRow(QTableView* table, int row) {
    // QTest's double click is the second press alone; the first click comes before it.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rowCentre(table, row));
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, rowCentre(table, row));
    settle();
}

QPoint rowCentre(QAbstractItemView* list, const QString& text) {
    const QModelIndexList found =
        list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    EXPECT_FALSE(found.isEmpty()) << "no row " << text.toStdString();
    return found.isEmpty() ? QPoint() : list->visualRect(found.first()).center();
}

void clickListRow(QAbstractItemView* list, const QString& text) {
    ASSERT_TRUE(list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, text));
    settle();
}

namespace {

QString messageText() {
    QMessageBox* box = onScreen<QMessageBox>();
    if (!box)
        return {};
    return box->informativeText().isEmpty() ? box->text() : box->text() + u"\n"_s + box->informativeText();
}

} // namespace

QString answer(const QString& button) {
    QMessageBox* box = onScreen<QMessageBox>();
    EXPECT_TRUE(box) << "no message box for " << button.toStdString();
    if (!box)
        return {};
    const QString shown = messageText();
    click(boxButton(box, button));
    return shown;
}
