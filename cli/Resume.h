// What an earlier run already settled, read back from its output for --resume: JSON Lines, TSV
// or CSV as brelka-cli writes them, told apart by the content. A name whose status was
// available, registered, reserved, likely-available or invalid keeps that answer; an unknown one
// is left out, to be asked again. The last line is left out when it lacks its line break (a run
// killed mid-write); any other line that cannot be read fails naming the file and the line.
#pragma once

#include <istream>
#include <string>
#include <unordered_map>

#include "check/Answer.h"
#include "web/Result.h"

namespace cli {

using Settled = std::unordered_map<std::u16string, check::Answer>;

web::Result<Settled> ReadSettled(std::istream& in, const std::string& file);

}  // namespace cli
