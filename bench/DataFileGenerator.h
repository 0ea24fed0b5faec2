#pragma once

#include "model/Model.h"

#include <QByteArray>
#include <QList>

// Data files like a busy small business keeps: journals of several templates (sales, finance, clients,
// stock, tasks, product cards), records with values of every field type, drawn from a fixed seed.
namespace DataFileGenerator {

// `records` records in all, shared out over the journals.
QList<Journal> journals(int records, unsigned seed = 1);
// The bytes the store writes for those journals.
QByteArray dataFile(const QList<Journal>& journals);

} // namespace DataFileGenerator
