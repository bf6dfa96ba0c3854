// Conversions between the core's UTF-16 strings and the wide strings of the Windows API, which
// hold the same UTF-16 code units, and from the UTF-8 of failure messages. They never fail.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace app::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Windows API is UTF-16");

inline std::wstring Wide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

inline std::u16string Utf16(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

inline std::wstring FromUtf8(const std::string& text) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

}  // namespace app::win32
