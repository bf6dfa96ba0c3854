// What brelka-cli sends, checked on the wire at the registrar simulator: chunks of at most 490
// names, one chunk after another, each chunk's three requests in one cookie session; a failing
// chunk among good ones; Ctrl+C in the middle of a check; the offline demo.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "CliOutput.h"
#include "sim/RegistrarSim.h"

namespace {

using sim::RecordedRequest;
using sim::RegistrarSim;
using testing_support::Child;
using testing_support::ChildOutcome;

const std::string kCli = testing_support::ProgramBeside(CLI_PROGRAM);

// n names; every third is taken by the simulator's rule.
std::string Names(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) {
    text += (i % 3 == 2 ? "taken-" : "name-") + std::to_string(i) + ".com\n";
  }
  return text;
}

std::string Available(int from, int to) {
  std::string text;
  for (int i = from; i < to; ++i) {
    if (i % 3 != 2) text += "name-" + std::to_string(i) + ".com\n";
  }
  return text;
}

std::vector<std::string> SubmittedNames(const RecordedRequest& search) {
  const std::string prefix = "domainNames=", suffix = "&extrnl=1&dotTypes=";
  EXPECT_EQ(search.body.rfind(prefix, 0), 0u);
  EXPECT_TRUE(search.body.ends_with(suffix));
  const std::string list =
      search.body.substr(prefix.size(), search.body.size() - prefix.size() - suffix.size());
  std::vector<std::string> names;
  for (std::size_t start = 0;;) {
    const std::size_t comma = list.find(',', start);
    names.push_back(list.substr(start, comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return names;
}

TEST(CliChunks, NamesGoInChunksOfAtMost490EachWithItsThreeRequestsInOneSession) {
  for (int n : {490, 491, 980, 981}) {
    RegistrarSim registrar;
    const ChildOutcome run =
        testing_support::RunCli(kCli, {"--registrar", registrar.BaseUrl(), "-q"}, Names(n));
    ASSERT_EQ(run.exitCode, 0) << n << ": " << run.err;
    EXPECT_EQ(run.out, Available(0, n)) << n;

    // Per chunk: the search, the selection page, and the removal when a name was free.
    const std::vector<RecordedRequest> requests = registrar.Requests();
    std::vector<std::string> sent;
    std::set<std::string> sessions;
    std::size_t at = 0;
    for (int first = 0; first < n; first += 490) {
      ASSERT_LE(at + 2, requests.size()) << n;
      const RecordedRequest& search = requests[at++];
      const RecordedRequest& page = requests[at++];
      EXPECT_EQ(search.method + " " + search.target, "POST /domains/searchbulk.aspx");
      EXPECT_EQ(page.method + " " + page.target, "GET /domains/searchbulk.aspx");
      const std::vector<std::string> names = SubmittedNames(search);
      EXPECT_EQ(names.size(), std::min(490, n - first));
      sent.insert(sent.end(), names.begin(), names.end());
      // The very first request gets the session cookie; every later one carries it.
      if (first > 0) sessions.insert(search.Cookie(RegistrarSim::kSessionCookie));
      sessions.insert(page.Cookie(RegistrarSim::kSessionCookie));
      if (Available(first, std::min(first + 490, n)).empty()) continue;
      ASSERT_LT(at, requests.size()) << n;
      const RecordedRequest& removal = requests[at++];
      EXPECT_EQ(removal.method + " " + removal.target,
                std::string("POST ") + RegistrarSim::kRemovePath);
      sessions.insert(removal.Cookie(RegistrarSim::kSessionCookie));
    }
    EXPECT_EQ(at, requests.size()) << n;
    EXPECT_EQ(sent.size(), static_cast<std::size_t>(n));
    ASSERT_EQ(sessions.size(), 1u) << n;
    EXPECT_FALSE(sessions.begin()->empty());
    EXPECT_TRUE(registrar.Pending(*sessions.begin()).empty()) << "every chunk was released";
  }
}

TEST(CliChunks, AFailingChunkLeavesItsNamesUnknownAndTheOthersGoOn) {
  RegistrarSim registrar;
  registrar.Set(sim::Endpoint::SelectionPage, {.status = 503, .skip = 1, .times = 1});
  const ChildOutcome run =
      testing_support::RunCli(kCli, {"--registrar", registrar.BaseUrl(), "--all"}, Names(1000));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "共输入1000个，其中340个可以注册，490个未能查询\n");

  std::vector<std::string> lines;
  for (std::size_t start = 0; start < run.out.size();) {
    const std::size_t end = run.out.find('\n', start);
    lines.push_back(run.out.substr(start, end - start));
    start = end + 1;
  }
  ASSERT_EQ(lines.size(), 1000u);
  EXPECT_EQ(lines[0], "name-0.com\tavailable\t\t\tregistrar");
  EXPECT_EQ(lines[2], "taken-2.com\tregistered\t\t\tregistrar");
  EXPECT_EQ(lines[490].rfind("name-490.com\tunknown\tthe selection page could not be read: ", 0),
            0u)
      << lines[490];
  EXPECT_EQ(lines[979].rfind("name-979.com\tunknown\t", 0), 0u);
  EXPECT_EQ(lines[980], "taken-980.com\tregistered\t\t\tregistrar");
  EXPECT_EQ(lines[981], "name-981.com\tavailable\t\t\tregistrar");
  // Nothing of the failed chunk was released: its answer was never read.
  EXPECT_EQ(registrar.Requests().size(), 3u + 2u + 3u);
}

TEST(CliInterrupt, CtrlCStopsAtOnceWritesWhatIsAnsweredAndExitsWith130) {
  RegistrarSim registrar;
  // The second chunk's search never gets an answer: only Ctrl+C can end the wait.
  registrar.Set(sim::Endpoint::Search, {.hang = true, .skip = 1});
  Child child(kCli, {"--registrar", registrar.BaseUrl()}, Names(1500));
  auto searches = [&registrar] {
    int n = 0;
    for (const RecordedRequest& r : registrar.Requests())
      n += r.method == "POST" && r.target == RegistrarSim::kSearchPath;
    return n;
  };
  for (int i = 0; i < 2000 && searches() < 2; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_EQ(searches(), 2);
  child.Interrupt();
  const ChildOutcome run = child.Wait(std::chrono::seconds(20));
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 130);
  EXPECT_EQ(run.out, Available(0, 490));
  // The rest of the input was never read, so its size is not known.
  EXPECT_EQ(run.err, "brelka-cli: interrupted; 490 names checked\n");
  EXPECT_EQ(searches(), 2) << "nothing more was sent";
}

TEST(CliOutput, AnswersThatCannotBeWrittenAreAnErrorNotASuccess) {
  const ChildOutcome run = testing_support::RunCli(
      "/bin/sh", {"-c", "\"$0\" --demo >/dev/full", kCli}, "hello.com\nworld.net\n");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "brelka-cli: the answers could not all be written to standard output\n");
}

// A reader that closes the pipe early (head -1) has what it wanted: the run ends quietly and
// asks nothing more, where a full disk stays an error.
TEST(CliStreams, APipeClosedByItsReaderEndsTheRunQuietly) {
  std::string names;
  for (int i = 0; i < 20000; ++i) names += "x_" + std::to_string(i) + ".com\n";
  const std::string first =
      "x_0.com\tinvalid\tcharacter '_' (U+005F) is not allowed\t\t\t\t\t\t\t\t\tdemo\n";
#ifdef _WIN32
  // What `head -1` does, done by the test: the first line read, then the pipe closed.
  Child child(kCli, {"--demo", "--all"}, names, {.firstLineOnly = true});
  const ChildOutcome run = child.Wait();
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, first);
#else
  const ChildOutcome run = testing_support::RunChild(
      "/bin/bash", {"-c", "\"$0\" --demo --all | head -1; echo \"rc=${PIPESTATUS[0]}\"", kCli},
      names);
  EXPECT_EQ(run.out, first + "rc=0\n");
#endif
  EXPECT_EQ(run.err, "");
}

