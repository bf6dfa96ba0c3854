// What an earlier run already settled, read back from its output for --resume: JSON Lines, TSV
// or CSV as brelka-cli writes them, told apart by the content. A name whose status was
// available, registered, reserved, likely-available or invalid keeps that answer; an unknown one,
// or one older than the run allows, is left out, to be asked again. The last line is left out
// when it lacks its line break (a run killed mid-write); any other line that cannot be read
// fails naming the file and the line, and so does an answer from a source the run does not ask
// (another source, or the demo's simulators for a run that is not a demo).
#pragma once

#include <chrono>
#include <istream>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/Result.h"
#include "check/Answer.h"

namespace cli {

using Settled = std::unordered_map<std::u16string, check::Answer>;

// The run that resumes: which routes answer it, whether it is a demo, and how old an answer it
// takes as it is.
struct ResumingRun {
  std::vector<check::Route> routes;
  bool demo = false;
  std::chrono::sys_seconds now{};
  std::chrono::seconds maxAge{24 * 3600};
};

struct SettledFile {
  Settled settled;
  // Lines written before answers carried their time, taken whatever their age.
  bool undated = false;
};

base::Result<SettledFile> ReadSettled(std::istream& in, const std::string& file,
                                     const ResumingRun& run);

// "30m", "12h", "7d" (or seconds, "90s") for --max-age.
base::Result<std::chrono::seconds> ParseMaxAge(std::string_view text);

}  // namespace cli
