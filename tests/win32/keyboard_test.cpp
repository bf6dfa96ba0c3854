// The Windows program as a user meets it: started as its own process, found by its caption, and
// driven with keyboard and mouse input through the system (SendInput), which arrives where the
// focus is, as a real keyboard's does. The test reads the focus and the texts back across the
// process boundary and answers the program's message boxes with keys too. Also the start
// without the skin library or its entry point: an error box that waits, and no window.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "StartProcess.h"

namespace {

using namespace std::chrono_literals;

constexpr wchar_t kCaptionStart[] = L"Brelka域名注册批量查询8.0";
constexpr auto kPatience = 15s;

// Waits for a condition of the other process, letting this thread's messages run meanwhile;
// false when it has not come true in time.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds limit = kPatience) {
  const auto end = std::chrono::steady_clock::now() + limit;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
}

// WM_GETTEXT crosses the process boundary; GetWindowText would not ask the control.
std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
    return L"<no answer>";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 5000, &copied);
  text.resize(copied);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// Window enumeration calls back with the system's calling convention, which on 32-bit x86 no
// lambda has: one real callback collects the windows, and the callers filter them.
BOOL CALLBACK Collect(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> ChildWindowsOf(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, &Collect, reinterpret_cast<LPARAM>(&children));
  return children;
}

std::vector<HWND> TopLevelWindowsOf(DWORD process) {
  std::vector<HWND> all, found;
  EnumWindows(&Collect, reinterpret_cast<LPARAM>(&all));
  for (HWND window : all) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process && IsWindowVisible(window)) found.push_back(window);
  }
  return found;
}

HWND MainWindowOf(DWORD process) {
  for (HWND window : TopLevelWindowsOf(process))
    if (ClassOf(window) != L"#32770" && TextOf(window).rfind(kCaptionStart, 0) == 0) return window;
  return nullptr;
}

HWND MessageBoxOf(DWORD process) {
  for (HWND window : TopLevelWindowsOf(process))
    if (ClassOf(window) == L"#32770") return window;
  return nullptr;
}

struct BoxSeen {
  std::wstring caption;
  std::wstring text;
  bool hasCancel = false;
  bool hasIcon = false;

  bool operator==(const BoxSeen&) const = default;
};

void PrintTo(const BoxSeen& box, std::ostream* out) {
  *out << testing::PrintToString(box.caption) << " " << testing::PrintToString(box.text)
       << (box.hasCancel ? " OK/Cancel" : " OK") << (box.hasIcon ? " with icon" : " no icon");
}

BoxSeen Read(HWND box) {
  BoxSeen seen;
  seen.caption = TextOf(box);
  // The prompt is the box's static text without an identifier of its own.
  if (HWND prompt = GetDlgItem(box, 0xFFFF)) seen.text = TextOf(prompt);
  seen.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
  // The icon is a static control that shows one (its handle belongs to the other process, so
  // which icon it is cannot be told from here).
  for (HWND child : ChildWindowsOf(box))
    if (ClassOf(child) == L"Static" && IsWindowVisible(child) &&
        (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        SendMessageW(child, STM_GETICON, 0, 0) != 0)
      seen.hasIcon = true;
  return seen;
}

void Send(std::vector<INPUT> inputs) {
  ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)),
            inputs.size());
}

INPUT Key(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void Press(WORD key) {
  Send({Key(key, false), Key(key, true)});
}

void PressWith(WORD modifier, WORD key) {
  Send({Key(modifier, false), Key(key, false), Key(key, true), Key(modifier, true)});
}

void Type(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    for (bool up : {false, true}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
      inputs.push_back(input);
    }
  }
  Send(inputs);
}

void ClickAt(POINT at) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>((at.x * 65535 + width / 2) / (width - 1));
  input.mi.dy = static_cast<LONG>((at.y * 65535 + height / 2) / (height - 1));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  INPUT down = input, up = input;
  down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  up.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  Send({input, down, up});
}

std::wstring ThisFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L"\\/"));
}

// One run of the program, ended at the latest when the test is over.
class Program {
 public:
  explicit Program(const std::wstring& folder, const std::wstring& file = L"brelka.exe",
                   const std::wstring& arguments = L"") {
    std::wstring command = L"\"" + folder + L"\\" + file + L"\"" + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startError_ =
        testing_support::StartProcess(command, FALSE, 0, folder.c_str(), startup, process_);
    if (Started()) CloseHandle(process_.hThread);
  }
  ~Program() {
    if (!Started()) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 99);
      WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hProcess);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return startError_ == 0; }
  // Why it did not start: the error of the last of three tries.
  DWORD StartError() const { return startError_; }
  DWORD Id() const { return process_.dwProcessId; }
  bool Ended(std::chrono::milliseconds within) const {
    return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(within.count())) ==
           WAIT_OBJECT_0;
  }
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION process_{};
  DWORD startError_ = 0;
};

