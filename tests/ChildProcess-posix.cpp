#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "ChildProcess.h"

extern char** environ;

namespace testing_support {

struct Child::Impl {
  pid_t pid = -1;
  std::thread writer, outReader, errReader;
  std::mutex mutex;  // guards open
  std::condition_variable closed;
  int open = 2;  // output pipes not yet at their end

  void Read(int fd, CapturedStream& into) {
    char buffer[65536];
    for (;;) {
      const ssize_t n = read(fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0 || !into.Take(buffer, static_cast<std::size_t>(n))) break;
    }
    close(fd);
    std::lock_guard lock(mutex);
    --open;
    closed.notify_all();
  }
};

Child::Child(const std::string& program, const std::vector<std::string>& args,
             const std::string& input, Streams streams)
    : out_(streams.firstLineOnly), impl_(std::make_unique<Impl>()) {
  int in[2], out[2], err[2];
  if (pipe(in) || pipe(out) || pipe(err)) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!streams.inputFromTerminal) posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
    posix_spawn_file_actions_addclose(&actions, fd);
  }
  // The child starts with SIGINT at its default and unblocked, as from a shell.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none, interrupt;
  sigemptyset(&none);
  sigemptyset(&interrupt);
  sigaddset(&interrupt, SIGINT);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &interrupt);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  const int spawned =
      posix_spawn(&impl_->pid, program.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  close(in[0]);
  close(out[1]);
  close(err[1]);
  if (spawned != 0) throw std::runtime_error("cannot start " + program);

  impl_->writer = std::thread([fd = in[1], input] {
    // A child that stops reading early closes the pipe; the rest is dropped.
    signal(SIGPIPE, SIG_IGN);
    std::size_t sent = 0;
    while (sent < input.size()) {
      const ssize_t n = write(fd, input.data() + sent, input.size() - sent);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      sent += static_cast<std::size_t>(n);
    }
    close(fd);
  });
  impl_->outReader = std::thread([this, fd = out[0]] { impl_->Read(fd, out_); });
  impl_->errReader = std::thread([this, fd = err[0]] { impl_->Read(fd, err_); });
}

Child::~Child() {
  if (impl_->pid > 0) {
    kill(impl_->pid, SIGKILL);
    (void)Wait(std::chrono::seconds(10));
  }
}

void Child::Interrupt() {
  kill(impl_->pid, SIGINT);
}

void Child::Kill() {
  kill(impl_->pid, SIGKILL);
}

ChildOutcome Child::Wait(std::chrono::seconds limit) {
  ChildOutcome outcome;
  {
    std::unique_lock lock(impl_->mutex);
    if (!impl_->closed.wait_for(lock, limit, [this] { return impl_->open == 0; })) {
      outcome.timedOut = true;
      kill(impl_->pid, SIGKILL);
    }
  }
  int status = 0;
  waitpid(impl_->pid, &status, 0);
  impl_->pid = -1;
  for (std::thread* t : {&impl_->writer, &impl_->outReader, &impl_->errReader}) {
    if (t->joinable()) t->join();
  }
  // A child ended by a signal reports 128 plus its number, as shells do.
  if (WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) outcome.exitCode = 128 + WTERMSIG(status);
  outcome.out = out_.SoFar();
  outcome.err = err_.SoFar();
  return outcome;
}

std::string ProgramBeside(const std::string& name) {
  return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / name).string();
}

}  // namespace testing_support
