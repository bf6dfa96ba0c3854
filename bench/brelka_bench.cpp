// brelka-bench: times whole queries of 491 elements through the real query and web code, on
// the in-memory window, against the registrar simulator over 127.0.0.1, and sets them beside the
// same three requests made by the curl program with a cookie jar. It also measures the CPU the
// process uses while the selection page is held back for 2 s, and the peak resident memory.
// It prints one table; it judges nothing. Usage: brelka-bench [--runs N] (default 30, least 20).
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "query/BulkQuery.h"
#include "sim/RegistrarSim.h"
#include "tests/MemoryWindow.h"
#include "web/HttpRequest.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using Micros = std::chrono::microseconds;
using namespace std::chrono_literals;

constexpr int kNames = 490;  // with the final line break: 491 elements

// What a user pastes: prefixes, spaces and blank lines that the cleaning removes, and names of
// which about two in three are free by the simulator's rule: a line of each kind in turn.
struct Line {
  std::u16string_view before;
  bool numbered;
  std::u16string_view after;
};
constexpr Line kLines[] = {
    {u"http://www.bench-name-", true, u".com"},
    {u"taken-", true, u".net"},
    {u"中文域名", true, u".cn"},
    {u"spaced name ", true, u".org"},
    {u"abc.com", false, u""},
    {u"Upper-Case-", true, u".COM"},
};

std::u16string Input() {
  std::u16string text;
  for (int i = 0; i < kNames; ++i) {
    const std::string number = std::to_string(1000 + i);
    const std::u16string n(number.begin(), number.end());
    const Line& line = kLines[i % std::size(kLines)];
    text += line.before;
    if (line.numbered) text += n + std::u16string(line.after);
    text += u"\r\n";
  }
  return text;
}

struct Sample {
  Micros wall{};
  Micros service{};
  Micros own() const { return wall - service; }
};

Micros ServiceTime(const sim::RegistrarSim& registrar) {
  Micros total{};
  for (const sim::RecordedRequest& r : registrar.Requests()) total += r.serviceTime;
  return total;
}

Micros CpuTime() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto micros = [](const timeval& t) { return Micros(t.tv_sec * 1'000'000LL + t.tv_usec); };
  return micros(usage.ru_utime) + micros(usage.ru_stime);
}

