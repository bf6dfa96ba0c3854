#include "names/NameType.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

#include "base/Text.h"
#include "names/NameRules.h"
#include "names/Pinyin.h"

namespace names {
namespace {

// The Han blocks names are written in: Extension A, the Unified Ideographs, the compatibility
// ideographs, and the supplementary planes' extensions.
bool IsHan(char32_t c) {
  return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3134F);
}

// Chinese names of types, as portals write them, and what they mean here.
constexpr std::pair<std::string_view, std::string_view> kChineseNames[] = {
    {"数字", "digits"},     {"字母", "letters"},    {"杂米", "mixed"},      {"中文", "han"},
    {"单拼", "pinyin1"},    {"双拼", "pinyin2"},    {"三拼", "pinyin3"},    {"声母", "initials"},
    {"双声", "initials:2"}, {"三声", "initials:3"}, {"四声", "initials:4"},
};

// The kinds as types name them; Other has no name.
constexpr std::pair<std::string_view, NameType::Kind> kKinds[] = {
    {"digits", NameType::Kind::Digits},
    {"letters", NameType::Kind::Letters},
    {"mixed", NameType::Kind::Mixed},
    {"han", NameType::Kind::Han},
};

constexpr std::size_t kMaxLength = 63;

std::optional<std::size_t> LengthNumber(std::string_view text) {
  std::size_t n = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (error != std::errc() || end != text.data() + text.size() || n < 1 || n > kMaxLength) {
    return std::nullopt;
  }
  return n;
}

}  // namespace

NameType TypeOf(std::u16string_view name) {
  const std::u32string label = base::CodePoints(name.substr(0, name.find(u'.')));
  NameType type;
  type.length = label.size();
  const auto all = [&](auto is) {
    return !label.empty() && std::all_of(label.begin(), label.end(), is);
  };
  const auto digit = [](char32_t c) { return c >= U'0' && c <= U'9'; };
  const auto letter = [](char32_t c) { return c >= U'a' && c <= U'z'; };
  if (all(digit)) {
    type.kind = NameType::Kind::Digits;
  } else if (all(letter)) {
    type.kind = NameType::Kind::Letters;
  } else if (all([&](char32_t c) { return digit(c) || letter(c); })) {
    type.kind = NameType::Kind::Mixed;
  } else if (all(IsHan)) {
    type.kind = NameType::Kind::Han;
  }
  if (type.kind == NameType::Kind::Letters) {
    const std::u16string letters(label.begin(), label.end());
    type.syllables = FewestSyllables(letters);
    type.initials = letters.find_first_not_of(kPinyinInitials) == std::u16string::npos;
  }
  std::vector<char32_t> seen;
  for (char32_t c : label) {
    auto at = std::find(seen.begin(), seen.end(), c);
    if (at == seen.end()) {
      if (seen.size() == 26) return type.shape.clear(), type;
      at = seen.insert(seen.end(), c);
    }
    type.shape += static_cast<char16_t>(u'A' + (at - seen.begin()));
  }
  return type;
}

std::vector<std::string> TypeWords(const NameType& type) {
  std::vector<std::string> words;
  for (const auto& [name, kind] : kKinds) {
    if (kind == type.kind) words.push_back(std::string(name) + ":" + std::to_string(type.length));
  }
  if (type.syllables > 0) words.push_back("pinyin" + std::to_string(type.syllables));
  if (type.initials) words.push_back("initials");
  // A shape tells something when few characters make the name: AAB, AABB, ABAB, AABBCC, not
  // ABCDED.
  const std::size_t different =
      type.shape.empty()
          ? 0
          : std::size_t(*std::max_element(type.shape.begin(), type.shape.end()) - u'A' + 1);
  if (type.shape.size() >= 2 && type.shape.size() <= 8 && different * 2 <= type.shape.size() + 1) {
    words.push_back(base::Utf16ToUtf8(type.shape));
  }
  return words;
}

