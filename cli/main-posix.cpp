// brelka-cli on Linux.
#include <string>
#include <vector>

#include "BuiltInDemo.h"
#include "Run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return cli::Run(args, cli::StartBuiltInDemo);
}
