#include "views/shell/NewJournalView.h"

#include "app/AppRouter.h"
#include "core/store/AppStore.h"
#include "views/kit/NoteLabel.h"
#include "views/kit/RoundedBox.h"
#include "views/kit/SheetFooter.h"
#include "views/kit/SheetForm.h"
#include "views/kit/SheetSize.h"
#include "views/kit/Style.h"
#include "views/kit/Symbols.h"
#include "views/kit/TextLine.h"
#include "views/kit/WaitCursor.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int sheetWidth = 900;
constexpr int sheetPadding = 24;
constexpr int gridSpacing = 12;
constexpr int gridPadding = 2;
constexpr int pickerMaxHeight = 480;
constexpr int tilePadding = 14;
constexpr int tileMinHeight = 104;
constexpr qreal tileRadius = 12;

} // namespace

// The picker's scroll area: as tall as its tiles, up to a limit, then scrolling.
class TemplateScroll : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    void setMaximumContentHeight(int height) {
        m_limit = height;
        updateGeometry();
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        const int inner = width - 2 * frameWidth();
        return std::min(m_limit, widget()->heightForWidth(inner) + 2 * frameWidth());
    }
    QSize sizeHint() const override {
        return {sheetWidth - 2 * sheetPadding, heightForWidth(sheetWidth - 2 * sheetPadding)};
    }

private:
    int m_limit = pickerMaxHeight;
};

// One template in the picker: its symbol, name and summary on a rounded card that shows the selection.
// The whole card is the button; its labels let clicks through to it.
class TemplateTile : public QAbstractButton {
public:
    TemplateTile(const JournalTemplate& entry, QWidget* parent) : QAbstractButton(parent), m_key(entry.key) {
        setObjectName(u"template."_s + entry.key);
        setText(entry.name);
        setAccessibleDescription(entry.summary);
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
        setAttribute(Qt::WA_Hover);
        setMinimumHeight(tileMinHeight);
        // Columns share the width equally whatever the texts' natural widths are.
        QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);

        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(tilePadding, tilePadding, tilePadding, tilePadding);
        row->setSpacing(12);

        const QFont titleFont = Style::font(Style::TextStyle::title, font());
        const int side = std::max(24, QFontMetrics(titleFont).height());
        auto* icon = new QLabel(this);
        icon->setFixedWidth(36);
        icon->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        icon->setPixmap(
            Symbols::symbol(entry.icon, Style::color(Style::Role::accent, this), side, devicePixelRatioF()));
        row->addWidget(icon, 0, Qt::AlignTop);

        auto* texts = new QVBoxLayout;
        texts->setSpacing(4);
        auto* name = new QLabel(entry.name, this);
        Style::setText(name, Style::TextStyle::headline);
        auto* summary = noteLabel(entry.summary, Style::TextStyle::callout, this);
        texts->addWidget(name);
        texts->addWidget(summary);
        texts->addStretch(1);
        row->addLayout(texts, 1);

        for (QLabel* label : {icon, name, summary})
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
        // Inside a button, labels would draw in the button text colour and miss the secondary tone.
        for (QLabel* label : {name, summary})
            label->setForegroundRole(QPalette::WindowText);
    }

    const QString& key() const { return m_key; }
    void setSelected(bool selected) {
        if (m_selected == selected)
            return;
        m_selected = selected;
        update();
    }
    bool isSelected() const { return m_selected; }

protected:
    void paintEvent(QPaintEvent*) override {
        const QColor accent = Style::color(Style::Role::accent, this);
        QColor fill = accent;
        fill.setAlphaF(0.12);
        QColor border = m_selected ? accent : Style::separator(this);
        // Keyboard focus and the pointer show as an accent outline, softer than the selection's.
        if (!m_selected && (hasFocus() || underMouse())) {
            border = accent;
            border.setAlphaF(hasFocus() ? 0.7 : 0.4);
        }
        paintRoundedBox(this, tileRadius, m_selected ? fill : palette().color(QPalette::Base), border,
                        m_selected ? 2 : 1);
    }

private:
    QString m_key;
    bool m_selected = false;
};

