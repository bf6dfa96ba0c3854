// A-labels through libidn2, which implements IDNA 2008 with the UTS #46 mapping.
#include <idn2.h>

#include <memory>

#include "base/Text.h"
#include "names/ALabel.h"

namespace names {

base::Result<std::string> ConvertIdn(std::u16string_view name) {
  char* out = nullptr;
  const int rc =
      idn2_to_ascii_8z(base::Utf16ToUtf8(name).c_str(), &out, IDN2_NFC_INPUT | IDN2_NONTRANSITIONAL);
  const std::unique_ptr<char, decltype(&idn2_free)> owned(out, &idn2_free);
  if (rc != IDN2_OK) return base::Failure{std::string("cannot be an IDN: ") + idn2_strerror(rc)};
  return std::string(out);
}

}  // namespace names
