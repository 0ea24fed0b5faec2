#include "core/csv/ChunkDecoder.h"

#include <QUtf8StringView>

#include <algorithm>
#include <cstring>
#include <utility>

namespace CSVService {

namespace {

// Windows-1251 bytes 0x80-0xFF. The code page leaves 0x98 unassigned; it reads as U+0098 so that every
// byte sequence decodes and the result never depends on which converters the Qt build carries.
constexpr char16_t windows1251High[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // F8
};

QString fromWindows1251(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = QChar(u < 0x80 ? char16_t(u) : windows1251High[u - 0x80]);
    }
    return text;
}

bool startsWith(QByteArrayView bytes, std::initializer_list<unsigned char> mark) {
    if (bytes.size() < qsizetype(mark.size()))
        return false;
    qsizetype i = 0;
    for (const unsigned char b : mark)
        if (static_cast<unsigned char>(bytes[i++]) != b)
            return false;
    return true;
}

// A leading mark is kept as U+FEFF, so that only the reader decides which marks to drop. Stateless: nothing
// carries from one call to the next, and a chunk's characters are exactly those of its bytes.
constexpr QStringConverter::Flags strict =
    QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless;

// Whether the character is of a script besides Latin, Greek and Cyrillic, and not one common to all (or
// inheriting its neighbour's, or none).
bool isOtherScript(char32_t c) {
    if (c < 0x0530) // up to the end of the Cyrillic Supplement: Latin, Greek, Cyrillic and the common signs
        return false;
    switch (QChar::script(c)) {
    case QChar::Script_Unknown:
    case QChar::Script_Inherited:
    case QChar::Script_Common:
    case QChar::Script_Latin:
    case QChar::Script_Greek:
    case QChar::Script_Cyrillic:
        return false;
    default:
        return true;
    }
}

// The character whose UTF-8 bytes start at `p`, in a valid sequence.
char32_t utf8At(const uchar* p) {
    if (p[0] < 0xE0)
        return char32_t(p[0] & 0x1F) << 6 | (p[1] & 0x3F);
    if (p[0] < 0xF0)
        return char32_t(p[0] & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
    return char32_t(p[0] & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 | char32_t(p[2] & 0x3F) << 6 |
           (p[3] & 0x3F);
}

} // namespace

void ChunkDecoder::scan(QByteArrayView chunk) {
    // A long chunk is checked a part at a time, so that its text never stands whole while it is checked.
    constexpr qsizetype part = 1 << 20;
    for (qsizetype at = 0; at < chunk.size(); at += part)
        scanPart(chunk.sliced(at, std::min(part, chunk.size() - at)));
}

void ChunkDecoder::scanPart(QByteArrayView chunk) {
    if (m_encoding != Encoding::undecided) {
        scanBytes(chunk);
        return;
    }
    // The mark takes up to three bytes, which the first chunks may share out.
    m_held.append(chunk);
    if (m_held.size() < 3)
        return;
    decide(m_held);
    scanBytes(std::exchange(m_held, QByteArray()));
}

void ChunkDecoder::decide(QByteArrayView head) {
    if (startsWith(head, {0xEF, 0xBB, 0xBF})) {
        m_encoding = Encoding::utf8;
        m_markLeft = 3;
        m_decoder = QStringDecoder(QStringConverter::Utf8, strict);
    } else if (startsWith(head, {0xFF, 0xFE})) {
        m_encoding = Encoding::utf16LE;
        m_decoder = QStringDecoder(QStringConverter::Utf16LE, strict);
    } else if (startsWith(head, {0xFE, 0xFF})) {
        m_encoding = Encoding::utf16BE;
        m_decoder = QStringDecoder(QStringConverter::Utf16BE, strict);
    } else {
        m_encoding = Encoding::utf8OrWindows1251;
        m_decoder = QStringDecoder(QStringConverter::Utf8, strict);
    }
}

QByteArrayView ChunkDecoder::whole(QByteArrayView chunk) {
    if (m_markLeft > 0) {
        const qsizetype skipped = std::min(m_markLeft, chunk.size());
        chunk = chunk.sliced(skipped);
        m_markLeft -= skipped;
    }
    QByteArrayView data = chunk;
    if (!m_carry.isEmpty()) {
        m_joined = m_carry;
        m_joined.append(chunk);
        data = m_joined;
    }
    qsizetype keep = data.size();
    if (utf16()) {
        keep &= ~qsizetype(1);
        if (keep >= 2) {
            const auto hi =
                static_cast<unsigned char>(data[keep - (m_encoding == Encoding::utf16LE ? 1 : 2)]);
            if ((hi & 0xFC) == 0xD8) // a high surrogate, whose low one is still to come
                keep -= 2;
        }
    } else {
        // The last character's first byte, at most four bytes back: kept back when its bytes go on.
        for (qsizetype back = 1; back <= 4 && back <= data.size(); ++back) {
            const auto b = static_cast<unsigned char>(data[data.size() - back]);
            if ((b & 0xC0) == 0x80)
                continue;
            const qsizetype length = (b & 0xE0) == 0xC0   ? 2
                                     : (b & 0xF0) == 0xE0 ? 3
                                     : (b & 0xF8) == 0xF0 ? 4
                                                          : 1;
            if (length > back)
                keep = data.size() - back;
            break;
        }
    }
    m_carry = data.sliced(keep).toByteArray();
    return data.first(keep);
}

void ChunkDecoder::scanBytes(QByteArrayView chunk) {
    if (utf16()) {
        scanUnits(chunk);
        return;
    }
    const QByteArrayView data = whole(chunk);
    if (data.isEmpty())
        return;
    // Qt's check finds exactly what its decoder takes for an error, without making the text.
    m_valid = m_valid && QUtf8StringView(data.data(), data.size()).isValidUtf8();
    const char* const first = data.data();
    const char* const last = first + data.size();
    // Every LF and every CR ends a line, but a CR LF only once.
    m_lineEnds += std::count(first, last, '\n') + std::count(first, last, '\r');
    if (m_lastCR && *first == '\n')
        --m_lineEnds;
    for (auto* cr = static_cast<const char*>(std::memchr(first, '\r', std::size_t(last - first)));
         cr && cr + 1 < last;
         cr = static_cast<const char*>(std::memchr(cr + 1, '\r', std::size_t(last - cr - 1))))
        m_lineEnds -= cr[1] == '\n';
    m_lastCR = last[-1] == '\r';
    m_nul = m_nul || std::memchr(first, 0, std::size_t(last - first));
    // From U+0500 on, the first byte of a character is at least 0xD4.
    const auto high = [](char c) { return uchar(c) >= 0xD4; };
    for (const char* p = std::find_if(first, last, high); m_valid && !m_otherScripts && p != last;
         p = std::find_if(p + 1, last, high))
        m_otherScripts = isOtherScript(utf8At(reinterpret_cast<const uchar*>(p)));
}

void ChunkDecoder::scanUnits(QByteArrayView chunk) {
    const QByteArrayView data = whole(chunk);
    const bool le = m_encoding == Encoding::utf16LE;
    const auto unit = [&](qsizetype i) {
        const auto a = static_cast<unsigned char>(data[2 * i]),
                   b = static_cast<unsigned char>(data[2 * i + 1]);
        return char16_t(le ? a | b << 8 : a << 8 | b);
    };
    const qsizetype n = data.size() / 2;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = unit(i);
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(unit(i + 1))) {
            const char32_t c = QChar::surrogateToUcs4(u, unit(++i));
            m_otherScripts = m_otherScripts || isOtherScript(c);
        } else if (QChar::isSurrogate(u))
            m_valid = false;
        else
            m_otherScripts = m_otherScripts || isOtherScript(u);
        m_lineEnds += (u == u'\r') + (u == u'\n' && !m_lastCR);
        m_lastCR = u == u'\r';
        m_nul = m_nul || u == 0;
    }
}

