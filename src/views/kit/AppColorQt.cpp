#include "views/kit/AppColorQt.h"

QColor color(AppColor appColor) {
    switch (appColor) {
    case AppColor::gray:
        return QColor(0x8E, 0x8E, 0x93);
    case AppColor::orange:
        return QColor(0xFF, 0x95, 0x00);
    case AppColor::yellow:
        return QColor(0xFF, 0xCC, 0x00);
    case AppColor::green:
        return QColor(0x34, 0xC7, 0x59);
    case AppColor::teal:
        return QColor(0x30, 0xB0, 0xC7);
    case AppColor::blue:
        return QColor(0x00, 0x7A, 0xFF);
    case AppColor::indigo:
        return QColor(0x58, 0x56, 0xD6);
    case AppColor::purple:
        return QColor(0xAF, 0x52, 0xDE);
    case AppColor::pink:
        return QColor(0xFF, 0x2D, 0x55);
    case AppColor::red:
        return QColor(0xFF, 0x3B, 0x30);
    }
    return QColor(0x8E, 0x8E, 0x93);
}
