// The shown Win32 window read back through the usual Win32 calls and compared with the product's
// own values, written out here and never taken from the window's description: the caption, the
// client size and border, every control's class, text, place, size, font and colour, the scroll
// bars, the focus, and the texts of the real message boxes and of the status line. A wrong
// character in the description fails here even where the window agrees with it.
// Winsock (for the test server) must come before the rest of the Windows headers.
#include <winsock2.h>

#include <windows.h>

#include <gtest/gtest.h>
#include <httplib.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/win32/Form1Window.h"
#include "app/win32/Win32Platform.h"
#include "tests/WindowLiterals.h"
#include "tests/win32/MessageBoxes.h"

namespace {

using app::ControlId;
using app::win32::Form1Window;
using testing_support::BoxAnswerer;
using testing_support::ClassOf;
using testing_support::SeenBox;
using testing_support::TextOf;

int Dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// Places and sizes are given in twips; 15 twips make one pixel at 96 dots per inch.
int Px(int twips) {
  return static_cast<int>(std::lround(twips * Dpi() / 1440.0));
}

std::wstring W(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

const std::wstring kCaption = W(testing_support::kCaption);
const std::wstring kSlogan = W(testing_support::kSlogan);
const std::wstring kWaiting = W(testing_support::kWaiting);
using testing_support::ClientPlace;
using testing_support::kControls;
using Expected = testing_support::ExpectedControl;
using Kind = testing_support::ControlKind;

// A registrar on 127.0.0.1 whose selection page the test chooses.
class Registrar {
 public:
  Registrar() {
    server_.Post("/domains/searchbulk.aspx", [](const httplib::Request&, httplib::Response& res) {
      res.set_content("ok", "text/html");
    });
    server_.Post("/domains/actions/json/removedomainsfrompending.aspx",
                 [](const httplib::Request&, httplib::Response& res) {
                   res.set_content("{}", "application/json");
                 });
    server_.Get("/domains/searchbulk.aspx",
                [this](const httplib::Request&, httplib::Response& res) {
                  res.set_content(page, "text/html; charset=gb2312");
                });
    port_ = server_.bind_to_any_port("127.0.0.1");
    serving_ = std::thread([this] { server_.listen_after_bind(); });
  }
  ~Registrar() {
    server_.stop();
    serving_.join();
  }
  std::u16string Base() const {
    const std::string base = "http://127.0.0.1:" + std::to_string(port_);
    return std::u16string(base.begin(), base.end());
  }

  std::string page;

 private:
  httplib::Server server_;
  int port_ = 0;
  std::thread serving_;
};

// Leaves no WM_QUIT of a destroyed window behind for the next test.
void DrainQuit() {
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

class Form1Literals : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window.Open());
    boxes.statusLine = Control(ControlId::Label3);
  }
  void TearDown() override {
    DestroyWindow(window.Handle());
    DrainQuit();
  }

