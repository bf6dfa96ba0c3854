// The demos' registries: the simulated RDAP services, WHOIS servers (with a stand-in for
// whois.iana.org), the zones' name servers and a DNS responder on 127.0.0.1, and the registries'
// source set up to ask them and nothing else, as brelka-cli --demo and the window's demo do.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "check/OpenRegistries.h"

namespace sim {

class RdapSim;
class WhoisSim;
class ZoneSim;

struct DemoRegistries {
  std::shared_ptr<void> servers;  // keeps them running
  // Offline: the simulators' bootstrap, their WHOIS servers by the real hosts' names, each
  // zone's name servers, their DNS responder, no proxy, and a fast pace toward each.
  check::RegistrySetup setup;
  // Every simulated server by the host its pace is kept under.
  std::vector<std::string> hosts;
  // The simulators themselves, for tests that set their latency and faults.
  RdapSim* rdap = nullptr;
  WhoisSim* whois = nullptr;
  ZoneSim* zones = nullptr;
  // The deletion lists the RDAP simulator serves, and two files of the com zone a day apart,
  // older first, in a folder that goes when the servers stop.
  std::vector<std::string> deletionLists;
  std::vector<std::filesystem::path> zoneFiles;
};

// Throws std::runtime_error when a simulator cannot start.
DemoRegistries StartDemoRegistries();

}  // namespace sim
