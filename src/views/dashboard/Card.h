#pragma once

#include <QWidget>

class QVBoxLayout;

// The dashboard's box: 18 px of padding inside a rounded rectangle filled with the control background
// and outlined with the separator colour, as wide as it is given. Content goes into contentLayout().
class Card : public QWidget {
    Q_OBJECT
public:
    explicit Card(int spacing, QWidget* parent = nullptr);

    QVBoxLayout* contentLayout() const { return m_layout; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVBoxLayout* m_layout;
};
