#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::load {

using JsonValue = nlohmann::json;

struct StrictJson {
  std::optional<JsonValue> value;
  std::string error;  // one line, when value is empty
};

// Parses `text` as one JSON value, more strictly than JSON itself, and never throws. Refused,
// each with one line: a syntax error, as where and what ("line 3, column 14: expected a value");
// arrays and objects nested more than `maxNesting` deep, before any of it is built, so that no
// text can exhaust the stack; a number beyond the range of a double; a field given twice in
// one object. The last three name the field's path ("groups[0].delay: ..."). No byte of the text
// reaches the error but field names, escaped and shortened.
StrictJson ParseStrictJson(std::string_view text, int maxNesting);

// A field's name from a file as messages show it: escaped for one line, a long one shortened.
std::string EchoedFieldName(std::string_view name);

}  // namespace tarnwick::load
