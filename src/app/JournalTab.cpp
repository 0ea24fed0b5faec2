#include "JournalTab.h"

QString rawValue(JournalTab tab) {
    switch (tab) {
    case JournalTab::dashboard:
        return QStringLiteral("dashboard");
    case JournalTab::records:
        return QStringLiteral("records");
    }
    return {};
}

std::optional<JournalTab> journalTabFromRaw(QStringView text) {
    for (JournalTab tab : {JournalTab::dashboard, JournalTab::records}) {
        if (rawValue(tab) == text)
            return tab;
    }
    return std::nullopt;
}
