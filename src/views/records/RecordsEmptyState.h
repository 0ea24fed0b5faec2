#pragma once

#include "core/model/Model.h"

#include <QWidget>

class AppRouter;
class QLabel;
class QPushButton;

// What the records tab shows while its journal holds no records at all: the journal's symbol, a short
// invitation and the journal's main add button.
class RecordsEmptyState : public QWidget {
    Q_OBJECT
public:
    RecordsEmptyState(AppRouter& router, QWidget* parent = nullptr);
    void setJournal(const Journal& journal);

private:
    AppRouter& m_router;
    Journal m_journal;
    QString m_shownIcon;
    QLabel* m_symbol = nullptr;
    QPushButton* m_add = nullptr;
};
