// brelka-cli on Linux, with the registrar simulator built in for --demo.
#include <memory>
#include <string>
#include <vector>

#include "Run.h"
#include "tools/registrar-sim/RegistrarSim.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return cli::Run(args, [] {
    auto registrar = std::make_shared<sim::RegistrarSim>();
    return cli::Demo{registrar, registrar->BaseUrl()};
  });
}