// Runs a program found on PATH and waits for it; false when it could not run or failed.
bool Run(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Ms(Micros t) {
  return double(t.count()) / 1000.0;
}

template <class Get>
Micros Median(std::vector<Sample> samples, Get get) {
  std::sort(samples.begin(), samples.end(),
            [&](const Sample& a, const Sample& b) { return get(a) < get(b); });
  const std::size_t n = samples.size();
  return n % 2 ? get(samples[n / 2]) : (get(samples[n / 2 - 1]) + get(samples[n / 2])) / 2;
}

template <class Get>
Micros Worst(const std::vector<Sample>& samples, Get get) {
  Micros worst{};
  for (const Sample& s : samples) worst = std::max(worst, get(s));
  return worst;
}

void Row(const char* label, const std::vector<Sample>& samples) {
  const auto wall = [](const Sample& s) { return s.wall; };
  const auto service = [](const Sample& s) { return s.service; };
  const auto own = [](const Sample& s) { return s.own(); };
  std::printf("| %-38s | %9.2f | %9.2f | %9.2f | %9.2f | %9.2f |\n", label,
              Ms(Median(samples, wall)), Ms(Worst(samples, wall)), Ms(Median(samples, service)),
              Ms(Median(samples, own)), Ms(Worst(samples, own)));
}

struct Options {
  int runs = 30;
};

Options Parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) {
      options.runs = std::max(20, std::atoi(argv[++i]));
    } else {
      std::fprintf(stderr, "usage: brelka-bench [--runs N]\n");
      std::exit(2);
    }
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = Parse(argc, argv);
  sim::RegistrarSim registrar;
  // The product's own limits: nothing here is shortened.
  const std::unique_ptr<web::HttpSession> session = web::OpenHttpSession();
  const std::u16string base = registrar.BaseUrl16();
  const std::u16string input = Input();

  // One query, checked: a benchmark of a query that failed would measure nothing useful.
  std::vector<sim::RecordedRequest> lastRequests;
  std::function<void(query::MemoryWindow&)> onPump;
  auto query = [&]() -> Sample {
    registrar.ClearRequests();
    query::MemoryWindow window;
    window.text1 = input;
    window.OnPump = onPump;
    const auto started = Clock::now();
    query::BulkQuery(window, *session, base).Command1_Click();
    const Sample sample{std::chrono::duration_cast<Micros>(Clock::now() - started),
                        ServiceTime(registrar)};
    lastRequests = registrar.Requests();
    if (!window.label3.starts_with(u"共输入491个") || lastRequests.size() != 3) {
      std::fprintf(stderr, "brelka-bench: the query did not complete\n");
      std::exit(1);
    }
    return sample;
  };

  (void)query();  // warm-up: the first connection and the first page
  std::vector<Sample> ours;
  for (int i = 0; i < options.runs; ++i) ours.push_back(query());

  // The same three requests by curl, one process each, as a script would make them.
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("brelka-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string jar = (dir / "cookies.txt").string();
  const std::string searchBody = (dir / "search.txt").string();
  const std::string removalBody = (dir / "removal.txt").string();
  const std::string page = (dir / "page.html").string();
  std::ofstream(searchBody, std::ios::binary) << lastRequests[0].body;
  std::ofstream(removalBody, std::ios::binary) << lastRequests[2].body;
  const std::string searchUrl = registrar.BaseUrl() + sim::RegistrarSim::kSearchPath;
  const std::string removeUrl = registrar.BaseUrl() + sim::RegistrarSim::kRemovePath;
  const std::string form = "Content-Type: application/x-www-form-urlencoded";
  auto curl = [&]() -> std::optional<Sample> {
    registrar.ClearRequests();
    const auto started = Clock::now();
    const bool ok = Run({"curl", "-sS", "-o", "/dev/null", "-c", jar, "-b", jar, "-H", form,
                         "--data-binary", "@" + searchBody, searchUrl}) &&
                    Run({"curl", "-sS", "-o", page, "-c", jar, "-b", jar, searchUrl}) &&
                    Run({"curl", "-sS", "-o", "/dev/null", "-c", jar, "-b", jar, "-H", form,
                         "--data-binary", "@" + removalBody, removeUrl});
    if (!ok) return std::nullopt;
    return Sample{std::chrono::duration_cast<Micros>(Clock::now() - started),
                  ServiceTime(registrar)};
  };
  std::vector<Sample> reference;
  if (curl()) {
    for (int i = 0; i < options.runs; ++i) {
      if (auto sample = curl()) reference.push_back(*sample);
    }
  }
  std::filesystem::remove_all(dir);

  // The wait for a selection page held back for 2 s: the process should sleep through it.
  // The wait is what lies between the first and the last time it let window messages run.
  registrar.Set(sim::Endpoint::SelectionPage, {.delay = 2s});
  struct {
    Clock::time_point firstAt, lastAt;
    Micros firstCpu{}, lastCpu{};
  } wait;
  onPump = [&wait](query::MemoryWindow& window) {
    wait.lastAt = Clock::now();
    wait.lastCpu = CpuTime();
    if (window.pumps == 1) {
      wait.firstAt = wait.lastAt;
      wait.firstCpu = wait.lastCpu;
    }
  };
  const Micros cpuBefore = CpuTime();
  const Sample delayed = query();
  const Micros cpu = CpuTime() - cpuBefore;
  const Micros waitWall = std::chrono::duration_cast<Micros>(wait.lastAt - wait.firstAt);
  const Micros waitCpu = wait.lastCpu - wait.firstCpu;
  registrar.Set(sim::Endpoint::SelectionPage, {});

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);

  std::printf(
      "brelka-bench: query of 491 elements (%d names, %zu bytes sent) against registrar-sim "
      "on 127.0.0.1, %d runs each\n\n",
      kNames, lastRequests[0].body.size() + lastRequests[2].body.size(), options.runs);
  std::printf("| %-38s | %9s | %9s | %9s | %9s | %9s |\n", "times in ms", "wall med", "wall max",
              "sim med", "own med", "own max");
  std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(40, '-').c_str(), std::string(11, '-').c_str(),
              std::string(11, '-').c_str(), std::string(11, '-').c_str(),
              std::string(11, '-').c_str(), std::string(11, '-').c_str());
  Row("Brelka: whole query, 3 requests", ours);
  if (!reference.empty()) {
    Row("curl: the same 3 requests, cookie jar", reference);
    const auto wall = [](const Sample& s) { return s.wall; };
    const auto own = [](const Sample& s) { return s.own(); };
    std::printf("\nratio ours/curl: %.2f (wall, median), %.2f (own time, median)\n",
                double(Median(ours, wall).count()) / double(Median(reference, wall).count()),
                double(Median(ours, own).count()) / double(Median(reference, own).count()));
  } else {
    std::printf("\ncurl: not run (the curl program is missing or failed)\n");
  }
  std::printf(
      "CPU while the selection page is delayed 2 s: %.1f ms over the %.0f ms wait = "
      "%.2f%% of one core (whole query: %.1f ms over %.0f ms = %.2f%%)\n",
      Ms(waitCpu), Ms(waitWall), 100.0 * double(waitCpu.count()) / double(waitWall.count()),
      Ms(cpu), Ms(delayed.wall), 100.0 * double(cpu.count()) / double(delayed.wall.count()));
  std::printf("peak resident memory: %.1f MiB (this process, the in-process simulator included)\n",
              double(usage.ru_maxrss) / 1024.0);
  return 0;
}
