#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// `name` as a file name that every common file system and file dialog takes: each of
// / \ : * ? " < > | and each control character (C0, DEL, C1) becomes "-", and leading and
// trailing spaces and dots go (a leading dot hides a file, a trailing one is refused on some
// systems). `fallback` when nothing is left.
std::string SafeFileName(std::string_view name, std::string_view fallback);

}  // namespace tarnwick
