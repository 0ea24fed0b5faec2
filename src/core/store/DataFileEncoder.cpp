#include "core/store/DataFileEncoder.h"

#include "core/store/DataFile.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

// How far past the last record located the next one is looked for before the kept journal is indexed:
// records keep their order, and a deletion leaves a short gap.
constexpr qsizetype lookAhead = 8;

// Pieces of the file beyond which keeping an encoding makes it one buffer again: each is a system call of
// its own when the file is written.
constexpr std::size_t maxPieces = 2048;

// Room for the fresh bytes of an encoding that draws on kept ones: the journals' own members, the
// prefixes between records and a few changed records.
constexpr std::size_t frameRoom = 256 * 1024;

// What the writer puts between two records of a journal. The kept bytes are checked for it once, when they
// are made one buffer, so that runs of kept records are found without reading the kept bytes on every save.
constexpr std::string_view recordPrefix = ",\n        ";

} // namespace

DataFileEncoder::DataFileEncoder() = default;
DataFileEncoder::~DataFileEncoder() = default;

std::size_t DataFileEncoder::baseSize() const {
    return m_base ? m_base->GetSize() : 0;
}

const char* DataFileEncoder::keptBytes(std::size_t offset) const {
    const std::size_t base = baseSize();
    return offset < base ? m_base->GetString() + offset : m_added.data() + (offset - base);
}

void DataFileEncoder::forgetMade() {
    m_frame.reset();
    m_pieces.clear();
    m_made.clear();
    m_encoded.clear();
    m_segmentStart = 0;
    m_keptTotal = 0;
    m_from = nullptr;
    m_positions.clear();
}

bool DataFileEncoder::encode(const QList<Journal>& journals, const QDateTime& savedAt, QString* error,
                             std::size_t expectedSize) {
    forgetMade();
    m_frame = std::make_unique<rapidjson::StringBuffer>();
    const std::size_t room = m_base ? frameRoom : expectedSize + expectedSize / 8;
    m_frame->Reserve(std::max(room, frameRoom));
    m_made.reserve(std::size_t(journals.size()));
    if (!DataFile::encode(journals, savedAt, *m_frame, error, this)) {
        forgetMade();
        return false;
    }
    m_from = nullptr;
    m_positions.clear();
    const std::size_t end = m_frame->GetSize();
    if (end > m_segmentStart)
        m_pieces.push_back(Piece{false, m_segmentStart, end - m_segmentStart});
    // The frame is complete and stays where it is from here on.
    const char* frame = m_frame->GetString();
    m_encoded.reserve(m_pieces.size());
    for (const Piece& piece : m_pieces) {
        const char* data = piece.kept ? keptBytes(piece.begin) : frame + piece.begin;
        m_encoded.emplace_back(data, qsizetype(piece.size));
    }
    return true;
}

void DataFileEncoder::keep() {
    if (!m_frame)
        return;
    const std::size_t fileSize = m_frame->GetSize() + m_keptTotal;
    std::size_t fresh = 0;
    for (const MadeJournal& journal : m_made) {
        for (const Placed& p : journal.placed)
            fresh += p.fresh ? p.size : 0;
    }
    // Bytes no record uses any more stay among the kept ones until the file is made one buffer again. When
    // the fresh bytes are most of the file (a large import), keeping them beside the frame would hold them
    // twice for a while, where making the file one buffer in the frame holds them once.
    const std::size_t stored = baseSize() + m_added.size() + fresh;
    const bool whole = !m_base || m_frame->GetSize() > m_keptTotal || stored > fileSize + fileSize / 4 ||
                       m_pieces.size() > maxPieces;

    if (whole) {
        if (m_keptTotal > 0)
            spliceKeptIntoFrame();
        std::unique_ptr<rapidjson::StringBuffer> base = std::move(m_frame);
        base->ShrinkToFit();
        const std::string_view bytes(base->GetString(), base->GetSize());
        keepMade([&](const Placed& p) {
            const bool prefixed =
                p.file >= recordPrefix.size() &&
                bytes.substr(p.file - recordPrefix.size(), recordPrefix.size()) == recordPrefix;
            return Span{p.file, p.size, prefixed};
        });
        m_base = std::move(base);
        m_added = std::string();
    } else {
        // Room for every fresh record at once: kept bytes growing step by step would stand twice while they
        // move, beside the frame they come from, which after a large import is most of the file.
        m_added.reserve(m_added.size() + fresh);
        const char* frame = m_frame->GetString();
        keepMade([&](const Placed& p) {
            if (!p.fresh)
                return Span{p.source, p.size, p.prefixed};
            const Span span{baseSize() + m_added.size(), p.size, false};
            m_added.append(frame + p.source, p.size);
            return span;
        });
    }
    forgetMade();
}

