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
