#pragma once

#include "app/records/RecordActions.h"

#include <QList>
#include <QWidget>

class CommandButton;
class QAction;
class QFrame;
class QHBoxLayout;
class QMenu;
class QToolButton;
class RecordsTabActions;

// The bar under the records table that acts on the selected records: the quick status buttons, the other
// statuses in a menu, the counter pair, then the record buttons (link, copy or more like this, edit,
// delete). Each button shows one of the tab's commands, which the bar gives its symbol, label, key and help;
// the buttons show the selection's state, also while the context menu aims the commands at other rows.
// When the bar does not fit, the record buttons show their symbols alone.
class RecordsActionBar : public QWidget {
    Q_OBJECT
public:
    explicit RecordsActionBar(RecordsTabActions& actions, QWidget* parent = nullptr);

    // The selection's state.
    void showContent(const Records::ActionBarContent& content);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QAction* command(QAction* action, const QString& symbol);
    CommandButton* buttonFor(QAction* action, Qt::ToolButtonStyle style);
    void showStatuses(const Records::ActionBarContent& content);
    void fit();

    RecordsTabActions& m_actions;
    QHBoxLayout* m_row = nullptr;
    QList<Records::QuickStatus> m_shownQuick;
    QList<QAction*> m_shownStatuses;
    QList<CommandButton*> m_statusButtons;
    QToolButton* m_more = nullptr;
    QMenu* m_moreMenu = nullptr;
    QFrame* m_counterDivider = nullptr;
    QAction* m_counterUp = nullptr;
    QAction* m_counterDown = nullptr;
    QAction* m_link = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_delete = nullptr;
    QList<QToolButton*> m_recordButtons;
};
