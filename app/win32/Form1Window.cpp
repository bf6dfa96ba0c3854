#include "Form1Window.h"

#include <cmath>
#include <utility>

#include "LastError.h"
#include "Wide.h"

namespace app::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"BrelkaForm1";
// Control identifiers stay clear of IDOK and IDCANCEL: no button of this window is a default or
// cancel button.
constexpr int kFirstControlId = 100;
// A key pressed in a control, offered to the window first: wParam the virtual key, lParam the
// control. The answer is non-zero when the window used the key up.
constexpr UINT kControlKey = WM_APP + 1;
// The registries' run has news for the window; posted from the run's threads.
constexpr UINT kRunEvent = WM_APP + 2;
// The program's icon in the resource script.
constexpr int kIconId = 1;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

int ControlIdOf(ControlId id) {
  return kFirstControlId + static_cast<int>(id);
}

base::Status RegisterWindowClass(WNDPROC procedure) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, kWindowClass, &existing)) return base::Ok();
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXICON),
                                                    GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
  windowClass.hIconSm = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                 GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  if (!RegisterClassExW(&windowClass)) return LastError("RegisterClassEx");
  return base::Ok();
}

}  // namespace

Form1Window::Form1Window(Win32Platform& platform, web::HttpSession& session,
                         std::u16string registrarBase, std::u16string captionSuffix,
                         SourceOpener registries)
    : platform_(platform),
      form_(registries ? Form1(*this, platform, session, std::move(registries),
                               [this] {
                                 // A window that is gone by now takes no message.
                                 if (HWND window = runEvents_.load()) {
                                   PostMessageW(window, kRunEvent, 0, 0);
                                 }
                               })
                       : Form1(*this, platform, session, std::move(registrarBase))),
      caption_(Form1Layout().caption + captionSuffix) {}

Form1Window::~Form1Window() {
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
  for (auto& [entry, font] : fonts_) DeleteObject(font);
}

base::Status Form1Window::Open(int showCommand) {
  if (base::Status registered = RegisterWindowClass(&WindowProc); !registered) return registered;

  HDC screen = GetDC(nullptr);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);

  // The client area has the described size; the frame grows around it. The window starts in
  // the middle of the work area.
  const FormSpec& form = Form1Layout();
  RECT frame{0, 0, Pixels(form.clientWidth), Pixels(form.clientHeight)};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;

  if (!CreateWindowExW(0, kWindowClass, Wide(caption_).c_str(), kWindowStyle, left, top, width,
                       height, nullptr, nullptr, GetModuleHandleW(nullptr), this))
    return LastError("CreateWindowEx");
  platform_.SetOwner(window_);

  if (base::Status loaded = form_.Form_Load(); !loaded) {
    DestroyWindow(window_);
    return loaded;
  }
  ShowWindow(window_, showCommand);
  shown_ = true;
  UpdateWindow(window_);
  SetFocus(ControlHandle(form.initialFocus));
  return base::Ok();
}

// The dialog manager is not used: multi-line edit controls claim Tab and Esc from it, and it
// clicks a focused button on Enter only by way of a default button, which this window has none of.
bool Form1Window::PreTranslate(MSG& message) {
  if (!window_ || gone_ || message.message != WM_KEYDOWN || !IsChild(window_, message.hwnd))
    return false;
  return SendMessageW(window_, kControlKey, message.wParam,
                      reinterpret_cast<LPARAM>(message.hwnd)) != 0;
}

HWND Form1Window::ControlHandle(ControlId id) const {
  auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

LRESULT CALLBACK Form1Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Form1Window* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Form1Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    self->runEvents_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    self->runEvents_ = nullptr;
    self->controls_.clear();
    self->specs_.clear();
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT Form1Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_CTLCOLORSTATIC:
      return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE:
      return OnClose();
    case WM_QUERYENDSESSION:
      return OnQueryEndSession();
    case WM_ACTIVATE:
      return OnActivate(wParam);
    case WM_SETFOCUS:
      return OnSetFocus();
    case WM_DESTROY:
      return OnDestroy();
    case kControlKey:
      return OnControlKey(wParam, reinterpret_cast<HWND>(lParam));
    case kRunEvent:
      form_.OnRunEvent();
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

LRESULT Form1Window::OnCreate() {
  const FormSpec& form = Form1Layout();
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(form.font)), FALSE);
  for (const ControlSpec& entry : form.controls)
    if (!CreateControl(entry)) return -1;

  // The window order follows the focus order too, for tools that walk the tab stops.
  for (ControlId id : form.focusOrder)
    SetWindowPos(ControlHandle(id), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  // The input box reports mouse clicks, which an edit control does not tell its parent.
  HWND text1 = ControlHandle(ControlId::Text1);
  SetWindowLongPtrW(text1, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  text1DefaultProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(text1, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Text1Proc)));
  return 0;
}

