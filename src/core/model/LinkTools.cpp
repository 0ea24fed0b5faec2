#include "core/model/LinkTools.h"

using namespace Qt::StringLiterals;

namespace LinkTools {

QString normalized(QStringView text) {
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QString();
    const QString lower = trimmed.toString().toLower();
    if (lower.startsWith(u"http://") || lower.startsWith(u"https://"))
        return trimmed.toString();
    if (lower.startsWith(u"www."))
        return u"https://"_s + trimmed.toString();
    if (trimmed.contains(u'.') && !trimmed.contains(u' ') && !trimmed.contains(u"://"))
        return u"https://"_s + trimmed.toString();
    return trimmed.toString();
}

std::optional<QUrl> url(QStringView text) {
    // QUrl lower-cases scheme and host itself; the stored text keeps the user's letter case.
    const QUrl address(normalized(text), QUrl::TolerantMode);
    if (!address.isValid())
        return std::nullopt;
    const QString scheme = address.scheme().toLower();
    if (scheme != u"http" && scheme != u"https")
        return std::nullopt;
    if (!address.host().contains(u'.'))
        return std::nullopt;
    return address;
}

bool isInvalid(QStringView text) {
    return !text.trimmed().isEmpty() && !url(text);
}

} // namespace LinkTools
