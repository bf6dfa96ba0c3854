// rdap-sim: serves the simulated RDAP registries and DNS responder on 127.0.0.1 until SIGINT or
// SIGTERM, for the benchmark and manual runs. Writes the bootstrap file that points at them.
// Usage: rdap-sim --bootstrap FILE [--latency MS]
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "sim/RdapSim.h"
#include "sim/ServeUntilStopped.h"

int main(int argc, char** argv) {
  std::string bootstrapFile;
  unsigned long latency = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    char* end = nullptr;
    if (arg == "--bootstrap" && i + 1 < argc) {
      bootstrapFile = argv[++i];
    } else if (arg == "--latency" && i + 1 < argc) {
      latency = std::strtoul(argv[++i], &end, 10);
      if (*end != '\0') bootstrapFile.clear();
    } else {
      bootstrapFile.clear();
      break;
    }
  }
  if (bootstrapFile.empty()) {
    std::cerr << "usage: rdap-sim --bootstrap FILE [--latency MS]\n";
    return 2;
  }

  return sim::ServeUntilStopped([&](const std::function<void()>& wait) {
    sim::RdapSim rdap;
    rdap.SetLatency(std::chrono::milliseconds(latency));
    std::ofstream(bootstrapFile) << rdap.BootstrapJson();
    for (std::size_t i = 0; i < sim::RdapSim::kRegistries; ++i) {
      std::cout << "registry " << i << " " << rdap.BaseUrl(i) << "\n";
    }
    std::cout << "dns " << rdap.DnsServer() << "\nrdap-sim listening" << std::endl;
    wait();
    for (std::size_t i = 0; i < sim::RdapSim::kRegistries; ++i) {
      std::cout << "registry " << i << " most in flight: " << rdap.MaxInFlight(i) << "\n";
    }
  });
}
