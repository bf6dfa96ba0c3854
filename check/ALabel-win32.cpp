// A-labels through the system's IdnToAscii, which follows IDNA 2008 with the UTS #46 mapping
// since Windows 8.
#include <windows.h>

#include <algorithm>
#include <string>

#include "check/ALabel.h"

namespace check {

web::Result<std::string> ToALabel(std::u16string_view name) {
  const bool ascii = std::all_of(name.begin(), name.end(), [](char16_t c) { return c < 0x80; });
  std::string converted;
  if (ascii) {
    converted.assign(name.begin(), name.end());
  } else {
    const std::wstring wide(name.begin(), name.end());
    wchar_t out[512];
    const int n = IdnToAscii(0, wide.c_str(), int(wide.size()), out, int(std::size(out)));
    if (n <= 0) {
      return web::Failure{"cannot be an IDN: the system refused it (error " +
                          std::to_string(GetLastError()) + ")"};
    }
    for (int i = 0; i < n; ++i) converted.push_back(char(out[i] < 0x80 ? out[i] : '?'));
  }
  std::transform(converted.begin(), converted.end(), converted.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
  if (converted.size() > 253) return web::Failure{"the A-label name is longer than 253 octets"};
  return converted;
}

}  // namespace check
