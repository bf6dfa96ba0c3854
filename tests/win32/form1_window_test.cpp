// The real Win32 main window, driven the way a user would through window messages (set text,
// click, read text): its layout and texts, the small commands and the clipboard, the close
// confirmation, a query closed while it waits, and a whole query against the registrar
// simulator. Message boxes are the real ones; a CBT hook reads and answers each as it opens.
// Winsock (for the test server) must come before the rest of the Windows headers.
#include <winsock2.h>

#include <windows.h>

#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "app/Form1.h"
#include "app/Form1Layout.h"
#include "app/win32/Form1Window.h"
#include "app/win32/Wide.h"
#include "app/win32/Win32Platform.h"
#include "tests/win32/MessageBoxes.h"

namespace {

using namespace std::chrono_literals;
using app::ControlId;
using app::win32::Form1Window;
using app::win32::Wide;
using testing_support::BoxAnswerer;
using testing_support::SeenBox;
using testing_support::TextOf;

// The real platform, except that programs are recorded instead of started.
class RecordingPlatform : public app::win32::Win32Platform {
 public:
  base::Status StartProgram(std::u16string_view commandLine, int showWindow) override {
    started.emplace_back(commandLine);
    showCodes.push_back(showWindow);
    return base::Ok();
  }
  std::vector<std::u16string> started;
  std::vector<int> showCodes;
};

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return L"<clipboard busy>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

void PutOnClipboard(const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str());
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

// Leaves no WM_QUIT of a destroyed window behind for the next test.
void DrainQuit() {
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

class Form1WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<Form1Window>(platform, *session, registrarBase);
    ASSERT_TRUE(window->Open());
  }
  void TearDown() override {
    window.reset();
    DrainQuit();
  }

