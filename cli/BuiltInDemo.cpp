#include "BuiltInDemo.h"

#include <memory>

#include "tools/registrar-sim/RdapSim.h"
#include "tools/registrar-sim/RegistrarSim.h"

namespace cli {

Demo StartBuiltInDemo(const std::string& source) {
  if (source == "rdap") {
    auto registries = std::make_shared<sim::RdapSim>();
    return Demo{registries, "", registries->BootstrapJson(), registries->DnsServer()};
  }
  auto registrar = std::make_shared<sim::RegistrarSim>();
  return Demo{registrar, registrar->BaseUrl(), "", ""};
}

}  // namespace cli