NewJournalView::NewJournalView(AppStore& store, AppRouter& router, QWidget* parent)
    : QDialog(parent), m_store(store), m_router(router), m_choice(NewJournal::initialChoice()) {
    setWindowTitle(u"Новый журнал"_s);
    setWindowModality(Qt::WindowModal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(sheetPadding, sheetPadding, sheetPadding, sheetPadding);
    layout->setSpacing(16);

    layout->addWidget(SheetForm::heading(this, u"Новый журнал"_s));

    auto* subtitle = noteLabel(u"Выберите шаблон — поля, статусы и показатели итогов будут готовы сразу."_s
                               u" Потом их можно изменить в настройках журнала."_s,
                               Style::TextStyle::body, this);
    layout->addWidget(subtitle);

    auto* scroll = m_picker = new TemplateScroll(this);
    scroll->setObjectName(u"templatePicker"_s);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The tiles take the keyboard focus themselves; the area around them needs none.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->viewport()->setAutoFillBackground(false);
    auto* grid = new QWidget(scroll);
    grid->setAutoFillBackground(false);
    auto* gridLayout = new QGridLayout(grid);
    gridLayout->setContentsMargins(gridPadding, gridPadding, gridPadding, gridPadding);
    gridLayout->setSpacing(gridSpacing);
    constexpr int columns = 3;
    for (int column = 0; column < columns; ++column) {
        gridLayout->setColumnStretch(column, 1);
        gridLayout->setColumnMinimumWidth(column, 10);
    }
    const QList<JournalTemplate>& catalogue = Templates::all();
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        const JournalTemplate& entry = catalogue[i];
        auto* tile = new TemplateTile(entry, grid);
        gridLayout->addWidget(tile, int(i / columns), int(i % columns));
        connect(tile, &QAbstractButton::clicked, this, [this, entry] { choose(entry); });
        m_tiles.append(tile);
    }
    scroll->setWidget(grid);
    layout->addWidget(scroll);

    m_name = new TextLine(this);
    m_name->setObjectName(u"journalName"_s);
    m_name->setPlaceholderText(u"Название журнала"_s);
    m_name->setFont(Style::font(Style::TextStyle::title3, m_name->font()));
    m_name->setTextMargins(6, 4, 6, 4);
    m_name->setText(m_choice.name);
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_choice.name = text;
        refresh();
    });
    layout->addWidget(m_name);
    // The sheet's one field takes the cursor: a name typed and Return make the journal. The tiles, whose
    // chosen one shows its choice rather than the focus, stay a Shift+Tab away.
    m_name->setFocus();

    const SheetFooter footer = makeSheetFooter(this, u"Создать журнал"_s, u"createJournal"_s);
    m_create = footer.primary;
    connect(m_create, &QPushButton::clicked, this, &NewJournalView::create);
    layout->addLayout(footer.row);

    refresh();
    fitHeight();
}

void NewJournalView::choose(const JournalTemplate& chosen) {
    m_choice = NewJournal::choose(m_choice, chosen);
    if (m_name->text() != m_choice.name) {
        const QSignalBlocker blocker(m_name);
        m_name->setText(m_choice.name);
    }
    refresh();
}

void NewJournalView::refresh() {
    for (TemplateTile* tile : m_tiles)
        tile->setSelected(tile->key() == m_choice.selectedKey);
    // Disabled, the default button also leaves Return without effect.
    m_create->setEnabled(NewJournal::canCreate(m_choice.name));
}

void NewJournalView::create() {
    const WaitCursor wait = WaitCursor::aroundSave(m_store.fileURL());
    if (NewJournal::create(m_store, m_router, m_choice))
        accept();
}

void NewJournalView::fitHeight() {
    ensurePolished();
    int height = layout()->totalHeightForWidth(sheetWidth);
    if (const int over = height - SheetSize::room(parentWidget()).height(); over > 0) {
        // A row of tiles stays in view at least; the rest scrolls.
        const int picker = m_picker->heightForWidth(sheetWidth - 2 * sheetPadding);
        m_picker->setMaximumContentHeight(std::max(tileMinHeight + 2 * gridPadding, picker - over));
        layout()->invalidate();
        height = layout()->totalHeightForWidth(sheetWidth);
    }
    SheetSize::apply(this, {sheetWidth, height}, {sheetWidth, height}, SheetSize::Fit::fixed);
}
