// brelka-cli on Linux, with the registrar and RDAP simulators built in for --demo.
#include <memory>
#include <string>
#include <vector>

#include "Run.h"
#include "tools/registrar-sim/RdapSim.h"
#include "tools/registrar-sim/RegistrarSim.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return cli::Run(args, [](const std::string& source) {
    if (source == "rdap") {
      auto registries = std::make_shared<sim::RdapSim>();
      return cli::Demo{registries, "", registries->BootstrapJson(), registries->DnsServer()};
    }
    auto registrar = std::make_shared<sim::RegistrarSim>();
    return cli::Demo{registrar, registrar->BaseUrl(), "", ""};
  });
}
