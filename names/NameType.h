// The types name investors sort names by (域名类型), read from a name's first label:
//   digits    数字  only digits          letters  字母  only letters
//   mixed     杂米  letters and digits   han      中文  only Chinese characters
//   pinyin1 pinyin2 pinyin3 ...  单拼 双拼 三拼  the fewest pinyin syllables the letters split
//             into: "xian" is pinyin1 (xian rather than xi+an), "fangan" pinyin2
//   initials  声母  only the 20 letters a pinyin initial begins with (双声 三声 四声: 2, 3, 4 of
//   them) AABB, ABAB, ...  the shape: equal characters take the same capital, in order of first use
// A type may carry a length in characters: digits:3, letters:4-5.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"

namespace names {

struct NameType {
  enum class Kind { Digits, Letters, Mixed, Han, Other };
  Kind kind = Kind::Other;
  std::size_t length = 0;     // characters of the first label
  std::size_t syllables = 0;  // the fewest pinyin syllables; 0 when the letters are not pinyin
  bool initials = false;
  std::u16string shape;  // empty past 26 different characters
};

// The type of a lowercase name, or of a first label alone.
NameType TypeOf(std::u16string_view name);

// The type as the type column writes it: "digits:4", "pinyin2", "initials", and the shape of a
// label of 2 to 8 characters that holds at most half as many different ones, rounded up ("AAB",
// "AABB", "AABBCC").
std::vector<std::string> TypeWords(const NameType& type);

// Which types a run keeps: alternatives joined by ',', each a type or several joined by '+'
// that must all hold ("digits:4+AABB"); "any" keeps every name. The Chinese names above are
// read as the English ones.
class TypeFilter {
 public:
  // Fails naming the word it cannot read.
  static base::Result<TypeFilter> Read(std::string_view text);

  bool Keeps(const NameType& type) const;

 private:
  struct Term {
    enum class What { Any, Kind, Pinyin, Initials, Shape };
    What what = What::Any;
    NameType::Kind kind = NameType::Kind::Other;  // Kind
    std::size_t syllables = 0;  // Pinyin: 0 any number
    std::u16string shape;
    std::size_t minLength = 0;
    std::size_t maxLength = SIZE_MAX;
  };
  static bool Holds(const Term& term, const NameType& type);

  std::vector<std::vector<Term>> alternatives_;
};

}  // namespace names
