#include <spawn.h>
#include <unistd.h>

#include <sys/wait.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "Console.h"

extern char** environ;

namespace cli {
namespace {

int Descriptor(Stream stream) {
  return stream == Stream::Out ? STDOUT_FILENO : STDERR_FILENO;
}

std::atomic<bool> outputClosed{false};

}  // namespace

// A closed pipe is an error of the write, not a signal that ends the program unheard.
void PrepareStandardStreams() {
  std::signal(SIGPIPE, SIG_IGN);
}

bool OutputClosed() {
  return outputClosed.load();
}

bool IsTerminal(Stream stream) {
  return isatty(Descriptor(stream)) == 1;
}

bool InputIsTerminal() {
  return isatty(STDIN_FILENO) == 1;
}

bool Write(Stream stream, std::string_view utf8) {
  while (!utf8.empty()) {
    const ssize_t written = write(Descriptor(stream), utf8.data(), utf8.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0 && errno == EPIPE && stream == Stream::Out) outputClosed = true;
    if (written <= 0) return false;
    utf8.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

int RunCommand(const std::string& utf8Command,
               const std::vector<std::pair<std::string, std::string>>& environment) {
  // The child's environment is ours with the variables set over it; ours stays as it is, since
  // other threads may read it meanwhile.
  std::vector<std::string> variables;
  for (char** entry = environ; *entry; ++entry) {
    const std::string_view text(*entry);
    const bool replaced = std::any_of(environment.begin(), environment.end(), [&](const auto& v) {
      return text.starts_with(v.first) && text.size() > v.first.size() &&
             text[v.first.size()] == '=';
    });
    if (!replaced) variables.emplace_back(text);
  }
  for (const auto& [name, value] : environment) variables.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (std::string& variable : variables) envp.push_back(variable.data());
  envp.push_back(nullptr);
  std::string shell = "/bin/sh", flag = "-c", command = utf8Command;
  char* argv[] = {shell.data(), flag.data(), command.data(), nullptr};
  // Flushed first, so that our output and the command's keep their order.
  std::fflush(nullptr);
  // The command gets SIGPIPE back, which we ignore, as any program started from a shell has it.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t pipe;
  sigemptyset(&pipe);
  sigaddset(&pipe, SIGPIPE);
  posix_spawnattr_setsigdefault(&attributes, &pipe);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, "/bin/sh", nullptr, &attributes, argv, envp.data());
  posix_spawnattr_destroy(&attributes);
  if (spawned != 0) return -1;
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (!WIFEXITED(status)) return -1;
  return WEXITSTATUS(status) == 127 ? -1 : WEXITSTATUS(status);
}

base::Result<std::string> StandardInput::Read() {
  char buffer[64 * 1024];
  while (!ended_) {
    const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0)
      return base::Failure{std::string("<stdin>: cannot be read: ") + std::strerror(errno)};
    if (got == 0) break;
    return std::string(buffer, static_cast<std::size_t>(got));
  }
  ended_ = true;
  return std::string();
}

}  // namespace cli
