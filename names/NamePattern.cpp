#include "names/NamePattern.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <utility>

#include "base/LowerCase.h"
#include "names/NameRules.h"

namespace names {

using Choices = std::vector<std::u16string>;

// One position of a shape: the texts it takes, or the value of an earlier slot it repeats.
struct NamePattern::Slot {
  std::shared_ptr<const Choices> choices;
  int tie = -1;
  // Earlier slots whose values this one differs from (the letters of a shape).
  std::vector<int> distinct;
};

// One way through the pattern, with every count and alternative fixed: a row of slots, and
// what the filters and the name rules make of all its names where that is known without making
// them.
struct NamePattern::Shape {
  enum class Verdict { All, None, Each };
  std::vector<Slot> slots;
  Verdict verdict = Verdict::Each;
  std::uint64_t names = 0;  // before the filters
  bool hasDistinct = false;
  // From each slot to the end: the most and the fewest characters, the fewest the label it
  // begins in still takes, and whether a digit or a letter can come.
  std::vector<std::size_t> longestFrom, shortestFrom, shortestLabelFrom;
  std::vector<bool> digitFrom, letterFrom;
  // By slot: whether its texts differ in length.
  std::vector<bool> varies;
};

namespace {

constexpr std::u16string_view kPinyin[] = {
#include "PinyinSyllables.inc"
};

constexpr std::size_t kMaxCount = 63;

// The classes of single letters: any, digits, consonants, vowels, pinyin initials.
constexpr std::pair<char32_t, std::u16string_view> kLetterClasses[] = {
    {U'L', u"abcdefghijklmnopqrstuvwxyz"}, {U'D', u"0123456789"},
    {U'C', u"bcdfghjklmnpqrstvwxyz"},      {U'V', u"aeiou"},
    {U'I', u"bcdfghjklmnpqrstwxyz"},
};

constexpr const char* kTooManyShapes =
    "the pattern branches into more than 4096 shapes; split it into several --pattern";
constexpr std::uint64_t kMax64 = std::numeric_limits<std::uint64_t>::max();

std::uint64_t Times(std::uint64_t a, std::uint64_t b) {
  if (a == 0 || b == 0) return 0;
  return a > kMax64 / b ? kMax64 : a * b;
}

std::uint64_t Plus(std::uint64_t a, std::uint64_t b) {
  return a > kMax64 - b ? kMax64 : a + b;
}

std::u16string Utf16(char32_t c) {
  if (c < 0x10000) return std::u16string(1, static_cast<char16_t>(c));
  c -= 0x10000;
  return {static_cast<char16_t>(0xD800 + (c >> 10)), static_cast<char16_t>(0xDC00 + (c & 0x3FF))};
}

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

// A row of slots, and the rows one item may make.
using Row = std::vector<NamePattern::Slot>;
using Rows = std::vector<Row>;

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
bool IsDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}

class Reader {
 public:
  Reader(std::u16string_view text, std::span<const std::u16string> words)
      : points_(CodePoints(text)), words_(words) {}

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
      const std::u16string text = Utf16(c < 0x80 ? c : base::ToLower(c));
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
    if (c == U'P')
      choices = std::make_shared<const Choices>(std::begin(kPinyin), std::end(kPinyin));
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
      rows.push_back(Row{Text(Utf16(c))});
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

std::size_t Characters(std::u16string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char16_t c) { return c < 0xDC00 || c > 0xDFFF; }));
}

bool HasLetter(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char16_t c) { return c != u'-' && c != u'.' && !IsDigit(c); });
}
bool HasDigit(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) { return IsDigit(c); });
}

// What a slot's texts may and must hold, for the verdict on a whole shape.
struct Traits {
  bool allLetter = true, anyLetter = false, allDigit = true, anyDigit = false;
  bool risky = false;  // a hyphen, a dot or a character above ASCII: only the names can tell
  std::size_t shortest = SIZE_MAX, longest = 0;
};

