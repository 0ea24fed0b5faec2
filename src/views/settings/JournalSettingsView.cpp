#include "JournalSettingsView.h"

JournalSettingsView::JournalSettingsView(AppStore& store, AppRouter& router, const Journal& journal,
                                         QWidget* parent)
    : PlaceholderSheet(QStringLiteral("Настройки журнала"), journal.name, parent), m_store(store),
      m_router(router) {}
