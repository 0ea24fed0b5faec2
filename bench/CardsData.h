#pragma once

#include "core/model/Model.h"

// A product-card journal filled with generated records, for benchmarks of duplicate search and import.
// Record i has brand "Бренд <i % 50>", model article "M-<i / 4>", sizes by i % 4 and a colour; records with
// an even index carry the SKU "SKU-<i>", the others none, so both the unique-value and the identity checks
// have work to do.
Journal benchCardsJournal(int recordCount);

// The text of the generated field named `key` for record i, as it would be typed ("" when it has none).
QString benchCardsValue(const QString& key, int i);
