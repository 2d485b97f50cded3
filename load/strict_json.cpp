#include "load/strict_json.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "load/load_limits.h"
#include "output/printable_text.h"

namespace tarnwick::load {
namespace {

// Where the parser stopped, as an editor shows it: `bytesRead` counts the offending byte too.
std::string PlaceText(std::string_view text, std::size_t bytesRead) {
  const std::size_t at = std::min(bytesRead == 0 ? 0 : bytesRead - 1, text.size());
  const std::string_view before = text.substr(0, at);
  const std::size_t newline = before.rfind('\n');
  const std::size_t lineStart = newline == std::string_view::npos ? 0 : newline + 1;
  const auto line = 1 + std::count(before.begin(), before.end(), '\n');
  const std::size_t column = 1 + CharacterCount(before.substr(lineStart));
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// What went wrong, in words, from the parser's own message. Its shape is "... syntax error
// while parsing CONTEXT - DETAIL", where DETAIL is the scanner's fixed message followed by the
// bytes last read, or "unexpected TOKEN; expected TOKEN". Only fixed words are kept.
std::string SyntaxProblem(std::string_view message) {
  constexpr std::string_view kSyntax = "syntax error while parsing ";
  const std::size_t syntax = message.find(kSyntax);
  if (syntax == std::string_view::npos) return "not valid JSON";
  message.remove_prefix(syntax + kSyntax.size());
  const std::size_t dash = message.find(" - ");
  const std::string_view context = message.substr(0, dash);
  const std::string_view detail = dash == std::string_view::npos ? "" : message.substr(dash + 3);
  // Only the parser's own words end the message (the bytes read sit before a closing quote).
  if (detail.ends_with("; expected end of input")) return "more text after the end";
  // The scanner's own words say more than the context, except about a bare word.
  const std::size_t lastRead = detail.find("; last read: ");
  if (lastRead != std::string_view::npos && detail.substr(0, lastRead) != "invalid literal") {
    return std::string(detail.substr(0, lastRead));
  }
  if (detail.starts_with("unexpected end of input")) return "the text ends too early";
  if (context == "object key") return "expected a field name in double quotes";
  if (context == "object separator") return "expected ':' after the field name";
  if (context == "array") return "expected ',' or ']'";
  if (context == "object") return "expected ',' or '}'";
  return "expected a value";
}

// Builds the value as nlohmann's parser reads it, refusing what ParseStrictJson refuses. The
// parser itself keeps its own stack of open values, so depth costs it no recursion.
class StrictBuilder {
 public:
  StrictBuilder(std::string_view text, int maxNesting) : text_(text), maxNesting_(maxNesting) {}

  bool null() { return Add(nullptr) != nullptr; }
  bool boolean(bool value) { return Add(value) != nullptr; }
  bool number_integer(std::int64_t value) { return Add(value) != nullptr; }
  bool number_unsigned(std::uint64_t value) { return Add(value) != nullptr; }
  bool number_float(double value, const std::string&) { return Add(value) != nullptr; }
  bool string(std::string& value) { return Add(std::move(value)) != nullptr; }
  bool binary(JsonValue::binary_t&) { return Fail(PathOfNext(), "is not text"); }
  bool start_object(std::size_t) { return Open(JsonValue::object()); }
  bool start_array(std::size_t) { return Open(JsonValue::array()); }
  bool end_object() { return Close(); }
  bool end_array() { return Close(); }

  bool key(std::string& name) {
    Container& object = open_.back();
    object.key = std::move(name);
    if (object.value->contains(object.key)) return Fail(PathOfNext(), "is given twice");
    return true;
  }

  bool parse_error(std::size_t bytesRead, const std::string&, const JsonValue::exception& error) {
    // 406: the scanner read a number that a double cannot hold (1e309, 400 digits).
    if (error.id == 406) return Fail(PathOfNext(), "is a number too large to be read");
    error_ = PlaceText(text_, bytesRead) + ": " + SyntaxProblem(error.what());
    return false;
  }

  JsonValue& Root() { return root_; }
  const std::string& Error() const { return error_; }

 private:
  struct Container {
    JsonValue* value;
    std::string path;  // as messages show it; empty for the whole text
    std::string key;   // of the member being read, in an object
  };

  // The path of the value about to be read.
  std::string PathOfNext() const {
    if (open_.empty()) return {};
    const Container& parent = open_.back();
    if (parent.value->is_array()) {
      return parent.path + "[" + std::to_string(parent.value->size()) + "]";
    }
    return parent.path + (parent.path.empty() ? "" : ".") + EchoedFieldName(parent.key);
  }

  bool Fail(const std::string& path, const std::string& problem) {
    error_ = (path.empty() ? std::string("the file") : path) + ": " + problem;
    return false;
  }

  JsonValue* Add(JsonValue value) {
    if (open_.empty()) {
      root_ = std::move(value);
      return &root_;
    }
    Container& parent = open_.back();
    if (parent.value->is_array()) {
      parent.value->push_back(std::move(value));
      return &parent.value->back();
    }
    JsonValue& member = (*parent.value)[parent.key];
    member = std::move(value);
    return &member;
  }

  bool Open(JsonValue container) {
    std::string path = PathOfNext();
    if (open_.size() >= static_cast<std::size_t>(maxNesting_)) {
      // The path through so many levels says little beyond its start.
      return Fail(
          ShortenedText(path, limits::kMaxNameLength),
          "lists and objects are nested more than " + std::to_string(maxNesting_) + " levels deep");
    }
    JsonValue* value = Add(std::move(container));
    open_.push_back({value, std::move(path), {}});
    return true;
  }

  bool Close() {
    open_.pop_back();
    return true;
  }

  std::string_view text_;
  int maxNesting_;
  JsonValue root_;
  std::vector<Container> open_;
  std::string error_;
};

}  // namespace

std::string EchoedFieldName(std::string_view name) {
  return PrintableText(ShortenedText(name, limits::kMaxNameLength));
}

StrictJson ParseStrictJson(std::string_view text, int maxNesting) {
  StrictBuilder builder(text, maxNesting);
  if (!JsonValue::sax_parse(text.begin(), text.end(), &builder))
    return {std::nullopt, builder.Error()};
  return {std::move(builder.Root()), {}};
}

}  // namespace tarnwick::load
