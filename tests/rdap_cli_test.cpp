// brelka-cli with the RDAP source, as a separate process against the simulated registries and
// DNS responder: its answers and columns, its manners on the wire, the bootstrap's cache in the
// user's cache folder, and the demo.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

#include "ChildProcess.h"
#include "CliOutput.h"
#include "sim/ProxySim.h"
#include "sim/RdapSim.h"
#include "sim/WhoisSim.h"
#include "sim/ZoneSim.h"

namespace {

using testing_support::ChildOutcome;

const std::string kCli = testing_support::ProgramBeside(CLI_PROGRAM);

// Points the user's cache folder, as the program looks it up, at `folder`; returns the path of
// the bootstrap's copy there.
std::filesystem::path SetCacheFolder(const std::filesystem::path& folder) {
#ifdef _WIN32
  ::_wputenv_s(L"LOCALAPPDATA", folder.wstring().c_str());
  return folder / "Brelka" / "dns.json";
#else
  ::setenv("XDG_CACHE_HOME", folder.c_str(), 1);
  return folder / "brelka" / "dns.json";
#endif
}

class RdapCli : public ::testing::Test {
 protected:
  RdapCli() {
    folder_ = std::filesystem::path(::testing::TempDir()) /
              ("brelka-rdap-cli-" + std::to_string(std::random_device{}()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    // The program's cache folder, for the cases that use it.
    cachedCopy_ = SetCacheFolder(folder_ / "cache");
    bootstrap_ = (folder_ / "dns.json").string();
    std::ofstream(bootstrap_) << sim.BootstrapJson();
  }
  ~RdapCli() override { std::filesystem::remove_all(folder_); }

  // Every run that would find zones' servers through the machine's resolver asks the
  // simulator's DNS responder instead: tests talk to 127.0.0.1 alone.
  ChildOutcome Cli(std::vector<std::string> args, const std::string& input) {
    const auto given = [&args](std::string_view option) {
      return std::find(args.begin(), args.end(), option) != args.end();
    };
    if (!given("--dns") && !given("--demo") && !given("registrar")) {
      args.insert(args.end(), {"--dns", sim.DnsServer()});
    }
    return testing_support::RunCli(kCli, args, input);
  }

  sim::RdapSim sim;
  std::filesystem::path folder_;
  std::filesystem::path cachedCopy_;
  std::string bootstrap_;
};

TEST_F(RdapCli, AnswersEachNameFromItsRegistryWithTheRegistrysDetails) {
  sim.SetFault("busy.com", {.status = 503});
  const ChildOutcome run =
      Cli({"--source", "rdap", "--bootstrap", bootstrap_, "--dns", sim.DnsServer(), "--all"},
          "hello.com\nabc.com\n中文域名.cn\nbusy.com\nfree.de\nbad_name.com\n");
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_EQ(run.out,
            "hello.com\tavailable\t\t\trdap\t\t\t\t\t\t\n"
            "abc.com\tregistered\t\t\trdap\t\tSimulated Registrar "
            "Ltd\t2031-02-03T04:05:06Z\tactive\tactive\t\n"
            "中文域名.cn\tavailable\t\t\trdap\txn--fiq06l2rdsvs.cn\t\t\t\t\t\n"
            "busy.com\tunknown\trate-limited\trate-limited\trdap\t\t\t\t\t\t\n"
            "free.de\tlikely-available\tno RDAP service for .de; DNS has no such "
            "name\t\tdns\t\t\t\t\t\t\n"
            "bad_name.com\tinvalid\tcharacter '_' (U+005F) is not allowed\t\t\t\t\t\t\t\t\n");
  EXPECT_EQ(run.err, "共输入6个，其中2个可以注册，1个未能查询，1个无效\n");
  // Three tries for the refused name, with the program's name and version on each request.
  int busy = 0;
  for (const auto& arrival : sim.Arrivals()) {
    busy += arrival.name == "busy.com";
    EXPECT_TRUE(arrival.userAgent.starts_with("brelka-cli/")) << arrival.userAgent;
    EXPECT_EQ(arrival.accept, "application/rdap+json");
  }
  EXPECT_EQ(busy, 3);
}

TEST_F(RdapCli, StructuredFormatsCarryTheALabelRegistrarAndExpiry) {
  const std::string input = "abc.com\n中文域名.cn\n";
  const ChildOutcome csv = Cli({"--bootstrap", bootstrap_, "-f", "csv", "-q"}, input);
  EXPECT_EQ(csv.exitCode, 0) << csv.err;
  EXPECT_EQ(csv.out,
            "name,status,detail,reason,source,a_label,registrar,expires,statuses,phase,releases\r\n"
            "abc.com,registered,,,rdap,,Simulated Registrar Ltd,2031-02-03T04:05:06Z,active,active,"
            "\r\n"
            "中文域名.cn,available,,,rdap,xn--fiq06l2rdsvs.cn,,,,,\r\n");
  const ChildOutcome json = Cli({"--bootstrap", bootstrap_, "-f", "json", "-q"}, input);
  EXPECT_EQ(json.out,
            "{\"name\":\"abc.com\",\"status\":\"registered\",\"detail\":\"\",\"reason\":\"\","
            "\"source\":\"rdap\",\"aLabel\":\"\","
            "\"registrar\":\"Simulated Registrar Ltd\",\"expires\":\"2031-02-03T04:05:06Z\","
            "\"statuses\":[\"active\"],\"phase\":\"active\",\"releases\":\"\"}\n"
            "{\"name\":\"中文域名.cn\",\"status\":\"available\",\"detail\":\"\",\"reason\":\"\","
            "\"source\":\"rdap\",\"aLabel\":\"xn--fiq06l2rdsvs.cn\",\"registrar\":\"\",\"expires\":"
            "\"\",\"statuses\":[],\"phase\":\"\",\"releases\":\"\"}\n");
  const ChildOutcome list = Cli({"--bootstrap", bootstrap_, "-q"}, input);
  EXPECT_EQ(list.out, "中文域名.cn\n");
}

TEST_F(RdapCli, KeepsToThePerHostCap) {
  sim.SetLatency(std::chrono::milliseconds(20));
  std::string names;
  for (int i = 0; i < 60; ++i) names += "name" + std::to_string(i) + ".org\n";
  const ChildOutcome run = Cli({"--bootstrap", bootstrap_, "--per-host", "2", "-q"}, names);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(sim.MaxInFlight(1), 2u);
  EXPECT_EQ(sim.Arrivals().size(), 60u);
}

TEST_F(RdapCli, KeepsTheBootstrapInTheCacheFolderAndReusesIt) {
  const std::vector<std::string> args = {"--bootstrap-url", sim.BootstrapUrl(), "-q"};
  const ChildOutcome first = Cli(args, "hello.com\n");
  EXPECT_EQ(first.exitCode, 0) << first.err;
  EXPECT_EQ(first.out, "hello.com\n");
  EXPECT_TRUE(std::filesystem::exists(cachedCopy_));
  const ChildOutcome second = Cli(args, "hello.org\n");
  EXPECT_EQ(second.out, "hello.org\n");
  EXPECT_EQ(sim.BootstrapRequests(), 1u) << "the copy of the first run served the second";
}

TEST_F(RdapCli, WithoutABootstrapSaysHowToGetOneAndExitsWithOne) {
  sim.SetBootstrapStatus(503);
  const ChildOutcome run = Cli({"--bootstrap-url", sim.BootstrapUrl()}, "hello.com\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "brelka-cli: cannot get the RDAP bootstrap from " + sim.BootstrapUrl() +
                         " (HTTP 503); download it and pass it with --bootstrap FILE\n");
  // Through a proxy that cannot be reached, the advice names the proxy.
  const ChildOutcome proxied =
      Cli({"--bootstrap-url", sim.BootstrapUrl(), "--proxy", "http://127.0.0.1:1"}, "hello.com\n");
  EXPECT_EQ(proxied.exitCode, 1);
  EXPECT_TRUE(proxied.err.ends_with("; check that the proxy http://127.0.0.1:1 can be reached, or "
                                    "download it and pass it with --bootstrap FILE\n"))
      << proxied.err;

  const ChildOutcome broken = Cli({"--bootstrap", (folder_ / "none.json").string()}, "a.com\n");
  EXPECT_EQ(broken.exitCode, 1);
  EXPECT_EQ(broken.err, "brelka-cli: cannot read the bootstrap file " +
                            (folder_ / "none.json").string() + "\n");
  EXPECT_EQ(sim.Arrivals().size(), 0u);
}

// Ctrl+C while the bootstrap is fetched, and while drops --check fetches a list (the
// bootstrap's address serves as a list slow to come): an interruption, not a usage error.
TEST_F(RdapCli, CtrlCEndsAFetchAtOnce) {
  sim.SetBootstrapDelay(std::chrono::seconds(30));
  const struct {
    std::vector<std::string> args;
    std::string input;
    std::string err;
  } cases[] = {
      {{"--bootstrap-url", sim.BootstrapUrl()},
       "hello.com\n",
       "brelka-cli: interrupted while fetching the RDAP bootstrap\n"},
      {{"drops", "--check", sim.BootstrapUrl()}, "", "brelka-cli: interrupted\n"},
  };
  std::size_t fetches = 0;
  for (const auto& c : cases) {
    testing_support::Child child(kCli, c.args, c.input);
    for (int i = 0; i < 500 && sim.BootstrapRequests() == fetches; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_EQ(sim.BootstrapRequests(), ++fetches) << c.err;
    child.Interrupt();
    const ChildOutcome run = child.Wait(std::chrono::seconds(10));
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 130);
    EXPECT_EQ(run.err, c.err);
  }
  EXPECT_FALSE(std::filesystem::exists(cachedCopy_));
}

TEST_F(RdapCli, RefusesOptionsThatDoNotFit) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--per-host", "0"},
       "brelka-cli: --per-host takes a number from 1 to 64: '0' (see --help)\n"},
      {{"--timeout", "x"},
       "brelka-cli: --timeout takes seconds from 1 to 3600: 'x' (see --help)\n"},
      {{"--source", "rdap", "--registrar", "http://127.0.0.1:1"},
       "brelka-cli: --registrar applies to --source registrar only (see --help)\n"},
      {{"--demo", "--bootstrap", "x.json"},
       "brelka-cli: --demo brings its own bootstrap, WHOIS and DNS servers (see --help)\n"},
      {{"--demo", "--whois-server", "cn=127.0.0.1"},
       "brelka-cli: --demo brings its own bootstrap, WHOIS and DNS servers (see --help)\n"},
      {{"--source", "registrar", "--rdap-extra", "x.json"},
       "brelka-cli: --rdap-extra applies to the registries' sources only (--source registry, "
       "rdap or whois) (see --help)\n"},
      {{"--registrar", "http://127.0.0.1:1", "--rate", "whois.eu=2/s"},
       "brelka-cli: --rate applies to the registries' sources only (--source registry, rdap or "
       "whois) (see --help)\n"},
      {{"--rate", "whois.eu=0/s"},
       "brelka-cli: --rate 'whois.eu=0/s' is not a rate: give requests a second above 0 and at "
       "most 1000, e.g. 5/s (see --help)\n"},
      {{"--rate", "5/s"}, "brelka-cli: --rate '5/s' is not HOST=N/s (see --help)\n"},
      {{"--proxy", "ftp://proxy.example:21"},
       "brelka-cli: --proxy takes http://, https:// or socks5h:// with a host and a port, as "
       "http://proxy.example:3128: 'ftp://proxy.example:21' (see --help)\n"},
      {{"--proxy", "http://proxy.example"},
       "brelka-cli: --proxy takes http://, https:// or socks5h:// with a host and a port, as "
       "http://proxy.example:3128: 'http://proxy.example' (see --help)\n"},
      {{"--source", "registrar", "--proxy", "http://proxy.example:3128"},
       "brelka-cli: --proxy applies to the registries' sources only (--source registry, rdap or "
       "whois) (see --help)\n"},
      {{"--whois-server", "whois.cnnic.cn"},
       "brelka-cli: --whois-server takes SUFFIX=HOST[:PORT], as cn=whois.cnnic.cn: "
       "'whois.cnnic.cn' (see --help)\n"},
      {{"--whois-server", "cn=whois.cnnic.cn:99999"},
       "brelka-cli: --whois-server 'cn=whois.cnnic.cn:99999': the port is not a number from 1 to "
       "65535 (see --help)\n"},
      {{"--zone-server", "com"},
       "brelka-cli: --zone-server takes ZONE=ADDRESS[:PORT], as cn=203.119.25.1 or "
       "com=[2001:db8::53]:5353: 'com' (see --help)\n"},
      {{"--source", "registrar", "--details"},
       "brelka-cli: --details applies to the registries' sources only (--source registry, rdap "
       "or whois) (see --help)\n"},
      // A control character in what is repeated is written escaped, on one line.
      {{"--rate", "a\nb=1/s\x1b"},
       "brelka-cli: --rate 'a\\nb=1/s\\x1b' is not a rate: give requests a second above 0 and "
       "at most 1000, e.g. 5/s (see --help)\n"},
  };
  for (const auto& [args, message] : cases) {
    const ChildOutcome run = Cli(args, "a.com\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, message);
  }
}

// A name a zone file delegates is registered without a question; the rest go on. A stale zone
// and lines that cannot be read are said once each.
TEST_F(RdapCli, ZoneFilesSettleTheirNamesWithoutAQuestion) {
  const std::string zone = (folder_ / "com.zone").string();
  std::ofstream(zone) << "com.\t900\tin\tsoa\ta.gtld-servers.net. nstld.verisign-grs.com. "
                         "2020010101 1800 900 604800 86400\n"
                         "abc.com.\t172800\tin\tns\tns1.abc.com.\n"
                         "broken.com.\n";
  const ChildOutcome run =
      Cli({"--bootstrap", bootstrap_, "--zone", zone, "-f", "tsv"}, "abc.com\nhello.com\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "abc.com\tregistered\tdelegated in the zone file\t\tzone\t\t\t\t\t\t\n"
            "hello.com\tavailable\t\t\trdap\t\t\t\t\t\t\n");
  EXPECT_EQ(run.err, "brelka-cli: warning: the zone file '" + zone +
                         "' is more than two days old; names registered since are missing from "
                         "it and go to their registries\n"
                         "brelka-cli: warning: 1 of the lines of the zone file '" +
                         zone +
                         "' could not be read and were skipped\n"
                         "共输入2个，其中1个可以注册，1个见于区域文件\n");
  ASSERT_EQ(sim.Arrivals().size(), 1u);
  EXPECT_EQ(sim.Arrivals()[0].name, "hello.com");
  // Its answer is as old as the zone: its serial's day, which --max-age and --resume see.
  const ChildOutcome dated = testing_support::RunChild(
      kCli,
      {"--bootstrap", bootstrap_, "--dns", sim.DnsServer(), "--zone", zone, "-q", "-f", "json"},
      "abc.com\n");
  EXPECT_NE(dated.out.find("\"source\":\"zone\""), std::string::npos) << dated.out;
  EXPECT_NE(dated.out.find("\"checked\":\"2020-01-01T00:00:00Z\""), std::string::npos) << dated.out;

  const ChildOutcome missing =
      Cli({"--bootstrap", bootstrap_, "--zone", zone + ".gone"}, "a.com\n");
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_TRUE(missing.err.starts_with("brelka-cli: --zone '" + zone + ".gone': cannot open it: "))
      << missing.err;
}

// Name servers the user names for a zone, an IDN one by its Unicode name too, settle the names
// they delegate; only the rest reach the registry.
TEST_F(RdapCli, NameServersGivenForAZoneSettleWhatTheyDelegate) {
  sim::ZoneSim zones({"com", "xn--fiqs8s"});
  std::vector<std::string> args = {"--bootstrap", bootstrap_, "-f", "tsv", "-q"};
  for (const auto& [zone, given] :
       {std::pair<std::string, std::string>{"com", "com"}, {"xn--fiqs8s", "中国"}}) {
    for (const std::string& server : zones.Servers(zone)) {
      args.insert(args.end(), {"--zone-server", given + "=" + server});
    }
  }
  const ChildOutcome run = Cli(args, "abc.com\nhello.com\nabc.中国\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "abc.com\tregistered\tdelegated by 127.0.0.1, a server of com\t\tdns\t\t\t\t\t\t\n"
            "hello.com\tavailable\t\t\trdap\t\t\t\t\t\t\n"
            "abc.中国\tregistered\tdelegated by 127.0.0.1, a server of xn--fiqs8s\t\tdns\t"
            "abc.xn--fiqs8s\t\t\t\t\t\n");
  ASSERT_EQ(sim.Arrivals().size(), 1u);
  EXPECT_EQ(sim.Arrivals()[0].name, "hello.com");
}

// A suffix the bootstrap leaves to DNS is asked over RDAP once an extra file names its service.
TEST_F(RdapCli, AnExtraServiceFileAddsASuffixToRdap) {
  const std::string extra = (folder_ / "extra.json").string();
  std::ofstream(extra) << R"({"services": [[["de"], [")" << sim.BaseUrl(1) << R"("]]]})";
  const ChildOutcome run =
      Cli({"--bootstrap", bootstrap_, "--rdap-extra", extra, "--all", "-q"}, "free.de\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "free.de\tavailable\t\t\trdap\t\t\t\t\t\t\n");
  const ChildOutcome missing =
      Cli({"--bootstrap", bootstrap_, "--rdap-extra", extra + ".gone", "-q"}, "free.de\n");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err, "brelka-cli: cannot read the bootstrap file " + extra + ".gone\n");
}

TEST_F(RdapCli, AnAnswerIsWrittenWhileALaterNamesRegistryStillWaits) {
  sim.SetFault("slow.com", {.delay = std::chrono::seconds(4)});
  testing_support::Child child(
      kCli, {"--bootstrap", bootstrap_, "-f", "tsv", "-q", "--dns", sim.DnsServer()},
      "hello.com\nslow.com\n");
  std::string early;
  for (int i = 0; i < 150 && early.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    early = child.OutputSoFar();
  }
  EXPECT_EQ(testing_support::WithoutCheckedColumn(early),
            "hello.com\tavailable\t\t\trdap\t\t\t\t\t\t\n");
  const ChildOutcome run = child.Wait();
  EXPECT_EQ(
      testing_support::WithoutCheckedColumn(run.out),
      "hello.com\tavailable\t\t\trdap\t\t\t\t\t\t\nslow.com\tavailable\t\t\trdap\t\t\t\t\t\t\n");
}

TEST_F(RdapCli, RefusesADnsServerThatIsNotAnAddressAndPort) {
  for (const char* server : {"nonsense", "127.0.0.1:53abc", "127.0.0.1:0", "127.0.0.1:65536",
                             "256.1.1.1", "1.2.3", "01.2.3.4", "127.0.0.1:", "[::1]53", "[::1]:",
                             "[1::2::3]", "[12345::1]:53", "[1:2:3:4:5:6:7:8:9]", "[::1"}) {
    const ChildOutcome run = Cli({"--dns", server}, "a.com\n");
    EXPECT_EQ(run.exitCode, 2) << server;
    EXPECT_EQ(run.err, std::string("brelka-cli: --dns takes an IPv4 or IPv6 address and an "
                                   "optional port from 1 to 65535, as 192.0.2.53:5353 or "
                                   "[2001:db8::53]:5353: '") +
                           server + "' (see --help)\n");
  }
}

// WHOIS alone, at a server the user names: no bootstrap is needed and IANA is not asked. A
// reserved name shows with its status in the structured output, never in the list of free
// names, and is not counted as available; a throttled server's name is asked again.
TEST_F(RdapCli, AsksTheWhoisServerTheUserNamesAndShowsReservedNamesAsTaken) {
  sim::WhoisSim whois;
  whois.SetFault("busy.cn", {.text = std::string("Queried interval is too short.\r\n")});
  const std::string server = "cn=" + whois.Address("whois.cnnic.cn");
  const std::string names = "free.cn\nabc.cn\nreserved-x.cn\nbusy.cn\n";
  const ChildOutcome all = Cli({"--source", "whois", "--whois-server", server, "--all"}, names);
  EXPECT_EQ(all.exitCode, 1) << all.err;
  EXPECT_EQ(all.out,
            "free.cn\tavailable\t\t\twhois\t\t\t\t\t\t\n"
            "abc.cn\tregistered\t\t\twhois\t\tSimulated Registrar Ltd\t2030-03-17 "
            "12:48:36\tok\tactive\t\n"
            "reserved-x.cn\treserved\t127.0.0.1 says the name is reserved\t\twhois\t\t\t\t\t\t\n"
            "busy.cn\tunknown\trate-limited\trate-limited\twhois\t\t\t\t\t\t\n");
  EXPECT_EQ(all.err, "共输入4个，其中1个可以注册，1个未能查询\n");
  EXPECT_EQ(whois.Queries("whois.cnnic.cn").size(), 3u + 3u);  // busy.cn three times
  EXPECT_TRUE(whois.Queries("whois.iana.org").empty());
  EXPECT_FALSE(std::filesystem::exists(cachedCopy_));

  const ChildOutcome list = Cli({"--source", "whois", "--whois-server", server, "-q"}, names);
  EXPECT_EQ(list.out, "free.cn\n");

  // A suffix in Unicode is the same suffix as its A-label, and an IPv6 server takes brackets.
  const ChildOutcome idn =
      Cli({"--source", "whois", "--whois-server", "中国=" + whois.Address("whois.cnnic.cn"),
           "--whois-server", "com.cn=[::1]:9", "--all", "--timeout", "2"},
          "free.中国\nabc.com.cn\n");
  EXPECT_EQ(idn.out,
            "free.中国\tavailable\t\t\twhois\tfree.xn--fiqs8s\t\t\t\t\t\n"
            "abc.com.cn\tunknown\t::1: cannot connect to ::1 port 9\tconnect\twhois\t\t\t\t\t\t\n");
}

// Behind a proxy: RDAP requests demonstrably pass through the one given (tunnelled with
// libcurl, in absolute form with WinHTTP), WHOIS through a SOCKS one, and a proxy that is dead
// or refuses makes the names unknown (connect), never available.
TEST_F(RdapCli, RequestsGoThroughTheProxyAndAProxyThatFailsLeavesThemUnknown) {
  sim::ProxySim proxy;
  const std::string registry = sim.BaseUrl(0).substr(7, sim.BaseUrl(0).find('/', 7) - 7);
  const std::vector<std::string> rdap = {"--source", "rdap",  "--bootstrap",
                                         bootstrap_, "--all", "-q"};
  auto args = [&rdap](std::vector<std::string> more) {
    more.insert(more.begin(), rdap.begin(), rdap.end());
    return more;
  };
  const ChildOutcome through = Cli(args({"--proxy", "http://" + proxy.Address()}), "hello.com\n");
  EXPECT_EQ(through.exitCode, 0) << through.err;
  EXPECT_EQ(through.out, "hello.com\tavailable\t\t\trdap\t\t\t\t\t\t\n");
#ifdef _WIN32
  EXPECT_EQ(proxy.Passed(), std::vector<std::string>{"http " + registry});
#else
  EXPECT_EQ(proxy.Passed(), std::vector<std::string>{"connect " + registry});
  // The environment's variables when none is given, and a SOCKS proxy for RDAP as for WHOIS.
  ::setenv("http_proxy", ("http://" + proxy.Address()).c_str(), 1);
  const ChildOutcome fromEnvironment = Cli(rdap, "abc.com\n");
  ::unsetenv("http_proxy");
  EXPECT_EQ(fromEnvironment.out,
            "abc.com\tregistered\t\t\trdap\t\tSimulated Registrar "
            "Ltd\t2031-02-03T04:05:06Z\tactive\tactive\t\n");
  const ChildOutcome socks = Cli(args({"--proxy", "socks5h://" + proxy.Address()}), "free.com\n");
  EXPECT_EQ(socks.out, "free.com\tavailable\t\t\trdap\t\t\t\t\t\t\n");
  EXPECT_EQ(proxy.Passed().size(), 3u);
  EXPECT_EQ(proxy.Passed().back(), "socks " + registry);
  // The demo's servers are on this machine's loopback, which no proxy reaches.
  ::setenv("http_proxy", "http://127.0.0.1:1", 1);
  ::setenv("all_proxy", "socks5h://127.0.0.1:1", 1);
  const ChildOutcome demo =
      testing_support::RunCli(kCli, {"--demo", "--all", "-q"}, "hello.com\nfree.cn\n");
  ::unsetenv("http_proxy");
  ::unsetenv("all_proxy");
  EXPECT_EQ(
      demo.out,
      "hello.com\tavailable\t\t\trdap\t\t\t\t\t\t\nfree.cn\tavailable\t\t\twhois\t\t\t\t\t\t\n");
#endif

  sim::WhoisSim whois;
  const std::string server = whois.Address("whois.cnnic.cn");
  const ChildOutcome overSocks = Cli({"--source", "whois", "--whois-server", "cn=" + server,
                                      "--proxy", "socks5h://" + proxy.Address(), "--all", "-q"},
                                     "abc.cn\n");
  EXPECT_EQ(overSocks.out,
            "abc.cn\tregistered\t\t\twhois\t\tSimulated Registrar Ltd\t2030-03-17 "
            "12:48:36\tok\tactive\t\n");
  EXPECT_EQ(proxy.Passed().back(), "socks " + server);

  for (const std::string& dead : {std::string("http://127.0.0.1:1"), std::string("refused")}) {
    if (dead == "refused") proxy.Refuse();
    const std::string address = dead == "refused" ? "http://" + proxy.Address() : dead;
    const ChildOutcome failed = Cli(args({"--proxy", address}), "hello.com\n");
    EXPECT_EQ(failed.exitCode, 1) << dead;
    EXPECT_TRUE(failed.out.starts_with("hello.com\tunknown\t")) << failed.out;
#ifndef _WIN32  // WinHTTP passes a refusing proxy's 403 on as the answer (http)
    EXPECT_NE(failed.out.find("\tconnect\trdap\t"), std::string::npos) << failed.out;
#endif
  }
}

// Every suffix of the window's usage note, the Chinese ones and a few more, each from its route:
// RDAP where the registry has a service, else WHOIS at the server whois.iana.org names, else
// DNS, which knows no such suffix.
// Names whose hyphens break the hostname rules, or whose A-label is none, go nowhere.
TEST_F(RdapCli, NamesThatBreakTheHostnameRulesAreInvalidAndSentNowhere) {
  const ChildOutcome run =
      Cli({"--demo", "--all"}, "-abcd.com\nabcd-.com\nab--cdef.com\nxn--zz.com\nxn--aa.com\n");
  EXPECT_EQ(run.exitCode, 1) << run.err;  // no valid name to check
  EXPECT_EQ(run.out,
            "-abcd.com\tinvalid\ta label starts with a hyphen\t\t\t\t\t\t\t\t\n"
            "abcd-.com\tinvalid\ta label ends with a hyphen\t\t\t\t\t\t\t\t\n"
            "ab--cdef.com\tinvalid\t'--' in the third and fourth places of a label that is not an "
            "A-label\t\t\t\t\t\t\t\t\n"
            "xn--zz.com\tinvalid\txn--zz is not Punycode\t\t\t\t\t\t\t\t\n"
            "xn--aa.com\tinvalid\txn--aa: character U+0080 is not allowed\t\t\t\t\t\t\t\t\n");
  EXPECT_TRUE(sim.Arrivals().empty());
}

// A registry asked about a name under one it holds says it has no such name; that is no answer
// about the name. Neither a registry, a suffix of --tld, nor an earlier run's answer stands for it.
TEST_F(RdapCli, OnlyNamesARegistryHoldsAreAskedOrResumed) {
  const std::string names = "blog.example.com\nshop.example.com.cn\ncom.cn\nhello.com\n";
  const std::string resume = (folder_ / "old.tsv").string();
  std::ofstream(resume) << "blog.example.com\tavailable\t\t\trdap\t\t\t\t\t\t\n";
  const ChildOutcome run = Cli({"--demo", "--all", "--resume", resume}, names);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "blog.example.com\tinvalid\tunder example.com, which is the name a registry "
            "holds\t\t\t\t\t\t\t\t\n"
            "shop.example.com.cn\tinvalid\tunder example.com.cn, which is the name a registry "
            "holds\t\t\t\t\t\t\t\t\n"
            "com.cn\tinvalid\tcom.cn is a suffix under which names are registered, not a "
            "name\t\t\t\t\t\t\t\t\n"
            "hello.com\tavailable\t\t\trdap\t\t\t\t\t\t\n");
  EXPECT_TRUE(run.err.ends_with("\n共输入4个，其中1个可以注册，3个无效\n")) << run.err;

