#include "core/format/JsonPath.h"

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace ModelJson {

namespace {

bool isIdentifier(std::string_view key) {
    return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

} // namespace

QString Path::text() const {
    std::vector<const Path*> chain;
    for (const Path* p = this; p; p = p->parent)
        chain.push_back(p);
    QString out;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const Path& p = **it;
        if (p.index >= 0) {
            out += u'[' + QString::number(p.index) + u']';
            continue;
        }
        // A name from a hostile file is cut short, so that it cannot make the message huge.
        constexpr qsizetype limit = 60;
        QString name = QString::fromUtf8(p.key.data(), qsizetype(p.key.size()));
        if (name.size() > limit)
            name = name.left(limit) + u'…';
        if (isIdentifier(p.key)) {
            if (!out.isEmpty())
                out += u'.';
            out += name;
        } else {
            out += u"[\""_s + name + u"\"]"_s;
        }
    }
    return out;
}

} // namespace ModelJson
