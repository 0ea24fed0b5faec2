#pragma once

#include <QWidget>

class QFormLayout;
class QLabel;

// One section of a grouped form: a small heading over a rounded panel that holds the section's rows,
// labels on the left and controls on the right.
class FormSection : public QWidget {
    Q_OBJECT
public:
    explicit FormSection(const QString& title, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;
    // The rows: addRow(label, control), or addRow(widget) for a row spanning the panel.
    QFormLayout* form() const { return m_form; }
    // A row with the field's name as its label, drawn as typed.
    void addLabeledRow(const QString& name, QWidget* control);

private:
    QLabel* m_title;
    QWidget* m_panel;
    QFormLayout* m_form;
};
