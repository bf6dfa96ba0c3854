// A list of names as a front end reads it, one line at a time: each line is cleaned by the
// window's own cleaning (spaces, "http://", "www.") and lower-cased, and a keyword (a line
// without a dot) may become a name under each of the user's suffixes; a line left blank is
// skipped, and a name seen before is dropped, so each name stays once, where it first appeared.
// Names wait in the list only until they are taken: what it keeps of every name is its
// fingerprint (FingerprintSet.h). It does not judge whether a name can be a domain name;
// NameRules does.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "names/FingerprintSet.h"

namespace names {

class NameList {
 public:
  // Every line without a dot becomes one name per suffix, in their order ("shop" with com and
  // cn: shop.com, shop.cn); lines with a dot stay as they are. The suffixes are cleaned already.
  void SetSuffixes(std::vector<std::u16string> suffixes) { suffixes_ = std::move(suffixes); }
  // Room for about this many names without growing.
  void Reserve(std::size_t names) { seen_.Reserve(names); }

  // line holds no line break.
  void AddLine(std::u16string_view line);
  // A name, or a keyword, that is clean and lower-case already.
  void AddClean(std::u16string_view name);

  // The earliest name added and not yet taken; false when none is waiting.
  bool Take(std::u16string& name);
  // How many names there have been, duplicates left out.
  std::size_t Count() const { return seen_.Size(); }

 private:
  void Add(std::u16string name);

  std::vector<std::u16string> suffixes_;
  std::deque<std::u16string> waiting_;
  FingerprintSet seen_;
};

// One line as the list keeps it, lower-cased and empty when nothing is left: spaces removed,
// a URL's scheme, path, query and port dropped, and a "www." at the start. Unlike the window's
// cleaning, which removes "www." and "http://" wherever they stand, it never changes a name
// inside ("newww.com" stays).
std::u16string CleanName(std::u16string_view line);

}  // namespace names
