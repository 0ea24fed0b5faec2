#pragma once

#include "core/model/Calendar.h"
#include "core/model/Model.h"
#include "core/templates/Templates.h"

#include <QString>
#include <QUuid>

#include <optional>

class AppRouter;
class AppStore;

// What the new-journal sheet decides, kept apart from its widgets.
namespace NewJournal {

// The sheet's working state: the chosen template's key and the name typed for the journal.
struct Choice {
    QString selectedKey;
    QString name;

    bool operator==(const Choice&) const = default;
};

// Every opening starts on the first template, with its name filled in so the name follows the choice.
Choice initialChoice();

// The state after the user picks `chosen`. The name follows the template as long as it is empty or still
// the previously chosen template's own name; a name the user typed is kept.
Choice choose(const Choice& current, const JournalTemplate& chosen);

// A journal can be created once the name holds more than white space and line breaks.
bool canCreate(const QString& name);

// The journal the sheet would create: a fresh journal of the chosen template (new ids, created by the
// clock's "now") named with the trimmed name; nothing when the key names no template or the name is blank.
std::optional<Journal> journalFor(const Choice& choice, const Clock& clock);

// Creates the journal of the choice: adds it to the store (which saves; a failed save is the store's error,
// and the journal stays), selects it and shows its dashboard. Gives the new journal's id, or nothing when
// there was nothing to create.
std::optional<QUuid> create(AppStore& store, AppRouter& router, const Choice& choice);

} // namespace NewJournal
