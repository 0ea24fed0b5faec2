#pragma once

#include <QString>
#include <QtGlobal>

#include <string_view>

namespace ModelJson {

// A place inside the JSON, kept on the stack while reading or writing descends, so that a failure can say
// where it happened ("journals[0].fields[2].type") without any text being built on the way.
struct Path {
    const Path* parent = nullptr;
    std::string_view key; // a member name (the empty name too); unused for an array element
    qsizetype index = -1; // the position of an array element; -1 for a member

    Path member(std::string_view name) const { return Path{this, name, -1}; }
    Path element(qsizetype position) const { return Path{this, {}, position}; }
    QString text() const;
};

} // namespace ModelJson
