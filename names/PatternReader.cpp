#include "names/PatternParts.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

#include "base/LowerCase.h"
#include "base/Text.h"
#include "names/NameRules.h"

namespace names {
namespace {

constexpr std::size_t kMaxCount = 63;

// The classes of single letters: any, digits, consonants, vowels, pinyin initials.
constexpr std::pair<char32_t, std::u16string_view> kLetterClasses[] = {
    {U'L', u"abcdefghijklmnopqrstuvwxyz"}, {U'D', u"0123456789"},
    {U'C', u"bcdfghjklmnpqrstvwxyz"},      {U'V', u"aeiou"},
    {U'I', kPinyinInitials},
};

constexpr const char* kTooManyShapes =
    "the pattern branches into more than 4096 shapes; split it into several --pattern";

std::shared_ptr<const Choices> Letters(std::u16string_view letters) {
  auto choices = std::make_shared<Choices>();
  for (char16_t c : letters) choices->emplace_back(1, c);
  return choices;
}

NamePattern::Slot SlotOf(std::shared_ptr<const Choices> choices) {
  NamePattern::Slot slot;
  slot.choices = std::move(choices);
  return slot;
}

NamePattern::Slot Text(std::u16string text) {
  return SlotOf(std::make_shared<const Choices>(Choices{std::move(text)}));
}

Row Joined(const Row& a, const Row& b) {
  Row row = a;
  const int shift = static_cast<int>(a.size());
  for (NamePattern::Slot slot : b) {
    if (slot.tie >= 0) slot.tie += shift;
    for (int& other : slot.distinct) other += shift;
    row.push_back(std::move(slot));
  }
  return row;
}

bool IsAsciiLetter(char32_t c) {
  return c >= U'a' && c <= U'z';
}

class Reader {
 public:
  Reader(std::u16string_view text, std::span<const std::u16string> words)
      : points_(base::CodePoints(text)), words_(words) {}

  base::Result<Rows> Read() {
    // A character no name can hold is refused before any shape is made, however many the
    // counts before it would make.
    for (at_ = 0; at_ < points_.size(); ++at_) {
      const char32_t c = points_[at_];
      if (!IsNameCharacter(c) && std::u32string_view(U"/,:=+.").find(c) == std::u32string::npos) {
        CannotBeInAName(c);
        return base::Failure{error_};
      }
    }
    at_ = 0;
    Rows rows{Row{}};
    if (!Sequence(rows, false)) return base::Failure{error_};
    if (at_ < points_.size()) {
      Fail("'/' with no group to close");
      return base::Failure{error_};
    }
    return rows;
  }

 private:
  // Items up to the end, or in a group up to its next ',' or '/'; each item's rows join the
  // rows so far.
  bool Sequence(Rows& rows, bool inGroup) {
    while (at_ < points_.size()) {
      const char32_t c = points_[at_];
      if (inGroup && (c == U',' || c == U'/')) return true;
      if (c == U'+') {
        ++at_;
        continue;
      }
      const std::size_t start = at_;
      std::optional<Rows> item = Item(inGroup);
      if (!item) return false;
      if (!Repeat(*item, start)) return false;
      Rows joined;
      for (const Row& row : rows) {
        for (const Row& more : *item) {
          if (joined.size() >= NamePattern::kMaxShapes) {
            at_ = start;
            return Fail(kTooManyShapes);
          }
          joined.push_back(Joined(row, more));
        }
      }
      rows = std::move(joined);
    }
    return true;
  }

  std::optional<Rows> Item(bool inGroup) {
    const char32_t c = points_[at_];
    if (c >= U'A' && c <= U'Z') return Class();
    if (c == U'/') {
      if (inGroup) return Fail("a group cannot hold a group"), std::nullopt;
      return Group();
    }
    if (c == U':') return Fail("':' with nothing before it to count"), std::nullopt;
    if (c == U'=') return Fail("'=' with no class before it"), std::nullopt;
    if (c == U'.' || IsNameCharacter(c)) {
      ++at_;
      const char32_t lower = c < 0x80 ? c : base::ToLower(c);
      const std::u16string text = base::Utf16(std::u32string_view(&lower, 1));
      return Rows{Row{Text(text)}};
    }
    CannotBeInAName(c);
    return std::nullopt;
  }

  void CannotBeInAName(char32_t c) {
    Fail(c >= 0x20 && c < 0x7F ? std::string("'") + static_cast<char>(c) + "' cannot be in a name"
                               : "this character cannot be in a name");
  }

  std::optional<Rows> Class() {
    const char32_t c = points_[at_];
    std::shared_ptr<const Choices> choices;
    for (const auto& [name, letters] : kLetterClasses) {
      if (c == name) choices = Letters(letters);
    }
    if (c == U'P') {
      const std::span<const std::u16string_view> syllables = PinyinSyllables();
      choices = std::make_shared<const Choices>(syllables.begin(), syllables.end());
    }
    if (c == U'W') {
      if (words_.empty()) return Fail("W needs a word list (--words FILE)"), std::nullopt;
      choices = std::make_shared<const Choices>(words_.begin(), words_.end());
    }
    if (!choices) {
      return Fail(std::string("no class '") + static_cast<char>(c) +
                  "' (L D C V I P W are the classes; lowercase text is literal)"),
             std::nullopt;
    }
    ++at_;
    if (at_ < points_.size() && points_[at_] == U'=') return Shaped(std::move(choices));
    return Rows{Row{SlotOf(std::move(choices))}};
  }

