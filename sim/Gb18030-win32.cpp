#include <windows.h>

#include <stdexcept>

#include "sim/Pages.h"

namespace sim::pages {

// Through UTF-16 with the system's code page 54936 (GB18030). An invalid UTF-8 sequence becomes
// U+FFFD on the way, which GB18030 can hold. Where the system lacks 54936 (Wine does), GBK (936),
// its two-byte part, writes the same bytes for every character GBK has and "?" for the others.
std::string EncodeGb18030(std::string_view utf8) {
  if (utf8.empty()) return "";
  static const UINT codePage = IsValidCodePage(54936) ? 54936 : 936;
  const int units =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), units);
  const int bytes =
      WideCharToMultiByte(codePage, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) throw std::runtime_error("no GB18030 code page");
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), units, out.data(), bytes, nullptr, nullptr);
  return out;
}

}  // namespace sim::pages
