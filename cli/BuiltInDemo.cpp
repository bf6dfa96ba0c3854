#include "BuiltInDemo.h"

#include <nlohmann/json.hpp>

#include <memory>

#include "tools/registrar-sim/RdapSim.h"
#include "tools/registrar-sim/RegistrarSim.h"
#include "tools/registrar-sim/WhoisSim.h"
#include "web/HttpClient.h"

namespace cli {
namespace {

// The simulated RDAP services, less the suffixes that the simulated WHOIS servers answer:
// as in the root zone, those registries have no RDAP service.
std::string BootstrapWithoutWhoisSuffixes(const std::string& json) {
  nlohmann::json bootstrap = nlohmann::json::parse(json);
  for (nlohmann::json& service : bootstrap["services"]) {
    nlohmann::json kept = nlohmann::json::array();
    for (const nlohmann::json& suffix : service[0]) {
      bool whois = false;
      for (const auto& [host, suffixes] : sim::WhoisSim::kServers) {
        for (const std::string& answered : suffixes) whois = whois || suffix == answered;
      }
      if (!whois) kept.push_back(suffix);
    }
    service[0] = kept;
  }
  return bootstrap.dump();
}

web::HostPort Address(const std::string& text) {
  auto parsed = web::ParseHostPort(text, 0);
  return parsed ? parsed.value() : web::HostPort{};
}

}  // namespace

Demo StartBuiltInDemo(const std::string& source) {
  if (source == "registrar") {
    auto registrar = std::make_shared<sim::RegistrarSim>();
    return Demo{registrar, registrar->BaseUrl(), "", {}, {}, "", {}};
  }
  struct Registries {
    sim::RdapSim rdap;
    sim::WhoisSim whois;
  };
  auto registries = std::make_shared<Registries>();
  Demo demo{registries,
            "",
            BootstrapWithoutWhoisSuffixes(registries->rdap.BootstrapJson()),
            Address(registries->whois.IanaAddress()),
            {},
            registries->rdap.DnsServer(),
            {}};
  for (const auto& [host, suffixes] : sim::WhoisSim::kServers) {
    demo.whoisServers[host] = Address(registries->whois.Address(host));
    demo.hosts.push_back(host);
  }
  for (std::size_t i = 0; i < sim::RdapSim::kRegistries; ++i) {
    demo.hosts.push_back(web::HostOf(registries->rdap.BaseUrl(i)));
  }
  return demo;
}

}  // namespace cli
