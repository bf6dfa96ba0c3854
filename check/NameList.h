// A list of names as a front end reads it, one line at a time: each line is cleaned by the
// window's own cleaning (spaces, "http://", "www.") and lower-cased; a line left blank is
// skipped, and a name seen before is dropped, so each name stays once, where it first appeared.
// It does not judge whether a name can be a domain name; NameRules does.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace check {

class NameList {
 public:
  // line holds no line break.
  void AddLine(std::u16string_view line);

  const std::vector<std::u16string>& Names() const { return names_; }

 private:
  std::vector<std::u16string> names_;
  std::unordered_set<std::u16string> seen_;
};

// One line as the list keeps it: cleaned and lower-cased; empty when nothing is left.
std::u16string CleanName(std::u16string_view line);

}  // namespace check
