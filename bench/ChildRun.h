// What the benchmarks that start brelka-cli share: the program beside the benchmark, and one run
// of it with its output thrown away, timed, with the peak memory the system counted for it.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace bench {

struct Sample {
  double seconds = 0;
  double peakMiB = 0;
  int exitCode = 0;
};

inline std::filesystem::path ProgramBeside(const char* name) {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path() / name;
}

// Runs `program` with `args`, standard output to /dev/null; stops the benchmark when it cannot
// start or ends with an exit code above `worstExit`.
inline Sample RunProgram(const std::string& program, const std::vector<std::string>& args,
                         int worstExit = 0) {
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  const auto started = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", program.c_str());
    std::exit(1);
  }
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  Sample sample;
  sample.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  sample.peakMiB = double(usage.ru_maxrss) / 1024.0;
  sample.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
  if (sample.exitCode > worstExit) {
    std::fprintf(stderr, "%s failed (exit %d)\n", program.c_str(), sample.exitCode);
    std::exit(1);
  }
  return sample;
}

inline Sample RunCli(const std::vector<std::string>& args, int worstExit = 0) {
  return RunProgram(ProgramBeside("brelka-cli").string(), args, worstExit);
}

}  // namespace bench
