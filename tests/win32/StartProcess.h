#pragma once

#include <windows.h>

#include <string>

namespace testing_support {

// Starts command as CreateProcessW does with the other arguments given. Returns 0, or the error
// of the last of three tries: Wine now and then fails to start a process that starts on the next
// try, while a real fault fails every try and its error says why.
inline DWORD StartProcess(std::wstring& command, BOOL inheritHandles, DWORD flags,
                          const wchar_t* folder, STARTUPINFOW& startup,
                          PROCESS_INFORMATION& process) {
  DWORD error = 0;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (attempt > 0) Sleep(200);
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, inheritHandles, flags, nullptr,
                       folder, &startup, &process)) {
      return 0;
    }
    error = GetLastError();
  }
  return error;
}

}  // namespace testing_support
