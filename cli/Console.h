// The program's standard streams: whether one is a terminal, and writing UTF-8 text to one. On
// Windows a console window gets the text as wide characters, so that Chinese shows whatever the
// console's code page; files and pipes get the UTF-8 bytes on every platform.
#pragma once

#include <functional>
#include <string_view>

#include "web/Result.h"

namespace cli {

enum class Stream { Out, Err };

// Puts standard input and output into binary mode where the platform has a text mode.
void PrepareStandardStreams();
bool IsTerminal(Stream stream);
// False when the text could not all be written (a full disk, a closed file).
bool Write(Stream stream, std::string_view utf8);

// Reads standard input to its end, handing its bytes to feed as they come, and stops at the
// first failure of feed. A console window is read as wide characters and handed on as UTF-8.
web::Status ReadStandardInput(const std::function<web::Status(std::string_view)>& feed);

}  // namespace cli
