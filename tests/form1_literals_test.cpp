// The shown Qt window read back widget by widget and compared with the product's own values,
// written out here and never taken from the window's description: the caption, the client
// size, every control's text, place, size and font, the red texts, the scroll bars, the focus,
// the centring, what screen readers hear, and the texts of the message boxes and the status line.
// A wrong character in the description fails here even where the window agrees with it.
#include <gtest/gtest.h>

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/qt/BoxText.h"
#include "app/qt/Form1Window.h"
#include "app/qt/MessageBoxes.h"
#include "app/qt/QtPlatform.h"
#include "sim/RegistrarSim.h"
#include "web/HttpRequest.h"

#include "WindowLiterals.h"

namespace {

using app::ControlId;

using qtapp::FromCore;

// Places and sizes are given in twips; 15 twips make one pixel at 96 dots per inch.
int Pixels(int twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

using testing_support::kCaption;
using testing_support::kControls;
using testing_support::kHint;
using testing_support::kSlogan;
using Expected = testing_support::ExpectedControl;

// What one real message box showed when it opened.
struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  bool okIsDefault = false;
  bool escapeCancels = false;
  std::u16string statusLine;  // the window's status line while the box was open
};

// Answers every real message box of the program as it is shown, in the order given (Cancel
// when no answer is left), and keeps what each showed.
class BoxAnswerer : public QObject {
 public:
  explicit BoxAnswerer(const qtapp::Form1Window* window) : window_(window) {
    qApp->installEventFilter(this);
  }
  ~BoxAnswerer() override { qApp->removeEventFilter(this); }

  std::vector<QMessageBox::StandardButton> answers;
  std::vector<SeenBox> seen;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box == nullptr || event->type() != QEvent::Show) return false;
    SeenBox shown{box->windowTitle(),
                  box->text(),
                  box->icon(),
                  box->standardButtons(),
                  box->defaultButton() == box->button(QMessageBox::Ok),
                  box->escapeButton() == box->button(QMessageBox::Cancel),
                  window_->Label3()};
    seen.push_back(shown);
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    if (!answers.empty()) {
      answer = answers.front();
      answers.erase(answers.begin());
    }
    if (!(shown.buttons & answer)) answer = QMessageBox::Ok;
    QMetaObject::invokeMethod(
        box, [box, answer] { box->button(answer)->click(); }, Qt::QueuedConnection);
    return false;
  }

 private:
  const qtapp::Form1Window* window_;
};

class Form1Literals : public ::testing::Test {
 protected:
  void SetUp() override {
    window.ShowCentred();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
  }
  void TearDown() override {
    // The window goes without its close question.
    window.hide();
  }

  QWidget* W(ControlId id) const { return window.Widget(id); }
  QPlainTextEdit* Box(ControlId id) const { return static_cast<QPlainTextEdit*>(W(id)); }
  QLabel* Label(ControlId id) const { return static_cast<QLabel*>(W(id)); }
  void Click(ControlId id) { QTest::mouseClick(W(id), Qt::LeftButton); }

  sim::RegistrarSim registrar;
  qtapp::QtMessageBoxes boxes;
  qtapp::QtPlatform platform{boxes};
  std::unique_ptr<web::HttpSession> session = web::OpenHttpSession();
  qtapp::Form1Window window{platform, boxes, *session, registrar.BaseUrl16()};
  BoxAnswerer answerer{&window};
};

TEST_F(Form1Literals, TheWindowHasItsCaptionClientSizeAndFixedBorder) {
  EXPECT_EQ(window.windowTitle(), FromCore(kCaption));
  EXPECT_EQ(window.size(), QSize(617, 485));
  EXPECT_EQ(window.minimumSize(), QSize(617, 485));
  EXPECT_EQ(window.maximumSize(), QSize(617, 485));
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(window.isVisible());
}

TEST_F(Form1Literals, TheWindowIsCentredOnTheScreenFrameIncluded) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect frame = window.frameGeometry();
  // The frame differs from the client area, so centring the one is not centring the other.
  ASSERT_NE(frame, window.geometry());
  EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
}

