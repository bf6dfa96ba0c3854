// The real message boxes of the thread under test, read and answered as they open: a CBT hook
// sees each box activated, records what it shows and clicks the answer the test queued.
#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

namespace testing_support {

inline std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), int(text.size()))));
  return text;
}

inline std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// What one message box showed when it opened.
struct SeenBox {
  std::wstring caption;
  std::wstring text;
  bool hasOk = false;
  bool hasCancel = false;
  HICON icon = nullptr;
  std::wstring statusLine;  // the text of BoxAnswerer::statusLine while the box was open
};

// Answers every message box of this thread as it is activated, in the order given (Cancel when
// no answer is left, OK for a box without Cancel), and keeps what each showed.
class BoxAnswerer {
 public:
  BoxAnswerer() {
    current_ = this;
    hook_ = SetWindowsHookExW(WH_CBT, &OnCbt, nullptr, GetCurrentThreadId());
  }
  ~BoxAnswerer() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;

  HWND statusLine = nullptr;  // a window whose text each box records beside its own
  std::deque<int> answers;
  std::vector<SeenBox> seen;

 private:
  static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current_) {
      HWND window = reinterpret_cast<HWND>(wParam);
      if (ClassOf(window) == L"#32770") current_->Answer(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  // The icon the box shows, if any: its picture control holds one only for a style with an icon.
  static BOOL CALLBACK FindIcon(HWND child, LPARAM found) {
    if (ClassOf(child) == L"Static" &&
        (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      *reinterpret_cast<HICON*>(found) =
          reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    }
    return TRUE;
  }

  void Answer(HWND box) {
    SeenBox shown;
    shown.caption = TextOf(box);
    // The prompt is the box's static text control without an identifier of its own.
    shown.text = TextOf(GetDlgItem(box, 0xFFFF));
    shown.hasOk = GetDlgItem(box, IDOK) != nullptr;
    shown.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
    EnumChildWindows(box, &FindIcon, reinterpret_cast<LPARAM>(&shown.icon));
    if (statusLine) shown.statusLine = TextOf(statusLine);
    seen.push_back(shown);
    int answer = IDCANCEL;
    if (!answers.empty()) {
      answer = answers.front();
      answers.pop_front();
    }
    if (answer == IDCANCEL && !shown.hasCancel) answer = IDOK;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
  }

  static inline BoxAnswerer* current_ = nullptr;
  HHOOK hook_ = nullptr;
};

}  // namespace testing_support
