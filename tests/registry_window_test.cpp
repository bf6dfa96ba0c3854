// The Qt window asking the registries: the simulated RDAP services, WHOIS servers and DNS
// responder answer on 127.0.0.1, the names are pasted and the start button clicked as a user
// would, and the status line and result box are read as the user reads them. Also which source
// the settings file and the command line choose.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "ScriptedBoxes.h"
#include "app/qt/BoxText.h"
#include "app/qt/CommandLine.h"
#include "app/qt/Form1Window.h"
#include "app/qt/Program.h"
#include "app/qt/QtPlatform.h"
#include "sim/DemoRegistries.h"
#include "sim/RdapSim.h"
#include "web/HttpRequest.h"

// Failures show the texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace {

using namespace std::chrono_literals;
using app::ControlId;

using qtapp::FromCore;

class RegistryWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Open([this] { return registries.setup; });
  }

  void Open(std::function<check::RegistrySetup()> setup) {
    window.reset();
    window = std::make_unique<qtapp::Form1Window>(
        platform, boxes, *session, u"http://127.0.0.1:1",
        [setup](std::stop_token stop) { return check::OpenRegistrySource(setup(), stop); });
  }

  QPlainTextEdit* Box(ControlId id) const {
    return static_cast<QPlainTextEdit*>(window->Widget(id));
  }
  QPushButton* Button(ControlId id) const { return static_cast<QPushButton*>(window->Widget(id)); }
  QString Status() const { return static_cast<QLabel*>(window->Widget(ControlId::Label3))->text(); }
  QString Result() const { return Box(ControlId::Text2)->toPlainText(); }

  // Pastes the names into the emptied input box and clicks the start button.
  void PasteAndStart(const QString& names) {
    QApplication::clipboard()->setText(names);
    Box(ControlId::Text1)->clear();
    QTest::keyClick(Box(ControlId::Text1), Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(Button(ControlId::Command1), Qt::LeftButton);
  }

  bool WaitForTheEnd() {
    return QTest::qWaitFor([this] { return Button(ControlId::Command1)->isEnabled(); }, 60000);
  }

  sim::DemoRegistries registries = sim::StartDemoRegistries();
  ScriptedBoxes boxes;
  qtapp::QtPlatform platform{boxes};
  std::unique_ptr<web::HttpSession> session = web::OpenHttpSession();
  std::unique_ptr<qtapp::Form1Window> window;
};

TEST_F(RegistryWindowTest, AMixedListEndsWithTheFreeNamesAndWhatCouldNotBeAnswered) {
  // Free and taken over RDAP, WHOIS (.de) and DNS (.zz fails), a name whose registry keeps
  // failing, a name that cannot be one, a name twice.
  sim::RdapFault failing;
  failing.status = 503;
  registries.rdap->SetFault("broken.com", failing);
  PasteAndStart(
      QStringLiteral("Freename.com\nabc.com\nfreeword.de\nbroken.com\nbad_name.com\nothername.zz\n"
                     "FREENAME.com\nnewname.org\n"));
  EXPECT_FALSE(Button(ControlId::Command1)->isEnabled());
  ASSERT_TRUE(WaitForTheEnd());
  EXPECT_EQ(Status(), QStringLiteral(u"共输入7个，其中3个可以注册，3个未能查询"));
  EXPECT_EQ(Result(), QStringLiteral("freename.com\nfreeword.de\nnewname.org\n"));
  EXPECT_TRUE(boxes.informed.empty());
  // The input box shows the cleaned names, as after a query of the registrar.
  EXPECT_EQ(Box(ControlId::Text1)->toPlainText(),
            QStringLiteral("Freename.com\nabc.com\nfreeword.de\nbroken.com\nbad_name.com\n"
                           "othername.zz\nFREENAME.com\nnewname.org\n"));

  PasteAndStart(QStringLiteral("abc.com\nxyz.org\n"));
  ASSERT_TRUE(WaitForTheEnd());
  EXPECT_EQ(Status(), QStringLiteral(u"共输入2个，其中0个可以注册"));
  EXPECT_EQ(Result(), QStringLiteral(u"您查询的域名全部已经被注册!!"));
}

TEST_F(RegistryWindowTest, TheInputChecksAreTheRegistrarsOwn) {
  PasteAndStart(QStringLiteral("one.com"));
  PasteAndStart(QStringLiteral("a.\n"));
  QString many;
  for (int i = 0; i < 491; ++i) many += QStringLiteral("name%1.com\n").arg(i);
  PasteAndStart(many);
  EXPECT_EQ(boxes.informed, (std::vector<QString>{QStringLiteral(u"查询必须大于2个,小于500个!"),
                                                  QStringLiteral(u"域名格式错误"),
                                                  QStringLiteral(u"数量不能大于490个")}));
  EXPECT_EQ(Status(), QStringLiteral("."));
  EXPECT_TRUE(Button(ControlId::Command1)->isEnabled());
}

// 490 names at a slow registry: the status line counts them while the window keeps answering.
TEST_F(RegistryWindowTest, A490NameListShowsItsProgressWhileTheWindowStaysUsable) {
  registries.rdap->SetLatency(10ms);
  QString names;
  QString free;
  for (int i = 0; i < 490; ++i) {
    const QString name = QStringLiteral("%1%2.com")
                             .arg(i % 2 ? QStringLiteral("taken") : QStringLiteral("free"))
                             .arg(i);
    names += name + QLatin1Char('\n');
    // The simulators hold a name with "taken" in it as taken.
    if (i % 2 == 0) free += name + QLatin1Char('\n');
  }
  PasteAndStart(names);
  const QRegularExpression progress(QStringLiteral(u"^查询中,请稍等....\\((\\d+)/490\\)$"));
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        const auto match = progress.match(Status());
        return match.hasMatch() && match.captured(1).toInt() > 0 && match.captured(1).toInt() < 490;
      },
      30000))
      << Status().toStdString();
  // Clearing both boxes is answered at once, mid-run.
  QTest::mouseClick(Button(ControlId::Command2), Qt::LeftButton);
  EXPECT_TRUE(Box(ControlId::Text1)->toPlainText().isEmpty());
  EXPECT_FALSE(Button(ControlId::Command1)->isEnabled());
  ASSERT_TRUE(WaitForTheEnd());
  EXPECT_EQ(Status(), QStringLiteral(u"共输入490个，其中245个可以注册"));
  EXPECT_EQ(Result(), free);
}