TEST_F(Form1Literals, EveryControlShowsItsTextAtItsPlaceInItsFont) {
  const QColor red(255, 0, 0);
  for (const Expected& c : kControls) {
    QWidget* widget = W(c.id);
    SCOPED_TRACE(widget->objectName().toStdString());
    EXPECT_EQ(widget->parentWidget(), c.container ? W(*c.container) : &window);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_TRUE(widget->isEnabled());
    EXPECT_EQ(widget->pos(), QPoint(Pixels(c.left), Pixels(c.top)));

    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      text = label->text();
      EXPECT_FALSE(label->wordWrap());
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
      text = frame->title();
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
      text = button->text();
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
      text = box->toPlainText();
      EXPECT_FALSE(box->isReadOnly());
    }
    EXPECT_EQ(text, FromCore(c.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    if (c.width == 0) {
      // Sized to its caption in its own font.
      const QFontMetrics metrics(widget->font());
      EXPECT_EQ(widget->size(), metrics.size(Qt::TextSingleLine, text));
    } else {
      EXPECT_EQ(widget->size(), QSize(Pixels(c.width), Pixels(c.height)));
    }

    const QFont font = widget->font();
    EXPECT_EQ(font.family(), FromCore(c.font.family));
    EXPECT_EQ(font.pointSizeF(), c.font.points);
    EXPECT_EQ(font.weight(), c.font.bold ? QFont::Bold : QFont::Normal);
    EXPECT_EQ(font.underline(), c.font.underline);
    EXPECT_FALSE(font.italic());
    EXPECT_FALSE(font.strikeOut());

    const QColor colour = widget->palette().color(QPalette::WindowText);
    if (c.red) {
      EXPECT_EQ(colour, red);
    } else {
      EXPECT_NE(colour, red);
    }
  }
  EXPECT_EQ(window.Text1(), kHint);
  EXPECT_EQ(window.Label3(), kSlogan);
}

TEST_F(Form1Literals, TheStatusLineStaysSizedToItsCaption) {
  for (std::u16string_view caption : {u".", u"共输入491个，其中490个可以注册"}) {
    window.SetLabel3(caption);
    const QFontMetrics metrics(W(ControlId::Label3)->font());
    EXPECT_EQ(W(ControlId::Label3)->size(), metrics.size(Qt::TextSingleLine, FromCore(caption)));
    EXPECT_EQ(W(ControlId::Label3)->pos(), QPoint(8, 376));
  }
}

TEST_F(Form1Literals, BothTextBoxesScrollBothWaysWithoutWrapping) {
  for (ControlId id : {ControlId::Text1, ControlId::Text2}) {
    EXPECT_EQ(Box(id)->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(Box(id)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(Box(id)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  }
}

TEST_F(Form1Literals, FocusStartsOnTheStartButtonAndFollowsTheButtonsThenTheBoxes) {
  EXPECT_EQ(QApplication::focusWidget(), W(ControlId::Command1));
  // Labels and frames never take the focus; the chain of what does is the focus order.
  for (ControlId id : {ControlId::Label1_2, ControlId::Label6_1, ControlId::Frame1,
                       ControlId::Frame2, ControlId::Label3, ControlId::Frame3, ControlId::Label1_8,
                       ControlId::Label2, ControlId::Label1_7}) {
    EXPECT_EQ(W(id)->focusPolicy(), Qt::NoFocus);
  }
  std::vector<QWidget*> order;
  QWidget* at = W(ControlId::Command1);
  do {
    order.push_back(at);
    do {
      at = at->nextInFocusChain();
    } while (at != W(ControlId::Command1) && !(at->focusPolicy() & Qt::TabFocus));
  } while (at != W(ControlId::Command1) && order.size() < 20);
  const std::vector<QWidget*> expected = {W(ControlId::Command1), W(ControlId::Command2),
                                          W(ControlId::Command3), W(ControlId::Text1),
                                          W(ControlId::Text2)};
  EXPECT_EQ(order, expected);
  for (ControlId id : {ControlId::Command1, ControlId::Command2, ControlId::Command3}) {
    EXPECT_FALSE(static_cast<QPushButton*>(W(id))->isDefault());
  }
}

namespace a11y {
std::vector<std::pair<QObject*, QAccessible::Event>> events;
void Record(QAccessibleEvent* event) {
  events.emplace_back(event->object(), event->type());
}
}  // namespace a11y

TEST_F(Form1Literals, ScreenReadersHearTheBoxesByTheirFramesAndTheStatusLineChanges) {
  EXPECT_EQ(W(ControlId::Text1)->accessibleName(), QStringLiteral(u"输入查询域名:"));
  EXPECT_EQ(W(ControlId::Text2)->accessibleName(), QStringLiteral(u"结果框:"));
  EXPECT_EQ(W(ControlId::Label3)->accessibleName(), QStringLiteral(u"状态栏"));
  EXPECT_EQ(W(ControlId::Label3)->accessibleDescription(), FromCore(kSlogan));

  // Events go out only while a screen reader listens, as the platform's accessibility tells.
  QPlatformAccessibility* platformAccessibility =
      QGuiApplicationPrivate::platformIntegration()->accessibility();
  ASSERT_NE(platformAccessibility, nullptr);
  a11y::events.clear();
  platformAccessibility->setActive(true);
  QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&a11y::Record);
  window.SetLabel3(u"查询中,请稍等....");
  QAccessible::installUpdateHandler(previous);
  platformAccessibility->setActive(false);
  EXPECT_EQ(W(ControlId::Label3)->accessibleDescription(), QStringLiteral(u"查询中,请稍等...."));
  const auto announced = std::pair<QObject*, QAccessible::Event>(W(ControlId::Label3),
                                                                 QAccessible::DescriptionChanged);
  EXPECT_EQ(std::count(a11y::events.begin(), a11y::events.end(), announced), 1);
}

TEST_F(Form1Literals, TheCommandsAndTheCloseQuestionSayExactlyTheirTexts) {
  const QString title = QStringLiteral("Brelka");
  Click(ControlId::Command3);
  window.SetText2(u"free-one.com\r\n");
  Click(ControlId::Command3);
  window.SetText1(u"one.com");
  Click(ControlId::Command1);
  window.SetText1(u"a.\r\n");
  Click(ControlId::Command1);
  std::u16string tooMany;
  for (int i = 0; i < 491; ++i) tooMany += u"name.com\r\n";
  window.SetText1(tooMany);
  Click(ControlId::Command1);
  answerer.answers = {QMessageBox::Cancel};
  EXPECT_FALSE(window.close());

  struct Shown {
    QString text;
    std::u16string_view statusLine;
  };
  const std::vector<Shown> expected = {
      {QStringLiteral(u"无结果，请先查询"), kSlogan},
      {QStringLiteral(u"全部域名复制成功，您可以粘贴到任意处！"), kSlogan},
      {QStringLiteral(u"查询必须大于2个,小于500个!"), kSlogan},
      {QStringLiteral(u"域名格式错误"), u"查询中,请稍等...."},
      {QStringLiteral(u"数量不能大于490个"), u"查询中,请稍等...."},
  };
  ASSERT_EQ(answerer.seen.size(), expected.size() + 1);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(answerer.seen[i].title, title);
    EXPECT_EQ(answerer.seen[i].text, expected[i].text);
    EXPECT_EQ(answerer.seen[i].icon, QMessageBox::NoIcon);
    EXPECT_EQ(answerer.seen[i].buttons, QMessageBox::Ok);
    EXPECT_EQ(answerer.seen[i].statusLine, expected[i].statusLine);
  }
  EXPECT_EQ(window.Label3(), u".");

  const SeenBox& question = answerer.seen.back();
  EXPECT_EQ(question.title, QStringLiteral(u"退出"));
  EXPECT_EQ(question.text, QStringLiteral(u"真的退出吗?"));
  EXPECT_EQ(question.icon, QMessageBox::Question);
  EXPECT_EQ(question.buttons, QMessageBox::Ok | QMessageBox::Cancel);
  EXPECT_TRUE(question.okIsDefault);
  EXPECT_TRUE(question.escapeCancels);
  EXPECT_TRUE(window.isVisible());
}

TEST_F(Form1Literals, TheStatusLineAndResultBoxSayHowTheQueryEnded) {
  struct Case {
    const char* page;  // the selection page, or nullptr for the simulator's own
    std::u16string_view input;
    std::u16string_view text2;
    std::u16string_view label3;
  };
  const Case cases[] = {
      {nullptr, u"abc.com\r\ntaken.net\r\n", u"您查询的域名全部已经被注册!!", u"."},
      {"<html>My Selected Domain Names", u"free-name.com\r\n", u"您查询的域名全部已经被注册!!",
       u"."},
      // Fragments 1 and 3 accepted, 2 without a dot: three can be registered by the count.
      {"<html>My Selected Domain Names<table><tr><td x' id='ONE-FREE.COM'>1.99</td></tr>"
       "<tr><td x' id='nodot'>-</td></tr><tr><td x' id='THREE-FREE.NET'>2.99</td></tr>"
       "</table></html>",
       u"one-free.com\r\nnodot.com\r\nthree-free.net\r\n", u"one-free.com\r\nthree-free.net\r\n",
       u"共输入4个，其中3个可以注册"},
      {"<html>busy</html>", u"free-name.com\r\n", u"", u"查询失败,请检查网络连接后重试"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page ? c.page : "simulator");
    registrar.Set(sim::Endpoint::SelectionPage,
                  c.page ? sim::Behaviour{.body = std::string(c.page)} : sim::Behaviour{});
    window.SetText1(c.input);
    Click(ControlId::Command1);
    EXPECT_EQ(window.Text2(), c.text2);
    EXPECT_EQ(window.Label3(), c.label3);
    EXPECT_TRUE(window.Command1Enabled());
  }
  EXPECT_TRUE(answerer.seen.empty());
}

}  // namespace
