#include <unistd.h>

#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
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

int RunCommand(const std::string& utf8Command,
               const std::vector<std::pair<std::string, std::string>>& environment) {
  // The variables stay set for the next command, which sets its own over them.
  for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
  const int status = std::system(utf8Command.c_str());
  if (status == -1 || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status) == 127 ? -1 : WEXITSTATUS(status);
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
