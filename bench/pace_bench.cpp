// brelka-pace-bench: how the registries' pace holds against servers that count. Three simulated
// RDAP registries answer 429 above 20, 10 and 5 requests a second; 150 free names, 50 each, are
// checked once with those rates given (as --rate does) and once with the built-in defaults,
// which must adapt. Then a simulated WHOIS server that throttles a client asking more often
// than every 0.5 s answers 40 names, at the default WHOIS pace and at --rate 2/s. Prints the
// time against each server's own bound, and how often the servers refused. Timings are
// printed, not judged.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "check/RegistrySource.h"
#include "check/rdap/Bootstrap.h"
#include "check/whois/WhoisRoute.h"
#include "sim/RdapSim.h"
#include "sim/WhoisSim.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Outcome {
  double seconds = 0;
  std::size_t available = 0;
  std::size_t unknown = 0;
};

Outcome Run(check::RegistrySource& source, const std::vector<std::u16string>& names) {
  Outcome outcome;
  const auto started = Clock::now();
  source.Check(names,
               [&](std::size_t, check::Answer answer) {
                 outcome.available += answer.status == check::Status::Available;
                 outcome.unknown += answer.status == check::Status::Unknown;
               },
               {});
  outcome.seconds = std::chrono::duration<double>(Clock::now() - started).count();
  return outcome;
}

void Rdap(bool rates) {
  sim::RdapSim sim;
  const double limits[] = {20, 10, 5};
  for (std::size_t i = 0; i < 3; ++i) sim.SetRateLimit(i, limits[i]);
  check::RegistryOptions options;
  if (rates) {
    for (std::size_t i = 0; i < 3; ++i) {
      options.paces.SetRate(web::HostOf(sim.BaseUrl(i)), limits[i]);
    }
  }
  std::vector<std::u16string> names;
  for (int i = 0; i < 50; ++i) {
    for (const char16_t* suffix : {u".com", u".org", u".info"}) {
      names.push_back(u"pace-" + std::u16string(1, u'a' + i % 26) +
                      std::u16string(1, u'a' + i / 26) + suffix);
    }
  }
  web::ClientOptions client;
  client.perHost = 4;
  check::RegistrySource source(check::Bootstrap::Parse(sim.BootstrapJson()).value(),
                               web::OpenHttpClient(client), check::OpenNsResolver(sim.DnsServer()),
                               nullptr, options);
  const Outcome outcome = Run(source, names);
  const std::size_t requests = sim.Arrivals().size();
  const std::size_t refused = sim.Refused(0) + sim.Refused(1) + sim.Refused(2);
  const double bound = 50 / 5.0;
  std::printf("RDAP, 150 names over registries limited to 20, 10 and 5 a second, %s\n",
              rates ? "--rate set to those figures" : "the built-in defaults (adapting)");
  std::printf("  bound (50 names at 5 a second)  %6.2f s\n", bound);
  std::printf(
      "  brelka                          %6.2f s  (%.2fx the bound), %zu available, %zu "
      "unknown\n",
      outcome.seconds, outcome.seconds / bound, outcome.available, outcome.unknown);
  std::printf("  requests %zu, answered 429: %zu (%.1f%%; 20/10/5 a second: %zu/%zu/%zu)\n",
              requests, refused, 100.0 * refused / requests, sim.Refused(0), sim.Refused(1),
              sim.Refused(2));
}

void Whois(double rate) {
  sim::WhoisSim sim;
  sim::RdapSim dns;
  const std::string host = "whois.cnnic.cn";
  sim.SetMinimumInterval(host, std::chrono::milliseconds(500));
  check::WhoisSettings settings;
  settings.servers["cn"] = web::ParseHostPort(sim.Address(host), 0).value();
  check::RegistryOptions options;
  if (rate > 0) options.paces.SetRate("127.0.0.1", rate);
  check::RegistrySource source({}, web::OpenHttpClient({}), check::OpenNsResolver(dns.DnsServer()),
                               std::make_shared<check::WhoisRoute>(settings), options);
  std::vector<std::u16string> names;
  for (int i = 0; i < 40; ++i) {
    names.push_back(u"pace-" + std::u16string(1, u'a' + i % 26) + std::u16string(1, u'a' + i / 26) +
                    u".cn");
  }
  const Outcome outcome = Run(source, names);
  const std::size_t queries = sim.Queries(host).size();
  const std::size_t throttled = sim.Throttled(host);
  const double bound = 40 * 0.5;
  std::printf("WHOIS, 40 names at a server that throttles more than one query per 0.5 s, %s\n",
              rate > 0 ? ("--rate " + std::to_string(rate).substr(0, 3) + "/s").c_str()
                       : "the default WHOIS pace (1 a second)");
  std::printf("  bound (40 x 0.5 s)              %6.2f s\n", bound);
  std::printf(
      "  brelka                          %6.2f s  (%.2fx the bound), %zu available, %zu "
      "unknown\n",
      outcome.seconds, outcome.seconds / bound, outcome.available, outcome.unknown);
  std::printf("  queries %zu, throttle answers: %zu (%.1f%%)\n", queries, throttled,
              100.0 * throttled / queries);
}

}  // namespace

int main() {
  Rdap(true);
  std::printf("\n");
  Rdap(false);
  std::printf("\n");
  Whois(0);
  std::printf("\n");
  Whois(2);
  return 0;
}
