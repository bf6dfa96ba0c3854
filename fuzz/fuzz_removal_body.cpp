// Fuzzes the removal body built from the result box. The input bytes are the box's UTF-16 text,
// which the user may have edited into anything before the release runs.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "query/Harvesting.h"
#include "query/Splitting.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = fuzz::Utf16(data, size);
  auto body = query::RemovalBody(text);

  std::size_t expected = 0;
  std::u16string_view lastLine;
  for (std::u16string_view line : query::Split(text, u"\r\n")) {
    if (line.empty()) continue;
    // "delete_" L "=" L, and the "&" that joins it to the next pair.
    expected += 7 + 2 * line.size() + 1 + 1;
    lastLine = line;
  }
  FUZZ_CHECK(body.ok() == (expected > 0));
  if (!body.ok()) return 0;
  const std::u16string& b = body.value();

  // Exactly the pairs and the "&" between them: one fewer "&" than pairs, none at either end
  // beyond what the names themselves hold.
  FUZZ_CHECK(b.size() == expected - 1);
  FUZZ_CHECK(b.starts_with(u"delete_"));
  FUZZ_CHECK(b.ends_with(u"=" + std::u16string(lastLine)));
  FUZZ_CHECK(b.find(u"\r\n") == std::u16string::npos);
  if (lastLine.back() != u'&') FUZZ_CHECK(b.back() != u'&');
  return 0;
}
