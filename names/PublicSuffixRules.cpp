#include "names/PublicSuffixRules.h"

#include "base/Text.h"
#include "names/ALabel.h"

namespace names {
namespace {

constexpr std::string_view kBegin = "// ===BEGIN ICANN DOMAINS===";
constexpr std::string_view kEnd = "// ===END ICANN DOMAINS===";

// A rule is the line's first word; the rest of the line is ignored, as the list's format says.
std::string_view RuleOf(std::string_view line) {
  const std::size_t end = line.find_first_of(" \t\r");
  return line.substr(0, end);
}

}  // namespace

PublicSuffixRules PublicSuffixRules::Parse(std::string_view list) {
  PublicSuffixRules rules;
  const std::size_t begin = list.find(kBegin);
  if (begin == std::string_view::npos) return rules;
  list = list.substr(begin, list.find(kEnd, begin) - begin);
  std::size_t start = 0;
  while (start < list.size()) {
    std::size_t end = list.find('\n', start);
    if (end == std::string_view::npos) end = list.size();
    std::string_view rule = RuleOf(list.substr(start, end - start));
    start = end + 1;
    if (rule.empty() || rule.starts_with("//")) continue;
    std::unordered_set<std::string>* set = &rules.normal_;
    if (rule.starts_with("!")) {
      set = &rules.exception_;
      rule.remove_prefix(1);
    } else if (rule.starts_with("*.")) {
      set = &rules.wildcard_;
      rule.remove_prefix(2);
    }
    auto aLabel = ToALabel(base::FromUtf8(rule));
    if (aLabel) set->insert(std::move(aLabel.value()));
  }
  return rules;
}

bool PublicSuffixRules::IsPublicSuffix(std::string_view aLabel, bool implicit) const {
  const std::string name(aLabel);
  if (exception_.contains(name)) return false;
  // A wildcard's own parent counts as a suffix too ("sch.uk" under "*.sch.uk"), as libpsl reads
  // the list: nobody registers the name a wildcard stands under.
  if (normal_.contains(name) || wildcard_.contains(name)) return true;
  const std::size_t dot = name.find('.');
  if (dot == std::string::npos) return implicit && !name.empty();
  return wildcard_.contains(name.substr(dot + 1));
}

}  // namespace names
