#include "core/store/FileBytes.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstring>

using namespace Qt::StringLiterals;

std::optional<FileBytes> FileBytes::read(const QString& path, QString* problem, std::size_t stretch) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        *problem = u"файл не удалось открыть для чтения"_s;
        return std::nullopt;
    }
    // Room for the file as large as it is now and the NUL after it; a file that grows meanwhile gets more.
    FileBytes bytes(Pages(std::size_t(std::max<qint64>(file.size(), 0)) + 1), stretch);
    for (;;) {
        if (bytes.m_size + 1 == bytes.m_pages.size()) {
            Pages larger(bytes.m_pages.size() * 2);
            std::memcpy(larger.data(), bytes.m_pages.data(), bytes.m_size);
            bytes.m_pages = std::move(larger);
        }
        const qint64 got =
            file.read(bytes.m_pages.data() + bytes.m_size, qint64(bytes.m_pages.size() - 1 - bytes.m_size));
        if (got < 0) {
            *problem = u"ошибка чтения файла"_s;
            return std::nullopt;
        }
        if (got == 0)
            return bytes;
        bytes.m_size += std::size_t(got);
    }
}

void FileBytes::release(const char* from, const char* to) {
    const auto base = reinterpret_cast<std::uintptr_t>(m_pages.data());
    const auto begin = reinterpret_cast<std::uintptr_t>(from), end = reinterpret_cast<std::uintptr_t>(to);
    if (begin < base || end > base + m_size || begin >= end)
        return;
    const std::size_t page = Pages::pageSize();
    const std::size_t first = std::max((begin - base + page - 1) / page * page, m_releasedTo);
    const std::size_t last = (end - base) / page * page;
    if (last <= first || last - first < m_stretch)
        return;
    m_pages.unmap(first, last);
    m_releasedTo = last;
}
