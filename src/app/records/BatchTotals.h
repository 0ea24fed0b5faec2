#pragma once

#include <QtGlobal>

namespace Records {

// What the records of a batch add up to in the footer.
struct BatchTotals {
    qsizetype records = 0;
    // Distinct group keys among the records; counted only in a journal with group fields.
    qsizetype groups = 0;
    // Every record holds some text or number, and there is at least one.
    bool savable = false;
};

} // namespace Records
