#pragma once

// What this process holds in memory, for the long-session measurements and their guard test.

#include <malloc.h>
#include <unistd.h>

#include <fstream>

namespace tarnwick {

inline double ResidentMegabytes() {
  long pages = 0;
  long resident = 0;
  std::ifstream statm("/proc/self/statm");
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

inline double HeapInUseMegabytes() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd) / (1 << 20);
}

}  // namespace tarnwick
