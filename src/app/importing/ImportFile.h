#pragma once

#include "app/SheetItems.h"

#include "core/model/Calendar.h"
#include "core/model/Model.h"

#include <QString>

#include <variant>

namespace Importing {

// Reading a file chosen for an import into the journal: the preview item, or the one message to show.
using ImportOutcome = std::variant<ImportPreviewItem, QString>;
// Dates in the file are read in the calendar, two-digit years around the clock's today.
ImportOutcome readImportFile(const QString& path, const Journal& journal, const Calendar& calendar,
                             const Clock& clock);

} // namespace Importing
