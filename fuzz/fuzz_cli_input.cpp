// Fuzzes what brelka-cli makes of its input: UTF-8 bytes (or UTF-16 after its byte-order mark)
// read line by line into the cleaned, de-duplicated name list, and the judgement of every name.
// The first byte says where the input is split between two reads; the rest is the input.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "FuzzCheck.h"
#include "base/LowerCase.h"
#include "cli/NameReader.h"
#include "names/NameList.h"
#include "names/NameRules.h"

namespace {

std::vector<std::u16string> TakeAll(names::NameList& list) {
  std::vector<std::u16string> names;
  for (std::u16string name; list.Take(name);) names.push_back(name);
  return names;
}

struct Outcome {
  bool ok = false;
  std::string error;
  std::vector<std::u16string> names;
};

Outcome Read(std::string_view input, std::size_t cut) {
  names::NameList list;
  cli::NameReader reader("in", &list);
  base::Status status = reader.Feed(input.substr(0, cut));
  if (status) status = reader.Feed(input.substr(cut));
  if (status) status = reader.Finish();
  return {status.ok(), status.ok() ? "" : status.error(), TakeAll(list)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const Outcome whole = Read(input, input.size());
  const Outcome split = Read(input, data[0] % (input.size() + 1));

  // Where the reads split the input changes nothing.
  FUZZ_CHECK(whole.ok == split.ok);
  FUZZ_CHECK(whole.error == split.error);
  FUZZ_CHECK(whole.names == split.names);

  // Every name is cleaned, lower-cased, a single line, and there once.
  std::unordered_set<std::u16string> seen;
  for (const std::u16string& name : whole.names) {
    FUZZ_CHECK(!name.empty());
    FUZZ_CHECK(name.find_first_of(u" \n") == std::u16string::npos);
    FUZZ_CHECK(base::ToLower(name) == name);
    FUZZ_CHECK(!fuzz::HasUnpairedSurrogate(name));
    FUZZ_CHECK(seen.insert(name).second);

    // A valid name is one a registrar could be sent: within DNS's limits, no separators of the
    // request body, nothing outside a name's characters.
    if (!names::InvalidReason(name)) {
      FUZZ_CHECK(name.size() <= 253);
      FUZZ_CHECK(name.find_first_of(u",&=\r\t") == std::u16string::npos);
      FUZZ_CHECK(name.front() != u'.' && name.back() != u'.');
    }
  }
  return 0;
}
