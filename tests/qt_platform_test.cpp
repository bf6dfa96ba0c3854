#include "app/qt/QtPlatform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ScriptedBoxes.h"

namespace {

// Acts on the message box once it is up, as a user would.
void WhenBoxShows(std::function<void(QMessageBox&)> act) {
  QTimer::singleShot(0, [act] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    act(*box);
  });
}

TEST(QtMessageBoxes, TheCloseQuestionTakesEnterAsOkAndEscOrClosingAsCancel) {
  qtapp::QtMessageBoxes boxes;
  struct Case {
    std::function<void(QMessageBox&)> act;
    bool ok;
  };
  const std::vector<Case> cases = {
      {[](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }, true},
      {[](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, false},
      {[](QMessageBox& box) { box.close(); }, false},
  };
  for (const Case& c : cases) {
    WhenBoxShows([&](QMessageBox& box) {
      EXPECT_EQ(box.windowTitle(), QStringLiteral(u"退出"));
      EXPECT_EQ(box.text(), QStringLiteral(u"真的退出吗?"));
      EXPECT_EQ(box.icon(), QMessageBox::Question);
      EXPECT_EQ(box.standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
      c.act(box);
    });
    EXPECT_EQ(boxes.Confirm(nullptr, QStringLiteral(u"真的退出吗?"), QStringLiteral(u"退出")),
              c.ok);
  }
}

TEST(QtMessageBoxes, AMessageHasOnlyOkAndNoIcon) {
  qtapp::QtMessageBoxes boxes;
  bool seen = false;
  WhenBoxShows([&](QMessageBox& box) {
    seen = true;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Brelka"));
    EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
    QTest::keyClick(&box, Qt::Key_Return);
  });
  boxes.Inform(nullptr, QStringLiteral(u"无结果，请先查询"), QStringLiteral("Brelka"));
  EXPECT_TRUE(seen);
}

TEST(QtPlatform, ClipboardHoldsExactlyTheTextWithItsCrLf) {
  ScriptedBoxes boxes;
  qtapp::QtPlatform platform(boxes);
  ASSERT_TRUE(platform.SetClipboardText(u"a.com\r\nb.com\r\n").ok());
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("a.com\r\nb.com\r\n"));
  ASSERT_TRUE(platform.EmptyClipboard().ok());
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
}

TEST(QtPlatform, TheSkinLibraryBesideTheProgramAcceptsOurSkinFile) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "dlopen from AddressSanitizer's interceptor does not search our run path";
#endif
  ScriptedBoxes boxes;
  qtapp::QtPlatform platform(boxes);
  const std::string folder = platform.ToAnsi(platform.ProgramFolder());
  base::Result<int> ours = platform.SkinH_AttachEx(folder + "/XinChunDaJie.she", "");
  ASSERT_TRUE(ours.ok()) << ours.error();
  EXPECT_EQ(ours.value(), 0);
  base::Result<int> missing = platform.SkinH_AttachEx(folder + "/no-such.she", "");
  ASSERT_TRUE(missing.ok());
  EXPECT_EQ(missing.value(), 1);
}

TEST(QtPlatform, TheProgramFolderIsAnAbsolutePathToAnAnsiString) {
  ScriptedBoxes boxes;
  qtapp::QtPlatform platform(boxes);
  EXPECT_EQ(platform.ProgramFolder().front(), u'/');
  EXPECT_EQ(platform.ToAnsi(u""), "");
}

}  // namespace
