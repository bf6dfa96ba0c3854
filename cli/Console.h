// The program's standard streams: whether one is a terminal, and writing UTF-8 text to one. On
// Windows a console window gets the text as wide characters, so that Chinese shows whatever the
// console's code page; files and pipes get the UTF-8 bytes on every platform.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Result.h"

namespace cli {

enum class Stream { Out, Err };

// Puts standard input and output into binary mode where the platform has a text mode.
void PrepareStandardStreams();
bool IsTerminal(Stream stream);
// Whether standard input is a terminal (a console window), where a person types the names.
bool InputIsTerminal();
// False when the text could not all be written (a full disk, a closed file).
bool Write(Stream stream, std::string_view utf8);
// Whether a write to standard output failed because its reader had closed the pipe (head, grep
// -m, less quitting early): no fault, but the end of the run.
bool OutputClosed();

// Runs a command line through the system's shell (sh -c, cmd /c) with these variables added to
// its environment, and waits for it: its exit status, or -1 when it could not be started.
int RunCommand(const std::string& utf8Command,
               const std::vector<std::pair<std::string, std::string>>& environment);

// Standard input, a piece at a time as the run needs it. A console window is read as wide
// characters and handed on as UTF-8.
class StandardInput {
 public:
  // The next bytes; empty once the input has ended.
  base::Result<std::string> Read();

 private:
  std::wstring carried_;  // the first half of a surrogate pair that a console read split
  bool ended_ = false;
};

}  // namespace cli
