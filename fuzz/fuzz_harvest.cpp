// Fuzzes the reading of the registrar's selection page along the path a real page takes: the
// bytes are decoded as "gb2312", harvested, lower-cased and turned into the removal body.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "FuzzCheck.h"
#include "base/LowerCase.h"
#include "query/Harvesting.h"
#include "query/Splitting.h"
#include "web/Module1.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto decoded = web::DecodeBytes(std::span(data, size), u"gb2312");
  FUZZ_CHECK(decoded.ok());
  const std::u16string& page = decoded.value();

  auto harvest = query::HarvestNames(page);
  if (!query::Contains(page, u"My Selected Domain Names")) {
    FUZZ_CHECK(!harvest.ok());
    return 0;
  }
  if (!harvest.ok()) return 0;
  const query::HarvestedNames& names = harvest.value();

  // Each accepted entry adds its name and one line break, and a name stops before the first
  // apostrophe, so no apostrophe and no entry marker reaches the result box.
  FUZZ_CHECK(names.lines.empty() || names.lines.ends_with(u"\r\n"));
  FUZZ_CHECK(names.lines.find(u'\'') == std::u16string::npos);
  FUZZ_CHECK(names.lastHit.has_value() == !names.lines.empty());
  if (names.lastHit) {
    FUZZ_CHECK(*names.lastHit >= 1);
    FUZZ_CHECK(names.lines.size() <= page.size() + 2 * std::size_t(*names.lastHit));
  }

  // Lower-casing maps each code point to one of the same plane, and once is enough.
  const std::u16string lower = base::ToLower(names.lines);
  FUZZ_CHECK(lower.size() == names.lines.size());
  FUZZ_CHECK(base::ToLower(lower) == lower);

  // A harvest that fills the box sends a removal body, unless every line of it is empty.
  auto body = query::RemovalBody(lower);
  bool anyName = false;
  for (std::u16string_view line : query::Split(lower, u"\r\n")) anyName = anyName || !line.empty();
  FUZZ_CHECK(body.ok() == anyName);
  if (body.ok()) FUZZ_CHECK(body.value().starts_with(u"delete_"));
  return 0;
}
