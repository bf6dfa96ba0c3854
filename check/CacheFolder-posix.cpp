#include <cstdlib>

#include "check/CacheFolder.h"

namespace check {

std::filesystem::path UserCacheFolder() {
  // The XDG base directory rules: a relative XDG_CACHE_HOME is to be ignored.
  const char* xdg = std::getenv("XDG_CACHE_HOME");
  if (xdg && *xdg == '/') return std::filesystem::path(xdg) / "brelka";
  const char* home = std::getenv("HOME");
  if (home && *home == '/') return std::filesystem::path(home) / ".cache" / "brelka";
  return {};
}

std::filesystem::path UserDataFolder() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && *xdg == '/') return std::filesystem::path(xdg) / "brelka";
  const char* home = std::getenv("HOME");
  if (home && *home == '/') return std::filesystem::path(home) / ".local" / "share" / "brelka";
  return {};
}

}  // namespace check
