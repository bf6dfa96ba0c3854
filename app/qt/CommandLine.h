// CommandLine reads the few options of the window programs before Qt starts: --help and
// --version print and end the program without opening a window, --source chooses what the start
// button asks, Qt's own options (-platform,
// -style, -session, ...) are left for Qt, and anything else is refused. It neither starts Qt
// nor needs a display, so it also answers on a machine without one.
#pragma once

#include <optional>
#include <ostream>
#include <string_view>

#include "app/WindowSettings.h"

namespace qtapp {

struct ProgramDescription {
  std::string_view name;   // the command, "brelka"
  std::string_view about;  // what the program does, for --help; lines end with '\n'
};

// The exit status when the command line ends the program: 0 after --help or --version, 2 for
// an unknown option or a stray argument (with the reason on err). Nothing when the window is to
// start; argv then still holds Qt's options for QApplication, and source the one --source names.
std::optional<int> HandleCommandLine(int argc, const char* const* argv,
                                     const ProgramDescription& program, std::ostream& out,
                                     std::ostream& err,
                                     std::optional<app::QuerySource>* source = nullptr);

}  // namespace qtapp
