#include "BuiltInDemo.h"

#include <memory>

#include "sim/DemoRegistries.h"
#include "sim/RegistrarSim.h"

namespace cli {

Demo StartBuiltInDemo(const std::string& source) {
  if (source == "registrar") {
    auto registrar = std::make_shared<sim::RegistrarSim>();
    return Demo{registrar, registrar->BaseUrl(), {}, {}, {}};
  }
  sim::DemoRegistries registries = sim::StartDemoRegistries();
  return Demo{std::move(registries.servers), "", std::move(registries.setup),
              std::move(registries.deletionLists), std::move(registries.zoneFiles)};
}

}  // namespace cli