  const std::pair<std::string, std::string> suffixes[] = {
      {"com,example.com",
       "--tld 'example.com' is not a suffix under which a registry sells names: it is a name a "
       "registry holds"},
      {"com,nosuchtld",
       "--tld 'nosuchtld' is not a suffix the Public Suffix List knows: there is no such "
       "top-level domain"},
      {"com cn",
       "--tld 'com cn' is not a suffix: it holds a space (give several as com,cn) (see "
       "--help)"},
  };
  for (const auto& [given, message] : suffixes) {
    const ChildOutcome tld = Cli({"--demo", "--tld", given}, "shop\n");
    EXPECT_EQ(tld.exitCode, 2);
    EXPECT_EQ(tld.err, "brelka-cli: " + message + "\n");
  }
  // A registry-run suffix outside the list's ICANN section is one all the same.
  EXPECT_EQ(Cli({"--demo", "--tld", "uk.com", "--count"}, "shop\n").out, "1 name\nshop.uk.com\n");
  // The registrar judges its own input, as the window's default route does.
  const ChildOutcome registrar =
      Cli({"--demo", "--source", "registrar", "--all"}, "blog.example.com\n");
  EXPECT_EQ(registrar.out, "blog.example.com\tavailable\t\t\tregistrar\n");
}

// The demo's zones have name servers of their own: a delegated name is settled there, com.cn's
// through the cn servers' referral, and only the rest reach a registry.
TEST(RdapCliDemo, DelegatedNamesAreSettledByTheirZonesServers) {
  const ChildOutcome run = testing_support::RunCli(
      kCli, {"--demo", "-f", "tsv", "-q"}, "abc.com\nhello.com\nholdtaken.com\nabc.com.cn\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(
      run.out,
      "abc.com\tregistered\tdelegated by 127.0.0.1, a server of com\t\tdns\t\t\t\t\t\t\n"
      "hello.com\tavailable\t\t\trdap\t\t\t\t\t\t\n"
      "holdtaken.com\tregistered\t\t\trdap\t\tSimulated Registrar Ltd\t"
      "2031-02-03T04:05:06Z\tclient hold\thold\t\n"
      "abc.com.cn\tregistered\tdelegated by 127.0.0.1, a server of com.cn\t\tdns\t\t\t\t\t\t\n");
}

