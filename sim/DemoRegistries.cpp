#include "DemoRegistries.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string_view>

#include <nlohmann/json.hpp>

#include "RdapSim.h"
#include "WhoisSim.h"
#include "ZoneSim.h"
#include "web/HttpClient.h"
#include "web/TcpQuery.h"

namespace sim {
namespace {

// Requests a second toward the simulated servers: ours, and quick.
constexpr double kDemoRate = 1000;

// The simulated RDAP services, less the suffixes that the simulated WHOIS servers answer:
// as in the root zone, those registries have no RDAP service.
std::string BootstrapWithoutWhoisSuffixes(const std::string& json) {
  nlohmann::json bootstrap = nlohmann::json::parse(json);
  for (nlohmann::json& service : bootstrap["services"]) {
    nlohmann::json kept = nlohmann::json::array();
    for (const nlohmann::json& suffix : service[0]) {
      bool whois = false;
      for (const auto& [host, suffixes] : WhoisSim::kServers) {
        for (const std::string& answered : suffixes) whois = whois || suffix == answered;
      }
      if (!whois) kept.push_back(suffix);
    }
    service[0] = kept;
  }
  return bootstrap.dump();
}

// Every suffix the simulated registries hold, each a zone of its own, and com.cn below cn (as
// in the real cn zone), so that the demo follows a referral.
std::vector<std::string> DemoZones() {
  std::vector<std::string> zones = {"com.cn"};
  for (const auto& suffixes : RdapSim::kSuffixes)
    zones.insert(zones.end(), suffixes.begin(), suffixes.end());
  zones.insert(zones.end(), RdapSim::kDnsOnly.begin(), RdapSim::kDnsOnly.end());
  for (const auto& [host, suffixes] : WhoisSim::kServers) {
    for (const std::string& suffix : suffixes) {
      if (std::find(zones.begin(), zones.end(), suffix) == zones.end()) zones.push_back(suffix);
    }
  }
  return zones;
}

// Two files of the demo's com zone a day apart, in CZDS's form: three names left it, one came.
constexpr std::string_view kZoneFiles[] = {
    "com.\t900\tin\tsoa\ta.gtld-servers.net. nstld.verisign-grs.com. 2026120800 1800 900 "
    "604800 86400\n"
    "com.\t172800\tin\tns\ta.gtld-servers.net.\n"
    "abc.com.\t172800\tin\tns\tns1.abc.com.\n"
    "8888.com.\t172800\tin\tns\tns1.8888.com.\n"
    "example.com.\t172800\tin\tns\ta.iana-servers.net.\n"
    "fangan.com.\t172800\tin\tns\tns1.fangan.com.\n"
    "xn--fiq06l2rdsvs.com.\t172800\tin\tns\tns1.example.net.\n",
    "com.\t900\tin\tsoa\ta.gtld-servers.net. nstld.verisign-grs.com. 2026120900 1800 900 "
    "604800 86400\n"
    "com.\t172800\tin\tns\ta.gtld-servers.net.\n"
    "abc.com.\t172800\tin\tns\tns1.abc.com.\n"
    "example.com.\t172800\tin\tns\ta.iana-servers.net.\n"
    "fresh.com.\t172800\tin\tns\tns1.fresh.com.\n",
};

// A folder of the demo's own, gone with it.
struct DemoFolder {
  DemoFolder() {
    std::random_device random;
    path = std::filesystem::temp_directory_path() /
           ("brelka-demo-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path);
  }
  ~DemoFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::filesystem::path path;
};

web::HostPort Address(const std::string& text) {
  auto parsed = web::ParseHostPort(text, 0);
  return parsed ? parsed.value() : web::HostPort{};
}

}  // namespace

DemoRegistries StartDemoRegistries() {
  struct Servers {
    RdapSim rdap;
    WhoisSim whois;
    ZoneSim zones{DemoZones()};
    DemoFolder folder;
  };
  auto servers = std::make_shared<Servers>();
  DemoRegistries demo;
  demo.servers = servers;
  demo.rdap = &servers->rdap;
  demo.whois = &servers->whois;
  demo.zones = &servers->zones;
  check::RegistrySetup& setup = demo.setup;
  setup.bootstrapText = BootstrapWithoutWhoisSuffixes(servers->rdap.BootstrapJson());
  setup.supplement = false;
  setup.whois.iana = Address(servers->whois.IanaAddress());
  setup.whois.socks.reset();  // no proxy reaches the simulators on this machine's loopback
  setup.keepReferrals = false;
  setup.dnsServer = servers->rdap.DnsServer();
  setup.client.proxy = "";
  for (const auto& [host, suffixes] : WhoisSim::kServers) {
    setup.whois.connectTo[host] = Address(servers->whois.Address(host));
    demo.hosts.push_back(host);
  }
  for (std::size_t i = 0; i < RdapSim::kRegistries; ++i) {
    demo.hosts.push_back(web::HostOf(servers->rdap.BaseUrl(i)));
  }
  for (const std::string& zone : servers->zones.Zones()) {
    for (const std::string& server : servers->zones.Servers(zone)) {
      if (auto parsed = check::ParseDnsServer(server)) setup.zoneServers[zone].push_back(*parsed);
      demo.hosts.push_back(server);
    }
  }
  // Every simulated name server also answers for the names' own zones: abc.com is for sale.
  for (const std::string& server : servers->zones.Servers(servers->zones.Zones().front())) {
    if (auto parsed = check::ParseDnsServer(server)) setup.ownServers.push_back(*parsed);
  }
  servers->zones.SetTxt("_for-sale.abc.com", {{"v=FORSALE1;fval=USD1500"},
                                              {"v=FORSALE1;", "furi=https://sale.example/abc.com"},
                                              {"v=spf1 -all"}});
  for (const std::string& host : demo.hosts) setup.options.paces.SetRate(host, kDemoRate);
  demo.deletionLists = servers->rdap.DeletionListUrls();
  for (const char* name : {"com-2026-12-08.zone", "com-2026-12-09.zone"}) {
    const std::filesystem::path file = servers->folder.path / name;
    std::ofstream(file, std::ios::binary) << kZoneFiles[demo.zoneFiles.size()];
    demo.zoneFiles.push_back(file);
  }
  return demo;
}

}  // namespace sim
