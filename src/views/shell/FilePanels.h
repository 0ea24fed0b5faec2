#pragma once

#include <QString>

#include <functional>

class QWidget;

// The window's two file panels. The root view opens them through this interface so that tests can
// answer them without a real dialog. Each call returns at once; the answer arrives later through the
// callback: the chosen absolute path, or the empty text when the user cancelled.
class FilePanels {
public:
    using Done = std::function<void(const QString& path)>;

    virtual ~FilePanels() = default;

    // Pick one existing file to import (any file may be chosen; CSV and text files are offered first).
    virtual void openFile(QWidget* parent, Done done) = 0;
    // Pick where to save a CSV export, starting with the given file name.
    virtual void saveFile(QWidget* parent, const QString& defaultName, Done done) = 0;
};
