#pragma once

#include "PlaceholderSheet.h"
#include "SheetItems.h"

#include "model/Model.h"

class AppRouter;
class AppStore;

// Batch entry: several records sharing their common fields.
class BatchAddView : public PlaceholderSheet {
    Q_OBJECT
public:
    BatchAddView(AppStore& store, AppRouter& router, const Journal& journal, const BatchItem& item,
                 QWidget* parent);

private:
    AppStore& m_store;
    AppRouter& m_router;
};
