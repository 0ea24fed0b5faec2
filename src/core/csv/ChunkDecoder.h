#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

namespace CSVService {

// Reads a file's bytes as text chunk by chunk, to exactly the text decode() makes of them whole, so that
// a large file need never stand in memory as text all at once. It takes two passes over the same chunks
// in the same order: the first (scan) chooses the encoding and finds whether the bytes are text at all,
// the second (decode) gives each chunk's characters. A character whose bytes a boundary between chunks
// splits comes with the later chunk.
class ChunkDecoder {
public:
    ChunkDecoder() = default;
    ChunkDecoder(const ChunkDecoder&) = delete;
    ChunkDecoder& operator=(const ChunkDecoder&) = delete;

    void scan(QByteArrayView chunk);
    // Ends the first pass: whether decode() would give the bytes a text.
    bool isText();
    // The line ends of the text, CR LF counted once; known once isText() is.
    qsizetype lineEnds() const { return m_lineEnds; }
    // Whether the text holds a character of a script besides Latin, Greek and Cyrillic (signs and marks
    // common to all scripts aside); known once isText() is. Qt tailors where the characters of some such
    // scripts end, from text that may stand lines before.
    bool otherScripts() const { return m_otherScripts; }

    // The text of the next chunk, once isText() is true.
    QString decode(QByteArrayView chunk);

private:
    enum class Encoding { undecided, utf8, utf8OrWindows1251, windows1251, utf16LE, utf16BE };

    void scanPart(QByteArrayView chunk);
    void decide(QByteArrayView head);
    void scanBytes(QByteArrayView bytes);
    void scanUnits(QByteArrayView bytes);
    // The bytes carried from the last chunk and this one, less those of a character that goes on past them
    // (kept in m_carry for the next chunk). Valid until the next call.
    QByteArrayView whole(QByteArrayView chunk);
    bool utf16() const { return m_encoding == Encoding::utf16LE || m_encoding == Encoding::utf16BE; }

    Encoding m_encoding = Encoding::undecided;
    QByteArray m_held;        // the first bytes, until the mark is known
    qsizetype m_markLeft = 0; // bytes of a UTF-8 mark still to skip in the pass running
    QByteArray m_carry;
    QByteArray m_joined; // the carried bytes and the chunk after them

    // The first pass.
    bool m_valid = true;   // no malformed sequence so far (UTF-8 or UTF-16)
    bool m_nul = false;    // a NUL character seen
    bool m_lastCR = false; // the last character seen was a CR
    qsizetype m_lineEnds = 0;
    bool m_otherScripts = false;

    // The second pass.
    QStringDecoder m_decoder;
    bool m_atStart = true; // no character given yet
};

} // namespace CSVService
