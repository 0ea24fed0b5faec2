#include "views/records/EditorRows.h"

#include "app/kit/ShortcutText.h"
#include "app/records/RecordEditor.h"
#include "core/model/NumberFormat.h"
#include "views/cells/LinkEditRow.h"
#include "views/cells/OptionalDateRow.h"
#include "views/cells/WarningLabel.h"
#include "views/kit/GrowingTextEdit.h"
#include "views/kit/Style.h"
#include "views/kit/TextLine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace Records;

EditorRow::EditorRow(const FieldDef& field, Record& record, QWidget* parent)
    : QWidget(parent), m_field(field), m_record(record) {}

namespace {

const QString unitName = u"unit"_s;

QVBoxLayout* bareColumn(QWidget* row) {
    auto* column = new QVBoxLayout(row);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    return column;
}

class TextRow : public EditorRow {
public:
    TextRow(const FieldDef& field, Record& record, QWidget* parent)
        : EditorRow(field, record, parent), m_box(new TextLine(this)) {
        bareColumn(this)->addWidget(m_box);
        m_box->setPlaceholderText(field.prompt);
        m_box->setAccessibleName(field.name);
        connect(m_box, &QLineEdit::textEdited, this, [this](const QString& text) {
            m_record.setText(text, m_field.id);
            emit edited();
        });
    }
    void showRecord() override {
        if (const QString text = m_record.text(m_field.id); m_box->text() != text)
            m_box->setText(text);
    }
    QWidget* focusBox() const override { return m_box; }

private:
    QLineEdit* m_box;
};

class LongTextRow : public EditorRow {
public:
    LongTextRow(const FieldDef& field, Record& record, const RowOptions& options, QWidget* parent)
        : EditorRow(field, record, parent),
          m_box(new GrowingTextEdit(options.longTextMinLines, options.longTextMaxLines, this)) {
        bareColumn(this)->addWidget(m_box);
        m_box->setPlaceholderText(options.longTextPrompt.isEmpty() ? field.prompt : options.longTextPrompt);
        m_box->setAccessibleName(field.name);
        connect(m_box, &GrowingTextEdit::textEdited, this, [this](const QString& text) {
            m_record.setText(text, m_field.id);
            emit edited();
        });
    }
    void showRecord() override { m_box->showText(m_record.text(m_field.id)); }
    QWidget* focusBox() const override { return m_box; }

private:
    GrowingTextEdit* m_box;
};

// The number box keeps what the user typed (the draft) for as long as the sheet is open, while the record
// holds the number read from it, or nothing. Without a draft the box shows the stored number in its plain
// form, which has at most two fraction digits: so it must never be read back, or editing another field would
// round a stored 0.125.
// With a stepper, Up and Down in the box step the number as + and − do. The buttons are for the mouse and
// take no focus: Tab goes from box to box, and a click leaves the cursor where it was.
class NumberRow : public EditorRow {
public:
    NumberRow(const FieldDef& field, Record& record, const RowOptions& options, QWidget* parent)
        : EditorRow(field, record, parent), m_box(new TextLine(this)), m_warning(new WarningLabel({}, this)) {
        auto* line = new QHBoxLayout;
        line->setSpacing(6);
        line->addWidget(m_box, 1);
        if (options.stepper) {
            // The unit's place is kept, empty, in a row without one: lineUpNumberBoxes() widens it to the
            // widest unit of the form.
            auto* unit = new QLabel(field.unit, this);
            unit->setObjectName(unitName);
            unit->setTextFormat(Qt::PlainText);
            Style::setSecondary(unit);
            line->addWidget(unit);
            line->addWidget(stepButton(u"stepUp"_s, u"+"_s, +1));
            line->addWidget(stepButton(u"stepDown"_s, u"−"_s, -1));
            m_box->installEventFilter(this);
        }
        QVBoxLayout* column = bareColumn(this);
        column->addLayout(line);
        column->addWidget(m_warning);
        m_box->setPlaceholderText(field.prompt.isEmpty() ? u"0"_s : field.prompt);
        m_box->setAccessibleName(field.name);
        connect(m_box, &QLineEdit::textEdited, this, [this](const QString& text) {
            m_draft = text;
            if (const std::optional<double> number = NumberFormat::parse(text))
                m_record.values.insert(fieldKey(m_field.id), FieldValue::ofNumber(*number));
            else
                m_record.values.remove(idText(m_field.id));
            showWarning();
            emit edited();
        });
        showWarning();
    }
    void showRecord() override {
        const QString shown = m_draft.value_or(NumberFormat::string(m_record.number(m_field.id)));
        if (m_box->text() != shown)
            m_box->setText(shown);
        showWarning();
    }
    QWidget* focusBox() const override { return m_box; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_box && event->type() == QEvent::KeyPress) {
            const auto* press = static_cast<QKeyEvent*>(event);
            // The keypad's arrows step too; with Shift, Ctrl or Alt the keys keep their own meaning.
            if ((press->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
                (press->key() == Qt::Key_Up || press->key() == Qt::Key_Down)) {
                step(press->key() == Qt::Key_Up ? +1 : -1);
                return true;
            }
        }
        return EditorRow::eventFilter(watched, event);
    }

private:
    QToolButton* stepButton(const QString& name, const QString& text, double delta) {
        auto* button = new QToolButton(this);
        button->setObjectName(name);
        button->setText(text);
        button->setAccessibleName(m_field.name + (delta > 0 ? u": больше"_s : u": меньше"_s));
        button->setFixedWidth(button->sizeHint().height());
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, delta] { step(delta); });
        return button;
    }
    // The user's step: the record takes the stepped number and the draft gives way to it.
    void step(double delta) {
        const double next = RecordEditor::stepped(m_record.number(m_field.id), delta);
        m_record.values.insert(fieldKey(m_field.id), FieldValue::ofNumber(next));
        m_draft.reset();
        showRecord();
        emit edited();
    }
    void showWarning() {
        const std::optional<QString> warning = RecordEditor::numberWarning(m_draft);
        m_warning->setText(warning.value_or(QString()));
        m_warning->setVisible(warning.has_value());
    }

    QLineEdit* m_box;
    WarningLabel* m_warning;
    std::optional<QString> m_draft;
};

