#pragma once

#include <QString>

// A tooltip that quotes data shows it as typed, never as markup.
QString plainToolTip(const QString& text);
