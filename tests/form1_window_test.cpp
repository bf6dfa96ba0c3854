#include "app/qt/Form1Window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ScriptedBoxes.h"
#include "app/qt/BoxText.h"
#include "app/qt/QtPlatform.h"
#include "sim/RegistrarSim.h"
#include "web/HttpRequest.h"

namespace {

using app::ControlId;
using app::ControlKind;

using qtapp::FromCore;

int Px(app::Twips twips) {
  return app::TwipsToPixels(twips, 96);
}

// A platform whose clipboard can be made to fail; everything else is the real Qt platform.
class TestPlatform : public qtapp::QtPlatform {
 public:
  using QtPlatform::QtPlatform;
  base::Status SetClipboardText(std::u16string_view text) override {
    if (clipboardHeld) return base::Failure{"clipboard held by another program"};
    return QtPlatform::SetClipboardText(text);
  }
  bool clipboardHeld = false;
};

class Form1WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch.isValid());
    MakeOpener(QStringLiteral("opener"), QStringLiteral("printf '%s\\n' \"$@\" >> \"$0.log\"\n"));
    platform = std::make_unique<TestPlatform>(boxes, scratch.filePath(QStringLiteral("opener")));
    session = web::OpenHttpSession();
    window = std::make_unique<qtapp::Form1Window>(*platform, boxes, *session);
  }

  void MakeOpener(const QString& name, const QString& body) {
    QFile script(scratch.filePath(name));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\n%1").arg(body).toUtf8());
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }

  QWidget* W(ControlId id) const { return window->Widget(id); }
  QPlainTextEdit* Box(ControlId id) const { return static_cast<QPlainTextEdit*>(W(id)); }
  QPushButton* Button(ControlId id) const { return static_cast<QPushButton*>(W(id)); }
  QLabel* Label(ControlId id) const { return static_cast<QLabel*>(W(id)); }

  void ClickIn(ControlId box) {
    QTest::mouseClick(Box(box)->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
  }

  QTemporaryDir scratch;
  ScriptedBoxes boxes;
  std::unique_ptr<TestPlatform> platform;
  std::unique_ptr<web::HttpSession> session;
  std::unique_ptr<qtapp::Form1Window> window;
};

using Form1WindowLayout = Form1WindowTest;

TEST_F(Form1WindowLayout, ClientAreaIsFixedAt617By485WithoutAMaximiseButton) {
  EXPECT_EQ(window->size(), QSize(617, 485));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral(u"Brelka域名注册批量查询8.0  ")));
  EXPECT_EQ(window->windowTitle(), FromCore(app::Form1Caption()));
}

TEST_F(Form1WindowLayout, EveryControlHasItsPlaceTextFontAndColour) {
  for (const app::ControlSpec& entry : app::Form1Layout().controls) {
    SCOPED_TRACE(entry.name.data() + std::to_string(entry.index));
    QWidget* widget = W(entry.id);
    EXPECT_EQ(widget->parentWidget(), entry.container ? W(*entry.container) : window.get());
    EXPECT_EQ(widget->pos(), QPoint(Px(entry.place.left), Px(entry.place.top)));
    if (!entry.autoSize) {
      EXPECT_EQ(widget->size(), QSize(Px(entry.place.width), Px(entry.place.height)));
    }
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) text = frame->title();
    if (auto* button = qobject_cast<QPushButton*>(widget)) text = button->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
      text = FromCore(qtapp::CoreTextFromBox(box->document()->toRawText()));
    }
    EXPECT_EQ(text, FromCore(entry.text));
    EXPECT_EQ(widget->font().family(), FromCore(entry.font.family));
    EXPECT_EQ(widget->font().pointSizeF(), entry.font.points);
    EXPECT_EQ(widget->font().bold(), entry.font.bold);
    EXPECT_EQ(widget->font().underline(), entry.font.underline);
    const QColor expected = entry.colour
                                ? QColor(entry.colour->red, entry.colour->green, entry.colour->blue)
                                : QApplication::palette(widget).color(QPalette::WindowText);
    EXPECT_EQ(widget->palette().color(QPalette::WindowText), expected);
  }
}

