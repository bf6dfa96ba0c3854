// Public suffixes by our own reading of the built-in list, where libpsl is not at hand (Windows).
// Linux reads the same file with libpsl, and a test holds the two readings to the same verdicts.
#include "names/PublicSuffix.h"
#include "names/PublicSuffixRules.h"

namespace names {

namespace {

const PublicSuffixRules& BuiltInRules() {
  static const PublicSuffixRules rules = PublicSuffixRules::Parse(PublicSuffixListText());
  return rules;
}

}  // namespace

bool IsPublicSuffix(std::string_view aLabel) {
  return BuiltInRules().IsPublicSuffix(aLabel);
}

bool IsListedSuffix(std::string_view aLabel) {
  return BuiltInRules().IsPublicSuffix(aLabel, false);
}

}  // namespace names
