// brelka-startup-bench: how long the window program takes from its start to the first paint of
// its window, and its peak memory, beside a bare Qt label showing the same CJK text, and beside
// the same label in each of the window's fonts (what the fonts alone cost). The three are started
// in turn, so that a busy moment of the machine falls on all alike; medians are printed with
// their ratios to the bare label. Run it on the display the window will use (scripts/bench runs
// it under Xvfb). Timings are printed, not judged.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
  double milliseconds = 0;
  double peakMiB = 0;
};

struct Probe {
  const char* title;
  std::string program;
  const char* argument;  // or null
};

// Starts the probe and waits for it; false when it did not run to its end.
bool RunOnce(const Probe& probe, Run& run) {
  const auto start = std::chrono::steady_clock::now();
  const std::string& program = probe.program;
  char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(probe.argument), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return false;
  }
  run.milliseconds =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  run.peakMiB = double(usage.ru_maxrss) / 1024.0;
  return true;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string self(argv[0]);
  const std::string folder = self.substr(0, self.rfind('/') + 1);
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
  const Probe probes[] = {
      {"Qt label", folder + "brelka-label-probe", nullptr},
      {"label, window's fonts", folder + "brelka-label-probe", "--window-fonts"},
      {"Brelka window", folder + "brelka-startup-probe", nullptr},
  };
  constexpr std::size_t kProbes = std::size(probes);
  std::vector<double> times[kProbes], peaks[kProbes];
  for (int round = 0; round < rounds; ++round) {
    for (std::size_t which = 0; which < kProbes; ++which) {
      Run run;
      if (!RunOnce(probes[which], run)) {
        std::fprintf(stderr, "brelka-startup-bench: %s failed\n", probes[which].program.c_str());
        return 1;
      }
      times[which].push_back(run.milliseconds);
      peaks[which].push_back(run.peakMiB);
    }
  }
  std::printf("start to first paint, median of %d runs each, started in turn:\n", rounds);
  for (std::size_t which = 0; which < kProbes; ++which) {
    std::printf("  %-22s %6.1f ms (%4.2fx)  peak %5.1f MiB (%4.2fx)\n", probes[which].title,
                Median(times[which]), Median(times[which]) / Median(times[0]), Median(peaks[which]),
                Median(peaks[which]) / Median(peaks[0]));
  }
  return 0;
}