bool Form1Window::CreateControl(const ControlSpec& entry) {
  int left = entry.place.left;
  int top = entry.place.top;
  if (entry.container) {
    left += Control(*entry.container).place.left;
    top += Control(*entry.container).place.top;
  }
  const wchar_t* windowClass = L"STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD extendedStyle = 0;
  switch (entry.kind) {
    case ControlKind::Label:
      style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX;
      break;
    case ControlKind::LinkLabel:
      style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY;
      break;
    case ControlKind::Frame:
      windowClass = L"BUTTON";
      style |= BS_GROUPBOX;
      break;
    case ControlKind::TextBox:
      windowClass = L"EDIT";
      style |= WS_TABSTOP | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN |
               WS_HSCROLL | WS_VSCROLL;
      extendedStyle = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::Button:
      windowClass = L"BUTTON";
      style |= WS_TABSTOP | BS_PUSHBUTTON;
      break;
  }
  HWND control =
      CreateWindowExW(extendedStyle, windowClass, Wide(entry.text).c_str(), style, Pixels(left),
                      Pixels(top), Pixels(entry.place.width), Pixels(entry.place.height), window_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdOf(entry.id))),
                      GetModuleHandleW(nullptr), nullptr);
  if (!control) return false;
  controls_[entry.id] = control;
  specs_[control] = &entry;
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(entry.font)), FALSE);
  // A text box of its own has no length limit; the edit control's default is 32K characters.
  if (entry.kind == ControlKind::TextBox) SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
  if (entry.autoSize) FitLabel(control);
  return true;
}

HFONT Form1Window::FontFor(const FontSpec& entry) {
  for (const auto& [known, font] : fonts_)
    if (known == entry) return font;
  const int height = -MulDiv(static_cast<int>(std::lround(entry.points * 10)), dpi_, 720);
  HFONT font = CreateFontW(height, 0, 0, 0, entry.bold ? FW_BOLD : FW_NORMAL, FALSE,
                           entry.underline ? TRUE : FALSE, FALSE, static_cast<BYTE>(entry.charset),
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, Wide(entry.family).c_str());
  fonts_.emplace_back(entry, font);
  return font;
}

int Form1Window::Pixels(Twips twips) const {
  return TwipsToPixels(twips, dpi_);
}

// A label's size follows its caption in its own font.
void Form1Window::FitLabel(HWND label) {
  const std::wstring text = Wide(TextOf(specs_.at(label)->id));
  HDC dc = GetDC(label);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(label, dc);
  SetWindowPos(label, nullptr, 0, 0, size.cx, std::max<LONG>(size.cy, metrics.tmHeight),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Form1Window::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam) - kFirstControlId;
  const WORD code = HIWORD(wParam);
  if (lParam == 0) return 0;
  if (code == BN_CLICKED && id == static_cast<int>(ControlId::Command1)) {
    form_.Command1_Click();
  } else if (code == BN_CLICKED && id == static_cast<int>(ControlId::Command2)) {
    form_.Command2_Click();
  } else if (code == BN_CLICKED && id == static_cast<int>(ControlId::Command3)) {
    ShowFailure(form_.Command3_Click());
  } else if (code == STN_CLICKED && id == static_cast<int>(ControlId::Label6_1)) {
    ShowFailure(form_.Label6_Click(Control(ControlId::Label6_1).index));
  }
  return 0;
}

LRESULT Form1Window::OnCtlColorStatic(HDC dc, HWND control) {
  auto found = specs_.find(control);
  if (found == specs_.end() ||
      (found->second->kind != ControlKind::Label && found->second->kind != ControlKind::LinkLabel))
    return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  if (const auto& colour = found->second->colour)
    SetTextColor(dc, RGB(colour->red, colour->green, colour->blue));
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// Every reason for closing arrives here or at OnQueryEndSession and gets the same question.
LRESULT Form1Window::OnClose() {
  std::int16_t cancel = 0;
  form_.Form_Unload(cancel);
  return 0;
}

LRESULT Form1Window::OnQueryEndSession() {
  std::int16_t cancel = 0;
  form_.Form_Unload(cancel);
  return cancel == 0 ? TRUE : FALSE;
}

// A top-level window that is not a dialog keeps its focused control itself across activation.
LRESULT Form1Window::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) lastFocus_ = focus;
  }
  return DefWindowProcW(window_, WM_ACTIVATE, wParam, 0);
}

