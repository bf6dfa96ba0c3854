// registrar-sim: serves the registrar simulator on 127.0.0.1 until SIGINT or SIGTERM, for demos
// and manual runs of the tool against it. Usage: registrar-sim [--port N] (default: any free port).
#include <cstdlib>
#include <iostream>
#include <string>

#include "sim/RegistrarSim.h"
#include "sim/ServeUntilStopped.h"

int main(int argc, char** argv) {
  unsigned long port = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    char* end = nullptr;
    if (arg == "--port" && i + 1 < argc) {
      port = std::strtoul(argv[++i], &end, 10);
    }
    if (!end || *end != '\0' || port > 65535) {
      std::cerr << "usage: registrar-sim [--port N]\n";
      return 2;
    }
  }

  return sim::ServeUntilStopped([port](const std::function<void()>& wait) {
    sim::RegistrarSim registrar(static_cast<std::uint16_t>(port));
    std::cout << "registrar-sim listening on " << registrar.BaseUrl() << std::endl;
    wait();
  });
}
