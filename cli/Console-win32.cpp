#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "Console.h"

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

}  // namespace

void PrepareStandardStreams() {
  (void)_setmode(_fileno(stdin), _O_BINARY);
  (void)_setmode(_fileno(stdout), _O_BINARY);
}

bool IsTerminal(Stream stream) {
  return IsConsole(Handle(stream));
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
    if (!WriteFile(handle, utf8.data(), part, &written, nullptr) || written == 0) return false;
    utf8.remove_prefix(written);
  }
  return true;
}

int RunCommand(const std::string& utf8Command,
               const std::vector<std::pair<std::string, std::string>>& environment) {
  for (const auto& [name, value] : environment) {
    (void)_wputenv_s(FromUtf8(name).c_str(), FromUtf8(value).c_str());
  }
  // cmd /c, as the C library starts it; flushed first so that the outputs keep their order.
  std::fflush(nullptr);
  return _wsystem(FromUtf8(utf8Command).c_str());
}

web::Result<std::string> StandardInput::Read() {
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
        return web::Failure{"<stdin>: cannot be read (error " + std::to_string(GetLastError()) +
                            ")"};
      }
      std::wstring text = std::exchange(carried_, {}) + std::wstring(buffer, got);
      if (got == 0) {
        ended_ = true;
        return ToUtf8(text);
      }
      if (text.back() >= 0xD800 && text.back() <= 0xDBFF) {
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
    return web::Failure{"<stdin>: cannot be read (error " + std::to_string(GetLastError()) + ")"};
  }
  if (got == 0) ended_ = true;
  return std::string(buffer, got);
}

}  // namespace cli
