#pragma once

#include "core/model/Model.h"

#include <QWidget>

// The content of one tab of the journal screen, built for one journal and one tab. The screen hands it
// every changed copy of that journal; another journal or the other tab builds a new one, so view state
// (selection, sort order, custom dates) never carries over. The actions added to it are its keys: they
// work anywhere in the window while it is shown, its text boxes included.
class JournalTabView : public QWidget {
    Q_OBJECT
public:
    explicit JournalTabView(QWidget* parent = nullptr);
    virtual void setJournal(const Journal& journal) = 0;
};
