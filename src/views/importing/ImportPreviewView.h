#pragma once

#include "PlaceholderSheet.h"
#include "SheetItems.h"

#include "model/Model.h"

class AppRouter;
class AppStore;

// The preview of a CSV import: the rows found and which of them to add.
class ImportPreviewView : public PlaceholderSheet {
    Q_OBJECT
public:
    ImportPreviewView(AppStore& store, AppRouter& router, const Journal& journal,
                      const ImportPreviewItem& item, QWidget* parent);

private:
    AppStore& m_store;
    AppRouter& m_router;
};
