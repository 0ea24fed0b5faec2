#include "views/kit/FormSection.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A window with a form section of one row, a box outside it holding the focus, and a label of the same
// text drawn as plain text without a buddy, for comparison.
struct Form {
    QWidget window;
    FormSection* section = new FormSection(u"Раздел"_s);
    QLineEdit* control = new QLineEdit;
    QLineEdit* elsewhere = new QLineEdit;
    QLabel* typed = new QLabel;
    QLabel* label;

    explicit Form(const QString& name) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(section);
        layout->addWidget(elsewhere);
        layout->addWidget(typed);
        label = section->addEditorRow(name, control);
        typed->setTextFormat(Qt::PlainText);
        typed->setText(name);
        window.show();
        QApplication::setActiveWindow(&window);
        (void)QTest::qWaitForWindowActive(&window);
        elsewhere->setFocus();
    }
    // Presses the key the name would take as a shortcut, if it were read as one.
    void pressMnemonicOf(const QString& name) {
        const QKeySequence keys = QKeySequence::mnemonic(name);
        if (keys.isEmpty())
            return;
        // Sent with its key code: the letter may be no Latin one.
        QTest::sendKeyEvent(QTest::Click, elsewhere, keys[0].key(), QString(), keys[0].keyboardModifiers());
    }
};

QImage drawn(QWidget* widget, QSize size) {
    widget->resize(size);
    return widget->grab().toImage();
}

} // namespace

// A field's name is data: whatever "&" it holds shows as typed and takes no Alt key.
TEST(FormSection, RowLabelShowsItsTextAsTypedAndTakesNoShortcut) {
    for (const QString& name : {u"Цена & скидка"_s, u"&Цена"_s, u"Цена&"_s, u"A && B"_s, u"Цена"_s}) {
        SCOPED_TRACE(name.toStdString());
        Form form(name);
        EXPECT_EQ(form.label->buddy(), form.control) << "the label names its control";
        EXPECT_EQ(form.label->textFormat(), Qt::PlainText);
        EXPECT_TRUE(QKeySequence::mnemonic(form.label->text()).isEmpty());
        EXPECT_EQ(form.label->sizeHint(), form.typed->sizeHint());
        EXPECT_EQ(drawn(form.label, form.label->size()), drawn(form.typed, form.label->size()));

        form.pressMnemonicOf(name);
        EXPECT_TRUE(form.elsewhere->hasFocus());
    }
}

namespace {

const QString longNote =
    u"Запись с тем же клиентом и тем же телефоном уже есть в журнале; проверьте, не дубль ли это, "
    u"прежде чем сохранять, или сохраните всё равно."_s;

QLabel* wrapping(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

void showAt(QWidget& window, int width) {
    window.resize(width, 600);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    QApplication::processEvents();
}

// The rows of a real form: a field, a wrapped note, a field and a line of buttons; row `omit` left out.
struct Rows {
    QWidget window;
    FormSection* section = new FormSection(u"Раздел"_s);
    QList<QWidget*> controls{new QLineEdit, wrapping(longNote), new QLineEdit, new QPushButton(u"Кнопка"_s)};

    explicit Rows(int omit = -1) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(section);
        layout->addStretch(1);
        for (int row = 0; row < controls.size(); ++row) {
            if (row == omit) {
                delete controls[row];
            } else if (row == 1) {
                section->addSpanningRow(controls[row]);
            } else if (row == 3) {
                auto* line = new QHBoxLayout;
                line->addWidget(controls[row]);
                section->addSpanningRow(line);
            } else {
                section->addEditorRow(u"Поле"_s, controls[row]);
            }
        }
    }
    // The section's height in a window of that width, where it takes the height it asks for.
    int height(int width) {
        showAt(window, width);
        return section->height();
    }
};

} // namespace

// A hidden row gives back its height and the spacing around it, wherever it stands and however it was
// hidden; shown again, it takes its place back.
TEST(FormSection, HiddenRowTakesNoRoom) {
    const struct {
        int row;
        bool byRow;
    } cases[] = {{0, true}, {1, true}, {1, false}, {2, true}, {3, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << (c.byRow ? " by row" : " by widget"));
        Rows hidden;
        Rows without(c.row);
        if (c.byRow)
            hidden.section->setRowVisible(hidden.controls[c.row], false);
        else
            hidden.controls[c.row]->setVisible(false);
        for (const int width : {260, 700})
            EXPECT_EQ(hidden.height(width), without.height(width)) << "at " << width;
        if (c.byRow) {
            hidden.section->setRowVisible(hidden.controls[c.row], true);
            EXPECT_EQ(hidden.height(700), Rows().height(700));
        }
    }
}

