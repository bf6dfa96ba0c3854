// brelka-pattern-bench: names made from patterns, measured in one run. First the generator
// alone, in this process (names a second, for class-only patterns and for tied and pinyin
// ones). Then brelka-cli as a separate process: --count of a 10-million-name pattern, and the
// same pattern checked name servers first against simulated com servers on 127.0.0.1 that
// delegate every name and answer at once (no rate toward them), for its time per name and its
// peak memory. It prints figures; it judges nothing. Usage: brelka-pattern-bench [--names N]
// (N: the run's names, rounded to a power of ten; 10000000 by default).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ChildRun.h"
#include "names/NamePattern.h"
#include "sim/RdapSim.h"
#include "sim/ZoneSim.h"

namespace {

void Generation() {
  std::printf("generation alone (one thread):\n");
  std::printf("  %-12s %12s %10s %14s\n", "pattern", "names", "time (s)", "names/s");
  for (const char16_t* text : {u"L:5", u"CVCVC", u"D:7", u"D=AABBCC", u"PP", u"P=ABAB"}) {
    const auto pattern = names::NamePattern::Read(text);
    if (!pattern) std::exit(1);
    const auto started = std::chrono::steady_clock::now();
    auto names = pattern.value().Names();
    std::u16string name;
    std::size_t made = 0, length = 0;
    while (names.Next(name)) {
      ++made;
      length += name.size();  // used, so that no compiler drops the loop
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::string shown(text, text + std::char_traits<char16_t>::length(text));
    std::printf("  %-12s %12zu %10.3f %14.0f\n", shown.c_str(), made, seconds, made / seconds);
    if (length == 0) std::exit(1);
  }
}

void Run(const std::filesystem::path& dir, int digits) {
  sim::RdapSim rdap;  // the DNS server of the last route; no name gets that far
  // Twenty servers at the highest rate the program takes (1,000 a second each).
  sim::ZoneSim zones({"com"}, 20);
  // Every name but the made-up one that tells a wildcard zone.
  zones.SetDelegated([](const std::string& name) { return !name.starts_with("brelka-probe-"); });
  const std::string bootstrap = (dir / "empty.json").string();
  std::ofstream(bootstrap) << R"({"version": "1.0", "services": []})";
  const std::string pattern = "D:" + std::to_string(digits);
  const std::string count = "1" + std::string(digits, '0');

  // RDAP without a service: a name that were not delegated would go to the simulated resolver,
  // never to a WHOIS server off this machine.
  std::vector<std::string> args = {"--pattern",   pattern,   "--tld",    "com",
                                   "--max-names", count,     "--source", "rdap",
                                   "--bootstrap", bootstrap, "--dns",    rdap.DnsServer(),
                                   "-q",          "-f",      "tsv"};
  for (const std::string& server : zones.Servers("com")) {
    args.insert(args.end(), {"--zone-server", "com=" + server, "--rate", server + "=1000"});
  }
  std::vector<std::string> counting = {"--pattern", pattern, "--tld", "com", "--count"};
  const bench::Sample counted = bench::RunCli(counting);
  const bench::Sample run = bench::RunCli(args);
  std::printf("\nbrelka-cli --pattern %s --tld com: %s names, name servers first\n",
              pattern.c_str(), count.c_str());
  std::printf("  %-34s %10s %14s %10s\n", "run", "time (s)", "per name (us)", "peak (MiB)");
  std::printf("  %-34s %10.2f %14s %10.1f\n", "--count", counted.seconds, "", counted.peakMiB);
  std::printf("  %-34s %10.2f %14.1f %10.1f\n", "checked, every name delegated", run.seconds,
              run.seconds * 1e6 / std::stod(count), run.peakMiB);
  std::printf("  questions the name servers had: %zu\n", zones.Queries());
}

}  // namespace

int main(int argc, char** argv) {
  int digits = 7;
  if (argc == 3 && std::string(argv[1]) == "--names") {
    digits = std::max(1, int(std::string(argv[2]).size()) - 1);
  }
  const auto dir = std::filesystem::temp_directory_path() / "brelka-pattern-bench";
  std::filesystem::create_directories(dir);
  Generation();
  Run(dir, digits);
  std::filesystem::remove_all(dir);
}
