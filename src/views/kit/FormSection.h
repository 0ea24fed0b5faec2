#pragma once

#include <QWidget>

class QLabel;
class QLayout;

// One section of a grouped form: a small heading over a rounded panel that holds the section's rows,
// labels on the left and controls on the right. Every row of a form goes through here.
class FormSection : public QWidget {
    Q_OBJECT
public:
    explicit FormSection(const QString& title, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;

    // A row of a control with its label on the left. The label is plain text drawn as typed: an "&" in it
    // (a field named "Цена & скидка") shows as itself and makes no shortcut. The label names the control
    // for assistive technology. Returns the label, for help texts that belong to the whole row.
    QLabel* addEditorRow(const QString& label, QWidget* control);
    // A row spanning the panel: a control that carries its own title (a checkbox, a date row), a note, a
    // list.
    void addSpanningRow(QWidget* row);
    // A row spanning the panel laid out by the caller: a line of buttons and texts.
    void addSpanningRow(QLayout* row);
    // Shows or hides the row of a control, its label with it; a hidden row keeps what its control holds.
    // A row whose widgets are hidden takes no room, its spacing included.
    void setRowVisible(QWidget* control, bool visible);

    // Gives the sections of a form, the form's own children, one label column as wide as the widest of
    // their labels, so that the controls of every section start on one line. Call once the rows are in.
    static void lineUp(QWidget* form);

private:
    class Rows;

    QLabel* m_title;
    QWidget* m_panel;
    Rows* m_rows;
};
