// The calling thread's last Windows error as a failure of the step that set it.
#pragma once

#include <windows.h>

#include <string>

#include "base/Result.h"

namespace app::win32 {

inline base::Failure LastError(const char* step) {
  return base::Failure{std::string(step) + " (Windows error " + std::to_string(GetLastError()) +
                       ")"};
}

}  // namespace app::win32
