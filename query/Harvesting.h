// Reading the registrar's selection page and answering it: the names listed after "My Selected
// Domain Names", the body that releases them again, and the status line's summary. Pure text
// work: no requests, no window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/Result.h"

namespace query {

// The selection's entries, one per line, each followed by CR LF, as the page spells them.
struct HarvestedNames {
  std::u16string lines;
  // Fragment number of the last accepted entry; empty when none was accepted.
  std::optional<std::int16_t> lastHit;
};

// The most entries a selection page may hold: fragment numbers are 16-bit.
inline constexpr std::size_t kMaxFragments = 32'767;

// Fails when the page is empty, lacks the "My Selected Domain Names" marker, or holds more
// entry markers than kMaxFragments. A marker that ends the page heads an empty selection.
base::Result<HarvestedNames> HarvestNames(std::u16string_view page);

// "delete_" + L + "=" + L pairs joined by "&" for each non-empty line L. Fails when the text has
// no non-empty line.
base::Result<std::u16string> RemovalBody(std::u16string_view resultText);

// "共输入" N+1 "个，其中" H "个可以注册". Fails when N + 1 does not fit in 16 bits.
base::Result<std::u16string> Summary(std::int16_t lastNameIndex, std::int16_t lastHitIndex);

}  // namespace query