// Labels stand in one column and controls start at one edge past the widest label; a spanning row runs
// from the labels' edge to the controls' end; a control that cannot grow keeps its width at the column's
// start; the label of a tall control stays by its first line.
TEST(FormSection, RowsLineUpInTwoColumns) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* section = new FormSection(u"Раздел"_s);
    layout->addWidget(section);
    auto* fixed = new QLineEdit;
    fixed->setFixedWidth(80);
    auto* tall = new QPlainTextEdit;
    tall->setFixedHeight(120);
    const QList<QWidget*> controls{new QLineEdit, new QComboBox, fixed, tall};
    QList<QLabel*> labels;
    for (const QString& name : {u"Имя"_s, u"Очень длинное название поля"_s, u"Код"_s, u"Заметки"_s})
        labels.append(section->addEditorRow(name, controls[labels.size()]));
    QLabel* note = wrapping(longNote);
    section->addSpanningRow(note);
    showAt(window, 640);

    int widest = 0;
    for (const QLabel* label : labels)
        widest = std::max(widest, label->sizeHint().width());
    for (qsizetype i = 0; i < labels.size(); ++i) {
        SCOPED_TRACE(labels[i]->text().toStdString());
        EXPECT_EQ(labels[i]->x(), labels[0]->x());
        EXPECT_EQ(controls[i]->x(), controls[0]->x());
        EXPECT_GE(controls[i]->x(), labels[0]->x() + widest);
    }
    EXPECT_EQ(fixed->width(), 80);
    EXPECT_EQ(controls[1]->geometry().right(), controls[0]->geometry().right());
    EXPECT_EQ(note->x(), labels[0]->x());
    EXPECT_EQ(note->geometry().right(), controls[0]->geometry().right());
    EXPECT_LT(labels[3]->geometry().center().y(), tall->y() + labels[3]->sizeHint().height() * 2);
    EXPECT_GE(labels[0]->geometry().bottom(), controls[0]->geometry().center().y()) << "centred by its box";
}

// A wrapped text is given the height of all its lines at whatever width the form gets, also in a
// resizable scroll area with other wrapped rows hidden, as the editor shows its possible duplicates.
TEST(FormSection, WrappedRowGetsItsWholeHeight) {
    for (const int width : {220, 360, 900}) {
        SCOPED_TRACE(width);
        QScrollArea area;
        area.setWidgetResizable(true);
        auto* section = new FormSection(u"Возможные дубли"_s);
        QList<QLabel*> notes;
        for (int i = 0; i < 3; ++i) {
            auto* row = new QWidget;
            auto* line = new QHBoxLayout(row);
            line->setContentsMargins(0, 0, 0, 0);
            line->addWidget(new QLabel(u"!"_s), 0, Qt::AlignTop);
            notes.append(wrapping(longNote));
            line->addWidget(notes.last(), 1);
            section->addSpanningRow(row);
        }
        area.setWidget(section);
        showAt(area, width);
        // As on the editor while the user types: rows are hidden on a shown form.
        for (QLabel* hidden : notes.mid(1))
            hidden->parentWidget()->setVisible(false);
        QApplication::processEvents();
        QLabel* note = notes[0];
        EXPECT_GE(note->height(), note->heightForWidth(note->width()));
        EXPECT_GE(section->height(), section->heightForWidth(section->width()));
    }
}

// The sections of one form, lined up, start their controls on one line past the widest label of any of
// them, a hidden row's label included; a spanning row still starts at its panel's edge.
TEST(FormSection, SectionsOfAFormLineUp) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    QList<QWidget*> controls;
    const auto section = [&](const QStringList& names) {
        auto* added = new FormSection(u"Раздел"_s, &window);
        for (const QString& name : names)
            added->addEditorRow(name, controls.emplace_back(new QLineEdit));
        layout->addWidget(added);
        return added;
    };
    section({u"Имя"_s});
    FormSection* second = section({u"Код"_s, u"Главное поле (название записи)"_s});
    second->setRowVisible(controls.last(), false);
    QLabel* note = wrapping(longNote);
    second->addSpanningRow(note);
    section({u"Статус"_s});
    FormSection::lineUp(&window);
    showAt(window, 640);

    const int start = controls[0]->mapTo(&window, QPoint()).x();
    for (QWidget* control : {controls[1], controls[3]})
        EXPECT_EQ(control->mapTo(&window, QPoint()).x(), start);
    EXPECT_GE(start - note->mapTo(&window, QPoint()).x(),
              QLabel(u"Главное поле (название записи)"_s).sizeHint().width());
}
