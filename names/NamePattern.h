// A pattern that makes names, in a small language of its own, and the names it makes, one after
// another and never all at once. Uppercase letters are classes (lowercase text is literal, as
// names are lower-cased anyway), and every other sign is one a shell passes on unquoted:
//   L any letter   D any digit   C consonant   V vowel (a e i o u)
//   I a letter that begins a pinyin initial   P a pinyin syllable   W a word of the word list
//   /a-f/  /0-3,7/  /get,try/   one of: a range, a character or a piece of text, and so on
//   X:3  X:2-4                  the item before, three times, or two to four times
//   D=AABB  P=ABAB              a class in a shape: equal letters take the same value,
//                               different letters different values
//   +                           joins items and means nothing (D=AB+L)
// It does not read files, check names with a registry or drop names seen before.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"
#include "names/Pinyin.h"

namespace names {

// What every name a pattern makes must also be.
struct PatternFilters {
  std::u16string without;  // characters no name may hold
  bool mixed = false;      // letters and digits both
  // Characters of the first label.
  std::size_t minLength = 0;
  std::size_t maxLength = SIZE_MAX;
};

// Whether the filters keep a name made or read elsewhere: they look at its first label.
bool KeptByFilters(std::u16string_view name, const PatternFilters& filters);

class NamePattern {
 public:
  // Most shapes a pattern may branch into (counts, alternatives with classes in them).
  static constexpr std::size_t kMaxShapes = 4096;

  // Fails with "at character N: " and what is wrong there. words: the list W draws from,
  // cleaned already.
  static base::Result<NamePattern> Read(std::u16string_view text,
                                       std::span<const std::u16string> words = {},
                                       const PatternFilters& filters = {});

  struct Count {
    std::uint64_t names = 0;  // at most UINT64_MAX
    // False when the filters or the name rules leave out an unknown part of the names:
    // `names` is then what the pattern makes before them.
    bool exact = true;
  };
  // Counts by arithmetic where it can, else by making the names, at most `budget` of them.
  // A name made two ways ("fang"+"an", "fan"+"gan") counts twice: see MayRepeat.
  Count CountNames(std::uint64_t budget) const;
  // Whether two ways through the pattern may make the same name: it has more than one shape,
  // or a slot whose texts differ in length.
  bool MayRepeat() const;

  class Cursor;
  // The names in order, as a Cursor makes them; the pattern must outlive it.
  Cursor Names() const;

  struct Slot;
  struct Shape;

 private:
  std::vector<std::shared_ptr<Shape>> shapes_;
  PatternFilters filters_;
  // Each slot's texts go shortest first (a length filter, or names that may be too long).
  bool byLength_ = false;
};

class NamePattern::Cursor {
 public:
  // Writes the next name into `name`; false once there is none left.
  bool Next(std::u16string& name);

 private:
  friend class NamePattern;
  Cursor(const NamePattern& pattern) : pattern_(&pattern) {}
  bool Advance();
  std::size_t Bump(std::size_t at);
  std::size_t Clash() const;
  struct Decided {
    std::size_t slot = SIZE_MAX;
    bool byLength = false;  // the name is too long or too short, whatever its letters
    bool tooLong = false;
  };
  Decided DecidedAt() const;
  // skipAt_ when no name is left in the shape.
  static constexpr std::size_t kShapeDone = SIZE_MAX - 1;
  void Render(std::size_t from);

  const NamePattern* pattern_;
  std::size_t shape_ = 0;
  bool started_ = false;
  std::size_t skipAt_ = SIZE_MAX;    // a slot by which the last name failed
  std::vector<std::size_t> choice_;  // by slot
  std::vector<std::size_t> offset_;  // where each slot's text starts in text_
  std::u16string text_;
};

}  // namespace names