bool ChunkDecoder::isText() {
    if (m_encoding == Encoding::undecided) {
        decide(m_held);
        scanBytes(std::exchange(m_held, QByteArray()));
    }
    // Bytes left over are a character cut off by the end, or the odd last byte of UTF-16.
    m_valid = m_valid && m_carry.isEmpty();
    m_carry.clear();
    m_lastCR = false;
    if (m_encoding == Encoding::utf8OrWindows1251) {
        // Windows-1251 reads every byte sequence, as Cyrillic and Latin letters and common signs.
        m_encoding = m_valid ? Encoding::utf8 : Encoding::windows1251;
        m_otherScripts = m_otherScripts && m_valid;
        m_valid = true;
    } else if (m_encoding == Encoding::utf8) {
        m_markLeft = 3;
    }
    // Every byte sequence reads as Windows-1251, a binary file too; its NUL characters tell it apart.
    return m_valid && !m_nul;
}

QString ChunkDecoder::decode(QByteArrayView chunk) {
    QString text;
    if (m_encoding == Encoding::windows1251) {
        text = fromWindows1251(chunk);
    } else {
        const QByteArrayView data = whole(chunk);
        text = m_decoder.decode(data);
    }
    if (m_atStart && !text.isEmpty()) {
        // One leading U+FEFF left in the text goes: the UTF-16 mark, or a second UTF-8 one.
        m_atStart = false;
        if (text.front() == QChar(0xFEFF))
            text.remove(0, 1);
    }
    return text;
}

} // namespace CSVService
