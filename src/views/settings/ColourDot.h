#pragma once

#include "core/model/Model.h"

#include <QIcon>
#include <QPalette>

// A status colour's symbol: a dot 10 points across, in the colour's shade that the eye finds in a list or a
// picker of the palette and on its window, and on a selected row or entry in one that it finds there.
QIcon colourDot(AppColor appColor, const QPalette& palette = QPalette());
