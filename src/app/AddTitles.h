#pragma once

#include "core/model/Model.h"

#include <QString>

#include <optional>

// The titles of the commands that add records, wherever they stand: the menu, the toolbar, the
// dashboard and an empty records tab. A journal with per-item fields adds in batch.

// Whether the journal's main add action opens batch entry (it has per-item fields) or the record editor.
bool addsInBatch(const Journal& journal);

// The title of the menu's main add command: the batch title and "…" when the journal adds in batch,
// otherwise "Новая запись…" (also without a journal).
QString primaryAddCommandTitle(const std::optional<Journal>& journal);
// The title of the toolbar's add button: the batch title when the journal adds in batch, else "Добавить".
QString addButtonTitle(const Journal& journal);
// The title of a screen's own add button, which stands alone where "Добавить" would say too little (the
// dashboard, an empty records tab): the batch title when the journal adds in batch, else "Новая запись".
QString newRecordsButtonTitle(const Journal& journal);