// A file saved as Notepad's "Unicode" (UTF-16 with its byte-order mark), either byte order.
TEST(CliStreams, AUtf16FileIsReadByItsByteOrderMark) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("brelka-utf16-" + std::to_string(std::chrono::steady_clock::now()
                                                          .time_since_epoch()
                                                          .count()) + ".txt");
  // hi.com, CR LF, 中国.cn
  static const char little[] = "\xFF\xFEh\0i\0.\0c\0o\0m\0\r\0\n\0-N\xFD\x56.\0c\0n\0";
  static const char big[] = "\xFE\xFF\0h\0i\0.\0c\0o\0m\0\r\0\nN-\x56\xFD\0.\0c\0n";
  for (const std::string& bytes : {std::string(little, sizeof little - 1),
                                   std::string(big, sizeof big - 1)}) {
    std::ofstream(path, std::ios::binary) << bytes;
    const ChildOutcome run = testing_support::RunChild(kCli, {"--count", path.string()});
    EXPECT_EQ(run.out, "2 names\nhi.com\n中国.cn\n") << run.err;
  }
  std::filesystem::remove(path);
}

#ifdef _WIN32
// Keys typed into this process's console, as a person types them.
void Type(std::wstring_view keys) {
  std::vector<INPUT_RECORD> records;
  for (wchar_t key : keys) {
    for (BOOL down : {TRUE, FALSE}) {
      INPUT_RECORD record{};
      record.EventType = KEY_EVENT;
      record.Event.KeyEvent.bKeyDown = down;
      record.Event.KeyEvent.wRepeatCount = 1;
      record.Event.KeyEvent.uChar.UnicodeChar = key;
      record.Event.KeyEvent.wVirtualKeyCode =
          key == L'\r' ? VK_RETURN : key == L'\x1A' ? 'Z' : LOBYTE(VkKeyScanW(key));
      if (key == L'\x1A') record.Event.KeyEvent.dwControlKeyState = LEFT_CTRL_PRESSED;
      records.push_back(record);
    }
  }
  DWORD written = 0;
  ASSERT_TRUE(WriteConsoleInputW(GetStdHandle(STD_INPUT_HANDLE), records.data(),
                                 DWORD(records.size()), &written));
}

