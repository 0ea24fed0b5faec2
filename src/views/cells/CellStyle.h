#pragma once

#include "app/cells/CellContent.h"

#include <QColor>
#include <QPalette>

// The colours of the cells' tones, taken from the shared roles.
namespace CellStyle {

// The colour of a tone in a palette; `status` takes the given status colour. The signal tones (warning,
// red, green) take the shade of their colour that reads on the rows; in a selected row the text tones turn
// into the highlighted text colour so they stay readable.
QColor toneColor(CellTone tone, const QPalette& palette, std::optional<AppColor> status = std::nullopt,
                 bool selected = false);

// A status badge's capsule and text: a faint capsule of the status colour under text in the shade of it
// that reads there; on a selected row, whose highlight would swallow both, a solid capsule in the shade
// the highlighted text reads on.
struct BadgeLook {
    QColor fill;
    QColor text;
};
BadgeLook badgeLook(const QColor& status, const QPalette& palette, bool selected);

} // namespace CellStyle
