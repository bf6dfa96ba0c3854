// The Public Suffix List's ICANN rules, read from the list's text, and the list's algorithm
// over them as libpsl applies it: normal, wildcard ("*.ck", which makes "ck" a suffix too) and
// exception ("!www.ck") rules, and the implicit "*" that makes any top-level label a suffix. Rules
// in Unicode are kept as A-labels, since names are asked in that form. It does not read the private
// section, and it reads no file.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace names {

class PublicSuffixRules {
 public:
  // The rules between the list's "===BEGIN ICANN DOMAINS===" and "===END ICANN DOMAINS===".
  // A rule that cannot be converted to A-labels is left out.
  static PublicSuffixRules Parse(std::string_view list);

  // `implicit`: any top-level label is a suffix too, as the list's algorithm has it.
  bool IsPublicSuffix(std::string_view aLabel, bool implicit = true) const;
  std::size_t Size() const { return normal_.size() + wildcard_.size() + exception_.size(); }

 private:
  std::unordered_set<std::string> normal_;
  std::unordered_set<std::string> wildcard_;   // "ck" for "*.ck"
  std::unordered_set<std::string> exception_;  // "www.ck" for "!www.ck"
};

}  // namespace names