class DateRow : public EditorRow {
public:
    DateRow(const FieldDef& field, Record& record, const Calendar& calendar, const Clock& clock,
            QWidget* parent)
        : EditorRow(field, record, parent), m_row(new OptionalDateRow(field.name, calendar, clock, this)) {
        bareColumn(this)->addWidget(m_row);
        connect(m_row, &OptionalDateRow::dateEdited, this, [this](const std::optional<QDateTime>& date) {
            if (date)
                m_record.values.insert(fieldKey(m_field.id), FieldValue::ofDate(*date));
            else
                m_record.values.remove(idText(m_field.id));
            emit edited();
        });
    }
    bool hasOwnTitle() const override { return true; }
    void showRecord() override { m_row->setDate(m_record.date(m_field.id)); }

private:
    OptionalDateRow* m_row;
};

class LinkRow : public EditorRow {
public:
    LinkRow(const FieldDef& field, Record& record, const QString& prompt, QWidget* parent)
        : EditorRow(field, record, parent), m_row(new LinkEditRow(field.name, prompt, this)) {
        bareColumn(this)->addWidget(m_row);
        // The form's label column names the row, in line with the other rows.
        m_row->titleLabel()->hide();
        connect(m_row, &LinkEditRow::linkEdited, this, [this](const QString& link) {
            m_record.setText(link, m_field.id);
            emit edited();
        });
    }
    void showRecord() override { m_row->setLink(m_record.text(m_field.id)); }

private:
    LinkEditRow* m_row;
};

class ChoiceRow : public EditorRow {
public:
    ChoiceRow(const FieldDef& field, Record& record, QWidget* parent)
        : EditorRow(field, record, parent), m_box(new QComboBox(this)) {
        bareColumn(this)->addWidget(m_box);
        m_box->setAccessibleName(field.name);
        m_box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        m_box->setMinimumContentsLength(12);
        connect(m_box, &QComboBox::activated, this, [this](int i) {
            if (i < 0 || i >= m_entries.size())
                return;
            m_record.setText(m_entries[i], m_field.id);
            showRecord();
            emit edited();
        });
    }
    void showRecord() override {
        const QString current = m_record.text(m_field.id);
        const QStringList entries = RecordEditor::choiceEntries(m_field, current);
        const QSignalBlocker blocker(m_box);
        if (entries != m_entries) {
            m_entries = entries;
            m_box->clear();
            for (const QString& value : entries)
                m_box->addItem(RecordEditor::choiceEntryText(value));
        }
        m_box->setCurrentIndex(int(m_entries.indexOf(current)));
    }

private:
    QComboBox* m_box;
    QStringList m_entries;
};

// A ticked box stores true; unticking removes the value, so false is never stored.
class CheckRow : public EditorRow {
public:
    CheckRow(const FieldDef& field, Record& record, QWidget* parent)
        : EditorRow(field, record, parent), m_box(new QCheckBox(literalLabel(field.name), this)) {
        bareColumn(this)->addWidget(m_box);
        connect(m_box, &QCheckBox::clicked, this, [this](bool on) {
            if (on)
                m_record.values.insert(fieldKey(m_field.id), FieldValue::ofFlag(true));
            else
                m_record.values.remove(idText(m_field.id));
            emit edited();
        });
    }
    bool hasOwnTitle() const override { return true; }
    void showRecord() override {
        const QSignalBlocker blocker(m_box);
        m_box->setChecked(m_record.flag(m_field.id));
    }

private:
    QCheckBox* m_box;
};

} // namespace

EditorRow* makeEditorRow(const FieldDef& field, Record& record, const Calendar& calendar, const Clock& clock,
                         QWidget* parent, const RowOptions& options) {
    EditorRow* row = nullptr;
    switch (field.type) {
    case FieldType::text:
        row = new TextRow(field, record, parent);
        break;
    case FieldType::longText:
        row = new LongTextRow(field, record, options, parent);
        break;
    case FieldType::number:
        row = new NumberRow(field, record, options, parent);
        break;
    case FieldType::date:
        row = new DateRow(field, record, calendar, clock, parent);
        break;
    case FieldType::link:
        row = new LinkRow(field, record,
                          !options.linkPrompt.isEmpty() ? options.linkPrompt
                          : field.prompt.isEmpty()      ? u"https://…"_s
                                                        : field.prompt,
                          parent);
        break;
    case FieldType::choice:
        row = new ChoiceRow(field, record, parent);
        break;
    case FieldType::checkbox:
        row = new CheckRow(field, record, parent);
        break;
    }
    row->showRecord();
    return row;
}

void lineUpNumberBoxes(const QList<EditorRow*>& rows) {
    QList<QLabel*> units;
    int widest = 0;
    for (const EditorRow* row : rows) {
        if (auto* unit = row->findChild<QLabel*>(unitName, Qt::FindDirectChildrenOnly)) {
            units.append(unit);
            widest = std::max(widest, unit->sizeHint().width());
        }
    }
    for (QLabel* unit : std::as_const(units))
        unit->setMinimumWidth(widest);
}
