// A-labels through libidn2, which implements IDNA 2008 with the UTS #46 mapping.
#include <idn2.h>

#include <algorithm>
#include <memory>

#include "check/ALabel.h"
#include "web/TextEncoding.h"

namespace check {

web::Result<std::string> ToALabel(std::u16string_view name) {
  const bool ascii = std::all_of(name.begin(), name.end(), [](char16_t c) { return c < 0x80; });
  std::string converted;
  if (ascii) {
    converted.assign(name.begin(), name.end());
  } else {
    char* out = nullptr;
    const int rc = idn2_to_ascii_8z(web::Utf16ToUtf8(name).c_str(), &out,
                                    IDN2_NFC_INPUT | IDN2_NONTRANSITIONAL);
    const std::unique_ptr<char, decltype(&idn2_free)> owned(out, &idn2_free);
    if (rc != IDN2_OK) return web::Failure{std::string("cannot be an IDN: ") + idn2_strerror(rc)};
    converted = out;
  }
  std::transform(converted.begin(), converted.end(), converted.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
  if (converted.size() > 253) return web::Failure{"the A-label name is longer than 253 octets"};
  return converted;
}

}  // namespace check
