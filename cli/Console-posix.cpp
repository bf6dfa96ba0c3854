#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "Console.h"

namespace cli {
namespace {

int Descriptor(Stream stream) {
  return stream == Stream::Out ? STDOUT_FILENO : STDERR_FILENO;
}

}  // namespace

void PrepareStandardStreams() {}

bool IsTerminal(Stream stream) {
  return isatty(Descriptor(stream)) == 1;
}

bool Write(Stream stream, std::string_view utf8) {
  while (!utf8.empty()) {
    const ssize_t written = write(Descriptor(stream), utf8.data(), utf8.size());
    if (written < 0 && errno == EINTR) continue;
    // A closed pipe ends the program by SIGPIPE, as it does every filter in a pipeline.
    if (written <= 0) return false;
    utf8.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

web::Result<std::string> StandardInput::Read() {
  char buffer[64 * 1024];
  while (!ended_) {
    const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0)
      return web::Failure{std::string("<stdin>: cannot be read: ") + std::strerror(errno)};
    if (got == 0) break;
    return std::string(buffer, static_cast<std::size_t>(got));
  }
  ended_ = true;
  return std::string();
}

}  // namespace cli
