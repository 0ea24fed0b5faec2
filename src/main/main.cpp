#include "app/AppRouter.h"
#include "app/shell/ShellRules.h"
#include "app/shell/Startup.h"
#include "core/store/AppStore.h"
#include "views/kit/Dialogs.h"
#include "views/kit/Icons.h"
#include "views/kit/Style.h"
#include "views/shell/MainWindow.h"
#include "views/shell/QtFilePanels.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// The one alert of a start that cannot go on; the application then ends with a failure status.
int refuseStart(QApplication& app, const QString& text) {
    const QPointer<QMessageBox> box =
        Dialogs::alert(nullptr, ShellRules::productName, text, QMessageBox::Warning);
    QObject::connect(box, &QDialog::finished, &app, [&app] { app.exit(1); });
    app.exec();
    // The loop may end before the closed box's deferred deletion has run.
    delete box.data();
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(u"Vostrel"_s);
    QApplication::setApplicationName(u"VostrelUchet"_s);
    // No display name: X11 window managers append it to every title, and the window's title is the shown
    // journal's name alone. Every window and box sets its own title.
    // The interface is Russian whatever the system's language: numbers, dates and Qt's own texts too.
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QLocale::setDefault(russian);
    QTranslator qtTexts;
    if (qtTexts.load(russian, u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    Icons::install();
    Style::install();

    const StartCheck start = checkStart();
    if (start.refusal)
        return refuseStart(app, *start.refusal);

    // The store reads the data file once, here, before any view sees it.
    AppStore store(start.dataFile);
    AppRouter router;
    QtFilePanels panels;
    // The dashboard's period per journal; the one preference the application keeps.
    QSettings settings;
    MainWindow window(store, router, panels, settings);
    window.show();
    return app.exec();
}
