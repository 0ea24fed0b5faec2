#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The two tabs of the journal screen. One value serves the whole window: switching journals keeps it.
enum class JournalTab { dashboard, records };

QString rawValue(JournalTab tab);
// Only the exact texts "dashboard" and "records" name a tab; any other text, in any letter case, gives
// nothing.
std::optional<JournalTab> journalTabFromRaw(QStringView text);
