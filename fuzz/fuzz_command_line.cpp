// Fuzzes the window programs' command line. The input bytes are the arguments, separated by NUL
// bytes, as a shell would hand them over.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "app/qt/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> words{"brelka"};
  words.emplace_back();
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\0') {
      words.emplace_back();
    } else {
      words.back() += static_cast<char>(data[i]);
    }
  }
  std::vector<const char*> argv;
  for (const std::string& word : words) argv.push_back(word.c_str());

  std::ostringstream out, err;
  std::optional<app::QuerySource> source;
  const std::optional<int> status = qtapp::HandleCommandLine(
      static_cast<int>(argv.size()), argv.data(), {"brelka", "About.\n"}, out, err, &source);

  // Either the window starts, silently; or help or the version is printed and the status is 0;
  // or one reason is given on the error stream and the status is 2.
  if (!status) {
    FUZZ_CHECK(out.str().empty() && err.str().empty());
  } else if (*status == 0) {
    FUZZ_CHECK(!out.str().empty() && err.str().empty());
  } else {
    FUZZ_CHECK(*status == 2);
    FUZZ_CHECK(out.str().empty());
    FUZZ_CHECK(err.str().starts_with("brelka: "));
    FUZZ_CHECK(err.str().ends_with("\nTry 'brelka --help' for more information.\n"));
  }
  return 0;
}
