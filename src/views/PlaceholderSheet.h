#pragma once

#include <QDialog>

// A sheet whose screen is not built yet: its title, the journal it belongs to, a plain note that the
// screen is still missing, and a close button. It changes nothing.
class PlaceholderSheet : public QDialog {
    Q_OBJECT
public:
    PlaceholderSheet(const QString& title, const QString& subtitle, QWidget* parent);
};
