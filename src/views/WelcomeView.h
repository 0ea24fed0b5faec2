#pragma once

#include <QWidget>

class AppRouter;
class AppStore;

// The detail column while no journal is selected: the product's name, what it is for, and the one button
// that starts a new journal.
class WelcomeView : public QWidget {
    Q_OBJECT
public:
    WelcomeView(AppStore& store, AppRouter& router, QWidget* parent = nullptr);
};