void DataFileEncoder::keepMade(const std::function<Span(const Placed&)>& spanOf) {
    std::vector<JournalRecords> kept;
    kept.reserve(m_made.size());
    for (MadeJournal& journal : m_made) {
        JournalRecords& records = kept.emplace_back();
        records.journalID = journal.journalID;
        records.records = std::move(journal.records);
        records.spans.reserve(journal.placed.size());
        for (const Placed& p : journal.placed)
            records.spans.push_back(spanOf(p));
    }
    m_kept = std::move(kept);
}

void DataFileEncoder::spliceKeptIntoFrame() {
    // The fresh pieces lie side by side in the frame, in file order. The frame grows to the file's size,
    // then, from the last piece back, each fresh piece moves to its place in the file (never to the left
    // of where it is) and each kept piece is copied into its gap; what is still to move always lies left
    // of what is written.
    const std::size_t freshSize = m_frame->GetSize();
    char* const file = m_frame->Push(m_keptTotal) - freshSize;
    std::size_t at = freshSize + m_keptTotal;
    for (auto piece = m_pieces.crbegin(); piece != m_pieces.crend(); ++piece) {
        at -= piece->size;
        if (piece->kept)
            std::memcpy(file + at, keptBytes(piece->begin), piece->size);
        else
            std::memmove(file + at, file + piece->begin, piece->size);
    }
}

void DataFileEncoder::drop() {
    forgetMade();
}

void DataFileEncoder::startJournal(qsizetype index, const Journal& journal) {
    MadeJournal& made = m_made.emplace_back();
    made.journalID = journal.id;
    made.records = journal.records;
    made.placed.reserve(std::size_t(journal.records.size()));

    m_from = nullptr;
    m_cursor = 0;
    m_positions.clear();
    m_indexed = false;
    // The journal that stood at the same place, else the first with the same id (the journals moved).
    if (std::size_t(index) < m_kept.size() && m_kept[std::size_t(index)].journalID == journal.id) {
        m_from = &m_kept[std::size_t(index)];
        return;
    }
    const auto same = std::find_if(m_kept.begin(), m_kept.end(),
                                   [&journal](const JournalRecords& j) { return j.journalID == journal.id; });
    if (same != m_kept.end())
        m_from = &*same;
}

std::optional<qsizetype> DataFileEncoder::locate(const QUuid& id) {
    const QList<Record>& kept = m_from->records;
    const qsizetype end = std::min(kept.size(), m_cursor + lookAhead);
    for (qsizetype k = m_cursor; k < end; ++k) {
        if (kept[k].id == id)
            return k;
    }
    // Past the end of the kept records come the records added since: no index is needed to know them new.
    if (!m_indexed && kept.size() - m_cursor <= lookAhead)
        return std::nullopt;
    if (!m_indexed) {
        m_positions.reserve(kept.size());
        for (qsizetype k = 0; k < kept.size(); ++k)
            m_positions.insert(kept[k].id, k); // a repeated id keeps its last position: any is as good
        m_indexed = true;
    }
    const auto it = m_positions.constFind(id);
    return it == m_positions.cend() ? std::nullopt : std::optional(it.value());
}

bool DataFileEncoder::reusable(qsizetype, const Record& record) {
    if (!m_from)
        return false;
    const std::optional<qsizetype> at = locate(record.id);
    if (!at)
        return false;
    m_cursor = *at + 1;
    m_found = *at;
    return ModelJson::writesAlike(record, m_from->records[*at]);
}

void DataFileEncoder::reused(qsizetype, std::size_t at) {
    const Span span = m_from->spans[std::size_t(m_found)];
    const std::size_t gap = at - m_segmentStart; // the prefix, and whatever else came since the last piece
    m_made.back().placed.push_back(Placed{at + m_keptTotal, span.size, span.begin, false, span.prefixed});
    // A kept run grows over this record when the fresh bytes since the run are only the prefix that also
    // stands between the run's end and this record among the kept bytes.
    if (!m_pieces.empty() && m_pieces.back().kept && span.prefixed && gap == recordPrefix.size()) {
        Piece& last = m_pieces.back();
        const std::size_t end = last.begin + last.size;
        if (end + gap == span.begin && last.begin < baseSize() &&
            std::string_view(m_frame->GetString() + m_segmentStart, gap) == recordPrefix) {
            m_frame->Pop(gap);
            last.size += gap + span.size;
            m_keptTotal += gap + span.size;
            return;
        }
    }
    if (gap > 0)
        m_pieces.push_back(Piece{false, m_segmentStart, gap});
    m_pieces.push_back(Piece{true, span.begin, span.size});
    m_keptTotal += span.size;
    m_segmentStart = at;
}

void DataFileEncoder::written(qsizetype, std::size_t begin, std::size_t end) {
    m_made.back().placed.push_back(Placed{begin + m_keptTotal, end - begin, begin, true});
}
