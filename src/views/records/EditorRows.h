#pragma once

#include "core/model/Calendar.h"
#include "core/model/Model.h"

#include <QWidget>

// One row of the record editor's form, bound to one field of the sheet's working record. A row writes into
// the record only from the user's own signals (typing, clicking, choosing), then emits edited(); showRecord()
// shows the record's current value without writing anything back.
class EditorRow : public QWidget {
    Q_OBJECT
public:
    EditorRow(const FieldDef& field, Record& record, QWidget* parent);

    // True for rows that carry the field's name themselves (dates, links, checkboxes); the form labels the
    // others.
    virtual bool hasOwnTitle() const { return false; }
    // Shows the value the record holds now.
    virtual void showRecord() = 0;
    // The text box the cursor can be put in, if the row has one.
    virtual QWidget* focusBox() const { return nullptr; }

signals:
    void edited();

protected:
    FieldDef m_field;
    Record& m_record;
};

// How the rows of batch entry's shared inputs differ from the editor's.
struct RowOptions {
    // Number rows: the unit and the stepper after the box.
    bool stepper = true;
    // Long-text rows: the least and most lines shown, and the placeholder (the field's prompt when empty).
    int longTextMinLines = 2;
    int longTextMaxLines = 6;
    QString longTextPrompt;
    // Link rows: the placeholder (the field's prompt, else "https://…", when empty).
    QString linkPrompt;
};

// The row for a field, chosen by its type. Dates are picked in the calendar; "today" is read from the
// clock.
EditorRow* makeEditorRow(const FieldDef& field, Record& record, const Calendar& calendar, const Clock& clock,
                         QWidget* parent, const RowOptions& options = {});

// Gives the unit after every number box among the rows the width of the widest, so that the boxes of one
// form end at one edge whatever their units ("шт", "₽", none).
void lineUpNumberBoxes(const QList<EditorRow*>& rows);
