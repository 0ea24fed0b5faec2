#pragma once

#include "core/format/ModelJsonWriter.h"
#include "core/model/Model.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QUuid>

#include <rapidjson/stringbuffer.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Encodes the data file after a change without encoding, or even copying, every record again.
//
// It keeps the bytes of the file as last written: one buffer of the whole file as it was at some save,
// followed by the bytes of the records encoded at the saves since, with the span of each record in them
// and the record each span was written for. An encoding writes afresh everything but the records (the
// journals' own members, the save time) and every record that does not write exactly as its kept one
// (ModelJson::writesAlike compares every member: nothing rests on which records an operation meant to
// change); the file is then those fresh bytes and runs of kept bytes, in pieces. Together they are byte for
// byte what DataFile::encode writes for the same journals.
//
// Once the kept bytes hold much that no record uses any more, or the file falls into many pieces, or the
// fresh bytes are most of the file, keeping an encoding makes the file one buffer again, in the buffer
// that holds the fresh bytes.
class DataFileEncoder : private ModelJson::Writer::EarlierRecords {
public:
    DataFileEncoder();
    ~DataFileEncoder() override;
    DataFileEncoder(const DataFileEncoder&) = delete;
    DataFileEncoder& operator=(const DataFileEncoder&) = delete;

    // Encodes the journals; false with `error` set when a value cannot be written. `expectedSize` is the
    // file size to make room for when nothing is kept yet.
    bool encode(const QList<Journal>& journals, const QDateTime& savedAt, QString* error,
                std::size_t expectedSize = 0);
    // The bytes of the last successful encode not yet kept or dropped, in pieces that make the file one
    // after another; empty when there is none. Valid until the next call of any other member.
    std::span<const QByteArrayView> encoded() const { return m_encoded; }
    // The encoded bytes are now the file's: they become the kept bytes the next encode draws on.
    void keep();
    // The encoded bytes did not reach the file: they are forgotten, and the kept bytes stay as they were.
    void drop();

private:
    // A record's bytes among the kept ones: offsets count through the base buffer, then the added bytes.
    // `prefixed` when the kept bytes right before it are the prefix of a record that follows another
    // (recordPrefix), as found in those bytes themselves.
    struct Span {
        std::size_t begin = 0;
        std::size_t size = 0;
        bool prefixed = false;
    };
    // One journal's records as they were encoded (sharing their storage with the journal written) and,
    // for each, its bytes.
    struct JournalRecords {
        QUuid journalID;
        QList<Record> records;
        std::vector<Span> spans;
    };
    // Where a record of the encoding being made stands in the file, and where its bytes are meanwhile: in
    // the kept bytes, or fresh in the frame.
    struct Placed {
        std::size_t file = 0;
        std::size_t size = 0;
        std::size_t source = 0;
        bool fresh = false;
        bool prefixed = false; // for a kept record: its span's
    };
    struct MadeJournal {
        QUuid journalID;
        QList<Record> records;
        std::vector<Placed> placed;
    };
    // A run of the file: kept bytes (at a kept offset) or fresh bytes of the frame.
    struct Piece {
        bool kept = false;
        std::size_t begin = 0;
        std::size_t size = 0;
    };

    void startJournal(qsizetype index, const Journal& journal) override;
    bool reusable(qsizetype position, const Record& record) override;
    void reused(qsizetype position, std::size_t at) override;
    void written(qsizetype position, std::size_t begin, std::size_t end) override;
    // Where a kept record with that id stands in the kept journal matched.
    std::optional<qsizetype> locate(const QUuid& id);
    std::size_t baseSize() const;
    const char* keptBytes(std::size_t offset) const;
    // Back to no encoding in the making.
    void forgetMade();
    // Makes the frame hold the whole file, the kept pieces copied in among the fresh ones.
    void spliceKeptIntoFrame();
    // Hands the records of the journals just made over to the kept ones, each record's span as `spanOf`
    // gives it for where the record was placed.
    void keepMade(const std::function<Span(const Placed&)>& spanOf);

    // The kept bytes and records.
    std::unique_ptr<rapidjson::StringBuffer> m_base;
    std::string m_added;
    std::vector<JournalRecords> m_kept;

    // The encoding in the making, or made and neither kept nor dropped yet: the fresh bytes, the pieces of
    // the file, the records.
    std::unique_ptr<rapidjson::StringBuffer> m_frame;
    std::vector<Piece> m_pieces;
    std::vector<MadeJournal> m_made;
    std::vector<QByteArrayView> m_encoded;
    std::size_t m_segmentStart = 0; // where the frame's bytes after the last piece start
    std::size_t m_keptTotal = 0;    // the size of the kept pieces so far

    // While encoding: the kept journal the current one is matched against, the kept position after the
    // last record located in it, the kept record standing in for the current one, and the kept journal's
    // records' positions by id once needed.
    const JournalRecords* m_from = nullptr;
    qsizetype m_cursor = 0;
    qsizetype m_found = 0;
    QHash<QUuid, qsizetype> m_positions;
    bool m_indexed = false;
};
