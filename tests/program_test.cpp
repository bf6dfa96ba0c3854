#include "app/qt/Program.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QString BinFile(const char* name) {
  return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

// The environment of a program started from folder. Under AddressSanitizer, dlopen runs from the
// sanitizer's interceptor, whose own run path is searched instead of the program's, so the
// folder is named explicitly there; everywhere else the program's $ORIGIN run path finds it.
QProcessEnvironment ChildEnvironment(const QString& folder) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.remove(QStringLiteral("LD_LIBRARY_PATH"));
#if defined(__SANITIZE_ADDRESS__)
  environment.insert(QStringLiteral("LD_LIBRARY_PATH"), folder);
#else
  (void)folder;
#endif
  return environment;
}

struct Outcome {
  int exitCode = -1;
  QProcess::ExitStatus exitStatus = QProcess::CrashExit;
  QString errors;
};

Outcome RunOffscreen(const QTemporaryDir& folder, const QString& program) {
  QProcess process;
  process.setProcessEnvironment(ChildEnvironment(folder.path()));
  process.start(program, {});
  Outcome run;
  if (!process.waitForFinished(20000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.exitCode = process.exitCode();
  run.exitStatus = process.exitStatus();
  run.errors = QString::fromLocal8Bit(process.readAllStandardError());
  return run;
}

// A copy of the program in a folder of its own, with the given library as its skin library.
QString ProgramBeside(const QTemporaryDir& folder, const QString& skinLibrary) {
  const QString program = folder.filePath(QStringLiteral("brelka"));
  EXPECT_TRUE(QFile::copy(BinFile("brelka"), program));
  if (!skinLibrary.isEmpty()) {
    EXPECT_TRUE(QFile::copy(skinLibrary, folder.filePath(QStringLiteral("libSkinH.so"))));
  }
  return program;
}

TEST(ProgramStartUp, WithoutTheSkinLibraryItStopsWithAMessageAndNoWindow) {
  QTemporaryDir folder;
  const Outcome run = RunOffscreen(folder, ProgramBeside(folder, {}));
  EXPECT_EQ(run.exitStatus, QProcess::NormalExit);
  EXPECT_NE(run.exitCode, 0);
  EXPECT_TRUE(run.errors.contains(QStringLiteral("libSkinH.so"))) << run.errors.toStdString();
}

TEST(ProgramStartUp, WithoutTheEntryPointItStopsWithAMessageAndNoWindow) {
  QTemporaryDir folder;
  const Outcome run =
      RunOffscreen(folder, ProgramBeside(folder, QCoreApplication::applicationDirPath() +
                                                     QStringLiteral("/noentry/libSkinH.so")));
  EXPECT_EQ(run.exitStatus, QProcess::NormalExit);
  EXPECT_NE(run.exitCode, 0);
  EXPECT_TRUE(run.errors.contains(QStringLiteral("SkinH_AttachEx"))) << run.errors.toStdString();
}

// An X display of the test's own (Xvfb), for the program on Qt's xcb platform. An X server
// resets when its last client leaves and drops every connection still in its handshake; the
// test's xdotool searches come and go while the program connects, so the server must not reset.
class PrivateDisplay {
 public:
  PrivateDisplay() {
    server_.start(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"),
                   QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-screen"),
                   QStringLiteral("0"), QStringLiteral("1024x768x24")});
    while (server_.state() != QProcess::NotRunning && !server_.canReadLine())
      server_.waitForReadyRead(10000);
    name_ = QLatin1Char(':') + QString::fromLatin1(server_.readLine().trimmed());
  }
  ~PrivateDisplay() {
    server_.terminate();
    if (!server_.waitForFinished(5000)) server_.kill();
    server_.waitForFinished();
  }
  bool Ready() const { return name_.size() > 1; }
  const QString& Name() const { return name_; }

  // The windows of the display whose title matches the pattern, by xdotool.
  QStringList Windows(const QString& titlePattern) const {
    return Xdotool({QStringLiteral("search"), QStringLiteral("--name"), titlePattern});
  }
  QStringList Xdotool(const QStringList& arguments) const {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), name_);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(10000);
    return QString::fromLatin1(tool.readAllStandardOutput())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }

 private:
  QProcess server_;
  QString name_;
};

TEST(ProgramStartUp, OnADisplayTheFailedStartWaitsInAnErrorBoxAndNoWindowAppears) {
  if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ||
      QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
    GTEST_SKIP() << "needs Xvfb and xdotool";
  }
  PrivateDisplay display;
  ASSERT_TRUE(display.Ready());
  QTemporaryDir folder;
  QProcess program;
  QProcessEnvironment environment = ChildEnvironment(folder.path());
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  environment.insert(QStringLiteral("DISPLAY"), display.Name());
#if defined(__SANITIZE_ADDRESS__)
  // libxkbcommon-x11 hands strndup a name that is not zero-terminated, which strndup allows but
  // the strict string checks report; the X libraries keep caches to the end of the process that
  // the leak check reports. The offscreen tests above check the program's own part of this path.
  environment.insert(QStringLiteral("ASAN_OPTIONS"),
                     environment.value(QStringLiteral("ASAN_OPTIONS")) +
                         QStringLiteral(":strict_string_checks=0:detect_leaks=0"));
#endif
  program.setProcessEnvironment(environment);
  program.start(ProgramBeside(folder, {}), {});
  ASSERT_TRUE(program.waitForStarted(10000));

  // The box carries the program's title; the main window's caption never shows.
  QStringList boxes;
  const QDeadlineTimer deadline(20000);
  while (boxes.isEmpty() && !deadline.hasExpired() && program.state() == QProcess::Running) {
    boxes = display.Windows(QStringLiteral("^Brelka$"));
    if (boxes.isEmpty()) program.waitForFinished(100);
  }
  ASSERT_FALSE(boxes.isEmpty()) << "no error box; stderr: "
                                << program.readAllStandardError().toStdString();
  EXPECT_TRUE(display.Windows(QStringLiteral(u"Brelka域名注册")).isEmpty());
  EXPECT_FALSE(program.waitForFinished(1000)) << "the box did not wait for an answer";

  display.Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), boxes.first()});
  display.Xdotool({QStringLiteral("key"), QStringLiteral("Return")});
  ASSERT_TRUE(program.waitForFinished(20000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_NE(program.exitCode(), 0);
  EXPECT_TRUE(program.readAllStandardError().contains("libSkinH.so"));
}

TEST(ProgramClosing, ClosingDuringASlowQueryEndsTheProgramWithinASecond) {
  QProcess probe;
  probe.setProcessEnvironment(ChildEnvironment(QCoreApplication::applicationDirPath()));
  probe.start(BinFile("brelka-slow-close-probe"), {});
  ASSERT_TRUE(probe.waitForStarted(10000));

  QElapsedTimer sinceConfirmed;
  while (!probe.canReadLine() && probe.state() == QProcess::Running) probe.waitForReadyRead(10000);
  ASSERT_EQ(probe.readLine().trimmed(), QByteArray("confirmed"))
      << probe.readAllStandardError().toStdString();
  sinceConfirmed.start();
  const bool ended = probe.waitForFinished(5000);
  const qint64 took = sinceConfirmed.elapsed();
  if (!ended) probe.kill();
  ASSERT_TRUE(ended);
  EXPECT_LT(took, 1000);
  EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
}

}  // namespace
