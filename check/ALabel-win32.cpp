// A-labels through the system's IdnToAscii, which follows IDNA 2008 with the UTS #46 mapping
// since Windows 8.
#include <windows.h>

#include <iterator>
#include <string>

#include "check/ALabel.h"

namespace check {

web::Result<std::string> ConvertIdn(std::u16string_view name) {
  const std::wstring wide(name.begin(), name.end());
  wchar_t out[512];
  const int n = IdnToAscii(0, wide.c_str(), int(wide.size()), out, int(std::size(out)));
  if (n <= 0) {
    return web::Failure{"cannot be an IDN: the system refused it (error " +
                        std::to_string(GetLastError()) + ")"};
  }
  std::string converted;
  for (int i = 0; i < n; ++i) converted.push_back(char(out[i] < 0x80 ? out[i] : '?'));
  return converted;
}

}  // namespace check