TEST_F(RegistryWindowTest, ClosingMidRunEndsTheRunAtOnce) {
  sim::RdapFault slow;
  slow.delay = 30s;
  registries.rdap->SetFault("slowname.com", slow);
  PasteAndStart(QStringLiteral("slowname.com\nabc.com\n"));
  boxes.answers = {true};
  window->show();
  window->close();
  EXPECT_EQ(boxes.asked.size(), 1u);
  QElapsedTimer clock;
  clock.start();
  window.reset();
  // A hang check, not a speed goal: the answer it would wait for is 30 s away.
  EXPECT_LT(clock.elapsed(), 10000);
}

TEST_F(RegistryWindowTest, ABootstrapThatCannotBeFetchedFailsTheRunAndSaysWhyOnce) {
  QTemporaryDir cache;
  qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
  Open([] {
    check::RegistrySetup setup;
    setup.bootstrapUrl = "http://127.0.0.1:1/rdap/dns.json";
    setup.client.proxy = "";
    return setup;
  });
  for (int run = 0; run < 2; ++run) {
    PasteAndStart(QStringLiteral("freename.com\nabc.com\n"));
    ASSERT_TRUE(WaitForTheEnd());
    EXPECT_EQ(Status(), QStringLiteral(u"查询失败,请检查网络连接后重试"));
    EXPECT_TRUE(Result().isEmpty());
  }
  qunsetenv("XDG_CACHE_HOME");
  ASSERT_EQ(boxes.informed.size(), 1u);
  EXPECT_TRUE(boxes.informed[0].startsWith(QStringLiteral(u"无法取得各注册局的查询地址: ")));
  EXPECT_TRUE(boxes.informed[0].contains(QStringLiteral("127.0.0.1:1")));
}

// Which source the start button asks: the command line's, else the settings file's.
TEST(WindowSource, TheCommandLineWinsOverTheSettingsFileAndAFaultIsToldWithItsLine) {
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("brelka.conf"));
  struct Case {
    const char* text;  // nullptr: no file
    std::optional<app::QuerySource> given;
    app::QuerySource chosen;
    const char16_t* fault;  // a part of the message, or nullptr for none
  };
  const Case cases[] = {
      {nullptr, std::nullopt, app::QuerySource::Registrar, nullptr},
      {"[query]\nsource=registry\n", std::nullopt, app::QuerySource::Registry, nullptr},
      {"; mine\n[query]\nsource = registrar\n", std::nullopt, app::QuerySource::Registrar, nullptr},
      {"[query]\nsource=registry\n", app::QuerySource::Registrar, app::QuerySource::Registrar,
       nullptr},
      {"[query]\nsource=registries\n", std::nullopt, app::QuerySource::Registrar,
       u"第2行: 未知的查询方式 \"registries\""},
      {"[query]\nsource=registry\nthis is not a setting\n", std::nullopt,
       app::QuerySource::Registrar, u"第3行: 无法识别的行"},
      {"[query\nsource=registry\n", app::QuerySource::Registry, app::QuerySource::Registry,
       nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text ? c.text : "no file");
    QFile::remove(file);
    if (c.text) {
      QFile out(file);
      ASSERT_TRUE(out.open(QIODevice::WriteOnly));
      out.write(c.text);
    }
    const app::SourceChoice choice = qtapp::ChooseSource(c.given, file);
    EXPECT_EQ(choice.source, c.chosen);
    ASSERT_EQ(choice.fault.has_value(), c.fault != nullptr);
    if (c.fault) {
      const QString message = FromCore(*choice.fault);
      EXPECT_TRUE(message.startsWith(QStringLiteral(u"设置文件 ") + file)) << message.toStdString();
      EXPECT_TRUE(message.contains(QString::fromUtf16(c.fault))) << message.toStdString();
      EXPECT_TRUE(message.endsWith(QStringLiteral(u"本次使用默认的查询方式: 注册商。")));
    }
  }
  // The file is only read.
  EXPECT_EQ(QFile::exists(file), true);
}

TEST(WindowSource, TheCommandLineNamesTheSource) {
  const qtapp::ProgramDescription program{"brelka", "about\n"};
  std::ostringstream out, err;
  std::optional<app::QuerySource> source;
  const char* given[] = {"brelka", "--source", "registry", "-platform", "offscreen"};
  EXPECT_EQ(qtapp::HandleCommandLine(5, given, program, out, err, &source), std::nullopt);
  EXPECT_EQ(source, app::QuerySource::Registry);
  const char* joined[] = {"brelka", "--source=registrar"};
  EXPECT_EQ(qtapp::HandleCommandLine(2, joined, program, out, err, &source), std::nullopt);
  EXPECT_EQ(source, app::QuerySource::Registrar);
  const char* wrong[] = {"brelka", "--source", "rdap"};
  EXPECT_EQ(qtapp::HandleCommandLine(3, wrong, program, out, err, &source), 2);
  EXPECT_EQ(err.str(),
            "brelka: --source takes registrar or registry\nTry 'brelka --help' for more "
            "information.\n");
}

}  // namespace
