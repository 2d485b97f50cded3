#pragma once

#include <string_view>

namespace tarnwick {

// The program's own details site: a host the program serves itself and that never goes to the
// network (".local" is reserved for the local link and the engine never resolves it for this
// host).
inline constexpr char kSiteHost[] = "tarnwick.local";

// The details page, without a scheme, the way a user would type it: the host followed by a
// path ending in a slash.
inline constexpr char kDetailsPageAddress[] = "tarnwick.local/details/";
static_assert(std::string_view(kDetailsPageAddress).starts_with(kSiteHost));

}  // namespace tarnwick