Traits TraitsOf(const Choices& choices) {
  Traits traits;
  for (const std::u16string& text : choices) {
    const bool letter = HasLetter(text), digit = HasDigit(text);
    traits.allLetter = traits.allLetter && letter;
    traits.anyLetter = traits.anyLetter || letter;
    traits.allDigit = traits.allDigit && digit;
    traits.anyDigit = traits.anyDigit || digit;
    traits.risky = traits.risky || std::any_of(text.begin(), text.end(), [](char16_t c) {
                     return c == u'-' || c == u'.' || c >= 0x80;
                   });
    traits.shortest = std::min(traits.shortest, Characters(text));
    traits.longest = std::max(traits.longest, Characters(text));
  }
  return traits;
}

// Whether labels with characters above ASCII can fit in 63 octets in their "xn--" form. Where
// such characters come only from slots of one text, the form grows with every letter the other
// slots add, so the name of each slot's shortest text tells for all.
bool InternationalLabelsFit(const NamePattern::Shape& shape) {
  std::u16string shortest;
  for (const NamePattern::Slot& slot : shape.slots) {
    const Choices& choices = *slot.choices;
    if (choices.empty()) return true;
    const auto above = [](const std::u16string& text) {
      return std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x80; });
    };
    if (std::any_of(choices.begin(), choices.end(), above) && choices.size() > 1) return true;
    shortest += *std::min_element(choices.begin(), choices.end(), [](const auto& a, const auto& b) {
      return Characters(a) < Characters(b);
    });
  }
  for (std::size_t start = 0; start <= shortest.size();) {
    const std::size_t end = std::min(shortest.find(u'.', start), shortest.size());
    if (LabelOctets(CodePoints(std::u16string_view(shortest).substr(start, end - start))) >
        kMaxLabelOctets) {
      return false;
    }
    start = end + 1;
  }
  return true;
}

// The fewest characters a slot and the slots after it add to the label the slot begins in: up
// to its first dot, or all of it and what the slots after it add.
std::size_t ShortestLabelFrom(const Choices& choices, std::size_t after) {
  if (choices.empty()) return 0;
  std::size_t fewest = SIZE_MAX;
  for (const std::u16string& text : choices) {
    const std::size_t dot = text.find(u'.');
    const std::u16string_view label = std::u16string_view(text).substr(0, dot);
    fewest = std::min(fewest, Characters(label) + (dot == std::u16string::npos ? after : 0));
  }
  return fewest;
}

NamePattern::Shape::Verdict Judge(NamePattern::Shape& shape, const PatternFilters& filters) {
  using Verdict = NamePattern::Shape::Verdict;
  const std::size_t n = shape.slots.size();
  shape.longestFrom.assign(n + 1, 0);
  shape.shortestFrom.assign(n + 1, 0);
  shape.shortestLabelFrom.assign(n + 1, 0);
  shape.digitFrom.assign(n + 1, false);
  shape.letterFrom.assign(n + 1, false);
  shape.varies.assign(n, false);
  bool sureLetter = false, sureDigit = false, risky = false;
  std::size_t shortest = 0;
  for (std::size_t j = n; j-- > 0;) {
    const Traits traits = TraitsOf(*shape.slots[j].choices);
    shape.varies[j] = traits.shortest != traits.longest;
    shape.longestFrom[j] = shape.longestFrom[j + 1] + traits.longest;
    shape.shortestFrom[j] = shape.shortestFrom[j + 1] + std::min(traits.shortest, kMaxNameOctets);
    shape.shortestLabelFrom[j] =
        ShortestLabelFrom(*shape.slots[j].choices, shape.shortestLabelFrom[j + 1]);
    shape.digitFrom[j] = shape.digitFrom[j + 1] || traits.anyDigit;
    shape.letterFrom[j] = shape.letterFrom[j + 1] || traits.anyLetter;
    sureLetter = sureLetter || traits.allLetter;
    sureDigit = sureDigit || traits.allDigit;
    risky = risky || traits.risky;
    shortest += traits.shortest;
  }
  if (shape.names == 0 || !InternationalLabelsFit(shape)) return Verdict::None;
  // A name cannot end with a hyphen, nor with a dot (an empty label).
  if (n > 0 && std::all_of(shape.slots[n - 1].choices->begin(), shape.slots[n - 1].choices->end(),
                           [](const std::u16string& text) {
                             return text.ends_with(u'-') || text.ends_with(u'.');
                           })) {
    return Verdict::None;
  }
  const std::size_t longest = shape.longestFrom[0];
  const bool maybeLetter = shape.letterFrom[0], maybeDigit = shape.digitFrom[0];
  if (longest == 0 || (filters.mixed && !(maybeLetter && maybeDigit))) return Verdict::None;
  bool each = (filters.mixed && !(sureLetter && sureDigit)) || risky || longest > kMaxLabelOctets;
  if (!risky && (shortest > filters.maxLength || longest < filters.minLength)) return Verdict::None;
  each = each || shortest == 0 || shortest < filters.minLength || longest > filters.maxLength;
  return each ? Verdict::Each : Verdict::All;
}

