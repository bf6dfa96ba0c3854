#include "check/NamePattern.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <utility>

#include "check/NameRules.h"
#include "query/LowerCase.h"

namespace check {

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
};

namespace {

constexpr std::u16string_view kPinyin[] = {
#include "PinyinSyllables.inc"
};

constexpr std::size_t kMaxCount = 63;
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

  web::Result<Rows> Read() {
    Rows rows{Row{}};
    if (!Sequence(rows, false)) return web::Failure{error_};
    if (at_ < points_.size()) {
      Fail("'/' with no group to close");
      return web::Failure{error_};
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
            return Fail("the pattern branches into more than 4096 shapes; split it into several "
                        "--pattern");
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
      const std::u16string text = Utf16(c < 0x80 ? c : query::ToLower(c));
      return Rows{Row{Text(text)}};
    }
    Fail(c >= 0x20 && c < 0x7F ? std::string("'") + static_cast<char>(c) + "' cannot be in a name"
                              : "this character cannot be in a name");
    return std::nullopt;
  }

  std::optional<Rows> Class() {
    const char32_t c = points_[at_];
    std::shared_ptr<const Choices> choices;
    switch (c) {
      case U'L':
        choices = Letters(u"abcdefghijklmnopqrstuvwxyz");
        break;
      case U'D':
        choices = Letters(u"0123456789");
        break;
      case U'C':
        choices = Letters(u"bcdfghjklmnpqrstvwxyz");
        break;
      case U'V':
        choices = Letters(u"aeiou");
        break;
      case U'I':
        choices = Letters(u"bcdfghjklmnpqrstwxyz");
        break;
      case U'P':
        choices = std::make_shared<const Choices>(std::begin(kPinyin), std::end(kPinyin));
        break;
      case U'W':
        if (words_.empty()) return Fail("W needs a word list (--words FILE)"), std::nullopt;
        choices = std::make_shared<const Choices>(words_.begin(), words_.end());
        break;
      default:
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
        return Fail("the pattern branches into more than 4096 shapes; split it into several "
                    "--pattern"),
               std::nullopt;
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
            return Fail(
                "the pattern branches into more than 4096 shapes; split it into several "
                "--pattern");
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
  return static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](char16_t c) { return c < 0xDC00 || c > 0xDFFF; }));
}

bool HasLetter(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) {
    return c != u'-' && c != u'.' && !IsDigit(c);
  });
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

NamePattern::Shape::Verdict Judge(const NamePattern::Shape& shape, const PatternFilters& filters) {
  using Verdict = NamePattern::Shape::Verdict;
  if (shape.names == 0) return Verdict::None;
  bool sureLetter = false, sureDigit = false, maybeLetter = false, maybeDigit = false;
  bool risky = false;
  std::size_t shortest = 0, longest = 0;
  for (const NamePattern::Slot& slot : shape.slots) {
    const Traits traits = TraitsOf(*slot.choices);
    sureLetter = sureLetter || traits.allLetter;
    sureDigit = sureDigit || traits.allDigit;
    maybeLetter = maybeLetter || traits.anyLetter;
    maybeDigit = maybeDigit || traits.anyDigit;
    risky = risky || traits.risky;
    shortest += traits.shortest;
    longest += traits.longest;
  }
  if (longest == 0 || (filters.mixed && !(maybeLetter && maybeDigit))) return Verdict::None;
  bool each = (filters.mixed && !(sureLetter && sureDigit)) || risky || longest > kMaxLabelOctets;
  if (!risky && (shortest > filters.maxLength || longest < filters.minLength)) return Verdict::None;
  each = each || shortest == 0 || shortest < filters.minLength || longest > filters.maxLength;
  return each ? Verdict::Each : Verdict::All;
}

// A name's labels obey the name rules: none empty, none longer than 63 octets, no hyphen first
// or last, nor in the third and fourth places but in an A-label.
bool ObeysNameRules(std::u16string_view name) {
  for (std::size_t start = 0; start <= name.size();) {
    std::size_t end = name.find(u'.', start);
    if (end == std::u16string_view::npos) end = name.size();
    const std::u16string_view label = name.substr(start, end - start);
    if (label.empty() || label.front() == u'-' || label.back() == u'-') return false;
    if (label.size() >= 4 && label[2] == u'-' && label[3] == u'-' && !label.starts_with(u"xn--")) {
      return false;
    }
    const bool ascii = std::all_of(label.begin(), label.end(), [](char16_t c) { return c < 0x80; });
    if (ascii ? label.size() > kMaxLabelOctets : LabelOctets(CodePoints(label)) > kMaxLabelOctets) {
      return false;
    }
    start = end + 1;
  }
  return true;
}

