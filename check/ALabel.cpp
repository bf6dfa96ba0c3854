#include "check/ALabel.h"

#include <algorithm>

namespace check {

web::Result<std::string> ToALabel(std::u16string_view name) {
  const bool ascii = std::all_of(name.begin(), name.end(), [](char16_t c) { return c < 0x80; });
  std::string converted;
  if (ascii) {
    converted.assign(name.begin(), name.end());
  } else {
    web::Result<std::string> idn = ConvertIdn(name);
    if (!idn) return idn;
    converted = std::move(idn.value());
  }
  std::transform(converted.begin(), converted.end(), converted.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
  if (converted.size() > 253) return web::Failure{"the A-label name is longer than 253 octets"};
  return converted;
}

}  // namespace check