base::Result<TypeFilter> TypeFilter::Read(std::string_view text) {
  std::string spelled(text);
  for (const auto& [chinese, english] : kChineseNames) {
    for (std::size_t at = spelled.find(chinese); at != std::string::npos;
         at = spelled.find(chinese, at + english.size())) {
      spelled.replace(at, chinese.size(), english);
    }
  }
  TypeFilter filter;
  std::string_view rest = spelled;
  while (true) {
    const std::size_t comma = rest.find(',');
    std::string_view alternative = rest.substr(0, comma);
    std::vector<Term>& terms = filter.alternatives_.emplace_back();
    while (true) {
      const std::size_t plus = alternative.find('+');
      const std::string_view word = alternative.substr(0, plus);
      const std::size_t colon = word.find(':');
      const std::string_view kind = word.substr(0, colon);
      Term term;
      const auto fail = [&](std::string why) -> base::Failure {
        return base::Failure{"--type: " + base::Quoted(word) + " " + why};
      };
      static constexpr std::pair<std::string_view, Term::What> kWords[] = {
          {"any", Term::What::Any},
          {"pinyin", Term::What::Pinyin},
          {"initials", Term::What::Initials},
      };
      const auto named = [&](const auto& entry) { return entry.first == kind; };
      const auto fixed = std::find_if(std::begin(kWords), std::end(kWords), named);
      const auto known = std::find_if(std::begin(kKinds), std::end(kKinds), named);
      if (fixed != std::end(kWords)) {
        term.what = fixed->second;
      } else if (known != std::end(kKinds)) {
        term.what = Term::What::Kind;
        term.kind = known->second;
      } else if (kind.starts_with("pinyin") && LengthNumber(kind.substr(6))) {
        term.what = Term::What::Pinyin;
        term.syllables = *LengthNumber(kind.substr(6));
      } else if (kind.size() >= 2 && kind.size() <= kMaxLength &&
                 std::all_of(kind.begin(), kind.end(),
                             [](char c) { return c >= 'A' && c <= 'Z'; })) {
        term.what = Term::What::Shape;
        // Written as any capitals ("XXYY"), compared as TypeOf makes shapes ("AABB").
        term.shape = TypeOf(base::FromUtf8(kind)).shape;
      } else {
        return fail(
            "is not a type: digits, letters, mixed, han, pinyin1, pinyin2, ..., initials, "
            "a shape such as AABB, or any");
      }
      if (colon != std::string_view::npos) {
        const std::string_view lengths = word.substr(colon + 1);
        const std::size_t dash = lengths.find('-');
        const auto low = LengthNumber(lengths.substr(0, dash));
        const auto high =
            dash == std::string_view::npos ? low : LengthNumber(lengths.substr(dash + 1));
        if (term.what == Term::What::Shape) return fail("has its length in its shape already");
        if (!low || !high || *low > *high) {
          return fail("takes a length or a range of lengths from 1 to 63 after ':', as :5 or :4-6");
        }
        term.minLength = *low;
        term.maxLength = *high;
      }
      terms.push_back(std::move(term));
      if (plus == std::string_view::npos) break;
      alternative.remove_prefix(plus + 1);
    }
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  return filter;
}

bool TypeFilter::Holds(const Term& term, const NameType& type) {
  if (type.length < term.minLength || type.length > term.maxLength) return false;
  switch (term.what) {
    case Term::What::Any:
      return true;
    case Term::What::Kind:
      return type.kind == term.kind;
    case Term::What::Pinyin:
      return type.syllables > 0 && (term.syllables == 0 || term.syllables == type.syllables);
    case Term::What::Initials:
      return type.initials;
    case Term::What::Shape:
      return type.shape == term.shape;
  }
  return false;
}

bool TypeFilter::Keeps(const NameType& type) const {
  return std::any_of(alternatives_.begin(), alternatives_.end(),
                     [&](const std::vector<Term>& terms) {
                       return std::all_of(terms.begin(), terms.end(),
                                          [&](const Term& term) { return Holds(term, type); });
                     });
}

}  // namespace names
