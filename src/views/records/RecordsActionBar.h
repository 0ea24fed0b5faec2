#pragma once

#include "app/records/RecordActions.h"

#include <QList>
#include <QWidget>

class QAction;
class QFrame;
class QHBoxLayout;
class QMenu;
class QToolButton;

// The bar under the records table that acts on the selected records: the quick status buttons, the other
// statuses in a menu, the counter pair, then the record buttons (link, copy or more like this, edit,
// delete). Each command is a QAction of the tab with its key, working anywhere in the window while the tab
// is shown; its button shows it. When the bar does not fit, the record buttons show their symbols alone.
class RecordsActionBar : public QWidget {
    Q_OBJECT
public:
    // `tab` carries the commands' keys.
    explicit RecordsActionBar(QWidget* tab, QWidget* parent = nullptr);

    void showContent(const records::ActionBarContent& content);
    bool isCompact() const { return m_compact; }

signals:
    void statusChosen(const QUuid& statusID);
    void counterChanged(double delta);
    void linksRequested();
    void copyRequested();
    void editRequested();
    void deleteRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QAction* command(const QString& name, const QString& symbol);
    QToolButton* buttonFor(QAction* action, Qt::ToolButtonStyle style);
    void showStatuses(const records::ActionBarContent& content);
    void fit();

    QWidget* m_tab;
    QHBoxLayout* m_row = nullptr;
    QList<records::QuickStatus> m_shownQuick;
    QList<QAction*> m_statusActions;
    QList<QToolButton*> m_statusButtons;
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
    bool m_compact = false;
};
