#pragma once

#include "app/FilePanels.h"

// The file panels over QFileDialog, opened window-modally with open(): no nested event loop.
class QtFilePanels : public FilePanels {
public:
    void openFile(QWidget* parent, Done done) override;
    void saveFile(QWidget* parent, const QString& defaultName, Done done) override;
};
