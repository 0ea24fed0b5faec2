#pragma once

#include <QString>

// The two tabs of the journal screen. One value serves the whole window: switching journals keeps it.
enum class JournalTab { dashboard, records };

QString rawValue(JournalTab tab);
