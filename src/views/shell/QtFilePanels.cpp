#include "views/shell/QtFilePanels.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

QFileDialog* makeDialog(QWidget* parent, FilePanels::Done done) {
    auto* dialog = new QFileDialog(parent);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    // One answer per panel: the chosen file, or the empty text when the panel is left without one.
    auto answered = std::make_shared<bool>(false);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, [done, answered](const QString& path) {
        *answered = true;
        done(path);
    });
    QObject::connect(dialog, &QDialog::finished, dialog, [done, answered] {
        if (!*answered)
            done(QString());
    });
    return dialog;
}

} // namespace

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
