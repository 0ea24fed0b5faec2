#pragma once

#include <QWidget>

class QLabel;

// An orange warning line: the warning symbol and a plain text that wraps onto as many lines as it needs.
class WarningLabel : public QWidget {
    Q_OBJECT
public:
    explicit WarningLabel(const QString& text = {}, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyStyle();

    QLabel* m_symbol;
    QLabel* m_text;
};
