#pragma once

#include "core/csv/CSVImport.h"
#include "core/model/Model.h"

#include <QString>
#include <QUuid>

#include <optional>

// The items that open the window's sheets. Every request makes a new item with a fresh id, so two
// requests are two sheets even when their contents are equal; the one who presents an item looks its
// journal up again by journalID.

struct EditorItem {
    QUuid id = QUuid::createUuid();
    QUuid journalID;
    Record record; // the record to edit, or a new one not yet in the journal
    bool isNew = false;
};

struct BatchItem {
    QUuid id = QUuid::createUuid();
    QUuid journalID;
    std::optional<Record> templateRecord; // whose values prefill the batch; nothing for an empty batch
};

struct ImportPreviewItem {
    QUuid id = QUuid::createUuid();
    QUuid journalID;
    QString fileName; // the chosen file's last path component
    ImportResult result;
};

struct SettingsItem {
    QUuid id = QUuid::createUuid();
    QUuid journalID;
};
