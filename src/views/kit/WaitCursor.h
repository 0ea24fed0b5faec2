#pragma once

#include <QtGlobal>

class QString;

// The wait cursor over the application's windows for as long as the guard lives, around work that holds
// the window still: reading a file for import, storing an import, rewriting a large data file. It goes
// on every way out of the scope, a failure included; guards may nest.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // Around a store operation, each of which ends by rewriting the whole data file at `dataFile`: shown
    // only when the file is large enough that the rewrite takes more than a moment.
    [[nodiscard]] static WaitCursor aroundSave(const QString& dataFile);

    // From this size on a save is not instant: writing and syncing 5 MB (about 4,000 records) takes
    // some tens of milliseconds on a fast machine and a good part of a second on a slow disk.
    static constexpr qint64 slowSaveBytes = 5 * 1024 * 1024;

private:
    explicit WaitCursor(bool shown);

    bool m_shown;
};
