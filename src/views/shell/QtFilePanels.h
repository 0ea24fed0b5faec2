#pragma once

#include "views/shell/FilePanels.h"

class QFileDialog;

// The file panels over Qt's own file dialog, opened window-modally with open(): no nested event loop.
// The system's dialog would follow the system's language; Qt's follows the application's, which is
// Russian. Each panel opens where the last one chose a file.
class QtFilePanels : public FilePanels {
public:
    void openFile(QWidget* parent, Done done) override;
    void saveFile(QWidget* parent, const QString& defaultName, Done done) override;

private:
    QFileDialog* makeDialog(QWidget* parent, Done done);

    // The folder of the file last chosen in this run.
    QString m_lastFolder;
};