bool Passes(std::u16string_view name, const PatternFilters& filters) {
  if (filters.mixed && !(HasLetter(name) && HasDigit(name))) return false;
  const std::size_t length = Characters(name.substr(0, name.find(u'.')));
  if (length < filters.minLength || length > filters.maxLength) return false;
  return ObeysNameRules(name);
}

std::shared_ptr<const Choices> Without(const std::shared_ptr<const Choices>& choices,
                                       std::u16string_view without) {
  auto kept = std::make_shared<Choices>();
  for (const std::u16string& text : *choices) {
    if (text.find_first_of(without) == std::u16string::npos) kept->push_back(text);
  }
  return kept;
}

}  // namespace

std::span<const std::u16string_view> PinyinSyllables() {
  return kPinyin;
}

web::Result<NamePattern> NamePattern::Read(std::u16string_view text,
                                           std::span<const std::u16string> words,
                                           const PatternFilters& filters) {
  if (text.empty()) return web::Failure{"an empty pattern"};
  auto rows = Reader(text, words).Read();
  if (!rows) return web::Failure{rows.error()};
  NamePattern pattern;
  pattern.filters_ = filters;
  pattern.filters_.without = query::ToLower(filters.without);
  std::map<const Choices*, std::shared_ptr<const Choices>> pruned;
  for (Row& row : rows.value()) {
    auto shape = std::make_shared<Shape>();
    shape->names = 1;
    for (Slot& slot : row) {
      if (!pattern.filters_.without.empty()) {
        auto& kept = pruned[slot.choices.get()];
        if (!kept) kept = Without(slot.choices, pattern.filters_.without);
        slot.choices = kept;
      }
      if (slot.tie < 0) {
        const std::size_t n = slot.choices->size();
        const std::size_t taken = slot.distinct.size();
        shape->names = Times(shape->names, n > taken ? n - taken : 0);
      }
      shape->hasDistinct = shape->hasDistinct || !slot.distinct.empty();
    }
    shape->slots = std::move(row);
    shape->verdict = Judge(*shape, pattern.filters_);
    pattern.shapes_.push_back(std::move(shape));
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

NamePattern::Cursor NamePattern::Names() const {
  return Cursor(*this);
}

bool NamePattern::Cursor::Next(std::u16string& name) {
  while (Advance()) {
    const Shape& shape = *pattern_->shapes_[shape_];
    if (shape.verdict == Shape::Verdict::All || Passes(text_, pattern_->filters_)) {
      name.assign(text_);
      return true;
    }
  }
  return false;
}

// Moves to the next choice of every slot that keeps the shape's letters apart, and writes it.
bool NamePattern::Cursor::Advance() {
  const auto& shapes = pattern_->shapes_;
  while (shape_ < shapes.size()) {
    const Shape& shape = *shapes[shape_];
    const std::vector<Slot>& slots = shape.slots;
    std::size_t changed = 0;
    if (shape.verdict == Shape::Verdict::None) {
      ++shape_;
      continue;
    }
    if (!started_) {
      started_ = true;
      choice_.assign(slots.size(), 0);
      offset_.assign(slots.size() + 1, 0);
      text_.clear();
    } else {
      bool wrapped = true;
      std::size_t i = slots.size();
      while (i > 0) {
        --i;
        if (slots[i].tie >= 0) continue;
        if (++choice_[i] < slots[i].choices->size()) {
          wrapped = false;
          break;
        }
        choice_[i] = 0;
      }
      if (wrapped) {
        ++shape_;
        started_ = false;
        continue;
      }
      changed = i;
    }
    const bool apart = !shape.hasDistinct ||
                       std::all_of(slots.begin(), slots.end(), [&](const Slot& slot) {
                         const std::size_t mine = choice_[&slot - slots.data()];
                         return std::none_of(slot.distinct.begin(), slot.distinct.end(),
                                             [&](int other) { return choice_[other] == mine; });
                       });
    Render(changed);
    if (apart) return true;
  }
  return false;
}

void NamePattern::Cursor::Render(std::size_t from) {
  const std::vector<Slot>& slots = pattern_->shapes_[shape_]->slots;
  text_.resize(offset_[from]);
  for (std::size_t j = from; j < slots.size(); ++j) {
    offset_[j] = text_.size();
    const Slot& slot = slots[j];
    text_ += (*slot.choices)[slot.tie >= 0 ? choice_[slot.tie] : choice_[j]];
  }
}

}  // namespace check
