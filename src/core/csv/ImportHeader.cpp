#include "core/csv/ImportHeader.h"

#include "core/journal/TextNormalizer.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace CSVService {

namespace {

// The grapheme clusters of a text, so that prefixes are measured in whole characters.
QList<QStringView> charactersOf(const QString& text) {
    QList<QStringView> out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = finder.toNextBoundary();
        if (end <= start)
            end = text.size();
        out.append(QStringView(text).sliced(start, end - start));
        start = end;
    }
    return out;
}

} // namespace

ImportNames::ImportNames(const Journal& journal) : m_journal(journal) {
    for (const FieldDef& f : journal.fields) {
        m_fieldNames.append(TextNormalizer::reduced(f.name));
        QStringList aliases;
        for (const QString& alias : f.aliases)
            aliases.append(TextNormalizer::reduced(alias));
        m_fieldAliases.append(aliases);
    }
    for (const StatusDef& s : journal.statuses) {
        m_statusNames.append(TextNormalizer::reduced(s.name));
        m_statusChars.append(charactersOf(m_statusNames.last()));
    }
}

std::optional<ImportColumn> ImportNames::match(const QString& header) const {
    const QString key = TextNormalizer::reduced(header);
    if (key.isEmpty())
        return std::nullopt;
    for (qsizetype i = 0; i < m_fieldNames.size(); ++i) {
        if (m_fieldNames[i] == key)
            return fieldColumn(i);
    }
    for (qsizetype i = 0; i < m_fieldAliases.size(); ++i) {
        if (m_fieldAliases[i].contains(key))
            return fieldColumn(i);
    }
    if (key == u"статус" || key == u"status" || key == u"состояние")
        return ImportColumn{ImportColumn::Kind::status, {}, -1};
    if (key == u"id" || key == u"идентификатор" || key == u"uuid")
        return ImportColumn{ImportColumn::Kind::id, {}, -1};
    return std::nullopt;
}

std::optional<qsizetype> ImportNames::matchStatus(const QString& text) {
    const auto cached = m_statusOfText.constFind(text);
    if (cached != m_statusOfText.cend())
        return *cached;
    const std::optional<qsizetype> found = statusFor(TextNormalizer::reduced(text));
    m_statusOfText.insert(text, found);
    return found;
}

ImportColumn ImportNames::fieldColumn(qsizetype i) const {
    return ImportColumn{ImportColumn::Kind::field, m_journal.fields[i].id, i};
}

std::optional<qsizetype> ImportNames::statusFor(const QString& key) const {
    if (key.isEmpty())
        return std::nullopt;
    const qsizetype exact = m_statusNames.indexOf(key);
    if (exact >= 0)
        return exact;
    const QList<QStringView> chars = charactersOf(key);
    qsizetype best = -1, bestLength = 0;
    for (qsizetype i = 0; i < m_statusChars.size(); ++i) {
        const QList<QStringView>& name = m_statusChars[i];
        const qsizetype n = std::min(name.size(), chars.size());
        qsizetype length = 0;
        while (length < n && name[length] == chars[length])
            ++length;
        if (best < 0 || length > bestLength) {
            best = i;
            bestLength = length;
        }
    }
    if (best >= 0 && bestLength >= 5)
        return best;
    return std::nullopt;
}

} // namespace CSVService
