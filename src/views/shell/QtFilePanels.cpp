#include "views/shell/QtFilePanels.h"

#include "app/shell/PanelFolder.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

// Qt's file list writes sizes and dates in the system's formats whatever the application's locale, and
// its Russian translation lacks the folders' type: these columns are written as the rest of the window.
class FileListTexts : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        switch (index.column()) {
        case 1:
            return files->isDir(source) ? QString() : QLocale().formattedDataSize(files->size(source));
        case 2:
            return files->isDir(source) ? u"Папка"_s : QIdentityProxyModel::data(index, role);
        case 3:
            return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        default:
            return QIdentityProxyModel::data(index, role);
        }
    }
};

} // namespace

QFileDialog* QtFilePanels::makeDialog(QWidget* parent, Done done) {
    auto* dialog = new QFileDialog(parent);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setProxyModel(new FileListTexts(dialog));
    dialog->setDirectory(panelStartFolder(m_lastFolder));
    // One answer per panel: the chosen file, or the empty text when the panel is left without one.
    auto answered = std::make_shared<bool>(false);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, [this, done, answered](const QString& path) {
        *answered = true;
        m_lastFolder = QFileInfo(path).absolutePath();
        done(path);
    });
    QObject::connect(dialog, &QDialog::finished, dialog, [done, answered] {
        if (!*answered)
            done(QString());
    });
    return dialog;
}

void QtFilePanels::openFile(QWidget* parent, Done done) {
    QFileDialog* dialog = makeDialog(parent, std::move(done));
    dialog->setWindowTitle(u"Импорт из CSV"_s);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    // CSV and text files first; any file may be chosen, whether it is usable is decided by reading it.
    dialog->setNameFilters(
        {u"Файлы CSV (*.csv)"_s, u"Текстовые файлы (*.txt *.csv *.tsv)"_s, u"Все файлы (*)"_s});
    dialog->open();
}

void QtFilePanels::saveFile(QWidget* parent, const QString& defaultName, Done done) {
    QFileDialog* dialog = makeDialog(parent, std::move(done));
    dialog->setWindowTitle(u"Экспорт в CSV"_s);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters({u"Файлы CSV (*.csv)"_s, u"Текстовые файлы (*.txt)"_s});
    // A bare name gets ".csv", as the export is a CSV file.
    dialog->setDefaultSuffix(u"csv"_s);
    dialog->selectFile(defaultName);
    dialog->open();
}
