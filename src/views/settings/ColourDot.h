#pragma once

#include "core/model/Model.h"

#include <QIcon>

// A status colour's symbol: a dot 10 points across.
QIcon colourDot(AppColor appColor);
