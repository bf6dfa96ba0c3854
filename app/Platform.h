// What the main window's handlers need of the operating system: the clipboard, starting a
// program, the exit confirmation box, the program's folder, the skin library and closing the
// program's windows. Each front end implements it over its platform; tests use fakes. It holds
// no window logic and never shows anything on its own except the confirmation box.
#pragma once

#include <string>
#include <string_view>

#include "base/Result.h"

namespace app {

class Platform {
 public:
  virtual ~Platform() = default;

  // The clipboard, plain text. A failure means another program holds the clipboard or there is
  // none; the message says why in the platform's words.
  virtual base::Status EmptyClipboard() = 0;
  virtual base::Status SetClipboardText(std::u16string_view text) = 0;

  // Starts the command line as a new program with the show-window code and does not wait for
  // it. A front end without "explorer.exe" maps "explorer.exe <address>" to the desktop's own
  // way of opening an address.
  virtual base::Status StartProgram(std::u16string_view commandLine, int showWindow) = 0;

  // Modal box with the prompt, the caption, OK and Cancel and the question-mark icon. True when
  // the user chose OK; Esc and closing the box count as Cancel.
  virtual bool ConfirmOkCancel(std::u16string_view prompt, std::u16string_view caption) = 0;

  // The folder that holds the program file, exactly as the platform reports it.
  virtual std::u16string ProgramFolder() = 0;

  // Text as a zero-terminated 8-bit string in the system's ANSI code page (the locale's
  // character set where there is no such thing).
  virtual std::string ToAnsi(std::u16string_view text) = 0;

  // Loads the skin library by its file name through the ordinary library search, if that has not
  // happened yet, and calls its SkinH_AttachEx. Fails when the library or the entry point is
  // missing; otherwise answers what the entry point returned.
  virtual base::Result<int> SkinH_AttachEx(const std::string& skinPath,
                                          const std::string& password) = 0;

  // Closes every window of the program that is still open, in turn; the program then ends.
  virtual void CloseAllWindows() = 0;
};

}  // namespace app
