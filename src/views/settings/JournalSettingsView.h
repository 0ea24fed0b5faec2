#pragma once

#include "PlaceholderSheet.h"
#include "SheetItems.h"

#include "model/Model.h"

class AppRouter;
class AppStore;

// The journal settings sheet: a draft of the journal's options, fields, statuses, metrics and report.
class JournalSettingsView : public PlaceholderSheet {
    Q_OBJECT
public:
    JournalSettingsView(AppStore& store, AppRouter& router, const Journal& journal, QWidget* parent);

private:
    AppStore& m_store;
    AppRouter& m_router;
};
