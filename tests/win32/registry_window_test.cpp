// The real Win32 window asking the registries: the simulated RDAP services, WHOIS servers and
// DNS responder answer on 127.0.0.1 inside this process, the window is driven through window
// messages, its news arrives as posted messages, and message boxes are answered as they open.
// Also which source brelka.ini chooses, read with the profile functions.
// Winsock (for the simulators) must come before the rest of the Windows headers.
#include <winsock2.h>

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/win32/Form1Window.h"
#include "app/win32/Program.h"
#include "app/win32/Wide.h"
#include "app/win32/Win32Platform.h"
#include "sim/DemoRegistries.h"
#include "sim/RdapSim.h"
#include "tests/win32/MessageBoxes.h"
#include "web/HttpRequest.h"

namespace {

using namespace std::chrono_literals;
using app::ControlId;
using app::win32::Form1Window;
using testing_support::BoxAnswerer;
using testing_support::TextOf;

// Runs the window's messages until the condition holds; false when it has not in time.
bool PumpUntil(const std::function<bool()>& condition, std::chrono::seconds limit = 60s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return true;
}

void DrainQuit() {
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

class RegistryWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Open([this] { return registries.setup; });
  }
  void TearDown() override {
    window.reset();
    DrainQuit();
  }

  void Open(std::function<check::RegistrySetup()> setup) {
    window.reset();
    window = std::make_unique<Form1Window>(
        platform, *session, u"http://127.0.0.1:1", u"",
        [setup](std::stop_token stop) { return check::OpenRegistrySource(setup(), stop); });
    auto opened = window->Open();
    ASSERT_TRUE(opened) << opened.error();
  }

  HWND Control(ControlId id) { return window->ControlHandle(id); }
  std::wstring Text(ControlId id) { return TextOf(Control(id)); }
  void Click(ControlId id) { SendMessageW(Control(id), BM_CLICK, 0, 0); }
  void Start(const std::wstring& names) {
    SendMessageW(Control(ControlId::Text1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(names.c_str()));
    Click(ControlId::Command1);
  }
  bool WaitForTheEnd() {
    return PumpUntil([this] { return IsWindowEnabled(Control(ControlId::Command1)) != FALSE; });
  }

  sim::DemoRegistries registries = sim::StartDemoRegistries();
  BoxAnswerer boxes;
  app::win32::Win32Platform platform;
  std::unique_ptr<web::HttpSession> session = web::OpenHttpSession();
  std::unique_ptr<Form1Window> window;
};

TEST_F(RegistryWindowTest, AMixedListEndsWithTheFreeNamesAndWhatCouldNotBeAnswered) {
  sim::RdapFault failing;
  failing.status = 503;
  registries.rdap->SetFault("broken.com", failing);
  Start(
      L"Freename.com\r\nabc.com\r\nfreeword.de\r\nbroken.com\r\nbad_name.com\r\nothername.zz\r\n"
      L"FREENAME.com\r\nnewname.org\r\n");
  EXPECT_FALSE(IsWindowEnabled(Control(ControlId::Command1)));
  ASSERT_TRUE(WaitForTheEnd());
  EXPECT_EQ(Text(ControlId::Label3), L"共输入7个，其中3个可以注册，3个未能查询");
  EXPECT_EQ(Text(ControlId::Text2), L"freename.com\r\nfreeword.de\r\nnewname.org\r\n");
  EXPECT_TRUE(boxes.seen.empty());

  Start(L"abc.com\r\nxyz.org\r\n");
  ASSERT_TRUE(WaitForTheEnd());
  EXPECT_EQ(Text(ControlId::Label3), L"共输入2个，其中0个可以注册");
  EXPECT_EQ(Text(ControlId::Text2), L"您查询的域名全部已经被注册!!");
}

// 490 names at a slow registry: the status line counts them while the window keeps answering.
TEST_F(RegistryWindowTest, A490NameListShowsItsProgressWhileTheWindowStaysUsable) {
  registries.rdap->SetLatency(10ms);
  std::wstring names, free;
  for (int i = 0; i < 490; ++i) {
    const std::wstring name = (i % 2 ? L"taken" : L"free") + std::to_wstring(i) + L".com\r\n";
    names += name;
    if (i % 2 == 0) free += name;
  }
  Start(names);
  std::wstring progress;
  ASSERT_TRUE(PumpUntil([&] {
    progress = Text(ControlId::Label3);
    return progress.starts_with(L"查询中,请稍等....(") && progress.ends_with(L"/490)") &&
           !progress.starts_with(L"查询中,请稍等....(0/");
  }));
  const auto clicked = std::chrono::steady_clock::now();
  Click(ControlId::Command2);
  const auto cleared = std::chrono::steady_clock::now() - clicked;
  EXPECT_EQ(Text(ControlId::Text1), L"");
  EXPECT_FALSE(IsWindowEnabled(Control(ControlId::Command1)));
  std::printf("clearing mid-run took %.1f ms\n",
              std::chrono::duration<double, std::milli>(cleared).count());
  ASSERT_TRUE(WaitForTheEnd());
  EXPECT_EQ(Text(ControlId::Label3), L"共输入490个，其中245个可以注册");
  EXPECT_EQ(Text(ControlId::Text2), free);
}

TEST_F(RegistryWindowTest, ClosingMidRunEndsTheRunAtOnce) {
  sim::RdapFault slow;
  slow.delay = 30s;
  registries.rdap->SetFault("slowname.com", slow);
  Start(L"slowname.com\r\nabc.com\r\n");
  boxes.answers = {IDOK};
  HWND form = window->Handle();
  SendMessageW(form, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(form));
  ASSERT_EQ(boxes.seen.size(), 1u);
  EXPECT_EQ(boxes.seen[0].caption, L"退出");
  const auto start = std::chrono::steady_clock::now();
  window.reset();
  // A hang check, not a speed goal: the answer it would wait for is 30 s away.
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}

// Which source the start button asks: brelka.ini read with the profile functions (the rules
// themselves are the Linux window's, tested there).
TEST(WindowSource, TheSettingsFileChoosesAndAFaultIsToldWithItsLine) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  const std::wstring file =
      std::wstring(folder) + L"brelka-" + std::to_wstring(GetCurrentProcessId()) + L".ini";
  struct Case {
    const char* text;  // nullptr: no file
    app::QuerySource chosen;
    const wchar_t* fault;  // a part of the message, or nullptr for none
  };
  const Case cases[] = {
      {nullptr, app::QuerySource::Registrar, nullptr},
      {"[query]\r\nsource=registry\r\n", app::QuerySource::Registry, nullptr},
      {"[query]\r\nsource=registry\r\nnot a setting\r\n", app::QuerySource::Registrar,
       L"第3行: 无法识别的行"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text ? c.text : "no file");
    DeleteFileW(file.c_str());
    if (c.text) std::ofstream(std::filesystem::path(file), std::ios::binary) << c.text;
    const app::SourceChoice choice = app::win32::ChooseSource(std::nullopt, file);
    EXPECT_EQ(choice.source, c.chosen);
    ASSERT_EQ(choice.fault.has_value(), c.fault != nullptr);
    if (c.fault) {
      const std::wstring message = app::win32::Wide(*choice.fault);
      EXPECT_TRUE(message.starts_with(L"设置文件 " + file));
      EXPECT_NE(message.find(c.fault), std::wstring::npos);
    }
  }
  DeleteFileW(file.c_str());
}

}  // namespace
