// The simulators that brelka-cli carries for --demo, started on 127.0.0.1 for one run.
#pragma once

#include <string>

#include "Run.h"

namespace cli {

// The registrar, or for "rdap" the simulated registries with their bootstrap and DNS server.
// Throws std::runtime_error when they cannot start.
Demo StartBuiltInDemo(const std::string& source);

}  // namespace cli
