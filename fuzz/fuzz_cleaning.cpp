// Fuzzes the cleaning of the input box and what is built from it: the submitted list, the search
// body and its UTF-8 form on the wire. The input bytes are the box's UTF-16 text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "base/Text.h"
#include "query/Cleaning.h"
#include "query/Splitting.h"

namespace {

// One left-to-right pass that replaces non-overlapping occurrences, written the slow, obvious
// way: the optimised replacement must agree with it on every input.
std::u16string ReferenceReplace(std::u16string_view text, std::u16string_view what,
                                std::u16string_view with) {
  std::u16string out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.substr(i, what.size()) == what) {
      out += with;
      i += what.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const unsigned char lead = bytes[i];
    std::size_t length;
    char32_t cp;
    if (lead < 0x80) {
      length = 1, cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2, cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, cp = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const unsigned char next = bytes[i + k];
      if ((next & 0xC0) != 0x80) return false;
      cp = cp << 6 | (next & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string input = fuzz::Utf16(data, size);

  // Step by step, as the start button writes each result back into the box.
  std::u16string text = input;
  for (const query::Replacement& step : query::kCleaningSteps) {
    std::u16string next = query::ReplaceAll(text, step.what, step.with);
    FUZZ_CHECK(next == ReferenceReplace(text, step.what, step.with));
    text = std::move(next);
  }
  const std::u16string cleaned = query::CleanInput(input);
  FUZZ_CHECK(cleaned == text);

  // Cleaning only ever removes characters, and no step can put a space back.
  FUZZ_CHECK(cleaned.size() <= input.size());
  FUZZ_CHECK(fuzz::IsSubsequence(cleaned, input));
  FUZZ_CHECK(cleaned.find(u' ') == std::u16string::npos);

  // Every line break becomes a comma and none survives, since a comma cannot complete one.
  const std::u16string list = query::SubmittedList(cleaned);
  const std::size_t breaks = fuzz::Count(cleaned, u"\r\n");
  FUZZ_CHECK(list.size() == cleaned.size() - breaks);
  FUZZ_CHECK(list.find(u"\r\n") == std::u16string::npos);
  FUZZ_CHECK(fuzz::Count(list, u",") == fuzz::Count(cleaned, u",") + breaks);

  // The bounded count agrees with the full split up to its limit.
  const std::size_t pieces = query::Split(list, u",").size();
  FUZZ_CHECK(query::CountPieces(list, u",", 492) == (pieces < 492 ? pieces : 492));

  const std::u16string body = query::SearchBody(list);
  FUZZ_CHECK(body == u"domainNames=" + list + u"&extrnl=1&dotTypes=");
  FUZZ_CHECK(IsValidUtf8(base::Utf16ToUtf8(body)));
  return 0;
}
