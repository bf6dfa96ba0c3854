#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Console.h"
#include "base/Text.h"

namespace cli {
namespace {

HANDLE Handle(Stream stream) {
  return GetStdHandle(stream == Stream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

std::wstring FromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string ToUtf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(std::max(length, 0)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), length,
                      nullptr, nullptr);
  return utf8;
}

std::atomic<bool> outputClosed{false};

}  // namespace

void PrepareStandardStreams() {
  (void)_setmode(_fileno(stdin), _O_BINARY);
  (void)_setmode(_fileno(stdout), _O_BINARY);
}

bool IsTerminal(Stream stream) {
  return IsConsole(Handle(stream));
}

bool InputIsTerminal() {
  return IsConsole(GetStdHandle(STD_INPUT_HANDLE));
}

bool Write(Stream stream, std::string_view utf8) {
  const HANDLE handle = Handle(stream);
  if (IsConsole(handle)) {
    // A console shows wide characters whatever its code page.
    const std::wstring wide = FromUtf8(utf8);
    for (std::size_t done = 0; done < wide.size();) {
      DWORD written = 0;
      const DWORD part = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 8192));
      if (!WriteConsoleW(handle, wide.data() + done, part, &written, nullptr) || written == 0) {
        return false;
      }
      done += written;
    }
    return true;
  }
  while (!utf8.empty()) {
    DWORD written = 0;
    const DWORD part = static_cast<DWORD>(std::min<std::size_t>(utf8.size(), 1 << 20));
    if (!WriteFile(handle, utf8.data(), part, &written, nullptr) || written == 0) {
      const DWORD error = GetLastError();
      if (stream == Stream::Out && (error == ERROR_NO_DATA || error == ERROR_BROKEN_PIPE)) {
        outputClosed = true;
      }
      return false;
    }
    utf8.remove_prefix(written);
  }
  return true;
}

bool OutputClosed() {
  return outputClosed.load();
}

int RunCommand(const std::string& utf8Command,
               const std::vector<std::pair<std::string, std::string>>& environment) {
  // The child's environment block is ours with the variables set over it (names compared as
  // Windows does, without case); ours stays as it is, since other threads may read it meanwhile.
  std::vector<std::wstring> names;
  for (const auto& [name, value] : environment) names.push_back(FromUtf8(name) + L"=");
  std::wstring block;
  if (wchar_t* ours = GetEnvironmentStringsW()) {
    for (const wchar_t* entry = ours; *entry; entry += wcslen(entry) + 1) {
      const std::wstring_view text(entry);
      const bool replaced = std::any_of(names.begin(), names.end(), [&](const std::wstring& n) {
        return text.size() >= n.size() && _wcsnicmp(entry, n.c_str(), n.size()) == 0;
      });
      if (!replaced) block.append(text).push_back(L'\0');
    }
    FreeEnvironmentStringsW(ours);
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    block.append(names[i]).append(FromUtf8(environment[i].second)).push_back(L'\0');
  }
  block.push_back(L'\0');
  // cmd /c, as the C library's system() starts it; flushed first so that the outputs keep
  // their order.
  wchar_t shell[MAX_PATH] = L"cmd.exe";
  const DWORD length = GetEnvironmentVariableW(L"COMSPEC", shell, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) wcscpy(shell, L"cmd.exe");
  std::wstring line = L"\"" + std::wstring(shell) + L"\" /c " + FromUtf8(utf8Command);
  std::fflush(nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(shell, line.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                      block.data(), nullptr, &startup, &process)) {
    return -1;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  const bool ended = GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ended ? static_cast<int>(status) : -1;
}

base::Result<std::string> StandardInput::Read() {
  const HANDLE handle = GetStdHandle(STD_INPUT_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) ended_ = true;
  if (ended_) return std::string();
  if (IsConsole(handle)) {
    // Typed text arrives as wide characters; a surrogate pair split between two reads is kept
    // back until its second half comes.
    wchar_t buffer[4096];
    for (;;) {
      DWORD got = 0;
      if (!ReadConsoleW(handle, buffer, 4096, &got, nullptr)) {
        return base::Failure{"<stdin>: cannot be read (error " + std::to_string(GetLastError()) +
                            ")"};
      }
      std::wstring text = std::exchange(carried_, {}) + std::wstring(buffer, got);
      if (got == 0) {
        ended_ = true;
        return ToUtf8(text);
      }
      if (base::IsHighSurrogate(static_cast<char16_t>(text.back()))) {
        carried_ = text.back();
        text.pop_back();
      }
      // Ctrl+Z at the start of a line ends console input, as for every console program.
      const std::size_t end = text.find(L'\x1A');
      if (end != std::wstring::npos) {
        ended_ = true;
        carried_.clear();
      }
      if (end != 0 && !text.empty()) return ToUtf8(std::wstring_view(text).substr(0, end));
      if (ended_) return std::string();
    }
  }
  char buffer[64 * 1024];
  DWORD got = 0;
  if (!ReadFile(handle, buffer, sizeof buffer, &got, nullptr)) {
    // The writing end of a pipe closing is the end of the input.
    if (GetLastError() == ERROR_BROKEN_PIPE) {
      ended_ = true;
      return std::string();
    }
    return base::Failure{"<stdin>: cannot be read (error " + std::to_string(GetLastError()) + ")"};
  }
  if (got == 0) ended_ = true;
  return std::string(buffer, got);
}

}  // namespace cli
