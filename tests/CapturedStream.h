// One standard stream of a child process as the test sees it: a reader thread adds what the
// pipe gives while the test may look at what has come so far.
#pragma once

#include <cstddef>
#include <mutex>
#include <string>

namespace testing_support {

class CapturedStream {
 public:
  explicit CapturedStream(bool firstLineOnly = false) : firstLineOnly_(firstLineOnly) {}

  // Adds bytes read from the pipe; false once the stream, read as `head -1` reads, has its
  // first line and wants no more.
  bool Take(const char* bytes, std::size_t size) {
    std::lock_guard lock(mutex_);
    text_.append(bytes, size);
    const std::size_t end = text_.find('\n');
    if (!firstLineOnly_ || end == std::string::npos) return true;
    text_.resize(end + 1);
    return false;
  }

  std::string SoFar() const {
    std::lock_guard lock(mutex_);
    return text_;
  }

 private:
  bool firstLineOnly_;
  mutable std::mutex mutex_;
  std::string text_;
};

}  // namespace testing_support