TEST_F(Form1WindowLayout, LabelsAreSizedToTheirCaptionAlsoWhenLabel3Changes) {
  for (const app::ControlSpec& entry : app::Form1Layout().controls) {
    if (entry.autoSize) {
      EXPECT_EQ(W(entry.id)->size(), W(entry.id)->sizeHint()) << entry.name;
    }
  }
  const int sloganWidth = Label(ControlId::Label3)->width();
  window->SetLabel3(u".");
  EXPECT_LT(Label(ControlId::Label3)->width(), sloganWidth / 4);
  window->SetLabel3(u"共输入12个，其中3个可以注册, 共输入12个，其中3个可以注册, 共输入12个");
  EXPECT_GT(Label(ControlId::Label3)->width(), sloganWidth);
  EXPECT_EQ(Label(ControlId::Label3)->size(), Label(ControlId::Label3)->sizeHint());
}

TEST_F(Form1WindowLayout, TextBoxesShowLongLinesUnwrappedWithBothScrollBars) {
  for (ControlId id : {ControlId::Text1, ControlId::Text2}) {
    EXPECT_EQ(Box(id)->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(Box(id)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(Box(id)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(Box(id)->isReadOnly());
  }
  window->SetText2(std::u16string(400, u'x') + u".com\r\n");
  EXPECT_EQ(Box(ControlId::Text2)->document()->lineCount(), 2);
  EXPECT_GT(Box(ControlId::Text2)->horizontalScrollBar()->maximum(), 0);
}

TEST_F(Form1WindowLayout, FocusStartsOnCommand1AndTabWalksTheButtonsThenTheBoxes) {
  window->ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  QApplication::setActiveWindow(window.get());
  EXPECT_EQ(QApplication::focusWidget(), W(ControlId::Command1));
  const std::vector<ControlId> order = {ControlId::Command2, ControlId::Command3, ControlId::Text1,
                                        ControlId::Text2, ControlId::Command1};
  for (ControlId next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), W(next));
  }
}

TEST_F(Form1WindowLayout, NoButtonIsDefaultButEnterClicksTheFocusedButton) {
  window->ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  for (ControlId id : {ControlId::Command1, ControlId::Command2, ControlId::Command3}) {
    EXPECT_FALSE(Button(id)->isDefault());
    EXPECT_FALSE(Button(id)->autoDefault());
  }
  window->SetText2(u"a.com\r\n");
  QTest::keyClick(Box(ControlId::Text1), Qt::Key_Escape);
  EXPECT_EQ(window->Text2(), u"a.com\r\n");
  QTest::keyClick(W(ControlId::Command2), Qt::Key_Return);
  EXPECT_EQ(window->Text2(), u"");
}

TEST(BoxText, TheCoreSeesCrLfAfterEveryLineTheBoxShows) {
  QPlainTextEdit box;
  struct Case {
    QString pasted;
    std::u16string core;
  };
  const std::vector<Case> cases = {
      {QStringLiteral("a.com\r\nb.com\r\n"), u"a.com\r\nb.com\r\n"},
      {QStringLiteral("a.com\nb.com"), u"a.com\r\nb.com"},
      {QStringLiteral("a.com\rb.com\r"), u"a.com\r\nb.com\r\n"},
      {QStringLiteral(u"a.com\u2028b.com\u00a0"), u"a.com\r\nb.com\u00a0"},
      {QString(), u""},
  };
  for (const Case& c : cases) {
    box.clear();
    box.insertPlainText(c.pasted);
    EXPECT_EQ(qtapp::CoreTextFromBox(box.document()->toRawText()), c.core);
  }
}

TEST_F(Form1WindowTest, TypedAndPastedLinesReachTheQueryWithCrLf) {
  window->SetText1(u"");
  Box(ControlId::Text1)->setFocus();
  QTest::keyClicks(Box(ControlId::Text1), QStringLiteral("one.com"));
  QTest::keyClick(Box(ControlId::Text1), Qt::Key_Return);
  QTest::keyClicks(Box(ControlId::Text1), QStringLiteral("two.com"));
  QTest::keyClick(Box(ControlId::Text1), Qt::Key_Return, Qt::ShiftModifier);
  QGuiApplication::clipboard()->setText(QStringLiteral("three.com\nfour.com\r"));
  Box(ControlId::Text1)->paste();
  EXPECT_EQ(window->Text1(), u"one.com\r\ntwo.com\r\nthree.com\r\nfour.com\r\n");
  EXPECT_EQ(window->Text2(), u"");
}

using Form1WindowCommands = Form1WindowTest;

TEST_F(Form1WindowCommands, AClickIntoTheInputBoxClearsTheHintOnce) {
  ClickIn(ControlId::Text1);
  EXPECT_EQ(window->Text1(), u"");
  QTest::keyClicks(Box(ControlId::Text1), QStringLiteral("mine.com"));
  ClickIn(ControlId::Text1);
  EXPECT_EQ(window->Text1(), u"mine.com");
  window->SetText1(u"mine.com\r\n一行一个\r\n");
  ClickIn(ControlId::Text1);
  EXPECT_EQ(window->Text1(), u"");
  ClickIn(ControlId::Text2);
  EXPECT_TRUE(boxes.informed.empty());
}

TEST_F(Form1WindowCommands, ClearEmptiesBothBoxesAndKeepsTheStatusLine) {
  window->SetText2(u"free.com\r\n");
  window->SetLabel3(u"共输入3个，其中1个可以注册");
  QTest::mouseClick(W(ControlId::Command2), Qt::LeftButton);
  EXPECT_EQ(window->Text1(), u"");
  EXPECT_EQ(window->Text2(), u"");
  EXPECT_EQ(window->Label3(), u"共输入3个，其中1个可以注册");
  EXPECT_TRUE(window->Command1Enabled());
}

TEST_F(Form1WindowCommands, CopyPutsExactlyTheNamedLinesOnTheClipboard) {
  window->SetText2(u"one.com\r\n\r\nnodot\r\n  Two.NET \r\n");
  QTest::mouseClick(W(ControlId::Command3), Qt::LeftButton);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("one.com\r\n  Two.NET \r\n"));
  ASSERT_EQ(boxes.informed.size(), 1u);
  EXPECT_EQ(boxes.informed[0], FromCore(app::kCopied));
  EXPECT_EQ(boxes.informCaptions[0], QStringLiteral("Brelka"));
}

