#include <cstdlib>

#include "check/CacheFolder.h"

namespace check {

std::filesystem::path UserCacheFolder() {
  const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
  if (local && *local) return std::filesystem::path(local) / "Brelka";
  return {};
}

// Local, not roaming: the list is tied to this machine's scheduled task.
std::filesystem::path UserDataFolder() {
  return UserCacheFolder();
}

}  // namespace check