  HWND Control(ControlId id) { return window.ControlHandle(id); }
  void Click(ControlId id) { SendMessageW(Control(id), BM_CLICK, 0, 0); }
  void SetText(ControlId id, const std::wstring& text) {
    SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  RECT PlaceInClient(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, window.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  BoxAnswerer boxes;
  Registrar registrar;
  app::win32::Win32Platform platform;
  std::unique_ptr<web::HttpSession> session = web::OpenHttpSession();
  Form1Window window{platform, *session, registrar.Base()};
};

TEST_F(Form1Literals, TheWindowHasItsCaptionClientSizeAndFixedBorder) {
  HWND form = window.Handle();
  EXPECT_EQ(TextOf(form), kCaption);
  EXPECT_TRUE(IsWindowVisible(form));
  RECT client{};
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, Px(9255));
  EXPECT_EQ(client.bottom, Px(7275));
  if (Dpi() == 96) {
    EXPECT_EQ(client.right, 617);
    EXPECT_EQ(client.bottom, 485);
  }

  const LONG style = GetWindowLongW(form, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);

  // Centred on the screen's work area, frame included.
  RECT frame{}, work{};
  GetWindowRect(form, &frame);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR(frame.left - work.left, work.right - frame.right, 1);
  EXPECT_NEAR(frame.top - work.top, work.bottom - frame.bottom, 1);
}

TEST_F(Form1Literals, EveryControlShowsItsTextAtItsPlaceInItsFontAndColour) {
  for (const Expected& c : kControls) {
    HWND control = Control(c.id);
    ASSERT_NE(control, nullptr);
    SCOPED_TRACE("control " + std::to_string(static_cast<int>(c.id)));
    EXPECT_EQ(GetParent(control), window.Handle());
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_TRUE(IsWindowEnabled(control));
    EXPECT_EQ(TextOf(control), W(c.text));

    const LONG style = GetWindowLongW(control, GWL_STYLE);
    switch (c.kind) {
      case Kind::Label:
        EXPECT_EQ(ClassOf(control), L"Static");
        break;
      case Kind::Frame:
        EXPECT_EQ(ClassOf(control), L"Button");
        EXPECT_EQ(style & BS_TYPEMASK, BS_GROUPBOX);
        break;
      case Kind::TextBox:
        EXPECT_EQ(ClassOf(control), L"Edit");
        break;
      case Kind::Button:
        EXPECT_EQ(ClassOf(control), L"Button");
        EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);
        break;
    }

    LOGFONTW font{};
    ASSERT_NE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                         sizeof font, &font),
              0);
    EXPECT_EQ(std::wstring(font.lfFaceName), W(c.font.family));
    EXPECT_EQ(font.lfHeight, -static_cast<LONG>(std::lround(c.font.points * Dpi() / 72.0)));
    EXPECT_EQ(font.lfWeight, c.font.bold ? 700 : 400);
    EXPECT_EQ(font.lfCharSet, 134);
    EXPECT_EQ(font.lfUnderline != 0, c.font.underline);
    EXPECT_EQ(font.lfItalic, 0);
    EXPECT_EQ(font.lfStrikeOut, 0);

    const RECT place = PlaceInClient(control);
    const auto [left, top] = ClientPlace(c);
    EXPECT_EQ(place.left, Px(left));
    EXPECT_EQ(place.top, Px(top));
    HDC dc = GetDC(control);
    if (c.width == 0) {
      // Sized to its caption in its own font.
      HGDIOBJ previous =
          SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
      SIZE extent{};
      const std::wstring text = W(c.text);
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
      TEXTMETRICW metrics{};
      GetTextMetricsW(dc, &metrics);
      SelectObject(dc, previous);
      EXPECT_EQ(place.right - place.left, extent.cx);
      EXPECT_EQ(place.bottom - place.top, std::max(extent.cy, metrics.tmHeight));
    } else {
      EXPECT_EQ(place.right - place.left, Px(c.width));
      EXPECT_EQ(place.bottom - place.top, Px(c.height));
    }
    if (c.kind == Kind::Label) {
      // The colour the window gives the label's text when the label paints.
      SendMessageW(window.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(control));
      EXPECT_EQ(GetTextColor(dc), c.red ? RGB(255, 0, 0) : GetSysColor(COLOR_WINDOWTEXT));
    }
    ReleaseDC(control, dc);
  }
}

