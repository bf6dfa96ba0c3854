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

web::Status ReadStandardInput(const std::function<web::Status(std::string_view)>& feed) {
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0)
      return web::Failure{std::string("<stdin>: cannot be read: ") + std::strerror(errno)};
    if (got == 0) return web::Ok();
    if (web::Status fed = feed(std::string_view(buffer, static_cast<std::size_t>(got))); !fed) {
      return fed;
    }
  }
}

}  // namespace cli
