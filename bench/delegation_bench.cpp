// brelka-delegation-bench: the cheapest proof first, measured in one run. A world on 127.0.0.1:
// name servers for com, net, cn (referring com.cn to servers of its own) and de, two for each
// zone; an RDAP registry for com and net and WHOIS servers for cn and de that refuse anyone
// faster than their rate. brelka-cli is told the same rates with --rate. 10,000 names, 90 %
// delegated, are checked name servers first, then every name at its registry (--details, the
// behaviour before), against the bound of the slowest of the registries' and the name servers'
// paces. Then --zone: 100,000 names in a generated 10-million-line gzip zone, beside zcat of
// the same file. Last, drops --zone-diff of two generated 10-million-name zones a day apart,
// beside zcat of both (--zone-diff runs that part alone). It prints figures; it judges nothing.
// Usage: brelka-delegation-bench [--names N | --zone-diff]
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "ChildRun.h"
#include "sim/RdapSim.h"
#include "sim/WhoisSim.h"
#include "sim/ZoneSim.h"

namespace {

int kNames = 10'000;  // --names N for a shorter run
// The real paces scaled up together, so that a run takes seconds: each name server, the RDAP
// registry, each WHOIS server (requests a second).
constexpr double kDnsRate = 250;
constexpr double kRdapRate = 100;
constexpr double kWhoisRate = 40;

struct Zone {
  const char* suffix;
  int share;             // of 20
  const char* registry;  // "rdap", or the WHOIS server's host
};
constexpr Zone kZones[] = {{"com", 8, "rdap"},
                           {"net", 3, "rdap"},
                           {"cn", 3, "whois.cnnic.cn"},
                           {"com.cn", 3, "whois.cnnic.cn"},
                           {"de", 3, "whois.denic.de"}};

const Zone& ZoneOf(int i) {
  int slot = i % 20;
  for (const Zone& zone : kZones) {
    if (slot < zone.share) return zone;
    slot -= zone.share;
  }
  return kZones[0];
}

// Every tenth run of 20 names (one of each zone's share) is free, and so not delegated; the
// simulators' rule delegates "taken" ones.
bool IsFree(int i) {
  return (i / 20) % 10 == 0;
}

std::string NameOf(int i) {
  return (IsFree(i) ? "free-" : "taken-") + std::to_string(100000 + i) + "." + ZoneOf(i).suffix;
}

std::size_t RegistryQueries(const sim::RdapSim& rdap, const sim::WhoisSim& whois) {
  return rdap.Arrivals().size() + whois.Queries("whois.cnnic.cn").size() +
         whois.Queries("whois.denic.de").size();
}

std::size_t Refusals(const sim::RdapSim& rdap, const sim::WhoisSim& whois) {
  return rdap.Refused(0) + whois.Throttled("whois.cnnic.cn") + whois.Throttled("whois.denic.de");
}

void DnsFirst(const std::filesystem::path& dir) {
  sim::RdapSim rdap;
  sim::WhoisSim whois;
  sim::ZoneSim zones({"com", "net", "cn", "com.cn", "de"}, 2);
  // A registry refuses a client faster than its rate, with the margin that the network's jitter
  // between a client's sending and the server's reading needs (a tenth).
  rdap.SetRateLimit(0, kRdapRate * 1.1);
  for (const char* host : {"whois.cnnic.cn", "whois.denic.de"}) {
    whois.SetMinimumInterval(host, std::chrono::milliseconds(int(900 / kWhoisRate)));
  }

  const std::string bootstrap = (dir / "dns.json").string();
  std::ofstream(bootstrap) << R"({"version": "1.0", "services": [[["com", "net"], [")"
                           << rdap.BaseUrl(0) << R"("]]]})";
  std::vector<std::string> args = {"--source",       "registry", "--bootstrap", bootstrap, "--dns",
                                   rdap.DnsServer(), "-q",       "-f",          "tsv"};
  args.insert(args.end(), {"--rate", rdap.BaseUrl(0).substr(7, rdap.BaseUrl(0).find('/', 7) - 7) +
                                         "=" + std::to_string(int(kRdapRate))});
  for (const char* host : {"whois.cnnic.cn", "whois.denic.de"}) {
    args.insert(args.end(),
                {"--rate", whois.Address(host) + "=" + std::to_string(int(kWhoisRate))});
  }
  for (const char* suffix : {"cn", "com.cn"}) {
    args.insert(args.end(),
                {"--whois-server", std::string(suffix) + "=" + whois.Address("whois.cnnic.cn")});
  }
  args.insert(args.end(), {"--whois-server", "de=" + whois.Address("whois.denic.de")});
  for (const std::string& zone : zones.Zones()) {
    for (const std::string& server : zones.Servers(zone)) {
      args.insert(args.end(), {"--zone-server", zone + "=" + server, "--rate",
                               server + "=" + std::to_string(int(kDnsRate))});
    }
  }
  const std::string names = (dir / "names.txt").string();
  std::map<std::string, int> undelegated;  // by registry
  std::map<std::string, int> perZone;
  {
    std::ofstream out(names);
    for (int i = 0; i < kNames; ++i) {
      out << NameOf(i) << "\n";
      if (IsFree(i)) ++undelegated[ZoneOf(i).registry];
      ++perZone[ZoneOf(i).suffix];
    }
  }
  args.push_back(names);

  // The bound: the slowest registry with its undelegated names, or the slowest zone's names
  // over its servers.
  double bound = 0;
  for (const auto& [registry, count] : undelegated) {
    bound = std::max(bound, count / (registry == "rdap" ? kRdapRate : kWhoisRate));
  }
  for (const auto& [zone, count] : perZone) bound = std::max(bound, count / (2 * kDnsRate));

  std::printf("DNS first: %d names, %d %% delegated, at com, net, cn, com.cn and de\n", kNames, 90);
  std::fflush(stdout);
  const bench::Sample first = bench::RunCli(args, 1);
  const std::size_t firstQueries = RegistryQueries(rdap, whois);
  const std::size_t firstRefusals = Refusals(rdap, whois);
  const std::size_t dnsQueries = zones.Queries();
  std::printf("  name servers first: %.2f s\n", first.seconds);
  std::fflush(stdout);
  args.insert(args.begin(), "--details");
  const bench::Sample details = bench::RunCli(args, 1);

  std::printf("  paces: name servers %.0f/s each (2 a zone), RDAP %.0f/s, WHOIS %.0f/s each\n",
              kDnsRate, kRdapRate, kWhoisRate);
  std::printf("  %-34s %9s %9s %10s %9s %9s %10s\n", "run", "time (s)", "x bound", "registry q",
              "refused", "DNS q", "peak (MiB)");
  std::printf("  %-34s %9.2f %9s %10s %9s %9s %10s\n", "bound", bound, "1.00", "1000", "0", "", "");
  std::printf("  %-34s %9.2f %9.2f %10zu %9zu %9zu %10.1f\n", "name servers first (default)",
              first.seconds, first.seconds / bound, firstQueries, firstRefusals, dnsQueries,
              first.peakMiB);
  std::printf("  %-34s %9.2f %9.2f %10zu %9zu %9zu %10.1f\n",
              "every name at its registry (--details)", details.seconds, details.seconds / bound,
              RegistryQueries(rdap, whois) - firstQueries, Refusals(rdap, whois) - firstRefusals,
              zones.Queries() - dnsQueries, details.peakMiB);
  std::printf("  name servers first is %.1fx faster than --details (exit codes %d, %d)\n",
              details.seconds / first.seconds, first.exitCode, details.exitCode);
}