TEST_F(Form1Literals, BothTextBoxesScrollBothWaysWithoutWrappingAndAreEditable) {
  for (ControlId id : {ControlId::Text1, ControlId::Text2}) {
    const LONG style = GetWindowLongW(Control(id), GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_TRUE(style & ES_AUTOHSCROLL);
    EXPECT_FALSE(style & ES_READONLY);
    SetText(id, std::wstring(400, L'x') + L".com\r\nnext.com");
    EXPECT_EQ(SendMessageW(Control(id), EM_GETLINECOUNT, 0, 0), 2);
  }
}

TEST_F(Form1Literals, FocusStartsOnTheStartButtonAndFollowsTheButtonsThenTheBoxes) {
  EXPECT_EQ(GetFocus(), Control(ControlId::Command1));
  HWND at = Control(ControlId::Command1);
  for (ControlId next : {ControlId::Command2, ControlId::Command3, ControlId::Text1,
                         ControlId::Text2, ControlId::Command1}) {
    at = GetNextDlgTabItem(window.Handle(), at, FALSE);
    EXPECT_EQ(at, Control(next));
  }
  for (const Expected& c : kControls) {
    const LONG style = GetWindowLongW(Control(c.id), GWL_STYLE);
    const bool takesFocus = c.kind == Kind::TextBox || c.kind == Kind::Button;
    EXPECT_EQ((style & WS_TABSTOP) != 0, takesFocus);
    if (c.kind == Kind::Button) {
      EXPECT_NE(style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    }
  }
}

TEST_F(Form1Literals, TheCommandsAndTheCloseQuestionSayExactlyTheirTexts) {
  Click(ControlId::Command3);
  SetText(ControlId::Text2, L"free-one.com\r\n");
  Click(ControlId::Command3);
  SetText(ControlId::Text1, L"one.com");
  Click(ControlId::Command1);
  SetText(ControlId::Text1, L"a.\r\n");
  Click(ControlId::Command1);
  std::wstring tooMany;
  for (int i = 0; i < 491; ++i) tooMany += L"name.com\r\n";
  SetText(ControlId::Text1, tooMany);
  Click(ControlId::Command1);
  boxes.answers = {IDCANCEL};
  SendMessageW(window.Handle(), WM_CLOSE, 0, 0);

  struct Shown {
    std::wstring text;
    std::wstring statusLine;
  };
  const std::vector<Shown> expected = {
      {L"无结果，请先查询", kSlogan},
      {L"全部域名复制成功，您可以粘贴到任意处！", kSlogan},
      {L"查询必须大于2个,小于500个!", kSlogan},
      {L"域名格式错误", kWaiting},
      {L"数量不能大于490个", kWaiting},
  };
  ASSERT_EQ(boxes.seen.size(), expected.size() + 1);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(boxes.seen[i].caption, L"Brelka");
    EXPECT_EQ(boxes.seen[i].text, expected[i].text);
    EXPECT_TRUE(boxes.seen[i].hasOk);
    EXPECT_FALSE(boxes.seen[i].hasCancel);
    EXPECT_EQ(boxes.seen[i].icon, nullptr);
    EXPECT_EQ(boxes.seen[i].statusLine, expected[i].statusLine);
  }
  EXPECT_EQ(TextOf(Control(ControlId::Label3)), L".");

  const SeenBox& question = boxes.seen.back();
  EXPECT_EQ(question.caption, L"退出");
  EXPECT_EQ(question.text, L"真的退出吗?");
  EXPECT_TRUE(question.hasOk);
  EXPECT_TRUE(question.hasCancel);
  EXPECT_EQ(question.icon, LoadIconW(nullptr, IDI_QUESTION));
  EXPECT_TRUE(IsWindow(window.Handle()));
}

TEST_F(Form1Literals, TheStatusLineAndResultBoxSayHowTheQueryEnded) {
  struct Case {
    std::string page;
    std::wstring input;
    std::wstring text2;
    std::wstring label3;
  };
  const Case cases[] = {
      {"<html>My Selected Domain Names<table></table></html>", L"abc.com\r\ntaken.net\r\n",
       L"您查询的域名全部已经被注册!!", L"."},
      {"<html>My Selected Domain Names", L"free-name.com\r\n", L"您查询的域名全部已经被注册!!",
       L"."},
      // Fragments 1 and 3 accepted, 2 without a dot: three can be registered by the count.
      {"<html>My Selected Domain Names<table><tr><td x' id='ONE-FREE.COM'>1.99</td></tr>"
       "<tr><td x' id='nodot'>-</td></tr><tr><td x' id='THREE-FREE.NET'>2.99</td></tr>"
       "</table></html>",
       L"one-free.com\r\nnodot.com\r\nthree-free.net\r\n", L"one-free.com\r\nthree-free.net\r\n",
       L"共输入4个，其中3个可以注册"},
      {"<html>busy</html>", L"free-name.com\r\n", L"", L"查询失败,请检查网络连接后重试"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    registrar.page = c.page;
    SetText(ControlId::Text1, c.input);
    Click(ControlId::Command1);
    EXPECT_EQ(TextOf(Control(ControlId::Text2)), c.text2);
    EXPECT_EQ(TextOf(Control(ControlId::Label3)), c.label3);
    EXPECT_TRUE(IsWindowEnabled(Control(ControlId::Command1)));
  }
  EXPECT_TRUE(boxes.seen.empty());
}

}  // namespace
