#pragma once

#include <QString>
#include <QUuid>

// The canonical id text (upper-case, 36 characters) held in a buffer of its own, for look-ups in
// Record::values that run per cell and must not allocate. The text refers to the buffer: use it only while
// the IdKey lives, and never store it (store idText() instead).
class IdKey {
public:
    explicit IdKey(const QUuid& id) {
        static constexpr char16_t hex[] = u"0123456789ABCDEF";
        char16_t* p = m_chars;
        const auto put = [&p](quint64 value, int digits) {
            for (int i = digits - 1; i >= 0; --i)
                *p++ = hex[(value >> (4 * i)) & 0xF];
        };
        put(id.data1, 8);
        *p++ = u'-';
        put(id.data2, 4);
        *p++ = u'-';
        put(id.data3, 4);
        *p++ = u'-';
        put((quint64(id.data4[0]) << 8) | id.data4[1], 4);
        *p++ = u'-';
        for (int i = 2; i < 8; ++i)
            put(id.data4[i], 2);
        m_text = QString::fromRawData(reinterpret_cast<const QChar*>(m_chars), 36);
    }
    IdKey(const IdKey&) = delete;
    IdKey& operator=(const IdKey&) = delete;

    const QString& text() const { return m_text; }

private:
    char16_t m_chars[36];
    QString m_text;
};
