#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// Why bytes cannot be written to `path`, found before any work is done: its folder is missing
// or not writable; an existing target is a folder, a device, a FIFO or a socket, or read-only;
// a symbolic link on the way lies in a shared sticky folder (such as /tmp) and belongs to
// neither the user nor the folder's owner, which the kernel's protected-symlinks rule would not
// follow either. Empty when nothing stands in the way; the write itself can still fail.
std::string OutputFileProblem(const std::string& path);

// Puts `bytes` into `path` as a whole or not at all: they go into a new file beside the target,
// every byte checked and synced to the disk, which then takes the target's place in one rename.
// A symbolic link is kept and the file it names is replaced; an existing file keeps its
// permissions. On a full disk, under a file-size limit or on any other failure the earlier file
// stays as it was, nothing is left behind, and `error` says why in one line naming the file.
bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string& error);

// The one-line message about a file that cannot be written: cannot write "NAME": WHY.
std::string CannotWriteMessage(const std::string& path, const std::string& reason);

}  // namespace tarnwick
