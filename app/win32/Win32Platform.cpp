#include "Win32Platform.h"

#include <utility>
#include <vector>

#include "LastError.h"
#include "Wide.h"

namespace app::win32 {
namespace {

// The clipboard pointer closes the clipboard on every path out of a step.
struct ClipboardOpen {
  ~ClipboardOpen() { CloseClipboard(); }
};

using AttachEx = int(__stdcall*)(const char*, const char*);

BOOL CALLBACK CollectVisible(HWND window, LPARAM list) {
  if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

Win32Platform::Win32Platform(std::wstring skinLibrary) : skinLibrary_(std::move(skinLibrary)) {}

// Another program may hold the clipboard for a moment; a few short tries ride that out, a
// program that keeps it makes the step fail.
base::Status Win32Platform::OpenClipboard() {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (::OpenClipboard(owner_)) return base::Ok();
    Sleep(20);
  }
  return LastError("OpenClipboard");
}

base::Status Win32Platform::EmptyClipboard() {
  if (base::Status opened = OpenClipboard(); !opened) return opened;
  ClipboardOpen open;
  if (!::EmptyClipboard()) return LastError("EmptyClipboard");
  return base::Ok();
}

base::Status Win32Platform::SetClipboardText(std::u16string_view text) {
  if (base::Status opened = OpenClipboard(); !opened) return opened;
  ClipboardOpen open;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (!memory) return LastError("GlobalAlloc");
  auto* target = static_cast<char16_t*>(GlobalLock(memory));
  if (!target) {
    GlobalFree(memory);
    return LastError("GlobalLock");
  }
  text.copy(target, text.size());
  target[text.size()] = u'\0';
  GlobalUnlock(memory);
  // On success the clipboard owns the memory.
  if (!SetClipboardData(CF_UNICODETEXT, memory)) {
    base::Failure failure = LastError("SetClipboardData");
    GlobalFree(memory);
    return failure;
  }
  return base::Ok();
}

base::Status Win32Platform::StartProgram(std::u16string_view commandLine, int showWindow) {
  std::wstring line = Wide(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showWindow);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return LastError("CreateProcess");
  // The started program runs on its own: nothing waits for it.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return base::Ok();
}

bool Win32Platform::ConfirmOkCancel(std::u16string_view prompt, std::u16string_view caption) {
  // Style 33: OK and Cancel (1) with the question-mark icon (32); OK is the default button.
  return MessageBoxW(owner_, Wide(prompt).c_str(), Wide(caption).c_str(),
                     MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

std::u16string Win32Platform::ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  // The folder is the path without the file name and without the separator before it, except
  // for a drive's root, whose separator is part of its name.
  std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {};
  path.resize(slash > 0 && path[slash - 1] == L':' ? slash + 1 : slash);
  return Utf16(path);
}

std::string Win32Platform::ToAnsi(std::u16string_view text) {
  if (text.empty()) return {};
  std::wstring wide = Wide(text);
  int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                   0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string ansi(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), length,
                      nullptr, nullptr);
  return ansi;
}

base::Result<int> Win32Platform::SkinH_AttachEx(const std::string& skinPath,
                                               const std::string& password) {
  // The library stays loaded for the life of the process: the skin is never detached.
  HMODULE library = LoadLibraryW(skinLibrary_.c_str());
  if (!library) return LastError("the skin library SkinH.dll cannot be loaded");
  auto attach = reinterpret_cast<AttachEx>(
      reinterpret_cast<void*>(GetProcAddress(library, "SkinH_AttachEx")));
  if (!attach) return LastError("SkinH.dll has no entry point SkinH_AttachEx");
  return attach(skinPath.c_str(), password.c_str());
}

void Win32Platform::CloseAllWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), &CollectVisible, reinterpret_cast<LPARAM>(&windows));
  if (owner_ && IsWindow(owner_) && !IsWindowVisible(owner_)) windows.push_back(owner_);
  for (HWND window : windows)
    if (IsWindow(window)) DestroyWindow(window);
}

}  // namespace app::win32
