#pragma once

#include "core/model/Calendar.h"
#include "core/model/Model.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// The conversion of the file kept by the earlier single-purpose card application ("cards.json") into one
// journal of the product-card template. It only reads: the card file is never changed, and nothing is kept
// between calls.
namespace LegacyMigration {

// A new product-card journal holding one record per card, in the order of the file; or nothing, with
// `error` describing the first problem in Russian, when the file does not read. Reading is all or nothing
// and strict about what is present: a value of the wrong kind, an id or date text that does not read, or a
// count with a fraction fails the whole file; an absent key or a null takes its default. A card without an
// id, or with an id an earlier card already has, gets a new one; a card without a creation time is created
// at the clock's now.
std::optional<Journal> migrate(QByteArrayView bytes, const Clock& clock, QString* error);

} // namespace LegacyMigration
