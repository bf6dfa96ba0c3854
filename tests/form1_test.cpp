#include "app/Form1.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/Form1Layout.h"
#include "MemoryWindow.h"

namespace {

// Records what the handlers ask of the platform; each step can be made to fail.
class FakePlatform : public app::Platform {
 public:
  base::Status EmptyClipboard() override {
    if (emptyFails) return base::Failure{"held by another program"};
    clipboard = u"";
    ++empties;
    return base::Ok();
  }
  base::Status SetClipboardText(std::u16string_view text) override {
    if (setFails) return base::Failure{"held by another program"};
    clipboard = text;
    return base::Ok();
  }
  base::Status StartProgram(std::u16string_view commandLine, int showWindow) override {
    if (startFails) return base::Failure{"no such program"};
    started.emplace_back(commandLine);
    showCodes.push_back(showWindow);
    return base::Ok();
  }
  bool ConfirmOkCancel(std::u16string_view prompt, std::u16string_view caption) override {
    confirmations.emplace_back(std::u16string(prompt) + u"|" + std::u16string(caption));
    return answerOk;
  }
  std::u16string ProgramFolder() override { return folder; }
  std::string ToAnsi(std::u16string_view text) override {
    return std::string(text.begin(), text.end());
  }
  base::Result<int> SkinH_AttachEx(const std::string& skinPath,
                                  const std::string& password) override {
    if (noSkinLibrary) return base::Failure{"libSkinH.so: cannot open shared object file"};
    skinCalls.push_back(skinPath + "|" + password);
    return 7;
  }
  void CloseAllWindows() override { ++closes; }