// A zone in the CZDS form: 5,000,000 names with two NS records each.
void WriteZone(const std::filesystem::path& file, std::ofstream& asked) {
  gzFile out = gzopen(file.string().c_str(), "wb6");
  std::string lines;
  gzprintf(out,
           "com.\t900\tin\tsoa\ta.gtld-servers.net. nstld.verisign-grs.com. 2026120800 "
           "1800 900 604800 86400\n");
  for (int i = 0; i < 5'000'000; ++i) {
    const std::string name = "name" + std::to_string(10'000'000 + i) + ".com.";
    for (const char* server : {"ns1", "ns2"}) {
      lines +=
          name + "\t172800\tin\tns\t" + server + ".host" + std::to_string(i % 9973) + ".net.\n";
    }
    if (i % 50 == 0) asked << name.substr(0, name.size() - 1) << "\n";
    if (lines.size() > (1 << 20)) {
      gzwrite(out, lines.data(), unsigned(lines.size()));
      lines.clear();
    }
  }
  gzwrite(out, lines.data(), unsigned(lines.size()));
  gzclose(out);
}

void ZoneFile(const std::filesystem::path& dir) {
  const auto zone = dir / "com.zone.gz";
  const auto names = dir / "asked.txt";
  {
    std::ofstream asked(names);
    WriteZone(zone, asked);
  }
  const bench::Sample zcat =
      bench::RunProgram("sh", {"-c", "zcat '" + zone.string() + "' > /dev/null"});
  const bench::Sample cli = bench::RunCli(
      {"--source", "registry", "--zone", zone.string(), "-q", "-f", "tsv", names.string()});
  std::printf("\n--zone: 100,000 names in a zone of 10,000,001 lines (%.0f MiB gzip)\n",
              double(std::filesystem::file_size(zone)) / (1 << 20));
  std::printf("  %-34s %9s %10s\n", "run", "time (s)", "peak (MiB)");
  std::printf("  %-34s %9.2f %10s\n", "zcat FILE > /dev/null", zcat.seconds, "");
  std::printf("  %-34s %9.2f %10.1f\n", "brelka-cli --zone FILE", cli.seconds, cli.peakMiB);
  std::printf("  ratio to zcat: %.2f\n", cli.seconds / zcat.seconds);
}

