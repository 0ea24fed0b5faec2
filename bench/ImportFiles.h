#pragma once

#include "core/model/Model.h"

#include <QString>
#include <QTemporaryDir>

// Large CSV files for the import benchmarks, written once per run into a temporary folder.
//
// Two shapes: realistic rows, the whole export of a sales journal (every column, a few hundred bytes a
// row), and short rows of two cells, an order number and a sum (about forty bytes a row), where what every
// row costs besides its text weighs the most.
namespace ImportFiles {

enum class Rows { realistic, shortRows };

struct File {
    QTemporaryDir dir;
    QString path;
    qint64 bytes = 0;
    QString problem; // why the file could not be written; empty when it was
};

// The file of that shape holding about `megabytes` MiB.
const File& file(qint64 megabytes, Rows rows);

// The sales template with a checkbox besides its text, number, choice, date, link and long-text fields,
// so that the realistic file holds cells of every field type.
Journal salesWithCheckbox(const Clock& clock);

} // namespace ImportFiles
