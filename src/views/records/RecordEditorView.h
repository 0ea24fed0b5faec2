#pragma once

#include "PlaceholderSheet.h"
#include "SheetItems.h"

#include "model/Model.h"

class AppRouter;
class AppStore;

// The record editor: adds a new record or edits one.
class RecordEditorView : public PlaceholderSheet {
    Q_OBJECT
public:
    RecordEditorView(AppStore& store, AppRouter& router, const Journal& journal, const EditorItem& item,
                     QWidget* parent);

private:
    AppStore& m_store;
    AppRouter& m_router;
};