TEST_F(Form1WindowCommands, CopyOfFourCharactersLeavesTheClipboardAlone) {
  QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
  window->SetText2(u"a.co");
  QTest::mouseClick(W(ControlId::Command3), Qt::LeftButton);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("earlier"));
  EXPECT_EQ(boxes.informed, std::vector<QString>{FromCore(app::kNothingToCopy)});
}

TEST_F(Form1WindowCommands, AClipboardThatFailsIsReportedInsteadOfTheSuccessMessage) {
  QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
  platform->clipboardHeld = true;
  window->SetText2(u"one.com\r\n");
  QTest::mouseClick(W(ControlId::Command3), Qt::LeftButton);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
  ASSERT_EQ(boxes.informed.size(), 1u);
  EXPECT_TRUE(boxes.informed[0].contains(QStringLiteral("clipboard held by another program")));
}

TEST_F(Form1WindowCommands, TheLatestVersionLinkOpensTheAddressAtEveryClick) {
  QTest::mouseClick(W(ControlId::Label6_1), Qt::LeftButton);
  QTest::mouseClick(W(ControlId::Label6_1), Qt::LeftButton);
  QFile log(scratch.filePath(QStringLiteral("opener.log")));
  const QString expected = QStringLiteral("http://brelka.example.com/Brelka/plzc.html\n");
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        const bool both = log.open(QIODevice::ReadOnly) &&
                          QString::fromUtf8(log.readAll()) == expected + expected;
        log.close();
        return both;
      },
      5000));
  EXPECT_TRUE(boxes.informed.empty());
}

