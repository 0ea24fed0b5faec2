#pragma once

#include "app/CellContent.h"

#include <QColor>
#include <QFont>
#include <QPalette>

// The colours of the cells' tones, taken from the shared roles, and their fonts.
namespace CellStyle {

// The colour of a tone in a palette; `status` takes the given status colour. In a selected row the
// text tones turn into the highlighted text colour so they stay readable.
QColor toneColor(CellTone tone, const QPalette& palette, std::optional<AppColor> status = std::nullopt,
                 bool selected = false);
// A font whose digits all have one width, so numbers line up in a column.
QFont equalWidthDigits(const QFont& base);

} // namespace CellStyle