TEST(RdapCliDemo, ForSaleSignsOfDelegatedNamesFillTheirOwnColumn) {
  const ChildOutcome run = testing_support::RunCli(
      kCli, {"--demo", "--for-sale", "-f", "json", "-q", "abc.com", "hello.com"}, "");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"name\":\"abc.com\",\"status\":\"registered\",\"detail\":\"delegated by 127.0.0.1, "
            "a server of com\",\"reason\":\"\",\"source\":\"dns\",\"aLabel\":\"\",\"registrar\":\"\","
            "\"expires\":\"\",\"statuses\":[],\"phase\":\"\",\"releases\":\"\",\"forSale\":["
            "\"v=FORSALE1;fval=USD1500\",\"v=FORSALE1;furi=https://sale.example/abc.com\"]}\n"
            "{\"name\":\"hello.com\",\"status\":\"available\",\"detail\":\"\",\"reason\":\"\","
            "\"source\":\"rdap\",\"aLabel\":\"\",\"registrar\":\"\",\"expires\":\"\",\"statuses\":[],"
            "\"phase\":\"\",\"releases\":\"\",\"forSale\":[]}\n");
  const std::pair<std::vector<std::string>, std::string> refusals[] = {
      {{"--source", "registrar", "--for-sale"},
       "brelka-cli: --for-sale applies to the registries' sources only (--source registry, rdap "
       "or whois) (see --help)\n"},
      {{"--demo", "watch", "list", "--for-sale"},
       "brelka-cli: watch takes no --pattern, --resume, --count, --zone, --type or --for-sale "
       "(see --help)\n"},
  };
  for (const auto& [args, message] : refusals) {
    const ChildOutcome refused = testing_support::RunCli(kCli, args, "");
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err, message);
  }
}

