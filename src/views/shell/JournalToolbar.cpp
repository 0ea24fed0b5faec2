#include "views/shell/JournalToolbar.h"

#include "app/AddTitles.h"
#include "app/AppRouter.h"
#include "app/kit/AppKeys.h"
#include "app/kit/ShortcutText.h"
#include "app/shell/AppCommands.h"
#include "views/kit/CommandButton.h"
#include "views/kit/Style.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QMargins margins(12, 8, 12, 8);
// Between the tab switch and the buttons, at the least.
constexpr int gap = 12;

// A toolbar button showing one of the window's commands: its icon, short label and help text.
template <class Button = QToolButton>
Button* toolButton(QAction* command, const QString& name, QWidget* parent) {
    auto* button = new Button(parent);
    button->setDefaultAction(command);
    button->setObjectName(name);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setIconSize(QSize(18, 18));
    return button;
}

} // namespace

JournalToolbar::JournalToolbar(AppRouter& router, AppCommands& commands, QWidget* parent)
    : QWidget(parent), m_router(router), m_commands(commands), m_picker(new QFrame(this)),
      m_tabs(new QButtonGroup(this)), m_trailing(new QWidget(this)) {
    setObjectName(u"journalToolbar"_s);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    // The tab switch: a segmented control of a fixed width.
    m_picker->setObjectName(u"tabPicker"_s);
    m_picker->setFixedWidth(220);
    m_picker->setToolTip(withShortcut(u"Итоги"_s, AppKeys::dashboardTab()) + u" / "_s +
                         withShortcut(u"Записи"_s, AppKeys::recordsTab()));
    Style::makeSegmented(m_picker);
    auto* segmentsLayout = new QHBoxLayout(m_picker);
    segmentsLayout->setContentsMargins(2, 2, 2, 2);
    segmentsLayout->setSpacing(2);
    m_tabs->setExclusive(true);
    for (const auto& [tab, title] :
         {std::pair{JournalTab::dashboard, u"Итоги"_s}, std::pair{JournalTab::records, u"Записи"_s}}) {
        auto* button = new QToolButton(m_picker);
        button->setText(title);
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        button->setObjectName(u"tab_"_s + rawValue(tab));
        m_tabs->addButton(button, int(tab));
        segmentsLayout->addWidget(button);
    }

    auto* trailing = new QHBoxLayout(m_trailing);
    trailing->setContentsMargins(0, 0, 0, 0);
    trailing->setSpacing(4);
    // The commands are the window's, acting on the selected journal, which is the one shown here.
    m_add = toolButton(commands.primaryAdd(), u"addButton"_s, m_trailing);
    m_add->setPopupMode(QToolButton::MenuButtonPopup);
    m_addMenu = new QMenu(m_add);
    m_add->setMenu(m_addMenu);
    // The toolbar does not offer the export of a journal without records, which the menu does.
    m_export = toolButton<CommandButton>(commands.exportCSV(), u"exportButton"_s, m_trailing);
    m_export->setOffered(false);
    m_buttons = {m_add, toolButton(commands.importCSV(), u"importButton"_s, m_trailing), m_export,
                 toolButton(commands.journalSettings(), u"settingsButton"_s, m_trailing)};
    for (QToolButton* button : std::as_const(m_buttons))
        trailing->addWidget(button);
    m_symbolsWidth = showTitles(false);
    showTitles(true);

    connect(m_tabs, &QButtonGroup::idClicked, this, [this](int id) { m_router.setTab(JournalTab(id)); });
}

void JournalToolbar::refresh(const Journal& journal) {
    if (QAbstractButton* current = m_tabs->button(int(m_router.tab())); current && !current->isChecked()) {
        const QSignalBlocker blocker(m_tabs);
        current->setChecked(true);
    }
    m_export->setOffered(!journal.records.isEmpty());
    // The menu's second entry opens batch entry without a template, which is what the main add command
    // does for a journal that adds in batch, under the same title.
    m_addMenu->clear();
    m_addMenu->addAction(m_commands.singleRecord());
    if (addsInBatch(journal))
        m_addMenu->addAction(m_commands.primaryAdd());
    m_addTitled = !addButtonTitle(journal).trimmed().isEmpty();
    arrange();
}

QSize JournalToolbar::sizeHint() const {
    const int height = std::max(m_picker->sizeHint().height(), m_trailing->sizeHint().height());
    return QSize(2 * m_trailing->sizeHint().width() + m_picker->width() + 2 * gap, height).grownBy(margins);
}

QSize JournalToolbar::minimumSizeHint() const {
    return QSize(m_picker->width() + gap + m_symbolsWidth, sizeHint().height())
        .grownBy(QMargins(margins.left(), 0, margins.right(), 0));
}

bool JournalToolbar::event(QEvent* event) {
    // A button's title follows its command's (another journal's add title), and the bar is placed anew.
    // The changes of the buttons' style made in placing ask for a layout too, and start no second round.
    if (event->type() == QEvent::LayoutRequest && titles() != m_arrangedTitles)
        arrange();
    return QWidget::event(event);
}

void JournalToolbar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

QString JournalToolbar::titles() const {
    QString titles;
    for (const QToolButton* button : std::as_const(m_buttons))
        titles += button->text() + u'\n';
    return titles;
}

void JournalToolbar::arrange() {
    m_arrangedTitles = titles();
    const QRect area = rect().marginsRemoved(margins);
    const int pickerWidth = m_picker->width();
    // The switch stands in the middle of the window, not of this bar, whose width changes with the
    // sidebar's.
    const int middle = mapFrom(window(), QPoint(window()->width() / 2, 0)).x();
    int pickerLeft = std::max(area.left(), middle - pickerWidth / 2);
    m_symbolsWidth = showTitles(false);
    int trailingWidth = showTitles(true);
    if (trailingWidth > area.right() + 1 - (pickerLeft + pickerWidth + gap))
        trailingWidth = showTitles(false);
    trailingWidth = std::min(trailingWidth, area.width());
    const int trailingLeft = area.right() + 1 - trailingWidth;
    // Only where even the symbols alone would run into it does the switch give way.
    pickerLeft = std::max(area.left(), std::min(pickerLeft, trailingLeft - gap - pickerWidth));
    const auto centred = [&area](int height) { return area.top() + (area.height() - height) / 2; };
    const int pickerHeight = m_picker->sizeHint().height();
    const int trailingHeight = m_trailing->sizeHint().height();
    m_picker->setGeometry(pickerLeft, centred(pickerHeight), pickerWidth, pickerHeight);
    m_trailing->setGeometry(trailingLeft, centred(trailingHeight), trailingWidth, trailingHeight);
}

int JournalToolbar::showTitles(bool shown) {
    for (QToolButton* button : std::as_const(m_buttons)) {
        const bool titled = shown && (button != m_add || m_addTitled);
        button->setToolButtonStyle(titled ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    }
    return m_trailing->sizeHint().width();
}
