#pragma once

// The program's exit statuses, one distinct number for each way it can end. --help and the
// manual page list them (the manual page test checks that they agree).
namespace tarnwick::exit_status {

inline constexpr int kSuccess = 0;
// --recommend-delay: no exit delay up to the longest one keeps the separation.
inline constexpr int kNoDelayReachesTarget = 1;
// A command line, an output file or standard output that cannot be used.
inline constexpr int kUnusable = 2;
// The windows were asked for, but no display can be opened.
inline constexpr int kNoDisplay = 3;

}  // namespace tarnwick::exit_status