LRESULT Form1Window::OnSetFocus() {
  HWND target =
      lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : ControlHandle(Form1Layout().initialFocus);
  if (target) SetFocus(target);
  return 0;
}

// A window that failed to open was never seen; its end is reported by whoever opened it, and a
// quit message would close that report at once.
LRESULT Form1Window::OnDestroy() {
  gone_ = true;
  if (shown_) PostQuitMessage(0);
  return 0;
}

// Tab and Shift+Tab walk the focus order from any control, text boxes included, and never reach
// the text. Enter and Space click the focused button (Space through the button itself); in a
// text box Enter breaks the line. Esc does nothing anywhere: there is no cancel button.
LRESULT Form1Window::OnControlKey(WPARAM key, HWND control) {
  switch (key) {
    case VK_TAB:
      // Once the keyboard moves the focus, the focused button shows its focus rectangle.
      SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
      MoveFocus(control, GetKeyState(VK_SHIFT) < 0);
      return TRUE;
    case VK_RETURN: {
      auto found = specs_.find(control);
      if (found == specs_.end() || found->second->kind != ControlKind::Button) return FALSE;
      if (IsWindowEnabled(control))
        SendMessageW(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
      return TRUE;
    }
    case VK_ESCAPE:
      return TRUE;
    default:
      return FALSE;
  }
}

// Skips a control that cannot take the focus now (Command1 during a query).
void Form1Window::MoveFocus(HWND from, bool backwards) {
  const std::vector<ControlId>& order = Form1Layout().focusOrder;
  const std::size_t count = order.size();
  std::size_t at = backwards ? 0 : count - 1;
  for (std::size_t i = 0; i < count; ++i)
    if (ControlHandle(order[i]) == from) at = i;
  for (std::size_t step = 1; step <= count; ++step) {
    const std::size_t next = backwards ? (at + count - step) % count : (at + step) % count;
    HWND target = ControlHandle(order[next]);
    if (target && IsWindowEnabled(target) && IsWindowVisible(target)) {
      SetFocus(target);
      return;
    }
  }
}

LRESULT CALLBACK Form1Window::Text1Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(edit, GWLP_USERDATA));
  const LRESULT result = CallWindowProcW(self->text1DefaultProc_, edit, message, wParam, lParam);
  if (message == WM_LBUTTONUP) self->form_.Text1_Click();
  return result;
}

std::u16string Form1Window::TextOf(ControlId id) const {
  HWND control = ControlHandle(id);
  if (gone_ || !control) return {};
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Utf16(text);
}

void Form1Window::ShowFailure(const base::Status& status) {
  if (status || gone_) return;
  MessageBoxW(window_, FromUtf8(status.error()).c_str(), Wide(kAppTitle).c_str(),
              MB_OK | MB_ICONWARNING);
}

std::u16string Form1Window::Text1() const {
  return TextOf(ControlId::Text1);
}
std::u16string Form1Window::Text2() const {
  return TextOf(ControlId::Text2);
}
std::u16string Form1Window::Label3() const {
  return TextOf(ControlId::Label3);
}

void Form1Window::SetText1(std::u16string_view text) {
  if (!gone_) SetWindowTextW(ControlHandle(ControlId::Text1), Wide(text).c_str());
}

void Form1Window::SetText2(std::u16string_view text) {
  if (!gone_) SetWindowTextW(ControlHandle(ControlId::Text2), Wide(text).c_str());
}

void Form1Window::SetLabel3(std::u16string_view caption) {
  if (gone_) return;
  HWND label = ControlHandle(ControlId::Label3);
  SetWindowTextW(label, Wide(caption).c_str());
  FitLabel(label);
}

bool Form1Window::Command1Enabled() const {
  return !gone_ && IsWindowEnabled(ControlHandle(ControlId::Command1));
}

void Form1Window::SetCommand1Enabled(bool enabled) {
  if (!gone_) EnableWindow(ControlHandle(ControlId::Command1), enabled ? TRUE : FALSE);
}

void Form1Window::ShowMessage(std::u16string_view text) {
  if (!gone_) MessageBoxW(window_, Wide(text).c_str(), Wide(kAppTitle).c_str(), MB_OK);
}

// Runs what is waiting and returns. The end of the program (WM_QUIT) is left in the queue for
// the message loop, which sees it once the suspended query has unwound.
void Form1Window::ProcessPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (!PreTranslate(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

bool Form1Window::WindowGone() const {
  return gone_;
}

int RunMessageLoop(Form1Window& window) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!window.PreTranslate(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}

}  // namespace app::win32