// A name's labels obey the name rules: none empty, none longer than 63 octets, no hyphen first
// or last, nor in the third and fourth places but in an A-label that decodes; 253 octets in all.
bool ObeysNameRules(std::u16string_view name) {
  std::size_t octets = 0;
  for (std::size_t start = 0; start <= name.size();) {
    std::size_t end = name.find(u'.', start);
    if (end == std::u16string_view::npos) end = name.size();
    const std::u16string_view label = name.substr(start, end - start);
    if (label.empty() || LabelReason(label)) return false;
    const bool ascii = std::all_of(label.begin(), label.end(), [](char16_t c) { return c < 0x80; });
    const std::size_t length = ascii ? label.size() : LabelOctets(CodePoints(label));
    if (length > kMaxLabelOctets) return false;
    octets += length + (start > 0 ? 1 : 0);
    start = end + 1;
  }
  return octets <= kMaxNameOctets;
}

bool Passes(std::u16string_view name, const PatternFilters& filters) {
  const std::u16string_view label = name.substr(0, name.find(u'.'));
  if (filters.mixed && !(HasLetter(label) && HasDigit(label))) return false;
  const std::size_t length = Characters(label);
  if (length < filters.minLength || length > filters.maxLength) return false;
  return ObeysNameRules(name);
}

std::shared_ptr<const Choices> Without(const std::shared_ptr<const Choices>& choices,
                                       std::u16string_view without) {
  auto kept = std::make_shared<Choices>();
  for (const std::u16string& text : *choices) {
    const std::u16string_view label = std::u16string_view(text).substr(0, text.find(u'.'));
    if (label.find_first_of(without) == std::u16string::npos) kept->push_back(text);
  }
  return kept;
}

}  // namespace

std::span<const std::u16string_view> PinyinSyllables() {
  return kPinyin;
}