  HWND Control(ControlId id) { return window->ControlHandle(id); }
  void Click(ControlId id) { SendMessageW(Control(id), BM_CLICK, 0, 0); }
  void SetText(ControlId id, const std::wstring& text) {
    SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  std::wstring Text(ControlId id) { return TextOf(Control(id)); }
  RECT PlaceInClient(ControlId id) {
    RECT rect{};
    GetWindowRect(Control(id), &rect);
    MapWindowPoints(HWND_DESKTOP, window->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  int Pixels(app::Twips twips) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return app::TwipsToPixels(twips, dpi);
  }

  BoxAnswerer boxes;
  RecordingPlatform platform;
  std::unique_ptr<web::HttpSession> session = web::OpenHttpSession();
  std::u16string registrarBase = u"http://127.0.0.1:1";
  std::unique_ptr<Form1Window> window;
};

TEST_F(Form1WindowTest, OpensCentredWithItsCaptionFixedBorderAndClientSize) {
  HWND form = window->Handle();
  EXPECT_EQ(TextOf(form), Wide(app::Form1Caption()));
  EXPECT_TRUE(IsWindowVisible(form));
  const LONG style = GetWindowLongW(form, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  RECT client{};
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, Pixels(9255));
  EXPECT_EQ(client.bottom, Pixels(7275));

  RECT frame{}, work{};
  GetWindowRect(form, &frame);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR(frame.left - work.left, work.right - frame.right, 1);
  EXPECT_NEAR(frame.top - work.top, work.bottom - frame.bottom, 1);
}

TEST_F(Form1WindowTest, EveryControlStandsAtItsPlaceWithItsTextAndFont) {
  for (const app::ControlSpec& entry : app::Form1Layout().controls) {
    SCOPED_TRACE(std::string(entry.name) + " " + std::to_string(entry.index));
    HWND control = Control(entry.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(TextOf(control), Wide(entry.text));

    int left = entry.place.left, top = entry.place.top;
    if (entry.container) {
      left += app::Control(*entry.container).place.left;
      top += app::Control(*entry.container).place.top;
    }
    const RECT place = PlaceInClient(entry.id);
    EXPECT_EQ(place.left, Pixels(left));
    EXPECT_EQ(place.top, Pixels(top));
    if (!entry.autoSize) {
      EXPECT_EQ(place.right - place.left, Pixels(entry.place.width));
      EXPECT_EQ(place.bottom - place.top, Pixels(entry.place.height));
    }

    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_EQ(std::wstring(font.lfFaceName), Wide(entry.font.family));
    EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(font.lfWeight, entry.font.bold ? FW_BOLD : FW_NORMAL);
    EXPECT_EQ(font.lfUnderline != 0, entry.font.underline);

    if (entry.kind == app::ControlKind::TextBox) {
      const LONG style = GetWindowLongW(control, GWL_STYLE);
      const LONG wanted =
          ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN | WS_HSCROLL | WS_VSCROLL;
      EXPECT_EQ(style & wanted, wanted);
      EXPECT_FALSE(style & ES_READONLY);
    }
  }
}

TEST_F(Form1WindowTest, LabelsFitTheirCaptionAlsoWhenTheStatusLineChanges) {
  HWND label3 = Control(ControlId::Label3);
  const RECT before = PlaceInClient(ControlId::Label3);
  window->SetLabel3(u".");
  const RECT shrunk = PlaceInClient(ControlId::Label3);
  EXPECT_EQ(TextOf(label3), L".");
  EXPECT_LT(shrunk.right - shrunk.left, (before.right - before.left) / 10);
  EXPECT_EQ(shrunk.left, before.left);
  window->SetLabel3(u"共输入5个，其中2个可以注册");
  const RECT grown = PlaceInClient(ControlId::Label3);
  EXPECT_GT(grown.right - grown.left, shrunk.right - shrunk.left);
}

TEST_F(Form1WindowTest, FocusStartsOnCommand1AndTabFollowsTheFocusOrder) {
  EXPECT_EQ(GetFocus(), Control(ControlId::Command1));
  HWND form = window->Handle();
  HWND at = Control(ControlId::Command1);
  for (ControlId next : {ControlId::Command2, ControlId::Command3, ControlId::Text1,
                         ControlId::Text2, ControlId::Command1}) {
    at = GetNextDlgTabItem(form, at, FALSE);
    EXPECT_EQ(at, Control(next));
  }
  for (ControlId id : {ControlId::Command1, ControlId::Command2, ControlId::Command3})
    EXPECT_FALSE(GetWindowLongW(Control(id), GWL_STYLE) & BS_DEFPUSHBUTTON);
}

TEST_F(Form1WindowTest, ClickIntoTheInputBoxClearsOnlyTheHint) {
  HWND text1 = Control(ControlId::Text1);
  auto click = [&] {
    SendMessageW(text1, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(text1, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  };
  EXPECT_EQ(Text(ControlId::Text1), Wide(app::InputHint()));
  click();
  EXPECT_EQ(Text(ControlId::Text1), L"");
  SetText(ControlId::Text1, L"abcdef.com\r\nghijkl.net");
  click();
  EXPECT_EQ(Text(ControlId::Text1), L"abcdef.com\r\nghijkl.net");
  EXPECT_EQ(window->Text1(), u"abcdef.com\r\nghijkl.net");
}

TEST_F(Form1WindowTest, ClearingEmptiesBothBoxesAndKeepsTheStatusLine) {
  SetText(ControlId::Text2, L"free.com\r\n");
  const std::wstring status = Text(ControlId::Label3);
  Click(ControlId::Command2);
  EXPECT_EQ(Text(ControlId::Text1), L"");
  EXPECT_EQ(Text(ControlId::Text2), L"");
  EXPECT_EQ(Text(ControlId::Label3), status);
}

TEST_F(Form1WindowTest, CopyPutsTheNamesOnTheClipboardAndSaysSo) {
  SetText(ControlId::Text2, L"Free-One.com\r\n\r\nno dot here\r\n second.net \r\n");
  boxes.answers = {IDOK};
  Click(ControlId::Command3);
  EXPECT_EQ(ClipboardText(), L"Free-One.com\r\n second.net \r\n");
  ASSERT_EQ(boxes.seen.size(), 1u);
  EXPECT_EQ(boxes.seen[0].text, Wide(app::kCopied));
  EXPECT_EQ(boxes.seen[0].caption, Wide(app::kAppTitle));
  EXPECT_FALSE(boxes.seen[0].hasCancel);
}

TEST_F(Form1WindowTest, CopyOfFewerThanFiveCharactersLeavesTheClipboardAlone) {
  PutOnClipboard(L"earlier");
  SetText(ControlId::Text2, L"a.cn");
  boxes.answers = {IDOK};
  Click(ControlId::Command3);
  EXPECT_EQ(ClipboardText(), L"earlier");
  ASSERT_EQ(boxes.seen.size(), 1u);
  EXPECT_EQ(boxes.seen[0].text, Wide(app::kNothingToCopy));
}

TEST_F(Form1WindowTest, LatestVersionStartsExplorerWithTheAddressShownNormally) {
  SendMessageW(window->Handle(), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(Control(ControlId::Label6_1)), STN_CLICKED),
               reinterpret_cast<LPARAM>(Control(ControlId::Label6_1)));
  ASSERT_EQ(platform.started.size(), 1u);
  EXPECT_EQ(platform.started[0], u"explorer.exe http://brelka.example.com/Brelka/plzc.html");
  EXPECT_EQ(platform.showCodes[0], 1);
  EXPECT_TRUE(IsWindow(window->Handle()));
}

TEST_F(Form1WindowTest, CancellingTheCloseQuestionKeepsEverything) {
  SetText(ControlId::Text1, L"half-edited.co");
  window->SetLabel3(u"查询中,请稍等....");
  boxes.answers = {IDCANCEL, IDCANCEL};
  SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(SendMessageW(window->Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);

  ASSERT_EQ(boxes.seen.size(), 2u);
  for (const SeenBox& box : boxes.seen) {
    EXPECT_EQ(box.caption, L"退出");
    EXPECT_EQ(box.text, L"真的退出吗?");
    EXPECT_TRUE(box.hasCancel);
  }
  EXPECT_TRUE(IsWindow(window->Handle()));
  EXPECT_FALSE(window->WindowGone());
  EXPECT_EQ(Text(ControlId::Text1), L"half-edited.co");
  EXPECT_EQ(Text(ControlId::Label3), L"查询中,请稍等....");
}

TEST_F(Form1WindowTest, ConfirmingTheCloseQuestionEndsTheProgram) {
  HWND form = window->Handle();
  boxes.answers = {IDOK};
  SendMessageW(form, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(form));
  EXPECT_TRUE(window->WindowGone());
  MSG quit;
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);
}

TEST_F(Form1WindowTest, ClosingWhileTheQueryWaitsEndsItCleanlyAndPromptly) {
  httplib::Server registrar;
  std::atomic<bool> release{false};
  registrar.Post("/domains/searchbulk.aspx", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("ok", "text/html");
  });
  registrar.Get("/domains/searchbulk.aspx", [&](const httplib::Request&, httplib::Response& res) {
    for (int i = 0; i < 500 && !release; ++i) std::this_thread::sleep_for(10ms);
    res.set_content("late", "text/html");
  });
  const int port = registrar.bind_to_any_port("127.0.0.1");
  std::thread serving([&] { registrar.listen_after_bind(); });
  const std::string base = "http://127.0.0.1:" + std::to_string(port);
  Form1Window slow(platform, *session, std::u16string(base.begin(), base.end()));
  ASSERT_TRUE(slow.Open());
  SendMessageW(slow.ControlHandle(ControlId::Text1), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"abcdef.com\r\nghijkl.net\r\n"));

  // The close request waits in the queue until the query lets messages run in its page wait.
  HWND form = slow.Handle();
  boxes.answers = {IDOK};
  PostMessageW(form, WM_CLOSE, 0, 0);
  const auto start = std::chrono::steady_clock::now();
  SendMessageW(slow.ControlHandle(ControlId::Command1), BM_CLICK, 0, 0);
  const auto took = std::chrono::steady_clock::now() - start;

  EXPECT_LT(took, 1s);
  EXPECT_FALSE(IsWindow(form));
  EXPECT_TRUE(slow.WindowGone());
  ASSERT_EQ(boxes.seen.size(), 1u);
  EXPECT_EQ(boxes.seen[0].caption, L"退出");
  MSG quit;
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);

  release = true;
  registrar.stop();
  serving.join();
}

// The simulator runs on the build machine; CTest starts it and names the file with its address.
TEST_F(Form1WindowTest, WholeQueryAgainstTheRegistrarSimulator) {
  const char* urlFile = std::getenv("BRELKA_REGISTRAR_URL_FILE");
  if (!urlFile) GTEST_SKIP() << "no registrar simulator was started for this run";
  std::string line;
  std::getline(std::ifstream(urlFile), line);
  const std::string base = line.substr(line.find("http://"));

  Form1Window real(platform, *session, std::u16string(base.begin(), base.end()));
  ASSERT_TRUE(real.Open());
  SendMessageW(
      real.ControlHandle(ControlId::Text1), WM_SETTEXT, 0,
      reinterpret_cast<LPARAM>(
          L"http://www.Free-One.com\r\n\r\ntaken-name.net\r\nabc.org\r\nsecond free.net\r\n"));
  SendMessageW(real.ControlHandle(ControlId::Command1), BM_CLICK, 0, 0);

  EXPECT_EQ(TextOf(real.ControlHandle(ControlId::Text1)),
            L"Free-One.com\r\ntaken-name.net\r\nabc.org\r\nsecondfree.net\r\n");
  EXPECT_EQ(TextOf(real.ControlHandle(ControlId::Text2)), L"free-one.com\r\nsecondfree.net\r\n");
  EXPECT_EQ(TextOf(real.ControlHandle(ControlId::Label3)), L"共输入5个，其中2个可以注册");
  EXPECT_TRUE(IsWindowEnabled(real.ControlHandle(ControlId::Command1)));
  EXPECT_TRUE(boxes.seen.empty());
}

TEST(Win32Platform, FindsTheProgramFolderAndTheSkinLibraryBesideIt) {
  app::win32::Win32Platform platform;
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  folder.resize(folder.find_last_of(L'\\'));
  EXPECT_EQ(Wide(platform.ProgramFolder()), folder);
  EXPECT_EQ(platform.ToAnsi(u"abc/XinChunDaJie.she"), "abc/XinChunDaJie.she");

  const std::string skin = platform.ToAnsi(platform.ProgramFolder() + u"/XinChunDaJie.she");
  auto attached = platform.SkinH_AttachEx(skin, "");
  ASSERT_TRUE(attached) << attached.error();
  EXPECT_EQ(attached.value(), 0);
  EXPECT_EQ(platform.SkinH_AttachEx("no-such-file.she", "").value(), 1);
}

TEST(Win32Platform, MissingSkinLibraryOrEntryPointFailsTheStart) {
  app::win32::Win32Platform noLibrary(L"NoSuchSkinLibrary.dll");
  EXPECT_FALSE(noLibrary.SkinH_AttachEx("x", ""));
  app::win32::Win32Platform noEntryPoint(L"kernel32.dll");
  EXPECT_FALSE(noEntryPoint.SkinH_AttachEx("x", ""));

  auto session = web::OpenHttpSession();
  Form1Window window(noLibrary, *session);
  EXPECT_FALSE(window.Open());
  EXPECT_EQ(window.Handle(), nullptr);
  DrainQuit();
}

}  // namespace
