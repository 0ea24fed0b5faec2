#include "RecordEditorView.h"

RecordEditorView::RecordEditorView(AppStore& store, AppRouter& router, const Journal& journal,
                                   const EditorItem& item, QWidget* parent)
    : PlaceholderSheet(item.isNew ? QStringLiteral("Новая запись · ") + journal.name
                                  : QStringLiteral("Изменить: ") + journal.title(item.record),
                       journal.name, parent),
      m_store(store), m_router(router) {}
