#pragma once

#include <QWidget>

// Plain text on at most a fixed number of lines, wrapped at word boundaries and ended with "…" where it
// does not fit; it never grows taller than those lines. The colour is the palette's window text.
class ElidedText : public QWidget {
    Q_OBJECT
public:
    explicit ElidedText(int maxLines = 1, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return m_maxLines > 1; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The lines the text takes at the width, the last one elided when text is left over.
    QStringList lines(int width) const;

    int m_maxLines;
    QString m_text;
};
