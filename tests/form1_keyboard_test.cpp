// The Qt window under the keyboard: every key goes to whichever widget has the focus, as a
// keyboard's keys do, and the test reads back where the focus went and what the boxes hold. The
// close question is the real message box, answered with its own keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ScriptedBoxes.h"
#include "app/qt/Form1Window.h"
#include "app/qt/QtPlatform.h"
#include "web/HttpRequest.h"

namespace {

using app::ControlId;

class Form1Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    platform = std::make_unique<qtapp::QtPlatform>(boxes);
    session = web::OpenHttpSession();
    window = std::make_unique<qtapp::Form1Window>(*platform, boxes, *session);
    window->ShowCentred();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  QWidget* W(ControlId id) const { return window->Widget(id); }
  QString Text(ControlId id) const { return static_cast<QPlainTextEdit*>(W(id))->toPlainText(); }
  static QWidget* Focus() { return QApplication::focusWidget(); }
  static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Focus(), key, modifiers);
  }
  static void Type(const QString& text) { QTest::keyClicks(Focus(), text); }

  ScriptedBoxes boxes;
  std::unique_ptr<qtapp::QtPlatform> platform;
  std::unique_ptr<web::HttpSession> session;
  std::unique_ptr<qtapp::Form1Window> window;
};

TEST_F(Form1Keyboard, TabAndShiftTabWalkTheFocusOrderRoundFromEveryControl) {
  const std::vector<ControlId> order{ControlId::Command1, ControlId::Command2, ControlId::Command3,
                                     ControlId::Text1, ControlId::Text2};
  const QString hint = Text(ControlId::Text1);
  ASSERT_EQ(Focus(), W(ControlId::Command1));
  for (std::size_t i = 1; i <= 2 * order.size(); ++i) {
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focus(), W(order[i % order.size()])) << "after Tab " << i;
  }
  for (std::size_t i = 1; i <= 2 * order.size(); ++i) {
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focus(), W(order[(2 * order.size() - i) % order.size()])) << "after Shift+Tab " << i;
  }
  EXPECT_EQ(Text(ControlId::Text1), hint);
  EXPECT_EQ(Text(ControlId::Text2), QString());
  EXPECT_TRUE(boxes.informed.empty());
}

TEST_F(Form1Keyboard, EnterAndSpaceClickTheFocusedButtonHoweverItGotThere) {
  // At start: Command1 with the hint would query the registrar, so Command2 empties the boxes
  // first and Command1 then refuses the empty input.
  Press(Qt::Key_Tab);
  Press(Qt::Key_Return);
  EXPECT_EQ(Text(ControlId::Text1), QString());
  Press(Qt::Key_Backtab, Qt::ShiftModifier);
  Press(Qt::Key_Return);
  Press(Qt::Key_Space);
  ASSERT_EQ(boxes.informed.size(), 2u);
  EXPECT_EQ(boxes.informed[1], QStringLiteral(u"查询必须大于2个,小于500个!"));

  // By a mouse click: Command3 with an empty result says there is nothing to copy.
  QTest::mouseClick(W(ControlId::Command3), Qt::LeftButton);
  ASSERT_EQ(Focus(), W(ControlId::Command3));
  Press(Qt::Key_Return);
  Press(Qt::Key_Space);
  ASSERT_EQ(boxes.informed.size(), 5u);
  for (std::size_t i = 2; i < 5; ++i)
    EXPECT_EQ(boxes.informed[i], QStringLiteral(u"无结果，请先查询"));

  // Space on Command2 clears a result.
  static_cast<QPlainTextEdit*>(W(ControlId::Text2))->setPlainText(QStringLiteral("free.com"));
  Press(Qt::Key_Backtab, Qt::ShiftModifier);
  Press(Qt::Key_Space);
  EXPECT_EQ(Text(ControlId::Text2), QString());
}

TEST_F(Form1Keyboard, EnterInABoxBreaksTheLineAtTheCaretAndClicksNothing) {
  for (ControlId id : {ControlId::Text1, ControlId::Text2}) {
    static_cast<QPlainTextEdit*>(W(id))->clear();
    W(id)->setFocus();
    Type(QStringLiteral("abc.comdef.net"));
    for (int i = 0; i < 7; ++i) Press(Qt::Key_Left);
    Press(Qt::Key_Return);
    Type(QStringLiteral("x"));
    EXPECT_EQ(window->Text1() + window->Text2(), u"abc.com\r\nxdef.net");
    static_cast<QPlainTextEdit*>(W(id))->clear();
  }
  EXPECT_TRUE(boxes.informed.empty());
  EXPECT_TRUE(boxes.asked.empty());
}

TEST_F(Form1Keyboard, EscInABoxOrOnAButtonDoesNothing) {
  static_cast<QPlainTextEdit*>(W(ControlId::Text2))->setPlainText(QStringLiteral("free.com"));
  const QString input = Text(ControlId::Text1);
  for (ControlId id : {ControlId::Text1, ControlId::Text2, ControlId::Command1, ControlId::Command2,
                       ControlId::Command3}) {
    W(id)->setFocus();
    Press(Qt::Key_Escape);
    EXPECT_EQ(Focus(), W(id));
  }
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Text(ControlId::Text1), input);
  EXPECT_EQ(Text(ControlId::Text2), QStringLiteral("free.com"));
  EXPECT_TRUE(boxes.informed.empty());
  EXPECT_TRUE(boxes.asked.empty());
}

// The close question with the real box: Esc keeps the window, Enter closes it.
TEST(Form1KeyboardClosing, EscOnTheCloseQuestionCancelsAndEnterConfirms) {
  qtapp::QtMessageBoxes realBoxes;
  qtapp::QtPlatform platform(realBoxes);
  auto session = web::OpenHttpSession();
  qtapp::Form1Window window(platform, realBoxes, *session);
  window.ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  QStringList seen;
  auto answerWith = [&seen](Qt::Key key) {
    QTimer::singleShot(0, [&seen, key] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      seen << box->windowTitle() + QLatin1Char('|') + box->text();
      QWidget* focus = QApplication::focusWidget();
      QTest::keyClick(focus != nullptr && box->isAncestorOf(focus) ? focus : box, key);
    });
  };
  answerWith(Qt::Key_Escape);
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.WindowGone());

  answerWith(Qt::Key_Return);
  EXPECT_TRUE(window.close());
  EXPECT_TRUE(window.WindowGone());
  EXPECT_EQ(seen, QStringList(
                      {QStringLiteral(u"退出|真的退出吗?"), QStringLiteral(u"退出|真的退出吗?")}));
}

}  // namespace
