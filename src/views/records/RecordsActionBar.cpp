#include "views/records/RecordsActionBar.h"

#include "app/cells/CellContent.h"
#include "app/kit/PlainToolTip.h"
#include "app/kit/ShortcutText.h"
#include "views/kit/CommandButton.h"
#include "views/kit/Icons.h"
#include "views/kit/Style.h"
#include "views/records/RecordsTabActions.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace Records;

namespace {

constexpr int buttonHeight = 30; // the large control size

} // namespace

RecordsActionBar::RecordsActionBar(RecordsTabActions& actions, QWidget* parent)
    : QWidget(parent), m_actions(actions) {
    m_row = new QHBoxLayout(this);
    m_row->setContentsMargins(16, 10, 16, 10);
    m_row->setSpacing(10);

    m_more = new QToolButton(this);
    m_more->setObjectName(u"moreStatuses"_s);
    m_more->setText(u"Ещё статусы"_s);
    m_more->setPopupMode(QToolButton::InstantPopup);
    m_more->setMinimumHeight(buttonHeight);
    m_moreMenu = new QMenu(m_more);
    m_more->setMenu(m_moreMenu);
    m_row->addWidget(m_more);

    m_counterDivider = new QFrame(this);
    m_counterDivider->setFrameShape(QFrame::VLine);
    m_counterDivider->setFixedHeight(24);
    m_row->addWidget(m_counterDivider);
    m_counterUp = command(actions.counterUp(), u"plus.circle"_s);
    m_counterDown = command(actions.counterDown(), u"minus.circle"_s);
    m_row->addWidget(buttonFor(m_counterUp, Qt::ToolButtonTextBesideIcon));
    m_row->addWidget(buttonFor(m_counterDown, Qt::ToolButtonIconOnly));
    m_row->addSpacing(12);
    m_row->addStretch(1);

    m_link = command(actions.openLinks(), u"arrow.up.right.square"_s);
    m_copy = command(actions.copy(), u"plus.square.on.square"_s);
    m_edit = command(actions.edit(), u"pencil"_s);
    // The deletion carries its own symbol, the destructive one.
    m_delete = actions.remove();
    for (QAction* action : {m_link, m_copy, m_edit, m_delete}) {
        m_recordButtons.append(buttonFor(action, Qt::ToolButtonTextBesideIcon));
        m_row->addWidget(m_recordButtons.last());
    }
    Style::makeDestructive(m_recordButtons.last());
}

QAction* RecordsActionBar::command(QAction* action, const QString& symbol) {
    action->setIcon(Icons::icon(symbol));
    return action;
}

CommandButton* RecordsActionBar::buttonFor(QAction* action, Qt::ToolButtonStyle style) {
    auto* button = new CommandButton(this);
    button->setDefaultAction(action);
    button->setToolButtonStyle(style);
    button->setMinimumHeight(buttonHeight);
    return button;
}

void RecordsActionBar::showContent(const ActionBarContent& content) {
    showStatuses(content);
    for (CommandButton* button : std::as_const(m_statusButtons))
        button->setOffered(content.enabled);
    m_more->setEnabled(content.enabled);

    const auto show = [this](QAction* action, const BarCommand& command, bool visible) {
        action->setIconText(literalLabel(command.title));
        action->setShortcuts(command.keys);
        action->setToolTip(plainToolTip(command.help));
        // A command without its button has no key either.
        action->setVisible(visible);
        for (CommandButton* button : findChildren<CommandButton*>()) {
            if (button->defaultAction() == action) {
                button->setOffered(visible && command.enabled);
                button->setVisible(visible);
            }
        }
    };
    m_counterDivider->setVisible(content.counter.has_value());
    show(m_counterUp, content.counterUp, content.counter.has_value());
    show(m_counterDown, content.counterDown, content.counter.has_value());
    show(m_link, content.link.value_or(BarCommand{}), content.link.has_value());
    show(m_copy, content.copy, true);
    show(m_edit, content.edit, true);
    show(m_delete, content.remove, true);
    fit();
}

void RecordsActionBar::showStatuses(const ActionBarContent& content) {
    const QList<QAction*>& statuses = m_actions.statuses();
    if (content.quick != m_shownQuick || statuses != m_shownStatuses) {
        m_shownQuick = content.quick;
        m_shownStatuses = statuses;
        for (CommandButton* button : std::as_const(m_statusButtons))
            button->deleteLater();
        m_statusButtons.clear();
        for (const QuickStatus& quick : content.quick) {
            QAction* action = statuses.value(quick.position);
            if (!action)
                continue;
            const QColor statusColour = Style::color(quick.status.color);
            command(action, quick.primary ? u"checkmark.circle.fill"_s : u"circle.fill"_s);
            action->setIconText(literalLabel(quick.status.name));
            action->setShortcuts(quick.keys);
            action->setToolTip(plainToolTip(quick.help));
            CommandButton* button = buttonFor(action, Qt::ToolButtonTextBesideIcon);
            if (quick.primary) {
                action->setIcon(Icons::icon(u"checkmark.circle.fill"_s, Qt::white));
                // Filled with the status colour, as the one action to take next.
                Style::makeProminent(button, statusColour, Style::ButtonSize::compact);
            }
            m_row->insertWidget(int(m_statusButtons.size()), button);
            m_statusButtons.append(button);
        }
    }
    // The other statuses' commands, under their names.
    m_moreMenu->clear();
    m_moreMenu->addActions(statuses.mid(content.quick.size(), content.more.size()));
    m_more->setVisible(!content.more.isEmpty());
}

void RecordsActionBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fit();
}

void RecordsActionBar::fit() {
    // Measured with the record buttons in full: the narrow variant only when the full one does not fit.
    for (QToolButton* button : std::as_const(m_recordButtons))
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_row->invalidate();
    if (m_row->minimumSize().width() > width()) {
        for (QToolButton* button : std::as_const(m_recordButtons))
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
}
