#include <cstdlib>
#include <fstream>

#include "TestRegistrar.h"

namespace testing_support {

std::string TestRegistrarUrl() {
  const char* urlFile = std::getenv("BRELKA_REGISTRAR_URL_FILE");
  if (!urlFile) return "";
  std::string line;
  std::getline(std::ifstream(urlFile), line);
  const std::size_t at = line.find("http://");
  return at == std::string::npos ? "" : line.substr(at);
}

}  // namespace testing_support
