#include "names/PublicSuffix.h"

#include "base/Text.h"
#include "names/SuffixServices.h"

namespace names {

std::string_view PublicSuffixListDate() {
  // The version of Debian's publicsuffix package the file was copied from.
  return "2023-02-09";
}

std::optional<std::u16string> UnregistrableReason(std::string_view aLabel) {
  if (IsPublicSuffix(aLabel)) {
    return base::FromUtf8(aLabel) + u" is a suffix under which names are registered, not a name";
  }
  // The first suffix that is public, or run by a registry of its own (uk.com), is the longest;
  // the registry holds one label above it.
  std::size_t held = 0;
  for (std::size_t dot = aLabel.find('.'); dot != std::string_view::npos;
       dot = aLabel.find('.', dot + 1)) {
    const std::string_view suffix = aLabel.substr(dot + 1);
    if (IsPublicSuffix(suffix) || SuffixServices::BuiltIn().Lists(suffix)) break;
    held = dot + 1;
  }
  if (held == 0) return std::nullopt;
  return u"under " + base::FromUtf8(aLabel.substr(held)) + u", which is the name a registry holds";
}

}  // namespace names
