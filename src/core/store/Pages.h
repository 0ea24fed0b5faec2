#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// Zeroed memory in pages mapped for it alone. It goes back to the system as soon as it goes, or a run of
// pages at a time before, instead of staying behind as free room in the heap, where a large block freed
// among the blocks still in use keeps its pages in memory for the rest of the run.
class Pages {
public:
    // At least `size` bytes, in whole pages; throws std::bad_alloc when the system has no room.
    explicit Pages(std::size_t size);
    Pages(Pages&& other) noexcept;
    Pages& operator=(Pages&& other) noexcept;
    Pages(const Pages&) = delete;
    Pages& operator=(const Pages&) = delete;
    ~Pages();

    char* data() const { return m_data; }
    std::size_t size() const { return m_size; }

    // Hands the pages from offset `from` up to `to` back to the system; both are multiples of pageSize(),
    // and the pages are not handed back yet. Nothing may touch them afterwards.
    void unmap(std::size_t from, std::size_t to);

    static std::size_t pageSize();

private:
    char* m_data = nullptr;
    std::size_t m_size = 0;
    // The runs handed back, by offset: the system may map other memory there since, which must stay.
    std::vector<std::pair<std::size_t, std::size_t>> m_unmapped;
};
