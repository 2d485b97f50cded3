#include "output/descriptor_stream.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tarnwick {

DescriptorStreamBuffer::DescriptorStreamBuffer(int fd) : fd_(fd) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorStreamBuffer::~DescriptorStreamBuffer() {
  Drain();
}

bool DescriptorStreamBuffer::Drain() {
  const char* next = pbase();
  while (error_ == 0 && next < pptr()) {
    const ssize_t written = write(fd_, next, static_cast<std::size_t>(pptr() - next));
    if (written >= 0) {
      next += written;
    } else if (errno != EINTR) {
      error_ = errno;
    }
  }
  // After a failure the rest is dropped: the output is incomplete either way, and it is said.
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return error_ == 0;
}

DescriptorStreamBuffer::int_type DescriptorStreamBuffer::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int DescriptorStreamBuffer::sync() {
  return Drain() ? 0 : -1;
}

std::string OutputStreamProblem(std::ostream& out) {
  out.flush();
  if (out.good()) return {};
  if (const auto* buffer = dynamic_cast<const DescriptorStreamBuffer*>(out.rdbuf());
      buffer != nullptr && buffer->Error() != 0) {
    return std::strerror(buffer->Error());
  }
  return "the output was cut short";
}

}  // namespace tarnwick