base::Result<NamePattern> NamePattern::Read(std::u16string_view text,
                                           std::span<const std::u16string> words,
                                           const PatternFilters& filters) {
  if (text.empty()) return base::Failure{"an empty pattern"};
  auto rows = Reader(text, words).Read();
  if (!rows) return base::Failure{rows.error()};
  NamePattern pattern;
  pattern.filters_ = filters;
  pattern.filters_.without = base::ToLower(filters.without);
  std::map<const Choices*, std::shared_ptr<const Choices>> pruned;
  for (Row& row : rows.value()) {
    auto shape = std::make_shared<Shape>();
    shape->names = 1;
    // The filters look at the labels the pattern makes, not at a suffix written in it: from
    // the first text with a dot on, only what stands before that dot is filtered.
    bool inSuffix = false;
    for (Slot& slot : row) {
      if (!pattern.filters_.without.empty() && !inSuffix) {
        auto& kept = pruned[slot.choices.get()];
        if (!kept) kept = Without(slot.choices, pattern.filters_.without);
        slot.choices = kept;
      }
      inSuffix = inSuffix || std::any_of(slot.choices->begin(), slot.choices->end(),
                                         [](const std::u16string& text) {
                                           return text.find(u'.') != std::u16string::npos;
                                         });
      if (slot.tie < 0) {
        const std::size_t n = slot.choices->size();
        const std::size_t taken = slot.distinct.size();
        shape->names = Times(shape->names, n > taken ? n - taken : 0);
      }
      shape->hasDistinct = shape->hasDistinct || !slot.distinct.empty();
    }
    shape->slots = std::move(row);
    pattern.shapes_.push_back(std::move(shape));
  }
  // Where names may be too long or too short, each slot's texts go shortest first, so that the
  // first one too long ends its slot's turn. The verdicts do not depend on the order.
  for (const std::shared_ptr<Shape>& shape : pattern.shapes_) {
    shape->verdict = Judge(*shape, pattern.filters_);
  }
  pattern.byLength_ =
      filters.minLength > 0 || filters.maxLength != SIZE_MAX ||
      std::any_of(pattern.shapes_.begin(), pattern.shapes_.end(),
                  [](const auto& shape) { return shape->longestFrom[0] > kMaxLabelOctets; });
  if (!pattern.byLength_) return pattern;
  std::map<const Choices*, std::shared_ptr<const Choices>> sorted;
  for (const std::shared_ptr<Shape>& shape : pattern.shapes_) {
    for (Slot& slot : shape->slots) {
      auto& shortestFirst = sorted[slot.choices.get()];
      if (!shortestFirst) {
        auto copy = std::make_shared<Choices>(*slot.choices);
        std::stable_sort(copy->begin(), copy->end(), [](const auto& a, const auto& b) {
          return Characters(a) < Characters(b);
        });
        shortestFirst = std::move(copy);
      }
      slot.choices = shortestFirst;
    }
  }
  return pattern;
}

NamePattern::Count NamePattern::CountNames(std::uint64_t budget) const {
  Count count;
  for (std::size_t i = 0; i < shapes_.size(); ++i) {
    const Shape& shape = *shapes_[i];
    if (shape.verdict == Shape::Verdict::None) continue;
    if (shape.verdict == Shape::Verdict::All || shape.names > budget) {
      count.names = Plus(count.names, shape.names);
      count.exact = count.exact && shape.verdict == Shape::Verdict::All;
      continue;
    }
    budget -= shape.names;
    NamePattern one;
    one.shapes_ = {shapes_[i]};
    one.filters_ = filters_;
    Cursor names = one.Names();
    std::u16string name;
    while (names.Next(name)) count.names = Plus(count.names, 1);
  }
  return count;
}

bool NamePattern::MayRepeat() const {
  if (shapes_.size() > 1) return true;
  return std::any_of(shapes_.begin(), shapes_.end(), [](const std::shared_ptr<Shape>& shape) {
    return std::any_of(shape->slots.begin(), shape->slots.end(), [](const Slot& slot) {
      const Choices& texts = *slot.choices;
      return std::any_of(texts.begin(), texts.end(), [&texts](const std::u16string& text) {
        return text.size() != texts.front().size();
      });
    });
  });
}

NamePattern::Cursor NamePattern::Names() const {
  return Cursor(*this);
}

