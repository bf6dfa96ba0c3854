// brelka-cli from its arguments to its exit status: read and clean the names, judge them, check
// the valid ones with the chosen source, write the answers in input order and the summary.
// main() only adapts the platform's arguments and, where there is one, the built-in simulator.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "check/OpenRegistries.h"

namespace cli {

inline constexpr int kAllAnswered = 0;
inline constexpr int kSomeUnknown = 1;
// A usage error, an input that cannot be read, or answers that cannot be written.
inline constexpr int kUsageError = 2;

// A running simulator for --demo, kept alive by `server`: the registrar's base address, or the
// registries' source set up to ask the simulated servers, and every simulated server by the host
// its pace is kept under: they are ours and publish no rate, so the demo does not keep the
// cautious default toward them.
struct Demo {
  std::shared_ptr<void> server;
  std::string baseUrl;
  check::RegistrySetup registries;
};
// Starts the built-in simulator for the source ("registrar", or "registry", "rdap" or
// "whois"); empty where the program has none.
using DemoStarter = std::function<Demo(const std::string& source)>;

// args: the arguments after the program's name, in UTF-8.
int Run(std::span<const std::string> args, const DemoStarter& startDemo);

}  // namespace cli
