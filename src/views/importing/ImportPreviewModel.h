#pragma once

#include "app/importing/ImportPreview.h"

#include "core/csv/CSVImport.h"
#include "core/model/Model.h"

#include <QAbstractTableModel>
#include <QUuid>

// The rows of an import preview as a table: whether to import each row (a check box, not offered for a
// row in error), its line, its check, its status, the journal's table fields and its remarks. Only the
// choice of rows changes; rows never move, so a change repaints one column and never resets the table.
class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The fixed leading columns; the journal's table fields follow, then the remarks.
    using enum Importing::ImportPreview::Column;

    ImportPreviewModel(const Journal& journal, const ImportResult& result, QObject* parent = nullptr);

    // The findings as the user has chosen so far.
    const ImportResult& result() const { return m_result; }
    int remarksColumn() const { return firstFieldColumn + int(m_fields.size()); }
    // The table fields shown, in order, and the field shown in a column (nothing for the fixed columns).
    const QList<FieldDef>& fields() const { return m_fields; }
    const FieldDef* fieldAt(int column) const;

    // Whether the first row with that id is to be imported; off when no row has the id.
    bool include(const QUuid& rowID) const;
    // Sets the choice of the first row with that id; a row in error is never imported and stays off.
    void setInclude(const QUuid& rowID, bool include);
    void applyPreset(Importing::ImportPreview::Preset preset);
    // Lets the rows go, once the records to import are taken from them: a large file's rows need not stay
    // while the store works. The table is empty from here on.
    void releaseRows();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // The choice of one or more rows changed.
    void includesChanged();

private:
    CellContent cell(const ImportRow& row, int column) const;
    // The position of the first row with that id; -1 for none.
    int rowWithID(const QUuid& rowID) const;
    void setIncludeAt(int row, bool include);

    Journal m_journal;
    QList<FieldDef> m_fields;
    ImportResult m_result;
};