// Two days of a zone in the CZDS form, 10,000,000 names each with two NS records: one name in
// a thousand of the first day is gone the next, and as many new ones have come.
void WriteZoneDays(const std::filesystem::path& older, const std::filesystem::path& newer) {
  constexpr int kZoneNames = 10'000'000;
  for (const bool second : {false, true}) {
    gzFile out = gzopen((second ? newer : older).string().c_str(), "wb6");
    gzprintf(out,
             "com.\t900\tin\tsoa\ta.gtld-servers.net. nstld.verisign-grs.com. %s "
             "1800 900 604800 86400\n",
             second ? "2026120900" : "2026120800");
    std::string lines;
    const auto add = [&](const std::string& name, int i) {
      for (const char* server : {"ns1", "ns2"}) {
        lines +=
            name + "\t172800\tin\tns\t" + server + ".host" + std::to_string(i % 9973) + ".net.\n";
      }
      if (lines.size() > (1 << 20)) {
        gzwrite(out, lines.data(), unsigned(lines.size()));
        lines.clear();
      }
    };
    for (int i = 0; i < kZoneNames; ++i) {
      if (second && i % 1000 == 7) {
        add("new" + std::to_string(10'000'000 + i) + ".com.", i);
      } else {
        add("name" + std::to_string(10'000'000 + i) + ".com.", i);
      }
    }
    gzwrite(out, lines.data(), unsigned(lines.size()));
    gzclose(out);
  }
}

void ZoneDiff(const std::filesystem::path& dir) {
  const auto older = dir / "com-1.zone.gz", newer = dir / "com-2.zone.gz";
  WriteZoneDays(older, newer);
  const bench::Sample zcat = bench::RunProgram(
      "sh", {"-c", "zcat '" + older.string() + "' '" + newer.string() + "' > /dev/null"});
  const bench::Sample cli =
      bench::RunCli({"drops", "--zone-diff", older.string(), newer.string(), "-q", "-f", "tsv"});
  std::printf("\ndrops --zone-diff: two zones of 10,000,000 names (20,000,001 lines, %.0f and "
              "%.0f MiB gzip), 10,000 gone\n",
              double(std::filesystem::file_size(older)) / (1 << 20),
              double(std::filesystem::file_size(newer)) / (1 << 20));
  std::printf("  %-40s %9s %10s\n", "run", "time (s)", "peak (MiB)");
  std::printf("  %-40s %9.2f %10s\n", "zcat OLD NEW > /dev/null", zcat.seconds, "");
  std::printf("  %-40s %9.2f %10.1f\n", "brelka-cli drops --zone-diff OLD NEW", cli.seconds,
              cli.peakMiB);
  std::printf("  ratio to zcat: %.2f; peak scaled to 150,000,000 names: %.0f MiB\n",
              cli.seconds / zcat.seconds, cli.peakMiB * 15);
}

}  // namespace

int main(int argc, char** argv) {
  const auto dir = std::filesystem::temp_directory_path() / "brelka-delegation-bench";
  std::filesystem::create_directories(dir);
  if (argc == 2 && std::string(argv[1]) == "--zone-diff") {
    ZoneDiff(dir);
    std::filesystem::remove_all(dir);
    return 0;
  }
  if (argc == 3 && std::string(argv[1]) == "--names") kNames = std::atoi(argv[2]);
  DnsFirst(dir);
  ZoneFile(dir);
  ZoneDiff(dir);
  std::filesystem::remove_all(dir);
}
