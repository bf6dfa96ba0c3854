// Fuzzes the reading of the RDAP bootstrap file: any bytes either fail with a reason or give a
// table whose every answer is an http or https address ending in "/".
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "check/rdap/Bootstrap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto bootstrap = check::Bootstrap::Parse(text);
  if (!bootstrap) {
    FUZZ_CHECK(!bootstrap.error().empty());
    return 0;
  }
  for (std::string_view name : {"a.com", "b.co.uk", "c.xn--fiqs8s", "d.test", "e"}) {
    const auto service = bootstrap.value().ServiceFor(name);
    if (!service) continue;
    FUZZ_CHECK(service->baseUrl.ends_with('/'));
    std::string scheme = service->baseUrl.substr(0, 8);
    for (char& c : scheme) c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    FUZZ_CHECK(scheme.starts_with("http://") || scheme == "https://");
    FUZZ_CHECK(name.size() > service->suffix.size() && name.ends_with(service->suffix) &&
               name[name.size() - service->suffix.size() - 1] == '.');
  }
  return 0;
}
