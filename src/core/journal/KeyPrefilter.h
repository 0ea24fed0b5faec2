#pragma once

#include <QString>
#include <QStringView>

// A quick test that rules out most texts whose comparison key cannot equal a given key, without building
// their keys. It needs no knowledge of the key beyond what holds for every text made only of basic Latin,
// Cyrillic and white space: its key is lower-cased, "ё" read as "е", and keeps every other character in
// order, blanks aside. A text holding anything else gets "may match", and only its full key can tell.
class KeyPrefilter {
public:
    explicit KeyPrefilter(const QString& key);

    // False only when the text's comparison key certainly differs from the key.
    bool mayMatch(QStringView text) const;

private:
    QString m_chars; // the key without its white space
};
