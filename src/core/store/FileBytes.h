#pragma once

#include "core/store/Pages.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <utility>

// A file's bytes, read whole into pages of their own and followed by a NUL, so that a parser can work on
// them where they lie. Pages that nothing will read again can be handed back to the system before the
// whole goes: the text of a large data file then need not stay in memory while the journals read from it
// grow to their full size.
class FileBytes {
public:
    // Pages are handed back in stretches at least this long, each one system call.
    static constexpr std::size_t releaseStretch = std::size_t(1) << 20;

    // The bytes of the file at `path`; nothing, with `problem` saying why in Russian, when it cannot be
    // read. `stretch` is the least run of pages handed back at once.
    static std::optional<FileBytes> read(const QString& path, QString* problem,
                                         std::size_t stretch = releaseStretch);

    char* data() { return m_pages.data(); }
    std::size_t size() const { return m_size; }

    // Hands the whole pages from `from` up to `to` back to the system, once they make a stretch, leaving out
    // those handed back already; nothing may read those bytes afterwards. Calls come in the order of the
    // text: a run begun earlier only grows. Pointers outside the bytes hand nothing back.
    void release(const char* from, const char* to);

private:
    FileBytes(Pages pages, std::size_t stretch) : m_pages(std::move(pages)), m_stretch(stretch) {}

    Pages m_pages;
    std::size_t m_size = 0;
    std::size_t m_stretch = releaseStretch;
    // Where the pages handed back so far end, from the start of the bytes.
    std::size_t m_releasedTo = 0;
};
