// A list of names as a front end reads it, one line at a time: each line is cleaned by the
// window's own cleaning (spaces, "http://", "www.") and lower-cased, and a keyword (a line
// without a dot) may become a name under each of the user's suffixes; a line left blank is
// skipped, and a name seen before is dropped, so each name stays once, where it first appeared.
// It does not judge whether a name can be a domain name; NameRules does.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

namespace check {

class NameList {
 public:
  // Every line without a dot becomes one name per suffix, in their order ("shop" with com and
  // cn: shop.com, shop.cn); lines with a dot stay as they are. The suffixes are cleaned already.
  void SetSuffixes(std::vector<std::u16string> suffixes) { suffixes_ = std::move(suffixes); }

  // line holds no line break.
  void AddLine(std::u16string_view line);

  const std::vector<std::u16string>& Names() const { return names_; }

 private:
  void Add(std::u16string name);

  std::vector<std::u16string> suffixes_;
  std::vector<std::u16string> names_;
  std::unordered_set<std::u16string> seen_;
};

// One line as the list keeps it: cleaned and lower-cased; empty when nothing is left.
std::u16string CleanName(std::u16string_view line);

}  // namespace check
