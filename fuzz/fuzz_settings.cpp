// Fuzzes the window's settings file: whatever the bytes (UTF-8, UTF-16, broken), the check ends
// with nothing wrong or one fault on a line the file has, and a file with a fault never chooses
// the registries.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "app/WindowSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto fault = app::CheckSettings(text);
  if (fault) {
    FUZZ_CHECK(fault->line >= 1);
    FUZZ_CHECK(fault->line <=
               static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    FUZZ_CHECK(!fault->what.empty());
  }
  // The platform's reader stands in as one that found "registry".
  const app::SourceChoice choice =
      app::ChooseSource(std::nullopt, u"brelka.conf", text, [] { return std::string("registry"); });
  FUZZ_CHECK(choice.fault.has_value() == fault.has_value());
  if (fault) FUZZ_CHECK(choice.source == app::QuerySource::Registrar);
  return 0;
}
