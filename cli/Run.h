// brelka-cli from its arguments to its exit status: read and clean the names, judge them, check
// the valid ones with the chosen source, write the answers in input order and the summary.
// main() only adapts the platform's arguments and, where there is one, the built-in simulator.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "Sources.h"

namespace cli {

// args: the arguments after the program's name, in UTF-8.
int Run(std::span<const std::string> args, const DemoStarter& startDemo);

}  // namespace cli
