// What a run and the watch commands share: the exit codes, the built-in simulators, the
// registries' source as the settings ask for it, and the judgement of names before any source.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "Settings.h"
#include "base/Result.h"
#include "check/Answer.h"
#include "check/OpenRegistries.h"
#include "check/Source.h"

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
  // For drops: the simulators' deletion lists, and two zone files a day apart, older first.
  std::vector<std::string> deletionLists;
  std::vector<std::filesystem::path> zoneFiles;
};
// Starts the built-in simulator for the source ("registrar", or "registry", "rdap" or
// "whois"); empty where the program has none.
using DemoStarter = std::function<Demo(const std::string& source)>;

// Writes "brelka-cli: MESSAGE" on standard error and gives kUsageError.
int UsageError(const std::string& message);

// The routes whose answers a run of this source could have given, and so may take back.
std::vector<check::Route> RoutesOf(SourceKind source);

// The registries' source: RDAP with its bootstrap (unless --source whois), WHOIS (unless
// --source rdap) and DNS, or in the demo the simulated servers.
base::Result<std::unique_ptr<check::Source>> OpenRegistrySource(const Settings& settings,
                                                               const Demo& demo,
                                                               std::stop_token stop);

std::chrono::sys_seconds Now();

// For the registries, a name no registry holds is invalid too (see names/PublicSuffix.h), so that
// neither a resumed answer nor a registry's "no such name" stands for it.
struct Judgement {
  std::optional<std::u16string> invalid;  // why the name cannot be checked
  std::string aLabel;                     // with the registries, of a name that can
};
Judgement Judge(const std::u16string& name, bool registries);
std::optional<std::u16string> InvalidFor(const std::u16string& name, bool registries);

}  // namespace cli
