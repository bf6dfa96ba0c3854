// Fuzzes brelka-cli's command line: the option parser, then the step that resolves the options
// into settings. The input bytes are the arguments, separated by NUL bytes, as a shell would hand
// them over.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "cli/Options.h"
#include "cli/Settings.h"

namespace {

bool OneLine(const std::string& text) {
  return !text.empty() && text.find('\n') == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\0') {
      args.emplace_back();
    } else {
      args.back() += static_cast<char>(data[i]);
    }
  }

  // A refusal is one line; accepted options are within their ranges.
  const base::Result<cli::Options> parsed = cli::ParseCommandLine(args);
  if (!parsed) {
    FUZZ_CHECK(OneLine(parsed.error()));
    return 0;
  }
  const cli::Options& options = parsed.value();
  if (options.perHost) FUZZ_CHECK(*options.perHost >= 1 && *options.perHost <= 64);
  if (options.timeoutSeconds) {
    FUZZ_CHECK(*options.timeoutSeconds >= 1 && *options.timeoutSeconds <= 3600);
  }

  // Resolved settings keep what was given and never mix the sources' options.
  const base::Result<cli::Settings> resolved = cli::Resolve(options);
  if (!resolved) {
    FUZZ_CHECK(OneLine(resolved.error()));
    return 0;
  }
  const cli::Settings& settings = resolved.value();
  // The files are the words after the command's: "drops", or "watch" and what it does.
  std::vector<std::string> files = options.files;
  if (!files.empty() && files[0] == "drops") {
    files.erase(files.begin());
  } else if (!files.empty() && files[0] == "watch") {
    files.erase(files.begin(), files.begin() + std::min<std::ptrdiff_t>(2, files.size()));
  }
  FUZZ_CHECK(settings.files == files);
  FUZZ_CHECK(!settings.registrarBase.empty() && !settings.bootstrapUrl.empty());
  FUZZ_CHECK(settings.client.perHost >= 1 && settings.client.perHost <= 64);
  if (settings.source == cli::SourceKind::Registrar) {
    FUZZ_CHECK(!options.perHost && !options.timeoutSeconds && !options.dnsServer);
    FUZZ_CHECK(!options.bootstrap && !options.bootstrapUrl && !options.rdapExtra);
  } else {
    FUZZ_CHECK(!options.registrar);
  }
  if (settings.demo) {
    FUZZ_CHECK(!options.registrar && settings.dnsServer.empty() && !settings.rdapSupplement);
  }
  return 0;
}
