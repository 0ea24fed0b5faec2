#include "JournalTab.h"

#include "model/Model.h"

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
    return caseFromRaw(text, std::array{JournalTab::dashboard, JournalTab::records});
}