TEST(RdapCliDemo, TheDemoAnswersEverySuffixFromItsRegistryOffline) {
  const ChildOutcome run = testing_support::RunCli(
      kCli, {"--demo", "--all", "--details"},
      "hello.com\nabc.com\nfree.net\nfree.org\nfree.info\nfree.co\nabc.com.co\nfree.net.co\n"
      "free.nom.co\nfree.me\nfree.us\nfree.biz\nfree.ca\nfree.mx\nfree.com.mx\nfree.ws\n"
      "free.asia\nfree.bz\nfree.mobi\nfree.eu\nabc.eu\nfree.in\nfree.nl\nabc.nl\nfree.se\n"
      "abc.se\nfree.cn\nabc.cn\nreserved1.cn\nfree.com.cn\n中文域名.中国\nfree.de\nabc.de\n"
      "free.jp\nabc.jp\nreserved2.jp\nfree.io\nabc.io\nfree.nosuchtld\n");
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_EQ(
      run.out,
      "hello.com\tavailable\t\t\trdap\t\t\t\t\t\t\n"
      "abc.com\tregistered\t\t\trdap\t\tSimulated Registrar "
      "Ltd\t2031-02-03T04:05:06Z\tactive\tactive\t\n"
      "free.net\tavailable\t\t\trdap\t\t\t\t\t\t\n"
      "free.org\tavailable\t\t\trdap\t\t\t\t\t\t\n"
      "free.info\tavailable\t\t\trdap\t\t\t\t\t\t\n"
      "free.co\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "abc.com.co\tregistered\t\t\twhois\t\tSimulated Registrar Ltd\t2030-09-03T08:40:13Z\t"
      "ok https://icann.org/epp#ok\tactive\t\n"
      "free.net.co\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "free.nom.co\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "free.me\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "free.us\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "free.biz\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "free.ca\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "free.mx\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "free.com.mx\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "free.ws\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "free.asia\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "free.bz\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "free.mobi\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "free.eu\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "abc.eu\tregistered\t\t\twhois\t\tSimulated Registrar Ltd\t\t\t\t\n"
      "free.in\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "free.nl\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "abc.nl\tregistered\t\t\twhois\t\tSimulated Registrar Ltd\t\tactive\tactive\t\n"
      "free.se\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "abc.se\tregistered\t\t\twhois\t\tSimulated Registrar Ltd\t2030-10-20\tactive\tactive\t\n"
      "free.cn\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "abc.cn\tregistered\t\t\twhois\t\tSimulated Registrar Ltd\t2030-03-17 "
      "12:48:36\tok\tactive\t\n"
      "reserved1.cn\treserved\twhois.cnnic.cn says the name is reserved\t\twhois\t\t\t\t\t\t\n"
      "free.com.cn\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "中文域名.中国\tavailable\t\t\twhois\txn--fiq06l2rdsvs.xn--fiqs8s\t\t\t\t\t\n"
      "free.de\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "abc.de\tregistered\t\t\twhois\t\t\t\tconnect\tactive\t\n"
      "free.jp\tavailable\t\t\twhois\t\t\t\t\t\t\n"
      "abc.jp\tregistered\t\t\twhois\t\t\t2030/05/31\t\t\t\n"
      "reserved2.jp\treserved\twhois.jprs.jp says the name is reserved\t\twhois\t\t\t\t\t\t\n"
      "free.io\tavailable\t\t\trdap\t\t\t\t\t\t\n"
      "abc.io\tregistered\t\t\trdap\t\tSimulated Registrar "
      "Ltd\t2031-02-03T04:05:06Z\tactive\tactive\t\n"
      "free.nosuchtld\tunknown\tno RDAP or WHOIS service for .nosuchtld, and DNS does not "
      "know the suffix\tdns\tdns\t\t\t\t\t\t\n");
  // Reserved names are taken, not available, and not unknown.
  EXPECT_EQ(run.err, "共输入39个，其中27个可以注册，1个未能查询\n");
}

}  // namespace
