#pragma once

#include <QTextEdit>

// Plain text the user can select, wrapped at word boundaries or, for a word longer than a line, anywhere:
// always as tall as all its lines, never cut, never widening what holds it. A label would let a long
// word (a link in a report template) run out of its box.
class WrappedText : public QTextEdit {
    Q_OBJECT
public:
    explicit WrappedText(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitHeight();

    QString m_text;
};
