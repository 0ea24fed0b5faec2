#pragma once

#include "core/model/Model.h"

#include <QColor>

// The display colour of each AppColor: fixed colours close to the system colours of the same names.
QColor color(AppColor appColor);
