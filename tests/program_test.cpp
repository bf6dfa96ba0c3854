#include "app/qt/Program.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
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
