#include <cstdlib>

#include "check/CacheFolder.h"

namespace check {

std::filesystem::path UserCacheFolder() {
  const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
  if (local && *local) return std::filesystem::path(local) / "Brelka";
  return {};
}

}  // namespace check
