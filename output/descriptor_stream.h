#pragma once

#include <array>
#include <ostream>
#include <streambuf>
#include <string>

namespace tarnwick {

// A stream buffer over a file descriptor (standard output) that hands every byte to the system
// and remembers why it could not: the C library's stream would keep the reason only until the
// next call that fails for another one.
class DescriptorStreamBuffer : public std::streambuf {
 public:
  explicit DescriptorStreamBuffer(int fd);
  ~DescriptorStreamBuffer() override;
  DescriptorStreamBuffer(const DescriptorStreamBuffer&) = delete;
  DescriptorStreamBuffer& operator=(const DescriptorStreamBuffer&) = delete;

  // The errno of the first write that failed; 0 while every byte has gone out.
  int Error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Drain();

  int fd_;
  int error_ = 0;
  std::array<char, 1 << 16> buffer_{};
};

// Flushes `out` and says why not everything written to it arrived; empty when it all did.
std::string OutputStreamProblem(std::ostream& out);

}  // namespace tarnwick
