#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class WarningLabel;

// An editor row for a web link: the title, the text box, a paste button and, for a usable address, an
// open button; under it a warning while the text is not a usable address. Typing keeps the text as
// typed; Return and pasting complete it ("example.com" becomes "https://example.com").
class LinkEditRow : public QWidget {
    Q_OBJECT
public:
    LinkEditRow(const QString& title, const QString& prompt, QWidget* parent = nullptr);

    QString link() const;
    // Shows a link set from outside; emits nothing.
    void setLink(const QString& link);

    // The row's title, for forms that show the field's name beside the row instead.
    QLabel* titleLabel() const { return m_title; }

signals:
    // The user typed, submitted or pasted.
    void linkEdited(const QString& link);

private:
    void edit(const QString& link);
    void refresh();

    QLabel* m_title;
    QLineEdit* m_field;
    QPushButton* m_paste;
    QPushButton* m_open;
    WarningLabel* m_warning;
};
