#include "names/HanVariants.h"

#include <algorithm>
#include <utility>

#include "base/Text.h"
#include "names/NameRules.h"

namespace names {
namespace {

#include "HanVariants.inc"

// The top-level domains whose registries register a Chinese name with its simplified and
// traditional variants, as RFC 4713 (written by CNNIC and TWNIC) recommends: CNNIC's cn, 中国
// and 中國, whose rules for Chinese names bundle the variants; TWNIC's tw, 台灣 and 台湾, which
// register a name's variants with it. Others (hk, 香港, sg) are left out until their rules are
// pinned down.
constexpr std::u16string_view kBundling[] = {u"cn",          u"中国",       u"中國", u"xn--fiqs8s",
                                             u"xn--fiqz9s",  u"tw",         u"台灣", u"台湾",
                                             u"xn--kpry57d", u"xn--kprw13d"};

template <std::size_t N>
char32_t Mapped(const std::pair<char32_t, char32_t> (&table)[N], char32_t c) {
  const auto found =
      std::lower_bound(std::begin(table), std::end(table), c,
                       [](const auto& entry, char32_t key) { return entry.first < key; });
  return found != std::end(table) && found->first == c ? found->second : c;
}

template <std::size_t N>
std::u16string Form(const std::pair<char32_t, char32_t> (&table)[N], std::u16string_view name) {
  const std::size_t dot = std::min(name.find(u'.'), name.size());
  std::u32string label = base::CodePoints(name.substr(0, dot));
  for (char32_t& c : label) c = Mapped(table, c);
  return base::Utf16(label) + std::u16string(name.substr(dot));
}

}  // namespace

std::vector<std::u16string> HanVariants(std::u16string_view name) {
  std::vector<std::u16string> variants;
  for (std::u16string form : {Form(kSimplified, name), Form(kTraditional, name)}) {
    if (form != name && std::find(variants.begin(), variants.end(), form) == variants.end()) {
      variants.push_back(std::move(form));
    }
  }
  return variants;
}

bool BundlesVariants(std::u16string_view name) {
  const std::size_t dot = name.rfind(u'.');
  const std::u16string_view top = dot == std::u16string_view::npos ? name : name.substr(dot + 1);
  return std::find(std::begin(kBundling), std::end(kBundling), top) != std::end(kBundling);
}

}  // namespace names