bool PutOnClipboard(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str());
  GlobalUnlock(memory);
  const bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  return put;
}

// Puts a window of the program in front, where the keyboard's input goes.
bool BringToFront(HWND window) {
  return WaitUntil([window] {
    if (GetForegroundWindow() == window) return true;
    SetForegroundWindow(window);
    return false;
  });
}

class Keyboard : public ::testing::Test {
 protected:
  Keyboard() : Keyboard(ThisFolder()) {}
  Keyboard(const std::wstring& folder, const std::wstring& file = L"brelka.exe",
           const std::wstring& arguments = L"")
      : program(folder, file, arguments) {}

  void SetUp() override {
    ASSERT_TRUE(program.Started()) << "cannot start the program, error " << program.StartError();
    ASSERT_TRUE(WaitUntil([&] { return (form = MainWindowOf(program.Id())) != nullptr; }));
    ASSERT_TRUE(BringToFront(form));
    thread = GetWindowThreadProcessId(form, nullptr);
    for (HWND child : ChildWindowsOf(form)) Sort(child);
    ASSERT_TRUE(command1 && command2 && command3 && text1 && text2);
    ASSERT_TRUE(FocusComesTo(command1));
  }

  void Sort(HWND child) {
    const std::wstring kind = ClassOf(child), text = TextOf(child);
    if (text == L"开始查询") command1 = child;
    if (text == L"清空数据") command2 = child;
    if (text == L"复制结果") command3 = child;
    if (_wcsicmp(kind.c_str(), L"Edit") == 0) {
      RECT place{};
      GetWindowRect(child, &place);
      // The input box stands left of the result box.
      if (!text1) {
        text1 = child;
      } else {
        RECT other{};
        GetWindowRect(text1, &other);
        text2 = place.left > other.left ? child : text1;
        if (text2 == text1) text1 = child;
      }
    }
  }

  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
  }
  bool FocusComesTo(HWND control) const {
    return WaitUntil([&] { return Focus() == control; });
  }
  bool TextComesTo(HWND box, const std::wstring& text) const {
    return WaitUntil([&] { return TextOf(box) == text; });
  }
  std::wstring Name(HWND control) const {
    if (control == text1) return L"Text1";
    if (control == text2) return L"Text2";
    return control ? TextOf(control) : L"<none>";
  }

  // The next message box of the program, once it has the keyboard.
  BoxSeen AwaitBox(HWND* box = nullptr) {
    HWND found = nullptr;
    EXPECT_TRUE(WaitUntil([&] {
      found = MessageBoxOf(program.Id());
      return found && GetForegroundWindow() == found;
    })) << "no message box came to the front";
    if (box) *box = found;
    return found ? Read(found) : BoxSeen{};
  }
  void AnswerBox(WORD key) {
    HWND box = nullptr;
    AwaitBox(&box);
    Press(key);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  }
  bool NoBox() const { return MessageBoxOf(program.Id()) == nullptr; }
  // From the focus at start: Tab to Command2 and Enter empty both boxes.
  void EmptyTheBoxesWithCommand2() {
    Press(VK_TAB);
    Press(VK_RETURN);
    ASSERT_TRUE(TextComesTo(text1, L""));
  }

  // From the focus at start: empties both boxes, pastes the text into the input box with Ctrl+V
  // and brings the focus back to the start button.
  void PasteIntoTheInputBox(const std::wstring& names) {
    ASSERT_TRUE(PutOnClipboard(names));
    EmptyTheBoxesWithCommand2();
    Press(VK_TAB);
    Press(VK_TAB);
    ASSERT_TRUE(FocusComesTo(text1));
    PressWith(VK_CONTROL, 'V');
    ASSERT_TRUE(WaitUntil([&] { return TextOf(text1).size() == names.size(); }));
    for (int i = 0; i < 3; ++i) PressWith(VK_SHIFT, VK_TAB);
    ASSERT_TRUE(FocusComesTo(command1));
  }

  Program program;
  HWND form = nullptr;
  DWORD thread = 0;
  HWND command1 = nullptr, command2 = nullptr, command3 = nullptr;
  HWND text1 = nullptr, text2 = nullptr;
};

