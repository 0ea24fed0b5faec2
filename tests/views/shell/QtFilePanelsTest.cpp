#include "views/shell/QtFilePanels.h"
#include "StoreSupport.h"

#include <QAbstractProxyModel>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTest>

using namespace TestSupport;
using namespace Qt::StringLiterals;

namespace {

void makeFile(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Номер;Сумма\n");
}

// The texts of the panel's list for the entry at `path`: its type and date, once the list has them.
QStringList listed(QFileDialog* dialog, const QString& path) {
    QAbstractProxyModel* list = dialog->proxyModel();
    auto* files = list ? qobject_cast<QFileSystemModel*>(list->sourceModel()) : nullptr;
    if (!files)
        return {};
    const QModelIndex entry = list->mapFromSource(files->index(path));
    const auto column = [&](int c) { return entry.siblingAtColumn(c).data().toString(); };
    (void)QTest::qWaitFor([&] { return !column(3).isEmpty(); }, 5000);
    return {column(2), column(3)};
}

} // namespace

// The panels open in the documents folder, then where the last file was chosen, and write their list in
// the application's language and formats, not the system's.
TEST(QtFilePanels, OpenInDocumentsThenWhereTheLastFileWasChosen) {
    const FakeHome home;
    const QString documents = home.path(u"Documents"_s);
    const QString exports = home.path(u"Выгрузки"_s);
    ASSERT_TRUE(QDir().mkpath(documents + u"/Архив"_s) && QDir().mkpath(exports));
    makeFile(exports + u"/заказы.csv"_s);
    QtFilePanels panels;
    QWidget window;
    window.resize(1050, 680);
    window.show();
    QStringList answers;
    const auto answer = [&answers](const QString& path) { answers.append(path); };

    panels.openFile(&window, answer);
    QPointer<QFileDialog> dialog = window.findChild<QFileDialog*>();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(QDir(dialog->directory()), QDir(documents));
    const QFileInfo folder(documents + u"/Архив"_s);
    EXPECT_EQ(listed(dialog, folder.filePath()),
              (QStringList{u"Папка"_s, QLocale().toString(folder.lastModified(), QLocale::ShortFormat)}));
    dialog->selectFile(exports + u"/заказы.csv"_s);
    QMetaObject::invokeMethod(dialog, "accept");
    EXPECT_EQ(answers, QStringList{exports + u"/заказы.csv"_s});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dialog);

    panels.saveFile(&window, u"Журнал.csv"_s, answer);
    dialog = window.findChild<QFileDialog*>();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(QDir(dialog->directory()), QDir(exports));
    dialog->reject();
    EXPECT_EQ(answers, (QStringList{exports + u"/заказы.csv"_s, QString()}));
}
