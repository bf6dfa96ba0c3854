#include "app/qt/CommandLine.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <sstream>
#include <string>
#include <vector>

namespace {

const qtapp::ProgramDescription kProgram{"brelka", "Opens the window.\n"};

struct Answer {
  std::optional<int> status;
  std::string out;
  std::string err;
};

Answer Parse(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "brelka");
  std::ostringstream out, err;
  Answer answer;
  answer.status = qtapp::HandleCommandLine(static_cast<int>(arguments.size()), arguments.data(),
                                           kProgram, out, err);
  answer.out = out.str();
  answer.err = err.str();
  return answer;
}

TEST(CommandLine, WithoutArgumentsTheWindowStartsSilently) {
  const Answer answer = Parse({});
  EXPECT_EQ(answer.status, std::nullopt);
  EXPECT_EQ(answer.out + answer.err, "");
}

TEST(CommandLine, VersionAndHelpPrintAndEndWithZero) {
  EXPECT_EQ(Parse({"--version"}).out, "brelka 8.0\n");
  for (const char* help : {"--help", "-h"}) {
    const Answer answer = Parse({help});
    EXPECT_EQ(answer.status, 0);
    EXPECT_TRUE(answer.out.starts_with("Usage: brelka [OPTION]...\nOpens the window.\n\n"))
        << answer.out;
    EXPECT_NE(answer.out.find("      --version  print the version and exit\n"), std::string::npos);
    EXPECT_NE(answer.out.find("2 for an unknown option or argument.\n"), std::string::npos);
    EXPECT_EQ(answer.err, "");
  }
}

TEST(CommandLine, QtsOwnOptionsAreLeftForQt) {
  const std::vector<std::vector<const char*>> lines = {
      {"-platform", "offscreen"}, {"--platform", "offscreen"},      {"-style=fusion"},
      {"-style", "fusion"},       {"-reverse", "-session", "1a2b"}, {"-qmljsdebugger=port:1"},
  };
  for (const auto& line : lines) {
    const Answer answer = Parse(line);
    EXPECT_EQ(answer.status, std::nullopt) << line.front();
    EXPECT_EQ(answer.err, "") << line.front();
  }
}

TEST(CommandLine, UnknownOptionsAndStrayArgumentsEndWithTwoAndSayWhy) {
  const struct {
    std::vector<const char*> line;
    const char* err;
  } cases[] = {
      {{"--frobnicate"},
       "brelka: unknown option '--frobnicate'\nTry 'brelka --help' for more information.\n"},
      {{"-version"},
       "brelka: unknown option '-version'\nTry 'brelka --help' for more information.\n"},
      {{"-platform=offscreen"},
       "brelka: unknown option '-platform=offscreen'\nTry 'brelka --help' for more information.\n"},
      {{"-qmljsdebugger"},
       "brelka: unknown option '-qmljsdebugger'\nTry 'brelka --help' for more information.\n"},
      {{"-"}, "brelka: unexpected argument '-'\nTry 'brelka --help' for more information.\n"},
      {{"example.com"},
       "brelka: unexpected argument 'example.com'\nTry 'brelka --help' for more information.\n"},
      {{"-style", "fusion", "-platform"},
       "brelka: option '-platform' needs a value\nTry 'brelka --help' for more information.\n"},
      // The first fault counts, as in other command-line tools.
      {{"--bogus", "--help"},
       "brelka: unknown option '--bogus'\nTry 'brelka --help' for more information.\n"},
  };
  for (const auto& c : cases) {
    const Answer answer = Parse(c.line);
    EXPECT_EQ(answer.status, 2) << c.err;
    EXPECT_EQ(answer.err, c.err);
    EXPECT_EQ(answer.out, "");
  }
}

// The real programs, started the way a user types them, on a machine without a display: they
// answer before Qt looks for one.
struct Started {
  int exitCode = -1;
  QString out;
  QString err;
};

Started StartWithoutDisplay(const char* program, const QStringList& arguments) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    environment.remove(QString::fromLatin1(name));
  }
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(QString::fromUtf8(program), arguments);
  Started started;
  if (!process.waitForFinished(20000)) {
    process.kill();
    process.waitForFinished();
    return started;
  }
  started.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  started.out = QString::fromUtf8(process.readAllStandardOutput());
  started.err = QString::fromUtf8(process.readAllStandardError());
  return started;
}

TEST(CommandLineOfThePrograms, AnswerWithoutOpeningAWindow) {
  const Started version = StartWithoutDisplay(BRELKA_PROGRAM, {QStringLiteral("--version")});
  EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
  EXPECT_EQ(version.out, QStringLiteral("brelka 8.0\n"));

  const Started help = StartWithoutDisplay(BRELKA_DEMO_PROGRAM, {QStringLiteral("--help")});
  EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
  EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: brelka-demo [OPTION]...\n")))
      << help.out.toStdString();
  EXPECT_TRUE(help.out.contains(QStringLiteral("simulated inside the program")));

  const Started wrong = StartWithoutDisplay(BRELKA_PROGRAM, {QStringLiteral("--no-such-option")});
  EXPECT_EQ(wrong.exitCode, 2);
  EXPECT_EQ(wrong.err, QStringLiteral("brelka: unknown option '--no-such-option'\n"
                                      "Try 'brelka --help' for more information.\n"));
  EXPECT_EQ(wrong.out, QString());
}

}  // namespace
