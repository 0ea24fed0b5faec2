#include "app/AddTitles.h"

using namespace Qt::StringLiterals;

bool addsInBatch(const Journal& journal) {
    return !journal.perItemFields().isEmpty();
}

QString primaryAddCommandTitle(const std::optional<Journal>& journal) {
    if (journal && addsInBatch(*journal))
        return journal->batchTitle + QChar(0x2026);
    return u"Новая запись…"_s;
}

QString addButtonTitle(const Journal& journal) {
    return addsInBatch(journal) ? journal.batchTitle : u"Добавить"_s;
}

QString newRecordsButtonTitle(const Journal& journal) {
    return addsInBatch(journal) ? journal.batchTitle : u"Новая запись"_s;
}
