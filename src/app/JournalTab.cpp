#include "app/JournalTab.h"

using namespace Qt::StringLiterals;

QString rawValue(JournalTab tab) {
    switch (tab) {
    case JournalTab::dashboard:
        return u"dashboard"_s;
    case JournalTab::records:
        return u"records"_s;
    }
    return {};
}
