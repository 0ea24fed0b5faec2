#include "app/shell/NewJournal.h"

#include "app/AppRouter.h"
#include "core/store/AppStore.h"

using namespace Qt::StringLiterals;

namespace NewJournal {

Choice initialChoice() {
    const QString key = u"sales"_s;
    const std::optional<JournalTemplate> first = Templates::templateFor(key);
    return {key, first ? first->name : QString()};
}

Choice choose(const Choice& current, const JournalTemplate& chosen) {
    Choice next = current;
    const std::optional<JournalTemplate> previous = Templates::templateFor(current.selectedKey);
    if (current.name.isEmpty() || (previous && current.name == previous->name))
        next.name = chosen.name;
    next.selectedKey = chosen.key;
    return next;
}

bool canCreate(const QString& name) {
    return !name.trimmed().isEmpty();
}

std::optional<Journal> journalFor(const Choice& choice, const Clock& clock) {
    const std::optional<JournalTemplate> chosen = Templates::templateFor(choice.selectedKey);
    if (!chosen || !canCreate(choice.name))
        return std::nullopt;
    Journal journal = chosen->make(clock);
    journal.name = choice.name.trimmed();
    return journal;
}

std::optional<QUuid> create(AppStore& store, AppRouter& router, const Choice& choice) {
    const std::optional<Journal> journal = journalFor(choice, store.clock());
    if (!journal)
        return std::nullopt;
    store.addJournal(*journal);
    router.setSelectedJournalID(journal->id);
    router.setTab(JournalTab::dashboard);
    return journal->id;
}

} // namespace NewJournal
