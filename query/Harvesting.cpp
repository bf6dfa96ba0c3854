#include "Harvesting.h"

#include <limits>
#include <string>

#include "Splitting.h"

namespace query {
namespace {

constexpr std::u16string_view kSelectionMarker = u"My Selected Domain Names";
constexpr std::u16string_view kTableEnd = u"</table>";
constexpr std::u16string_view kEntryMarker = u"x' id='";
constexpr std::u16string_view kCrLf = u"\r\n";

std::u16string Decimal(int value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

base::Result<HarvestedNames> HarvestNames(std::u16string_view page) {
  auto selection = PieceAt(page, kSelectionMarker, 1);
  if (!selection) return base::Failure{"the page shows no selection: " + selection.error()};
  // A marker that ends the page heads an empty table: the page was read and lists no name.
  if (selection.value().empty()) return HarvestedNames{};
  auto table = PieceAt(selection.value(), kTableEnd, 0);
  if (!table) return base::Failure{"the selection is empty: " + table.error()};

  // Piece 0 precedes the first entry; each later piece is one entry, numbered by its piece.
  if (CountPieces(table.value(), kEntryMarker, kMaxFragments + 2) > kMaxFragments + 1) {
    return base::Failure{"the selection lists more entries than can be counted"};
  }
  const std::vector<std::u16string_view> fragments = Split(table.value(), kEntryMarker);
  HarvestedNames names;
  for (std::size_t i = 1; i < fragments.size(); ++i) {
    const std::u16string_view fragment = fragments[i];
    // The whole fragment decides, not only the name in it: a price or a later dotted text
    // counts.
    if (fragment.empty() || !Contains(fragment, u".")) continue;
    names.lines.append(fragment.substr(0, fragment.find(u'\''))).append(kCrLf);
    names.lastHit = static_cast<std::int16_t>(i);
  }
  return names;
}

base::Result<std::u16string> RemovalBody(std::u16string_view resultText) {
  std::u16string body;
  for (std::u16string_view line : Split(resultText, kCrLf)) {
    if (line.empty()) continue;
    body.append(u"delete_").append(line).append(u"=").append(line).append(u"&");
  }
  if (body.empty()) return base::Failure{"no name to release"};
  body.pop_back();
  return body;
}

base::Result<std::u16string> Summary(std::int16_t lastNameIndex, std::int16_t lastHitIndex) {
  if (lastNameIndex == std::numeric_limits<std::int16_t>::max()) {
    return base::Failure{"the count of names entered overflows"};
  }
  return u"共输入" + Decimal(lastNameIndex + 1) + u"个，其中" + Decimal(lastHitIndex) +
         u"个可以注册";
}

}  // namespace query