// At a console with no input given the program says where it reads names and how to end them;
// the names typed are checked, and Ctrl+Z and Enter end them. The test needs a console of
// its own: tests/win32 runs it under a terminal.
TEST(CliConsole, AtAConsoleTheProgramSaysItReadsStandardInput) {
  DWORD mode = 0;
  if (!GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode)) {
    GTEST_SKIP() << "standard input is no console";
  }
  Child child(kCli, {"--demo", "--source", "registrar"}, "", {.inputFromTerminal = true});
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (child.ErrorSoFar().empty() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_EQ(child.ErrorSoFar(),
            "brelka-cli: reading names from standard input, one a line; Ctrl+Z and Enter ends "
            "them\n");
  Type(L"hello.com\r\x1A\r");
  const ChildOutcome run = child.Wait(std::chrono::seconds(30));
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "hello.com\n");
  EXPECT_TRUE(run.err.ends_with("共输入1个，其中1个可以注册\n")) << run.err;
}
#endif

#ifndef _WIN32
// A person at a terminal who gives no input is told where the names are read from and how to
// end them, on a real terminal (a pseudo-terminal), and the names typed are then checked.
TEST(CliOutput, AtATerminalTheProgramSaysItReadsStandardInput) {
  int terminal = -1;
  const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
  ASSERT_GE(child, 0);
  if (child == 0) {
    execl(kCli.c_str(), kCli.c_str(), "--demo", "--source", "registrar", nullptr);
    _exit(127);
  }
  std::string seen;
  const auto readUntil = [&](std::string_view wanted) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    char buffer[4096];
    while (seen.find(wanted) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
      pollfd entry{terminal, POLLIN, 0};
      if (poll(&entry, 1, 100) <= 0) continue;
      const ssize_t n = read(terminal, buffer, sizeof buffer);
      if (n <= 0) break;
      seen.append(buffer, static_cast<std::size_t>(n));
    }
    return seen.find(wanted) != std::string::npos;
  };
  EXPECT_TRUE(readUntil("brelka-cli: reading names from standard input, one a line; Ctrl+D "
                        "ends them\r\n"))
      << seen;
  ASSERT_EQ(write(terminal, "hello.com\n\x04", 11), 11);
  EXPECT_TRUE(readUntil("共输入1个，其中1个可以注册")) << seen;
  int status = 0;
  waitpid(child, &status, 0);
  close(terminal);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}
#endif

// The first answer that cannot be written ends the run: ten names at one a second from their
// registry would take ten seconds otherwise.
TEST(CliOutput, AFailedWriteStopsTheRunAtOnce) {
  testing_support::Child child(
      "/bin/sh", {"-c", "\"$0\" --demo --rate whois.cnnic.cn=1/s -q >/dev/full", kCli},
      "free0.cn\nfree1.cn\nfree2.cn\nfree3.cn\nfree4.cn\nfree5.cn\nfree6.cn\nfree7.cn\n"
      "free8.cn\nfree9.cn\n");
  const ChildOutcome run = child.Wait(std::chrono::seconds(6));
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "brelka-cli: the answers could not all be written to standard output\n");
}

// Too few file descriptors for every socket of the simulated registries, at each point of their
// start up to the first that lets them start: the program ends with a message, never aborts.
TEST(CliOutput, ADemoThatCannotStartEndsWithAMessageNotAnAbort) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "the sanitizers' runtime needs the file descriptors this test takes away";
#endif
  const std::string kRefused = "brelka-cli: the built-in simulator cannot start: ";
  int refusals = 0;
  for (int limit = 5; limit <= 16; ++limit) {
    const ChildOutcome run = testing_support::RunCli(
        "/bin/sh",
        {"-c", "ulimit -n " + std::to_string(limit) + "; exec \"$0\" --demo --timeout 2", kCli},
        "hello.com\n");
    EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 1)
        << limit << " files: exit " << run.exitCode << ", " << run.err;
    if (!run.err.starts_with(kRefused)) break;
    EXPECT_EQ(run.exitCode, 1) << run.err;
    ++refusals;
  }
  EXPECT_GE(refusals, 2);
}

TEST(CliDemo, TheDemoAnswersOfflineByTheSimulatorsRule) {
  const ChildOutcome run =
      testing_support::RunCli(kCli, {"--demo", "--source", "registrar", "--all"},
                              "hello.com\nabc.com\nmytaken.net\n中文域名.cn\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "hello.com\tavailable\t\t\tregistrar\n"
            "abc.com\tregistered\t\t\tregistrar\n"
            "mytaken.net\tregistered\t\t\tregistrar\n"
            "中文域名.cn\tavailable\t\t\tregistrar\n");
  EXPECT_EQ(run.err, "共输入4个，其中2个可以注册\n");
}

}  // namespace
