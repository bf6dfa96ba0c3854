// Form1Window is the main window on plain Win32: one window class whose object keeps every piece
// of state, builds the controls from the shared description, implements the query's window state
// over them and routes each window message to one handler, and each user action to the shared
// Form1 handlers. It does not decide anything the product's handlers decide, and it does not run
// the program's message loop (see RunMessageLoop).
#pragma once

#include <windows.h>

#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Win32Platform.h"
#include "app/Form1.h"
#include "app/Form1Layout.h"
#include "query/WindowState.h"
#include "web/HttpRequest.h"

namespace app::win32 {

class Form1Window final : public query::WindowState {
 public:
  // With `registries`, the start button asks the registries it opens instead of the registrar.
  Form1Window(Win32Platform& platform, web::HttpSession& session,
              std::u16string registrarBase = std::u16string(query::kRegistrarBase),
              std::u16string captionSuffix = {}, SourceOpener registries = {});
  ~Form1Window() override;
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  // Creates the window and its controls hidden, runs Form_Load, then shows the window centred
  // with the focus on Command1. A failure leaves no window behind.
  base::Status Open(int showCommand = SW_SHOWNORMAL);

  // Offers a key pressed in one of the window's controls to the window procedure before the
  // control sees it; true when the window used it up (focus moves, button clicks).
  bool PreTranslate(MSG& message);

  HWND Handle() const { return window_; }
  HWND ControlHandle(ControlId id) const;

  // query::WindowState over the controls. Once the window is gone the setters do nothing and the
  // getters answer empty texts, so a query that was suspended when it closed unwinds harmlessly.
  std::u16string Text1() const override;
  void SetText1(std::u16string_view text) override;
  std::u16string Text2() const override;
  void SetText2(std::u16string_view text) override;
  std::u16string Label3() const override;
  void SetLabel3(std::u16string_view caption) override;
  bool Command1Enabled() const override;
  void SetCommand1Enabled(bool enabled) override;
  void ShowMessage(std::u16string_view text) override;
  void ProcessPendingMessages() override;
  bool WindowGone() const override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK Text1Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT OnCreate();
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnCtlColorStatic(HDC dc, HWND control);
  LRESULT OnClose();
  LRESULT OnQueryEndSession();
  LRESULT OnActivate(WPARAM wParam);
  LRESULT OnSetFocus();
  LRESULT OnDestroy();
  LRESULT OnControlKey(WPARAM key, HWND control);

  void MoveFocus(HWND from, bool backwards);

  bool CreateControl(const ControlSpec& entry);
  HFONT FontFor(const FontSpec& entry);
  int Pixels(Twips twips) const;
  void FitLabel(HWND label);
  std::u16string TextOf(ControlId id) const;
  void ShowFailure(const base::Status& status);

  Win32Platform& platform_;
  Form1 form_;
  std::u16string caption_;
  HWND window_ = nullptr;
  // The window that the registries' run posts its news to, read from the run's threads.
  std::atomic<HWND> runEvents_{nullptr};
  bool gone_ = false;
  // Set once the window has been shown: only then does its end end the program.
  bool shown_ = false;
  int dpi_ = 96;
  HWND lastFocus_ = nullptr;
  WNDPROC text1DefaultProc_ = nullptr;
  std::map<ControlId, HWND> controls_;
  std::map<HWND, const ControlSpec*> specs_;
  std::vector<std::pair<FontSpec, HFONT>> fonts_;
};

// The program's message loop, with the window's keyboard navigation; returns the exit code once
// the window has been destroyed.
int RunMessageLoop(Form1Window& window);

}  // namespace app::win32
