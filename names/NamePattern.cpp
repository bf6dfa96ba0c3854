#include "names/NamePattern.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <utility>

#include "base/LowerCase.h"
#include "base/Text.h"
#include "names/NameRules.h"
#include "names/PatternParts.h"

namespace names {
namespace {

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
    if (LabelOctets(base::CodePoints(std::u16string_view(shortest).substr(start, end - start))) >
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
    const std::size_t length = ascii ? label.size() : LabelOctets(base::CodePoints(label));
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

bool KeptByFilters(std::u16string_view name, const PatternFilters& filters) {
  const std::u16string_view label = name.substr(0, name.find(u'.'));
  if (filters.mixed && !(HasLetter(label) && HasDigit(label))) return false;
  const std::size_t length = Characters(label);
  if (length < filters.minLength || length > filters.maxLength) return false;
  return label.find_first_of(base::ToLower(filters.without)) == std::u16string_view::npos;
}

base::Result<NamePattern> NamePattern::Read(std::u16string_view text,
                                           std::span<const std::u16string> words,
                                           const PatternFilters& filters) {
  if (text.empty()) return base::Failure{"an empty pattern"};
  auto rows = ReadPatternRows(text, words);
  if (!rows) return base::Failure{rows.error()};
  NamePattern pattern;
  pattern.filters_ = filters;
  pattern.filters_.without = base::ToLower(filters.without);
  std::map<const Choices*, std::shared_ptr<const Choices>> pruned;
  for (Row& row : rows.value()) {
    auto shape = std::make_shared<Shape>();
    shape->names = 1;
    // The filters look at the labels the pattern makes, not at a suffix written in it: from
    // the first slot whose every text has a dot on, only what stands before that dot is
    // filtered. Where only some of a slot's texts have one, the slots after it still make the
    // first label of the others, and are filtered whole.
    bool inSuffix = false;
    for (Slot& slot : row) {
      if (!pattern.filters_.without.empty() && !inSuffix) {
        auto& kept = pruned[slot.choices.get()];
        if (!kept) kept = Without(slot.choices, pattern.filters_.without);
        slot.choices = kept;
      }
      inSuffix = inSuffix || std::all_of(slot.choices->begin(), slot.choices->end(),
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

