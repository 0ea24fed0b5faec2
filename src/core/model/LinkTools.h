#pragma once

#include <QString>
#include <QStringView>
#include <QUrl>

#include <optional>

// Web links as users type them: completion of bare host names and the check for a usable address.
namespace LinkTools {

// The stored form of a link: trimmed; a text starting with "www.", or a bare host with a "." and no
// blank, gets "https://" in front. Letter case is kept.
QString normalized(QStringView text);
// The http or https address a link text stands for, or nothing when it is not one (no host with a ".").
std::optional<QUrl> url(QStringView text);
// True when the text is not blank and is not a usable web address; blank text is never invalid.
bool isInvalid(QStringView text);

} // namespace LinkTools