  std::optional<std::u16string> clipboard = u"earlier";
  int empties = 0;
  bool emptyFails = false;
  bool setFails = false;
  bool startFails = false;
  std::vector<std::u16string> started;
  std::vector<int> showCodes;
  bool answerOk = true;
  std::vector<std::u16string> confirmations;
  std::u16string folder = u"/opt/brelka";
  bool noSkinLibrary = false;
  std::vector<std::string> skinCalls;
  int closes = 0;
};

// The handlers under test never reach the network; a query would find no request component.
class NoSession : public web::HttpSession {
 public:
  base::Result<std::unique_ptr<web::HttpRequest>> CreateObject(std::u16string_view) override {
    return base::Failure{"no network in this test"};
  }
};

class Form1Test : public ::testing::Test {
 protected:
  query::MemoryWindow window;
  FakePlatform platform;
  NoSession session;
  app::Form1 form{window, platform, session};
};

using Form1Load = Form1Test;

TEST_F(Form1Load, AttachesTheSkinFromTheProgramFolderWithAnEmptyPassword) {
  EXPECT_TRUE(form.Form_Load().ok());
  ASSERT_EQ(platform.skinCalls.size(), 1u);
  EXPECT_EQ(platform.skinCalls[0], "/opt/brelka/XinChunDaJie.she|");
}

TEST_F(Form1Load, JoinsAFolderEndingInASeparatorAsItStands) {
  platform.folder = u"C:\\Brelka\\";
  EXPECT_TRUE(form.Form_Load().ok());
  EXPECT_EQ(platform.skinCalls.at(0), "C:\\Brelka\\/XinChunDaJie.she|");
}

TEST_F(Form1Load, FailsWhenTheSkinLibraryIsMissing) {
  platform.noSkinLibrary = true;
  const base::Status loaded = form.Form_Load();
  ASSERT_FALSE(loaded.ok());
  EXPECT_NE(loaded.error().find("libSkinH.so"), std::string::npos);
}

using Form1Unload = Form1Test;

TEST_F(Form1Unload, OkClosesEveryWindow) {
  std::int16_t cancel = 0;
  form.Form_Unload(cancel);
  EXPECT_EQ(cancel, 0);
  EXPECT_EQ(platform.closes, 1);
  EXPECT_EQ(platform.confirmations, std::vector<std::u16string>{u"真的退出吗?|退出"});
}

TEST_F(Form1Unload, CancelKeepsTheWindowAsItWas) {
  platform.answerOk = false;
  window.text1 = u"half-edited";
  window.label3 = u"status";
  std::int16_t cancel = 0;
  form.Form_Unload(cancel);
  EXPECT_EQ(cancel, -1);
  EXPECT_EQ(platform.closes, 0);
  EXPECT_EQ(window.text1, u"half-edited");
  EXPECT_EQ(window.label3, u"status");
}

TEST_F(Form1Test, Text1ClickClearsTheBoxOnlyWhileItHoldsTheHintMarker) {
  struct Case {
    std::u16string before;
    std::u16string after;
  };
  const std::vector<Case> cases = {
      {app::InputHint(), u""},
      {u"", u""},
      {u"mine.com\r\n我一行一个也写\r\n", u""},
      {u"mine.com\r\nyours.com\r\n", u"mine.com\r\nyours.com\r\n"},
      {u"一行 一个\r\n", u"一行 一个\r\n"},
  };
  for (const Case& c : cases) {
    window.text1 = c.before;
    form.Text1_Click();
    EXPECT_EQ(window.text1, c.after);
  }
}

TEST_F(Form1Test, Command2ClickEmptiesBothBoxesAndNothingElse) {
  window.text1 = u"a.com\r\n";
  window.text2 = u"b.com\r\n";
  window.label3 = u"共输入2个";
  window.LastNameIndex = 3;
  window.LastHitIndex = 2;
  form.Command2_Click();
  EXPECT_EQ(window.text1, u"");
  EXPECT_EQ(window.text2, u"");
  EXPECT_EQ(window.label3, u"共输入2个");
  EXPECT_EQ(window.LastNameIndex, 3);
  EXPECT_EQ(window.LastHitIndex, 2);
  EXPECT_TRUE(window.command1Enabled);
}

using Command3Click = Form1Test;

TEST_F(Command3Click, CopiesTheLinesHoldingADotEachFollowedByCrLf) {
  struct Case {
    std::u16string result;
    std::u16string copied;
  };
  const std::vector<Case> cases = {
      {u"a.com", u"a.com\r\n"},
      {u"one.com\r\ntwo.net\r\n", u"one.com\r\ntwo.net\r\n"},
      {u"\r\none.com\r\n\r\nnodot\r\n  Two.NET \r\n", u"one.com\r\n  Two.NET \r\n"},
      {u"one.com\ntwo.com\rthree", u"one.com\ntwo.com\rthree\r\n"},
      {u"a.b\r\r\nc", u"a.b\r\r\n"},
      {u"nothing here", u""},
  };
  for (const Case& c : cases) {
    window.text2 = c.result;
    window.messages.clear();
    ASSERT_TRUE(form.Command3_Click().ok());
    EXPECT_EQ(platform.clipboard, c.copied);
    EXPECT_EQ(window.messages, std::vector<std::u16string>{std::u16string(app::kCopied)});
  }
}

TEST_F(Command3Click, FourCharactersAreNothingToCopyAndLeaveTheClipboard) {
  window.text2 = u"a.co";
  ASSERT_TRUE(form.Command3_Click().ok());
  EXPECT_EQ(platform.clipboard, u"earlier");
  EXPECT_EQ(platform.empties, 0);
  EXPECT_EQ(window.messages, std::vector<std::u16string>{u"无结果，请先查询"});
}

// A clipboard that cannot be emptied keeps what it held; one that cannot be written stays
// empty. Either way the click fails without the success message.
TEST_F(Command3Click, AClipboardFailureEndsItWithoutTheSuccessMessage) {
  for (const bool emptyFails : {true, false}) {
    SCOPED_TRACE(emptyFails ? "emptying fails" : "writing fails");
    platform.clipboard = u"earlier";
    platform.emptyFails = emptyFails;
    platform.setFails = !emptyFails;
    window.text2 = u"one.com\r\n";
    EXPECT_FALSE(form.Command3_Click().ok());
    EXPECT_EQ(platform.clipboard, emptyFails ? u"earlier" : u"");
    EXPECT_TRUE(window.messages.empty());
  }
}

TEST_F(Command3Click, MoreThan32767LinesEndItAfterTheClipboardWasEmptied) {
  std::u16string lines;
  for (int i = 0; i < 32766; ++i) lines += u"x.com\r\n";
  window.text2 = lines + u"last.com";  // 32,767 pieces: the most the line index reaches
  ASSERT_TRUE(form.Command3_Click().ok());
  EXPECT_EQ(platform.clipboard->size(), 32767u * 7 + 3);

  window.text2 = lines + u"x.com\r\n";  // 32,768 pieces
  window.messages.clear();
  EXPECT_FALSE(form.Command3_Click().ok());
  EXPECT_EQ(platform.clipboard, u"");
  EXPECT_TRUE(window.messages.empty());
}

using Label6Click = Form1Test;

TEST_F(Label6Click, StartsTheLatestVersionCommandLineAtEveryClick) {
  ASSERT_TRUE(form.Label6_Click(1).ok());
  ASSERT_TRUE(form.Label6_Click(1).ok());
  const std::u16string expected = u"explorer.exe http://brelka.example.com/Brelka/plzc.html";
  EXPECT_EQ(platform.started, (std::vector<std::u16string>{expected, expected}));
  EXPECT_EQ(platform.showCodes, (std::vector<int>{1, 1}));
}

TEST_F(Label6Click, OtherIndicesStartNothing) {
  EXPECT_TRUE(form.Label6_Click(0).ok());
  EXPECT_TRUE(form.Label6_Click(2).ok());
  EXPECT_TRUE(platform.started.empty());
}

TEST_F(Label6Click, AProgramThatCannotStartIsReported) {
  platform.startFails = true;
  const base::Status clicked = form.Label6_Click(1);
  ASSERT_FALSE(clicked.ok());
  EXPECT_NE(clicked.error().find("no such program"), std::string::npos);
  EXPECT_TRUE(window.messages.empty());
}

}  // namespace
