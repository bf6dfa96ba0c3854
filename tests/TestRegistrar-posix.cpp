#include "TestRegistrar.h"
#include "sim/RegistrarSim.h"

namespace testing_support {

std::string TestRegistrarUrl() {
  static sim::RegistrarSim registrar;
  return registrar.BaseUrl();
}

}  // namespace testing_support
