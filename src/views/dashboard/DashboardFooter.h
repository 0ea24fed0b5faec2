#pragma once

#include "core/model/Model.h"

#include <QWidget>

class QToolButton;
class WrappedText;

// The end of the dashboard: "Клавиши", a foldable list of the application's keys (folded when built, in as
// many columns of at least 280 px as fit), and the paragraph on how the journal's metrics count.
class DashboardFooter : public QWidget {
    Q_OBJECT
public:
    explicit DashboardFooter(QWidget* parent = nullptr);

    void setJournal(const Journal& journal);

private:
    QToolButton* m_toggle;
    QWidget* m_keys;
    WrappedText* m_notes;
};
