#include "UserSession.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QStyleOptionButton>

using namespace Qt::StringLiterals;

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

void UserSession::runBefore(const QList<Journal>& journals) {
    AppStore earlier(folder.dataPath(), folder.clock(), calendar);
    for (const Journal& journal : journals)
        earlier.addJournal(journal);
}

namespace {

std::optional<FieldDef> fieldNamed(const Journal& journal, const QString& name) {
    for (const FieldDef& field : journal.fields)
        if (field.name == name)
            return field;
    ADD_FAILURE() << "no field " << name.toStdString();
    return std::nullopt;
}

} // namespace

QList<Record> UserSession::typed(const Journal& journal, const QStringList& fields,
                                 const QList<QStringList>& rows) const {
    QList<Record> records;
    for (const QStringList& texts : rows) {
        records.append(journal.newRecord(folder.now, calendar, folder.clock()));
        for (qsizetype i = 0; i < texts.size(); ++i)
            if (const auto field = fieldNamed(journal, fields.value(i)))
                Journal::assign(texts[i], *field, records.last(), calendar, folder.clock());
    }
    return records;
}

QStringList storedRows(const Journal& journal, const QStringList& fields) {
    QStringList rows;
    for (const Record& record : journal.records) {
        QStringList texts;
        for (const QString& name : fields) {
            const auto field = name == u"Статус" ? std::nullopt : fieldNamed(journal, name);
            texts.append(
                field ? journal.displayValue(record, *field, Calendar{TestSupport::zone("Europe/Moscow")})
                      : journal.status(record.statusID).value_or(StatusDef{}).name);
        }
        rows.append(texts.join(u';'));
    }
    return rows;
}

QWidget* visibleWidget(const QList<QWidget*>& candidates, const QString& name) {
    for (QWidget* w : candidates) {
        const auto* button = qobject_cast<QAbstractButton*>(w);
        if (w->isVisible() && (w->objectName() == name || w->accessibleName() == name ||
                               (button && QString(button->text()).replace(u"&&"_s, u"&"_s) == name)))
            return w;
    }
    return nullptr;
}

namespace {

// What the event loop does between two things a user does: deferred showing, deletion and repainting.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void clickAt(QWidget* target, QPoint at, Qt::KeyboardModifiers modifiers = {}, bool twice = false) {
    QTest::mouseClick(target, Qt::LeftButton, modifiers, at);
    // QTest's double click is the second press alone, after the click above.
    if (twice)
        QTest::mouseDClick(target, Qt::LeftButton, modifiers, at);
    settle();
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
        at = box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box).center();
    }
    clickAt(target, at);
}

void clickButton(const QString& text, QWidget* within) {
    QAbstractButton* button = seen<QAbstractButton>(text, within);
    EXPECT_TRUE(button) << "no button " << text.toStdString();
    click(button);
}

void pressKeys(const QKeySequence& keys) {
    // The modal sheet or box when one is up, else the main window. The offscreen platform has no window
    // manager to make it the active one, so the user's session does.
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = onScreen<MainWindow>();
    ASSERT_TRUE(front) << "no window takes keys";
    if (QApplication::activeWindow() != front)
        QApplication::setActiveWindow(front);
    QTest::keySequence(front->focusWidget() ? front->focusWidget() : front, keys);
    settle();
}

void typeInto(const QString& name, const QString& text, QWidget* within) {
    QWidget* box = seen(name, within);
    ASSERT_TRUE(box) << "no box " << name.toStdString();
    click(box);
    typeText(box, text);
    settle();
}

void choose(QComboBox* box, const QString& entry) {
    ASSERT_TRUE(box);
    click(box);
    QAbstractItemView* list = box->view();
    ASSERT_TRUE(list->isVisible()) << "the list did not open";
    // A click right after the one that opened the list would be taken for the end of a press-and-drag.
    typeText(list, entry, false);
    QTest::keyClick(list, Qt::Key_Return);
    settle();
    EXPECT_EQ(box->currentText(), entry);
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
    for (QAction* action : menu->actions())
        if (action->text() == entry)
            return clickAt(menu, menu->actionGeometry(action).center());
    ADD_FAILURE() << "no menu entry " << entry.toStdString();
}

namespace {

int columnOf(QAbstractItemModel* model, const QString& header) {
    for (int column = 0; column < model->columnCount(); ++column)
        if (model->headerData(column, Qt::Horizontal).toString() == header)
            return column;
    ADD_FAILURE() << "no column " << header.toStdString();
    return -1;
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
    const int column = columnOf(table->model(), header);
    clickAt(bar->viewport(),
            {bar->sectionViewportPosition(column) + bar->sectionSize(column) / 2, bar->height() / 2});
}

void clickRow(QTableView* table, int row, Qt::KeyboardModifiers modifiers, bool twice) {
    clickAt(table->viewport(), table->visualRect(table->model()->index(row, 0)).center(), modifiers, twice);
}

QPoint rowCentre(QAbstractItemView* list, const QString& text) {
    const QModelIndexList found =
        list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    EXPECT_FALSE(found.isEmpty()) << "no row " << text.toStdString();
    return found.isEmpty() ? QPoint() : list->visualRect(found.first()).center();
}

void clickListRow(QAbstractItemView* list, const QString& text) {
    clickAt(list->viewport(), rowCentre(list, text));
}

QString answer(const QString& button) {
    QMessageBox* box = onScreen<QMessageBox>();
    EXPECT_TRUE(box) << "no message box for " << button.toStdString();
    if (!box)
        return {};
    const QString shown =
        box->text() + (box->informativeText().isEmpty() ? QString() : u"\n"_s) + box->informativeText();
    click(boxButton(box, button));
    return shown;
}