bool NamePattern::Cursor::Next(std::u16string& name) {
  while (Advance()) {
    const Shape& shape = *pattern_->shapes_[shape_];
    if (shape.verdict == Shape::Verdict::Each) {
      // A name whose first slots already break a rule is passed over with every name that
      // shares them; one too long or too short, with every name whose slots of fixed length
      // alone differ.
      const Decided decided = DecidedAt();
      if (decided.slot != SIZE_MAX) {
        skipAt_ = decided.slot;
        if (decided.byLength) {
          while (skipAt_ != SIZE_MAX && !(shape.slots[skipAt_].tie < 0 && shape.varies[skipAt_])) {
            skipAt_ = skipAt_ == 0 ? SIZE_MAX : skipAt_ - 1;
          }
          if (skipAt_ == SIZE_MAX) {
            skipAt_ = kShapeDone;
          } else if (decided.tooLong && pattern_->byLength_) {
            // The slot's texts go shortest first: every one after this is too long as well.
            choice_[skipAt_] = shape.slots[skipAt_].choices->size() - 1;
          }
        }
        continue;
      }
      if (!Passes(text_, pattern_->filters_)) continue;
    }
    name.assign(text_);
    return true;
  }
  return false;
}

// Moves to the next choice of every slot that keeps the shape's letters apart, and writes it.
bool NamePattern::Cursor::Advance() {
  const auto& shapes = pattern_->shapes_;
  while (shape_ < shapes.size()) {
    const Shape& shape = *shapes[shape_];
    const std::vector<Slot>& slots = shape.slots;
    if (shape.verdict == Shape::Verdict::None) {
      ++shape_;
      continue;
    }
    std::size_t from = 0;
    if (!started_) {
      started_ = true;
      choice_.assign(slots.size(), 0);
      offset_.assign(slots.size() + 1, 0);
      text_.clear();
    } else {
      from = skipAt_ == kShapeDone ? SIZE_MAX : Bump(std::min(skipAt_, slots.size() - 1));
      skipAt_ = SIZE_MAX;
    }
    while (from != SIZE_MAX && shape.hasDistinct) {
      const std::size_t clash = Clash();
      if (clash == SIZE_MAX) break;
      const std::size_t bumped = Bump(clash);
      from = bumped == SIZE_MAX ? SIZE_MAX : std::min(from, bumped);
    }
    if (from == SIZE_MAX) {
      ++shape_;
      started_ = false;
      continue;
    }
    Render(from);
    return true;
  }
  return false;
}

// Moves the free slot at or before `at` to its next choice, and every free slot after it back
// to its first; the place of the slot moved, or SIZE_MAX when the shape has no more.
std::size_t NamePattern::Cursor::Bump(std::size_t at) {
  const std::vector<Slot>& slots = pattern_->shapes_[shape_]->slots;
  for (std::size_t i = at + 1; i-- > 0;) {
    if (slots[i].tie >= 0) continue;
    if (++choice_[i] < slots[i].choices->size()) {
      std::fill(choice_.begin() + static_cast<std::ptrdiff_t>(i) + 1, choice_.end(), 0);
      return i;
    }
    choice_[i] = 0;
  }
  return SIZE_MAX;
}

// The first slot that takes the value of a slot it must differ from, or SIZE_MAX.
std::size_t NamePattern::Cursor::Clash() const {
  const std::vector<Slot>& slots = pattern_->shapes_[shape_]->slots;
  for (std::size_t j = 0; j < slots.size(); ++j) {
    for (int other : slots[j].distinct) {
      if (choice_[static_cast<std::size_t>(other)] == choice_[j]) return j;
    }
  }
  return SIZE_MAX;
}

