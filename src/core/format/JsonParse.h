#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <rapidjson/document.h>

#include <cstddef>

// The JSON text of the data file and the earlier card file, read into a RapidJSON document.
namespace ModelJson {

// Parses JSON text into `doc`: strict UTF-8, no nesting limit on the stack, and every number read exactly
// (correctly rounded); a number too large for a double fails. False with `error` set to a Russian description
// of the problem and its byte position.
bool parse(QByteArrayView bytes, rapidjson::Document& doc, QString* error);
// The same, faster and in less memory: the text is parsed where it lies, so `bytes` is overwritten and must
// outlive `doc`, whose strings point into it.
bool parseInPlace(QByteArray& bytes, rapidjson::Document& doc, QString* error);
// The same for `size` bytes at `text`, which a NUL must follow.
bool parseInPlace(char* text, std::size_t size, rapidjson::Document& doc, QString* error);

// The first member whose name an earlier member of the same object already has; null when every name is
// there once.
const rapidjson::Value::Member* repeatedMember(const rapidjson::Value& object);

// A JSON number with an integral value that fits a 64-bit integer: 2, 2.0 and 1e2 are, 2.5 is not.
bool isIntegral(const rapidjson::Value& v);

} // namespace ModelJson
