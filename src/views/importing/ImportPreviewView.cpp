#include "ImportPreviewView.h"

ImportPreviewView::ImportPreviewView(AppStore& store, AppRouter& router, const Journal& journal,
                                     const ImportPreviewItem& item, QWidget* parent)
    : PlaceholderSheet(QStringLiteral("Импорт в «") + journal.name + QStringLiteral("»: ") + item.fileName,
                       journal.name, parent),
      m_store(store), m_router(router) {}