// The first slot by which the name written has already failed, whatever the slots after it
// hold; SIZE_MAX when only the whole name can tell.
NamePattern::Cursor::Decided NamePattern::Cursor::DecidedAt() const {
  const Shape& shape = *pattern_->shapes_[shape_];
  const PatternFilters& filters = pattern_->filters_;
  // 1. The labels written so far: a rule broken, or a label, the first label or the name too
  // long already, or once the slots after each have added the fewest characters they can.
  std::size_t failed = SIZE_MAX;
  bool byLength = false, tooLong = false;
  std::size_t start = 0, ascii = 0, other = 0, firstLabel = 0, before = 0;
  bool inFirst = true, allAscii = true;
  // An international label takes "xn--", a hyphen and at least one octet a character more.
  // FIXME: its real length is known only once it is whole, so a pattern whose international
  // labels mostly overflow is walked name by name.
  const auto octets = [&] { return other == 0 ? ascii : 4 + ascii + 1 + other; };
  for (std::size_t i = 0, slot = 0; i < text_.size() && failed == SIZE_MAX; ++i) {
    while (offset_[slot + 1] <= i) ++slot;
    const char16_t c = text_[i];
    if (c == u'.') {
      if (i == start || text_[i - 1] == u'-') failed = i;
      if (inFirst && firstLabel < filters.minLength && failed == SIZE_MAX) {
        failed = i;
        byLength = true;
      }
      before += octets() + 1;
      start = i + 1;
      ascii = other = 0;
      inFirst = false;
      continue;
    }
    const bool lowSurrogate = c >= 0xDC00 && c <= 0xDFFF;
    if (c < 0x80) {
      ++ascii;
    } else if (!lowSurrogate) {
      ++other;
      allAscii = false;
    }
    const bool hyphens34 = i - start == 3 && c == u'-' && text_[i - 1] == u'-' &&
                           !(text_[start] == u'x' && text_[start + 1] == u'n');
    if ((i == start && c == u'-') || hyphens34) failed = i;
    if (failed != SIZE_MAX) break;
    if (!lowSurrogate && inFirst) ++firstLabel;
    const bool slotEnds = i + 1 == offset_[slot + 1];
    const std::size_t toCome = slotEnds ? shape.shortestLabelFrom[slot + 1] : 0;
    const std::size_t nameToCome = slotEnds ? shape.shortestFrom[slot + 1] : 0;
    if (inFirst && firstLabel + toCome > filters.maxLength) {
      failed = i;
      byLength = tooLong = true;
    } else if (octets() + toCome > kMaxLabelOctets) {
      // Octets grow with characters only while the label is ASCII: a longer text in its place
      // may be ASCII where this one is not, and come out shorter.
      failed = i;
      byLength = tooLong = other == 0;
    } else if (before + octets() + nameToCome > kMaxNameOctets) {
      failed = i;
      byLength = tooLong = allAscii;
    }
  }
  std::size_t slot = SIZE_MAX;
  if (failed != SIZE_MAX) {
    slot = static_cast<std::size_t>(std::upper_bound(offset_.begin(), offset_.end(), failed) -
                                    offset_.begin()) -
           1;
  }
  // 2. What the slots after each could still bring: enough characters, a digit, a letter.
  bool digit = false, letter = false, dot = false;
  std::size_t characters = 0;
  for (std::size_t j = 0; j < slot && j < shape.slots.size(); ++j) {
    const std::u16string_view piece =
        std::u16string_view(text_).substr(offset_[j], offset_[j + 1] - offset_[j]);
    digit = digit || HasDigit(piece);
    letter = letter || HasLetter(piece);
    if (!dot) characters += Characters(piece.substr(0, piece.find(u'.')));
    dot = dot || piece.find(u'.') != std::u16string_view::npos;
    const bool short_ = !dot && characters + shape.longestFrom[j + 1] < filters.minLength;
    const bool unmixed = filters.mixed && ((!digit && !shape.digitFrom[j + 1]) ||
                                           (!letter && !shape.letterFrom[j + 1]));
    if (short_ || unmixed) return {j, short_, false};
  }
  return {slot, byLength, tooLong};
}

void NamePattern::Cursor::Render(std::size_t from) {
  const std::vector<Slot>& slots = pattern_->shapes_[shape_]->slots;
  text_.resize(offset_[from]);
  for (std::size_t j = from; j < slots.size(); ++j) {
    offset_[j] = text_.size();
    const Slot& slot = slots[j];
    text_ += (*slot.choices)[slot.tie >= 0 ? choice_[slot.tie] : choice_[j]];
  }
  offset_[slots.size()] = text_.size();
}

}  // namespace names
