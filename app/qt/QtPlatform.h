// The platform of the main window's handlers on a Qt desktop: the Qt clipboard, the desktop's
// URL opener standing in for "explorer.exe", the confirmation box, the program's folder, the
// skin library loaded by name with dlopen, and closing every top-level window. It keeps no window
// state of its own and shows nothing but the confirmation box.
#pragma once

#include <QString>

#include "MessageBoxes.h"
#include "app/Platform.h"

namespace qtapp {

// The skin library's file name; the executable's run path ($ORIGIN) finds it beside the program.
inline constexpr char kSkinLibrary[] = "libSkinH.so";

class QtPlatform : public app::Platform {
 public:
  // urlOpener: the program that opens a web address in the user's browser.
  explicit QtPlatform(MessageBoxes& boxes, QString urlOpener = QStringLiteral("xdg-open"));

  base::Status EmptyClipboard() override;
  base::Status SetClipboardText(std::u16string_view text) override;
  base::Status StartProgram(std::u16string_view commandLine, int showWindow) override;
  bool ConfirmOkCancel(std::u16string_view prompt, std::u16string_view caption) override;
  std::u16string ProgramFolder() override;
  std::string ToAnsi(std::u16string_view text) override;
  base::Result<int> SkinH_AttachEx(const std::string& skinPath,
                                  const std::string& password) override;
  void CloseAllWindows() override;

 private:
  MessageBoxes& boxes_;
  QString urlOpener_;
};

}  // namespace qtapp