TEST_F(Keyboard, TabAndShiftTabWalkTheFocusOrderRoundAndNeverTypeATab) {
  const std::wstring hint = TextOf(text1);
  const std::vector<HWND> order{command1, command2, command3, text1, text2};
  for (std::size_t i = 1; i <= 2 * order.size(); ++i) {
    Press(VK_TAB);
    ASSERT_TRUE(FocusComesTo(order[i % order.size()]))
        << "Tab " << i << " left the focus on " << testing::PrintToString(Name(Focus()));
  }
  for (std::size_t i = 1; i <= 2 * order.size(); ++i) {
    PressWith(VK_SHIFT, VK_TAB);
    ASSERT_TRUE(FocusComesTo(order[(2 * order.size() - i) % order.size()]))
        << "Shift+Tab " << i << " left the focus on " << testing::PrintToString(Name(Focus()));
  }
  EXPECT_EQ(TextOf(text1), hint);
  EXPECT_EQ(TextOf(text2), L"");
  EXPECT_TRUE(NoBox());
}

TEST_F(Keyboard, EnterAndSpaceClickTheFocusedButtonHoweverItGotThere) {
  // At start, on Command1: the hint would be sent to the registrar, so Command2 (by Tab) empties
  // the boxes first and Command1 then refuses the empty input, by Enter and by Space.
  Press(VK_TAB);
  ASSERT_TRUE(FocusComesTo(command2));
  Press(VK_RETURN);
  EXPECT_TRUE(TextComesTo(text1, L""));
  PressWith(VK_SHIFT, VK_TAB);
  ASSERT_TRUE(FocusComesTo(command1));
  for (WORD key : {VK_RETURN, VK_SPACE}) {
    Press(key);
    EXPECT_EQ(AwaitBox(), (BoxSeen{L"Brelka", L"查询必须大于2个,小于500个!", false, false}));
    AnswerBox(VK_RETURN);
    EXPECT_TRUE(FocusComesTo(command1));
  }

  // By a mouse click, which clicks Command3 once; then Enter and Space click it again.
  RECT place{};
  GetWindowRect(command3, &place);
  ClickAt({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
  for (int click = 0; click < 3; ++click) {
    EXPECT_EQ(AwaitBox().text, L"无结果，请先查询");
    AnswerBox(VK_RETURN);
    ASSERT_TRUE(FocusComesTo(command3));
    if (click < 2) Press(click == 0 ? VK_RETURN : VK_SPACE);
  }

  // Space on Command2 clears what was typed into the result box.
  Press(VK_TAB);
  Press(VK_TAB);
  ASSERT_TRUE(FocusComesTo(text2));
  Type(L"free.com");
  ASSERT_TRUE(TextComesTo(text2, L"free.com"));
  for (int i = 0; i < 3; ++i) PressWith(VK_SHIFT, VK_TAB);
  ASSERT_TRUE(FocusComesTo(command2));
  Press(VK_SPACE);
  EXPECT_TRUE(TextComesTo(text2, L""));
  EXPECT_TRUE(NoBox());
}

TEST_F(Keyboard, EnterInABoxBreaksTheLineAtTheCaretAndEscDoesNothing) {
  EmptyTheBoxesWithCommand2();
  Press(VK_TAB);
  Press(VK_TAB);
  ASSERT_TRUE(FocusComesTo(text1));
  for (HWND box : {text1, text2}) {
    if (box == text2) {
      Press(VK_TAB);
      ASSERT_TRUE(FocusComesTo(text2));
    }
    Type(L"abc.comdef.net");
    for (int i = 0; i < 7; ++i) Press(VK_LEFT);
    Press(VK_RETURN);
    Press(VK_END);
    // Esc, then a letter: once the letter is there, Esc has been handled too.
    Press(VK_ESCAPE);
    Type(L"x");
    EXPECT_TRUE(TextComesTo(box, L"abc.com\r\ndef.netx")) << testing::PrintToString(TextOf(box));
    EXPECT_TRUE(NoBox());
    EXPECT_EQ(Focus(), box);
  }
  EXPECT_EQ(TextOf(text1), L"abc.com\r\ndef.netx");
  EXPECT_TRUE(IsWindowVisible(form));
}

TEST_F(Keyboard, EscOnAButtonDoesNothing) {
  const std::wstring hint = TextOf(text1);
  for (HWND next : {command2, command3, text1}) {
    // Esc, then Tab: once the focus has moved on, Esc has been handled too.
    Press(VK_ESCAPE);
    Press(VK_TAB);
    EXPECT_TRUE(FocusComesTo(next)) << testing::PrintToString(Name(Focus()));
    EXPECT_TRUE(NoBox());
  }
  EXPECT_EQ(TextOf(text1), hint);
  EXPECT_TRUE(IsWindowVisible(form));
}

TEST_F(Keyboard, AltF4AndTheCloseButtonAskEscCancelsEnterEndsTheProgram) {
  Press(VK_TAB);
  Press(VK_TAB);
  Press(VK_TAB);
  ASSERT_TRUE(FocusComesTo(text1));
  Type(L"half");
  ASSERT_TRUE(WaitUntil([&] { return TextOf(text1).rfind(L"half", 0) == 0; }));
  const std::wstring input = TextOf(text1);

  PressWith(VK_MENU, VK_F4);
  EXPECT_EQ(AwaitBox(), (BoxSeen{L"退出", L"真的退出吗?", true, true}));
  AnswerBox(VK_ESCAPE);
  EXPECT_FALSE(program.Ended(0ms));
  EXPECT_TRUE(FocusComesTo(text1));
  EXPECT_EQ(TextOf(text1), input);

  // The close button at the right end of the caption.
  RECT frame{};
  GetWindowRect(form, &frame);
  POINT close{};
  for (close = {frame.right - 2, frame.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2};
       close.x > frame.left; --close.x) {
    DWORD_PTR hit = 0;
    SendMessageTimeoutW(form, WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y), SMTO_ABORTIFHUNG, 5000,
                        &hit);
    if (hit == HTCLOSE) break;
  }
  ASSERT_GT(close.x, frame.left) << "no close button on the caption";
  ClickAt({close.x - 3, close.y});
  EXPECT_EQ(AwaitBox().text, L"真的退出吗?");
  AnswerBox(VK_RETURN);
  EXPECT_TRUE(program.Ended(kPatience));
  EXPECT_EQ(program.ExitCode(), 0u);
}

// A long paste is refused without freezing the window for long; the time it took is printed for
// the README's figures, not judged.
TEST_F(Keyboard, FiveThousandPastedNamesAreRefused) {
  std::wstring names;
  for (int i = 0; i < 5000; ++i) names += L"pasted-name-" + std::to_wstring(i) + L".com\r\n";
  ASSERT_NO_FATAL_FAILURE(PasteIntoTheInputBox(names));

  const auto start = std::chrono::steady_clock::now();
  Press(VK_RETURN);
  EXPECT_EQ(AwaitBox().text, L"数量不能大于490个");
  const auto took = std::chrono::steady_clock::now() - start;
  std::printf("refusal of 5000 pasted names came after %.2f s\n",
              std::chrono::duration<double>(took).count());
  AnswerBox(VK_RETURN);
  EXPECT_EQ(TextOf(text1), names);
}

// The unpacked zip, which CTest names; under Wine a path of the build machine is on drive Z:.
std::wstring UnpackedZip() {
  const char* folder = std::getenv("BRELKA_UNPACKED_ZIP");
  if (!folder) return L"";
  std::wstring path(folder, folder + std::strlen(folder));
  if (path.starts_with(L"/")) path = L"Z:" + path;
  for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
  return path;
}

// The demo as a user starts it from the unpacked zip, asking the simulated registries.
class DemoFromTheZip : public Keyboard {
 protected:
  DemoFromTheZip() : DemoFromTheZip(UnpackedZip(), L" --source registry") {}
  DemoFromTheZip(const std::wstring& folder, const std::wstring& arguments)
      : Keyboard(folder, L"brelka-demo.exe", arguments) {}
  void SetUp() override {
    if (UnpackedZip().empty()) GTEST_SKIP() << "no unpacked zip was named for this run";
    Keyboard::SetUp();
  }
  // The text of the first control that shows one starting with `start`.
  std::wstring ShownText(const std::wstring& start) {
    std::wstring shown;
    WaitUntil([&] {
      for (HWND child : ChildWindowsOf(form)) {
        if (TextOf(child).starts_with(start)) shown = TextOf(child);
      }
      return !shown.empty();
    });
    return shown;
  }
};

TEST_F(DemoFromTheZip, AsksTheSimulatedRegistriesAndSaysSoInItsCaption) {
  EXPECT_TRUE(TextOf(form).starts_with(kCaptionStart));
  EXPECT_NE(TextOf(form).find(L"演示"), std::wstring::npos) << testing::PrintToString(TextOf(form));

  const std::wstring names = L"Freename.com\r\nabc.com\r\nfreeword.de\r\nbad_name.com\r\n";
  ASSERT_NO_FATAL_FAILURE(PasteIntoTheInputBox(names));
  Press(VK_RETURN);

  EXPECT_EQ(ShownText(L"共输入"), L"共输入4个，其中2个可以注册，1个未能查询");
  EXPECT_TRUE(TextComesTo(text2, L"freename.com\r\nfreeword.de\r\n"))
      << testing::PrintToString(TextOf(text2));
  EXPECT_TRUE(NoBox());

  PressWith(VK_MENU, VK_F4);
  EXPECT_EQ(AwaitBox().text, L"真的退出吗?");
  AnswerBox(VK_RETURN);
  ASSERT_TRUE(program.Ended(kPatience));
  EXPECT_EQ(program.ExitCode(), 0u);
}

// brelka.ini beside the program chooses the registries when the command line says nothing.
std::wstring WithIniBeside(const std::wstring& folder) {
  if (!folder.empty())
    std::ofstream(std::filesystem::path(folder + L"\\brelka.ini"))
        << "[query]\r\nsource=registry\r\n";
  return folder;
}

class DemoWithIniBeside : public DemoFromTheZip {
 protected:
  DemoWithIniBeside() : DemoFromTheZip(WithIniBeside(UnpackedZip()), L"") {}
  ~DemoWithIniBeside() override { DeleteFileW((UnpackedZip() + L"\\brelka.ini").c_str()); }
};

TEST_F(DemoWithIniBeside, AsksTheRegistries) {
  ASSERT_NO_FATAL_FAILURE(PasteIntoTheInputBox(L"freename.com\r\nbad_name.com\r\n"));
  Press(VK_RETURN);
  EXPECT_EQ(ShownText(L"共输入"), L"共输入2个，其中1个可以注册，1个未能查询");
}

// A copy of the program in a folder of its own, with or without a skin library beside it.
class Folder {
 public:
  Folder() {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    path_ = std::wstring(base) + L"brelka-start-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~Folder() {
    for (const wchar_t* name : {L"\\brelka.exe", L"\\SkinH.dll"})
      DeleteFileW((path_ + name).c_str());
    RemoveDirectoryW(path_.c_str());
  }
  bool Copy(const std::wstring& from, const wchar_t* name) {
    return CopyFileW(from.c_str(), (path_ + name).c_str(), FALSE) != 0;
  }
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

void ExpectAFailedStartThatWaitsForTheUser(const std::wstring& folder, const std::wstring& named) {
  Program program(folder);
  ASSERT_TRUE(program.Started()) << "cannot start the program, error " << program.StartError();
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = MessageBoxOf(program.Id())) != nullptr; }))
      << "no error box; the program ended with " << program.ExitCode();
  const BoxSeen seen = Read(box);
  EXPECT_NE(seen.text.find(named), std::wstring::npos) << testing::PrintToString(seen.text);
  EXPECT_EQ(seen.caption, L"Brelka");
  // The box stays until it is answered, and the window never appears.
  EXPECT_FALSE(program.Ended(1s));
  EXPECT_TRUE(IsWindow(box));
  EXPECT_EQ(MainWindowOf(program.Id()), nullptr);
  ASSERT_TRUE(BringToFront(box));
  Press(VK_RETURN);
  ASSERT_TRUE(program.Ended(kPatience));
  EXPECT_NE(program.ExitCode(), 0u);
}

TEST(FailedStart, WithoutTheSkinLibraryAnErrorBoxNamesItAndNoWindowAppears) {
  Folder folder;
  ASSERT_TRUE(folder.Copy(ThisFolder() + L"\\brelka.exe", L"\\brelka.exe"));
  ExpectAFailedStartThatWaitsForTheUser(folder.Path(), L"SkinH.dll");
}

TEST(FailedStart, WithoutTheEntryPointAnErrorBoxNamesItAndNoWindowAppears) {
  Folder folder;
  ASSERT_TRUE(folder.Copy(ThisFolder() + L"\\brelka.exe", L"\\brelka.exe"));
  ASSERT_TRUE(folder.Copy(ThisFolder() + L"\\noentry\\SkinH.dll", L"\\SkinH.dll"));
  ExpectAFailedStartThatWaitsForTheUser(folder.Path(), L"SkinH_AttachEx");
}

}  // namespace
