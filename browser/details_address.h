#pragma once

namespace tarnwick {

// The program's own details page: a host the program serves itself and that never goes to the
// network (".local" is reserved for the local link and the engine never resolves it for this
// host), followed by a path ending in a slash, without a scheme, the way a user would type it.
inline constexpr char kDetailsPageAddress[] = "tarnwick.local/details/";

}  // namespace tarnwick
