// The zone-file reader on any bytes, fed in two pieces split where the fuzzer says: it never
// crashes, and where the stream is cut changes nothing it finds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "check/dns/ZoneFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t cut = bytes.empty() ? 0 : data[0] % (bytes.size() + 1);
  const std::vector<std::string> names = {"abc.com", "a.b", "xn--fiqs8s.cn"};
  check::ZoneScanner whole(names);
  whole.Feed(bytes);
  whole.Finish();
  check::ZoneScanner split(names);
  split.Feed(bytes.substr(0, cut));
  split.Feed(bytes.substr(cut));
  split.Finish();
  FUZZ_CHECK(whole.Delegated() == split.Delegated());
  FUZZ_CHECK(whole.Unreadable() == split.Unreadable());
  FUZZ_CHECK(whole.Serial() == split.Serial());
  return 0;
}
