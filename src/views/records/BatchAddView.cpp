#include "BatchAddView.h"

BatchAddView::BatchAddView(AppStore& store, AppRouter& router, const Journal& journal, const BatchItem& item,
                           QWidget* parent)
    : PlaceholderSheet(item.templateRecord ? QStringLiteral("Ещё записи с такими же общими полями")
                                           : journal.batchTitle,
                       journal.name, parent),
      m_store(store), m_router(router) {}
