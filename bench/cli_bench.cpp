// brelka-cli-bench: times brelka-cli as a user runs it, a separate process reading a file.
// Registrar mode: 5,000 names (11 chunks) against the registrar simulator on 127.0.0.1, set
// beside the lower bound of 11 chunks x 3 requests made one after another on one kept-alive
// connection: the same requests with the same bodies by one curl process, and the simulator's
// own service time for them, which no client can go below. Demo mode: 25,000 to 100,000 names
// from a file, to show that time and peak memory grow linearly. It prints tables; it judges
// nothing. Usage: brelka-cli-bench [--runs N] (default 5)
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
#include <string>
#include <vector>

#include "ChildRun.h"
#include "sim/RegistrarSim.h"

namespace {

using bench::ProgramBeside;
using bench::RunCli;
using bench::Sample;
using Clock = std::chrono::steady_clock;

// n names as a user's list holds them: prefixes and upper case to clean, every third name
// taken by the simulator's rule, every fifth in Chinese.
std::string Names(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) {
    const std::string number = std::to_string(100000 + i);
    if (i % 3 == 2)
      text += "taken-" + number + ".com\n";
    else if (i % 5 == 0)
      text += "中文域名" + number + ".cn\n";
    else if (i % 7 == 0)
      text += "http://www.Bench-" + number + ".NET\n";
    else
      text += "bench-" + number + ".com\n";
  }
  return text;
}

// Runs brelka-cli with its answers thrown away; exits the benchmark if it fails.
// The same requests with the same bodies, one after another on one kept-alive connection, by
// one curl process that does nothing else: what no client can beat against this server.
double LowerBound(const sim::RegistrarSim& registrar,
                  const std::vector<sim::RecordedRequest>& requests,
                  const std::filesystem::path& dir) {
  const std::string jar = (dir / "cookies.txt").string();
  std::filesystem::remove(jar);
  std::vector<std::string> args{"curl"};
  for (std::size_t i = 0; i < requests.size(); ++i) {
    const sim::RecordedRequest& r = requests[i];
    if (i > 0) args.push_back("--next");
    args.insert(args.end(), {"-sS", "--compressed", "-o", "/dev/null", "-b", jar, "-c", jar});
    if (r.method == "POST") {
      const std::string body = (dir / ("body-" + std::to_string(i))).string();
      std::ofstream(body, std::ios::binary) << r.body;
      args.insert(args.end(), {"-H", "Content-Type: application/x-www-form-urlencoded",
                               "--data-binary", "@" + body});
    }
    args.push_back(registrar.BaseUrl() + r.target);
  }
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const auto started = Clock::now();
  pid_t pid = 0;
  int status = 0;
  if (posix_spawnp(&pid, "curl", nullptr, nullptr, argv.data(), environ) != 0 ||
      waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return -1;
  }
  return std::chrono::duration<double>(Clock::now() - started).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 5;
  if (argc == 3 && std::string(argv[1]) == "--runs")
    runs = std::max(1, std::atoi(argv[2]));
  else if (argc != 1) {
    std::fprintf(stderr, "usage: brelka-cli-bench [--runs N]\n");
    return 2;
  }
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("brelka-cli-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  auto file = [&dir](int n) {
    const std::filesystem::path path = dir / ("names-" + std::to_string(n) + ".txt");
    if (!std::filesystem::exists(path)) std::ofstream(path, std::ios::binary) << Names(n);
    return path.string();
  };

  // Registrar mode.
  sim::RegistrarSim registrar;
  const std::string names5000 = file(5000);
  std::vector<double> ours, bound, service;
  double peak = 0;
  std::vector<sim::RecordedRequest> requests;
  (void)RunCli({"-q", "--registrar", registrar.BaseUrl(), names5000});  // warm-up
  for (int i = 0; i < runs; ++i) {
    registrar.ClearRequests();
    const Sample sample = RunCli({"-q", "--registrar", registrar.BaseUrl(), names5000});
    requests = registrar.Requests();
    ours.push_back(sample.seconds);
    peak = std::max(peak, sample.peakMiB);
    std::chrono::microseconds serviced{0};
    for (const sim::RecordedRequest& r : requests) serviced += r.serviceTime;
    service.push_back(std::chrono::duration<double>(serviced).count());
  }
  for (int i = 0; i < runs; ++i) {
    registrar.ClearRequests();
    bound.push_back(LowerBound(registrar, requests, dir));
    if (registrar.Requests().size() != requests.size()) bound.back() = -1;
  }
  if (std::count(bound.begin(), bound.end(), -1.0) > 0) {
    std::fprintf(stderr, "brelka-cli-bench: the curl program is missing or failed\n");
    return 1;
  }

  std::printf(
      "brelka-cli-bench: 5,000 names in registrar mode against registrar-sim on 127.0.0.1, "
      "%zu requests, median of %d runs\n\n",
      requests.size(), runs);
  std::printf("| %-52s | %9s |\n", "", "seconds");
  std::printf("|%s|%s|\n", std::string(54, '-').c_str(), std::string(11, '-').c_str());
  std::printf("| %-52s | %9.3f |\n", "brelka-cli, whole run (process start to exit)", Median(ours));
  std::printf("| %-52s | %9.3f |\n", "curl: the same requests in sequence, one connection",
              Median(bound));
  std::printf("| %-52s | %9.3f |\n", "the simulator's service time alone (the floor)",
              Median(service));
  std::printf(
      "\nratio brelka-cli / curl: %.2f; brelka-cli / floor: %.2f; peak resident memory of "
      "brelka-cli: %.1f MiB\n",
      Median(ours) / Median(bound), Median(ours) / Median(service), peak);

  // Demo mode, growing lists.
  std::printf(
      "\nbrelka-cli --demo --source registrar (built-in simulator), names read from a file, median "
      "of %d runs\n\n",
      runs);
  std::printf("| %9s | %9s | %12s | %9s | %22s |\n", "names", "seconds", "us per name", "peak MiB",
              "KiB per name added");
  std::printf("|%s|%s|%s|%s|%s|\n", std::string(11, '-').c_str(), std::string(11, '-').c_str(),
              std::string(14, '-').c_str(), std::string(11, '-').c_str(),
              std::string(24, '-').c_str());
  int previousNames = 0;
  double previousMiB = 0;
  for (int n : {25'000, 50'000, 100'000}) {
    const std::string path = file(n);
    std::vector<double> seconds;
    double mib = 0;
    for (int i = 0; i < runs; ++i) {
      const Sample sample = RunCli({"-q", "--demo", "--source", "registrar", path});
      seconds.push_back(sample.seconds);
      mib = std::max(mib, sample.peakMiB);
    }
    const double t = Median(seconds);
    // The memory each further name costs, from the row before: constant when growth is linear.
    const std::string added =
        previousNames == 0
            ? "-"
            : std::to_string((mib - previousMiB) * 1024.0 / (n - previousNames)).substr(0, 4);
    std::printf("| %9d | %9.3f | %12.1f | %9.1f | %22s |\n", n, t, t * 1e6 / n, mib, added.c_str());
    previousNames = n;
    previousMiB = mib;
  }
  std::filesystem::remove_all(dir);
  return 0;
}
