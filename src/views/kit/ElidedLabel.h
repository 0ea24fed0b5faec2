#pragma once

#include <QLabel>

// A one-line plain-text label that gives up room when its row runs short: the text is then cut with "…"
// and shown whole in the tooltip.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