TEST_F(Form1WindowCommands, AnOpenerThatCannotStartIsReported) {
  platform = std::make_unique<TestPlatform>(boxes, scratch.filePath(QStringLiteral("missing")));
  window = std::make_unique<qtapp::Form1Window>(*platform, boxes, *session);
  QTest::mouseClick(W(ControlId::Label6_1), Qt::LeftButton);
  ASSERT_EQ(boxes.informed.size(), 1u);
  EXPECT_TRUE(boxes.informed[0].contains(QStringLiteral("missing")));
}

using Form1WindowClosing = Form1WindowTest;

TEST_F(Form1WindowClosing, CancelKeepsTheWindowAndEverythingInIt) {
  window->ShowCentred();
  window->SetText1(u"half.co");
  window->SetLabel3(u"status");
  boxes.answers = {false};
  EXPECT_FALSE(window->close());
  EXPECT_EQ(boxes.asked, std::vector<QString>{QStringLiteral(u"真的退出吗?|退出")});
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->WindowGone());
  EXPECT_EQ(window->Text1(), u"half.co");
  EXPECT_EQ(window->Label3(), u"status");
}

TEST_F(Form1WindowClosing, OkClosesTheWindowAfterOneQuestion) {
  window->ShowCentred();
  boxes.answers = {true};
  EXPECT_TRUE(window->close());
  EXPECT_EQ(boxes.asked.size(), 1u);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(window->WindowGone());
}

}  // namespace

namespace {

class Form1WindowQuery : public ::testing::Test {
 protected:
  sim::RegistrarSim registrar;
  ScriptedBoxes boxes;
  qtapp::QtPlatform platform{boxes};
  std::unique_ptr<web::HttpSession> session = web::OpenHttpSession();
  qtapp::Form1Window window{platform, boxes, *session, registrar.BaseUrl16()};

  void Start() { QTest::mouseClick(window.Widget(ControlId::Command1), Qt::LeftButton); }
};

TEST_F(Form1WindowQuery, AWholeQueryFillsTheResultBoxCleansTheInputAndSumsUp) {
  window.SetText1(u"FreeName.com\r\n\r\nabc.com\r\nhttp://www.otherfree.net \r\n");
  Start();
  EXPECT_EQ(window.Text1(), u"FreeName.com\r\nabc.com\r\notherfree.net\r\n");
  EXPECT_EQ(window.Text2(), u"freename.com\r\notherfree.net\r\n");
  EXPECT_EQ(window.Label3(), u"共输入4个，其中2个可以注册");
  EXPECT_EQ(window.Widget(ControlId::Label3)->size(), window.Widget(ControlId::Label3)->sizeHint());
  EXPECT_TRUE(window.Command1Enabled());
  EXPECT_TRUE(boxes.informed.empty());

  const std::vector<sim::RecordedRequest> requests = registrar.Requests();
  ASSERT_FALSE(requests.empty());
  EXPECT_EQ(requests.back().body,
            "delete_freename.com=freename.com&delete_otherfree.net=otherfree.net");
}

TEST_F(Form1WindowQuery, TheWindowStaysResponsiveWhileTheQueryWaitsForThePage) {
  registrar.Set(sim::Endpoint::SelectionPage,
                sim::Behaviour{.delay = std::chrono::milliseconds(400)});
  window.SetText1(u"freename.com\r\n");
  bool sawWaiting = false;
  QTimer::singleShot(150, &window, [&] {
    sawWaiting = window.QueryRunning() && !window.Command1Enabled() &&
                 window.Label3() == u"查询中,请稍等....";
  });
  Start();
  EXPECT_TRUE(sawWaiting);
  EXPECT_EQ(window.Text2(), u"freename.com\r\n");
  EXPECT_TRUE(window.Command1Enabled());
}

TEST_F(Form1WindowQuery, AnInputWithoutALineBreakIsRefusedInTheProgramsMessageBox) {
  window.SetText1(u"freename.com");
  Start();
  EXPECT_EQ(boxes.informed, std::vector<QString>{QStringLiteral(u"查询必须大于2个,小于500个!")});
  EXPECT_EQ(boxes.informCaptions, std::vector<QString>{QStringLiteral("Brelka")});
  EXPECT_TRUE(registrar.Requests().empty());
}

}  // namespace
