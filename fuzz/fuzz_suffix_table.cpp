// Fuzzes the reader of the table of suffixes run apart from their TLD: whatever the bytes, it
// is a table or a failure, and the entry it gives for a name is a suffix of that name below
// its first label, whose server, when it has one, is not empty.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "names/SuffixServices.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto table = names::SuffixServices::Parse(bytes);
  if (!table) {
    FUZZ_CHECK(!table.error().empty());
    return 0;
  }
  for (const std::string name : {"hotel.uk.com", "a.b.c.d", "x.ac.uk", "", "."}) {
    const names::SuffixService* service = table.value().For(name);
    if (!service) continue;
    FUZZ_CHECK(name.size() > service->suffix.size() && name.ends_with("." + service->suffix));
    FUZZ_CHECK(!service->whois || !service->whois->empty());
    FUZZ_CHECK(table.value().Lists(service->suffix));
  }
  return 0;
}
