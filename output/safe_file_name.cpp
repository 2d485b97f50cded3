#include "output/safe_file_name.h"

namespace tarnwick {
namespace {

constexpr std::string_view kUnsafe = "/\\:*?\"<>|";
constexpr char kStandIn = '-';

bool IsTrimmed(char c) {
  return c == ' ' || c == '.';
}

}  // namespace

std::string SafeFileName(std::string_view name, std::string_view fallback) {
  std::string safe;
  safe.reserve(name.size());
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    // C1 controls are U+0080..U+009F: 0xC2 followed by 0x80..0x9F in UTF-8.
    if (byte == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) >= 0x80 &&
        static_cast<unsigned char>(name[i + 1]) <= 0x9F) {
      safe += kStandIn;
      ++i;
    } else if (byte < 0x20 || byte == 0x7F || kUnsafe.find(name[i]) != std::string_view::npos) {
      safe += kStandIn;
    } else {
      safe += name[i];
    }
  }
  std::size_t first = 0;
  while (first < safe.size() && IsTrimmed(safe[first])) ++first;
  std::size_t last = safe.size();
  while (last > first && IsTrimmed(safe[last - 1])) --last;
  if (first == last) return std::string(fallback);
  return safe.substr(first, last - first);
}

}  // namespace tarnwick
