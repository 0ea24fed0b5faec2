#pragma once

#include "core/model/Model.h"

#include <QWidget>

// The content of one tab of the journal screen, built for one journal and one tab. The screen hands it
// every changed copy of that journal; another journal or the other tab builds a new one, so view state
// (selection, sort order, custom dates) never carries over.
class JournalTabView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void setJournal(const Journal& journal) = 0;
};
