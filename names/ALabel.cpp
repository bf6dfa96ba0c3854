#include "names/ALabel.h"

#include <algorithm>

#include "base/Text.h"
#include "names/NameRules.h"

namespace names {
namespace {

void Lower(std::string& text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
}

// An A-label written by hand must be the one IDNA makes of the letters it stands for: else it
// names no registrable name ("xn--ab" decodes, but to nothing IDNA would ever encode so).
base::Status CheckALabels(const std::string& name) {
  for (std::size_t start = 0; start < name.size();) {
    std::size_t end = name.find('.', start);
    if (end == std::string::npos) end = name.size();
    const std::string label = name.substr(start, end - start);
    start = end + 1;
    // Only a label that could be an A-label is one: any other character makes the name
    // invalid by the name rules, which say so.
    if (!label.starts_with("xn--") ||
        label.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-") != std::string::npos) {
      continue;
    }
    const std::u16string wide(label.begin(), label.end());
    const auto points = ULabel(wide);
    if (!points) return base::Failure{label + " is not Punycode"};
    base::Result<std::string> again = ConvertIdn(base::Utf16(*points));
    if (!again) return base::Failure{label + " is not a valid A-label: " + again.error()};
    Lower(again.value());
    if (again.value() != label) {
      return base::Failure{label + " is not the A-label of its own letters (that is " +
                          again.value() + ")"};
    }
  }
  return base::Ok();
}

}  // namespace

base::Result<std::string> ToALabel(std::u16string_view name) {
  const bool ascii = std::all_of(name.begin(), name.end(), [](char16_t c) { return c < 0x80; });
  std::string converted;
  if (ascii) {
    converted.assign(name.begin(), name.end());
    Lower(converted);
    if (base::Status checked = CheckALabels(converted); !checked) return checked.failure();
  } else {
    base::Result<std::string> idn = ConvertIdn(name);
    if (!idn) return idn;
    converted = std::move(idn.value());
    Lower(converted);
  }
  if (converted.size() > 253) return base::Failure{"the A-label name is longer than 253 octets"};
  return converted;
}

}  // namespace names