  // D=AABB: one slot per letter; the first of each letter is free and differs from the first
  // of every other letter, the rest repeat it.
  std::optional<Rows> Shaped(std::shared_ptr<const Choices> choices) {
    ++at_;
    Row row;
    std::map<char32_t, int> first;
    std::vector<int> free;
    while (at_ < points_.size() && points_[at_] >= U'A' && points_[at_] <= U'Z') {
      NamePattern::Slot slot = SlotOf(choices);
      const auto [found, isNew] = first.emplace(points_[at_], static_cast<int>(row.size()));
      if (isNew) {
        slot.distinct = free;
        free.push_back(found->second);
      } else {
        slot.tie = found->second;
      }
      row.push_back(std::move(slot));
      ++at_;
    }
    if (row.empty()) return Fail("'=' needs a shape of uppercase letters (D=AABB)"), std::nullopt;
    if (row.size() > kMaxCount) return Fail("a shape longer than 63"), std::nullopt;
    if (at_ < points_.size() && points_[at_] == U':') {
      return Fail("a shape takes no count; write the letters out"), std::nullopt;
    }
    return Rows{std::move(row)};
  }

  // /a-f/, /0-3,7/, /get,try/, /DD,L/: one of its parts. Parts of plain text make one slot;
  // with a class in any part, each part makes rows of its own.
  std::optional<Rows> Group() {
    const std::size_t open = at_++;
    Rows rows;
    for (;;) {
      if (!Range(rows)) {
        Rows part{Row{}};
        if (!Sequence(part, true)) return std::nullopt;
        rows.insert(rows.end(), part.begin(), part.end());
      }
      if (at_ >= points_.size()) {
        at_ = open;
        return Fail("'/' opens a group that is not closed"), std::nullopt;
      }
      if (rows.size() > NamePattern::kMaxShapes) {
        return Fail(kTooManyShapes), std::nullopt;
      }
      if (points_[at_++] == U'/') break;
    }
    if (!std::all_of(rows.begin(), rows.end(), IsPlainText)) return rows;
    Choices texts;
    for (const Row& row : rows) {
      std::u16string text;
      for (const NamePattern::Slot& slot : row) text += slot.choices->front();
      if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(text);
    }
    return Rows{Row{SlotOf(std::make_shared<const Choices>(std::move(texts)))}};
  }

  // a-f or 0-9 alone between the group's signs.
  bool Range(Rows& rows) {
    if (at_ + 3 >= points_.size() || points_[at_ + 1] != U'-') return false;
    const char32_t from = points_[at_], to = points_[at_ + 2], after = points_[at_ + 3];
    if (after != U',' && after != U'/') return false;
    const bool letters = IsAsciiLetter(from) && IsAsciiLetter(to);
    if (!(letters || (IsDigit(from) && IsDigit(to))) || from > to) return false;
    for (char32_t c = from; c <= to; ++c) {
      rows.push_back(Row{Text(base::Utf16(std::u32string_view(&c, 1)))});
    }
    at_ += 3;
    return true;
  }

  static bool IsPlainText(const Row& row) {
    return std::all_of(row.begin(), row.end(), [](const NamePattern::Slot& slot) {
      return slot.tie < 0 && slot.choices->size() == 1;
    });
  }

  // X:3 or X:2-4 after an item: its rows repeated, each repetition choosing on its own.
  bool Repeat(Rows& item, std::size_t start) {
    if (at_ >= points_.size() || points_[at_] != U':') return true;
    ++at_;
    const auto low = Number();
    if (!low) return Fail("':' needs a count (X:3) or a range of counts (X:2-4)");
    std::size_t high = *low;
    if (at_ < points_.size() && points_[at_] == U'-') {
      ++at_;
      const auto upper = Number();
      if (!upper) return Fail("'-' needs the highest count (X:2-4)");
      high = *upper;
    }
    if (high > kMaxCount) return Fail("a count above 63");
    if (high < *low || high == 0) return Fail("an empty range of counts");
    Rows repeated;
    Rows power{Row{}};
    for (std::size_t k = 0; k <= high; ++k) {
      if (k >= *low) repeated.insert(repeated.end(), power.begin(), power.end());
      if (k == high) break;
      Rows next;
      for (const Row& row : power) {
        for (const Row& more : item) {
          if (next.size() + repeated.size() >= NamePattern::kMaxShapes) {
            at_ = start;
            return Fail(kTooManyShapes);
          }
          next.push_back(Joined(row, more));
        }
      }
      power = std::move(next);
    }
    item = std::move(repeated);
    return true;
  }

  std::optional<std::size_t> Number() {
    std::size_t value = 0;
    const std::size_t first = at_;
    while (at_ < points_.size() && IsDigit(points_[at_]) && at_ - first < 4) {
      value = value * 10 + (points_[at_++] - U'0');
    }
    if (at_ == first) return std::nullopt;
    return value;
  }

  bool Fail(const std::string& message) {
    error_ = "at character " + std::to_string(at_ + 1) + ": " + message;
    return false;
  }

  std::u32string points_;
  std::span<const std::u16string> words_;
  std::size_t at_ = 0;
  std::string error_;
};

}  // namespace

base::Result<Rows> ReadPatternRows(std::u16string_view text,
                                   std::span<const std::u16string> words) {
  return Reader(text, words).Read();
}

}  // namespace names
