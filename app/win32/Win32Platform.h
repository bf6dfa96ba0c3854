// The platform services of the main window's handlers on Windows: the clipboard in its Unicode
// text format, CreateProcessW, the MessageBoxW confirmation, the program's folder, the ANSI code
// page and the skin library loaded with LoadLibraryW. It creates no window of its own; the
// boxes and the clipboard belong to the owner window set once it exists.
#pragma once

#include <windows.h>

#include <string>

#include "app/Platform.h"

namespace app::win32 {

class Win32Platform : public Platform {
 public:
  // The skin library is looked up by this file name through the ordinary library search.
  explicit Win32Platform(std::wstring skinLibrary = L"SkinH.dll");

  void SetOwner(HWND owner) { owner_ = owner; }

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
  base::Status OpenClipboard();

  std::wstring skinLibrary_;
  HWND owner_ = nullptr;
};

}  // namespace app::win32
