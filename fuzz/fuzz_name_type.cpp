// Fuzzes --type's reader and the type of a name. The input is a filter, a NUL, and a name. A
// refusal is one line; any filter read judges any name; and the words the type column writes
// for a name of a label's length, read back as a filter joined by '+', keep that name.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "base/Text.h"
#include "names/NameType.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t nul = bytes.find('\0');
  const std::string_view filterText = bytes.substr(0, nul);
  const std::u16string name =
      base::FromUtf8(nul == std::string_view::npos ? std::string_view() : bytes.substr(nul + 1));
  const names::NameType type = names::TypeOf(name);

  const auto filter = names::TypeFilter::Read(filterText);
  if (filter) {
    (void)filter.value().Keeps(type);
  } else {
    FUZZ_CHECK(filter.error().find('\n') == std::string::npos);
  }

  if (type.length > 63) return 0;  // longer than a label may be: its length cannot be asked for
  std::string words;
  for (const std::string& word : names::TypeWords(type)) words += (words.empty() ? "" : "+") + word;
  const auto own = names::TypeFilter::Read(words.empty() ? "any" : words);
  FUZZ_CHECK(own);
  FUZZ_CHECK(own.value().Keeps(type));
  return 0;
}
