#pragma once

#include <QWidget>

class AppRouter;

// The detail column while no journal is selected: the product's name, what it is for, and the one button
// that starts a new journal.
class WelcomeView : public QWidget {
    Q_OBJECT
public:
    explicit WelcomeView(AppRouter& router, QWidget* parent = nullptr);
};
