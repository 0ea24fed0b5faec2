#include "core/store/Pages.h"

#include <algorithm>
#include <new>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

std::size_t Pages::pageSize() {
    static const std::size_t size = std::size_t(::sysconf(_SC_PAGESIZE));
    return size;
}

Pages::Pages(std::size_t size)
    : m_size((std::max<std::size_t>(size, 1) + pageSize() - 1) / pageSize() * pageSize()) {
    void* pages = ::mmap(nullptr, m_size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED)
        throw std::bad_alloc();
    m_data = static_cast<char*>(pages);
}

Pages::Pages(Pages&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0)),
      m_unmapped(std::move(other.m_unmapped)) {}

Pages& Pages::operator=(Pages&& other) noexcept {
    std::swap(m_data, other.m_data);
    std::swap(m_size, other.m_size);
    std::swap(m_unmapped, other.m_unmapped);
    return *this;
}

Pages::~Pages() {
    if (!m_data)
        return;
    // Only the runs still mapped for these pages: the system may have given the others to someone else.
    std::sort(m_unmapped.begin(), m_unmapped.end());
    std::size_t at = 0;
    for (const auto& [from, to] : m_unmapped) {
        if (from > at)
            ::munmap(m_data + at, from - at);
        at = std::max(at, to);
    }
    if (m_size > at)
        ::munmap(m_data + at, m_size - at);
}

void Pages::unmap(std::size_t from, std::size_t to) {
    if (from >= to || to > m_size)
        return;
    ::munmap(m_data + from, to - from);
    m_unmapped.emplace_back(from, to);
}
