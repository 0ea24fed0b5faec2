#pragma once

#include "app/CellContent.h"

#include <QColor>
#include <QFont>
#include <QPalette>

class QPushButton;

// Colours and fonts shared by the cell delegate and the small editor rows.
namespace CellStyle {

// The colour of a tone in a palette; `status` takes the given status colour. In a selected row the
// text tones turn into the highlighted text colour so they stay readable.
QColor toneColor(CellTone tone, const QPalette& palette, std::optional<AppColor> status = std::nullopt,
                 bool selected = false);
// A font whose digits all have one width, so numbers line up in a column.
QFont equalWidthDigits(const QFont& base);

// A button drawn as a link: flat, in the link colour, never the dialog's default.
void makeLinkButton(QPushButton* button);

} // namespace CellStyle
