#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tarnwick {

// A file's bytes, or why there are none.
struct InputFileBytes {
  std::optional<std::string> bytes;
  std::string problem;  // one line without the file's name ("is a folder"), when bytes is empty
};

// Reads the regular file at `path` whole, refusing one of more than `maxBytes`. Nothing else is
// read and nothing blocks: a folder, a FIFO (which would wait for a writer), a device (which
// may never end) or a socket is refused before it is opened, and again on the opened
// descriptor in case the path changed in between. The size is counted while reading, since a
// file that grows, or a special file, reports none that can be trusted.
InputFileBytes ReadInputFile(const std::string& path, std::size_t maxBytes);

// A byte count as a person reads it: "4 MiB", "16 KiB", "100 bytes".
std::string ByteCountText(std::size_t bytes);

}  // namespace tarnwick
