// brelka-cli making its names from patterns, as a separate process: the README's examples typed
// into the platform's shell as they stand (sh on POSIX, cmd.exe on Windows), the limits and
// faults a user meets, and a pattern run checked against the built-in simulators and resumed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "CliOutput.h"

namespace {

using testing_support::ChildOutcome;
using testing_support::RunChild;

const std::string kCli = testing_support::ProgramBeside(CLI_PROGRAM);

// A command line typed into the shell, with "brelka-cli" standing for the program.
ChildOutcome Typed(const std::string& line) {
  const std::string command = kCli + line.substr(std::string("brelka-cli").size());
#ifdef _WIN32
  return RunChild("C:\\windows\\system32\\cmd.exe", {"/c", command});
#else
  return RunChild("/bin/sh", {"-c", command});
#endif
}

struct Example {
  std::string line;
  std::string count;      // the first line of --count
  std::string firstName;  // and the next
  std::string tenthName;  // and the last
};

TEST(CliPatterns, TheReadmesExamplesCountTheSameTypedIntoTheShellAsTheyStand) {
  const Example examples[] = {
      {"brelka-cli --pattern DDD --tld cn --count", "1000 names", "000.cn", "009.cn"},
      {"brelka-cli --pattern CVCV --tld com --count", "11025 names", "baba.com", "bacu.com"},
      {"brelka-cli --pattern D=AABB --tld com,cn --count", "180 names", "0011.com", "0055.cn"},
      {"brelka-cli --pattern D=ABAB --tld cn --count", "90 names", "0101.cn", "1010.cn"},
      {"brelka-cli --pattern D=AAAB --tld cn --count", "90 names", "0001.cn", "1110.cn"},
      {"brelka-cli --pattern D=ABBA --tld cn --count", "90 names", "0110.cn", "1001.cn"},
      {"brelka-cli --pattern L=ABCABC --tld com --count", "15600 names", "abcabc.com",
       "ablabl.com"},
      {"brelka-cli --pattern PP --tld cn --count", "169211 names", "aa.cn", "abao.cn"},
      {"brelka-cli --pattern P=AA --tld cn --count", "413 names", "aa.cn", "baobao.cn"},
      {"brelka-cli --pattern IIII --tld cn --count", "160000 names", "bbbb.cn", "bbbm.cn"},
      {"brelka-cli --pattern /get,try/L:2 --tld com --count", "1352 names", "getaa.com",
       "getaj.com"},
      {"brelka-cli --pattern shop/a-c,x/D:1-2 --tld com --count", "440 names", "shopa0.com",
       "shopa9.com"},
      {"brelka-cli --pattern DDD --without 4 --tld cn --count", "729 names", "000.cn", "010.cn"},
      {"brelka-cli --pattern /L,D/:4 --mixed --tld com --count", "1212640 names", "aaa0.com",
       "aaa9.com"},
      {"brelka-cli --pattern PP --length 4-5 --tld cn --count", "35953 names", "aang.cn",
       "acan.cn"},
      {"brelka-cli --pattern DDDD.com.cn --count", "10000 names", "0000.com.cn", "0009.com.cn"},
      // Distinct names: two patterns, or two ways through one, that make a name alike count it
      // once; the filters leave a suffix written in a pattern alone.
      {"brelka-cli -p DDD -p D:3 --tld cn --count", "1000 names", "000.cn", "009.cn"},
      {"brelka-cli -p DDD.cn --without c --count", "1000 names", "000.cn", "009.cn"},
      {"brelka-cli -p DD.cn -p DD/a-l/.cn --mixed --count", "1200 names", "00a.cn", "00j.cn"},
  };
  for (const Example& example : examples) {
    SCOPED_TRACE(example.line);
    const ChildOutcome run = Typed(example.line);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < run.out.size();) {
      const std::size_t end = run.out.find('\n', start);
      lines.push_back(run.out.substr(start, end - start));
      start = end == std::string::npos ? run.out.size() : end + 1;
    }
    ASSERT_EQ(lines.size(), 11u) << run.out;
    EXPECT_EQ(lines[0], example.count);
    EXPECT_EQ(lines[1], example.firstName);
    EXPECT_EQ(lines[10], example.tenthName);
  }
}

TEST(CliPatterns, RefusesBeforeSendingAnything) {
  const std::pair<std::vector<std::string>, std::string> refusals[] = {
      {{"--pattern", "L:5", "--tld", "com"},
       "brelka-cli: the patterns make 11881376 names, more than --max-names 1000000 allows; "
       "narrow the patterns or raise --max-names\n"},
      {{"--pattern", "DDD", "--tld", "com", "--max-names", "999"},
       "brelka-cli: the patterns make 1000 names, more than --max-names 999 allows; narrow the "
       "patterns or raise --max-names\n"},
      {{"--pattern", "abX", "--tld", "com"},
       "brelka-cli: --pattern 'abX' at character 3: no class 'X' (L D C V I P W are the "
       "classes; lowercase text is literal)\n"},
      {{"--pattern", "DDD"},
       "brelka-cli: --pattern 'DDD' makes keywords without a suffix: give --tld (or write the "
       "suffix into the pattern, as DDD.cn)\n"},
      {{"--mixed", "--tld", "com"}, "brelka-cli: --mixed goes with --pattern (see --help)\n"},
      {{"--pattern", "DDD", "--tld", "com", "names.txt"},
       "brelka-cli: --pattern makes the names: give no FILE with it (see --help)\n"},
      {{"--pattern", "DDD", "--length", "9-3", "--tld", "com"},
       "brelka-cli: --length takes a length or a range of lengths from 1 to 63, as 5 or 4-6: "
       "'9-3' (see --help)\n"},
  };
  for (const auto& [args, message] : refusals) {
    const ChildOutcome run = RunChild(kCli, args);
    EXPECT_EQ(run.exitCode, 2) << message;
    EXPECT_EQ(run.err, message);
    EXPECT_EQ(run.out, "");
  }
}

// A count says what a run would make of it: too many for --max-names, or none, and why.
TEST(CliPatterns, ACountWarnsOfWhatARunWouldRefuseOrMissAndSaysOneName) {
  const struct {
    std::vector<std::string> args;
    std::string out;
    std::string err;
  } counts[] = {
      {{"-p", "DDD", "--tld", "cn", "--max-names", "10"}, "1000 names",
       "brelka-cli: warning: a run of these patterns would be refused: 1000 names are more than "
       "--max-names 10 allows\n"},
      {{"-p", "DD", "--length", "5", "--tld", "cn"}, "0 names",
       "brelka-cli: warning: the patterns make no name: --length leaves out every name they "
       "make\n"},
      {{"-p", "DD", "--mixed", "--tld", "cn"}, "0 names",
       "brelka-cli: warning: the patterns make no name: --mixed leaves out every name they "
       "make\n"},
      {{"-p", "abc", "--tld", "cn"}, "1 name", ""},
      {{"-p", "DDD", "--tld", "cn", "--type", "letters"}, "0 names",
       "brelka-cli: warning: the patterns make no name: --type leaves out every name they make\n"},
  };
  for (const auto& c : counts) {
    std::vector<std::string> args = c.args;
    args.push_back("--count");
    const ChildOutcome run = RunChild(kCli, args);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), c.out);
    EXPECT_EQ(run.err, c.err);
  }
}

TEST(CliPatterns, ARunChecksEveryNameInOrderAndResumesWhereItLeftOff) {
  const ChildOutcome run = testing_support::RunCli(
      kCli, {"--pattern", "8D=AAB", "--tld", "cn", "--demo", "--format", "tsv"}, "");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "brelka-cli: 90 names to check\n共输入90个，其中90个可以注册\n");
  EXPECT_TRUE(
      run.out.starts_with("8001.cn\tavailable\t\t\twhois\t\t\t\t\t\t\n"
                          "8002.cn\tavailable\t\t\twhois\t\t\t\t\t\t\n"))
      << run.out;
  EXPECT_TRUE(run.out.ends_with("8998.cn\tavailable\t\t\twhois\t\t\t\t\t\t\n")) << run.out;

  // An earlier run's answers for the first half: only the rest is asked.
  const auto earlier = std::filesystem::temp_directory_path() / "brelka-cli-pattern-resume.json";
  const ChildOutcome first = RunChild(
      kCli, {"--pattern", "8D=AAB", "--tld", "cn", "--demo", "--format", "json", "--quiet"});
  {
    std::ofstream out(earlier, std::ios::binary);
    out << first.out.substr(0, first.out.size() / 2);
  }
  const ChildOutcome resumed = RunChild(kCli, {"--pattern", "8D=AAB", "--tld", "cn", "--demo",
                                               "--resume", earlier.string(), "--format", "tsv"});
  std::filesystem::remove(earlier);
  EXPECT_EQ(resumed.exitCode, 0) << resumed.err;
  EXPECT_EQ(testing_support::WithoutCheckedColumn(resumed.out), run.out);
  EXPECT_EQ(resumed.err,
            "brelka-cli: 90 names to check\n共输入90个，其中90个可以注册，45个沿用上次结果\n");
}

// --type keeps names read as it keeps names made, says how many it left out, and adds the type
// column; a word it cannot read stops the run before anything is sent.
TEST(CliTypes, OnlyNamesOfTheTypesAreCheckedAndTheirTypeIsWritten) {
  const ChildOutcome run =
      testing_support::RunCli(kCli, {"--demo", "--type", "digits:4+AABB,pinyin2", "-f", "tsv"},
                              "8888.com\nxian.cn\nfangan.cn\nabc.com\n1122.cn\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "fangan.cn\tavailable\t\t\twhois\t\t\t\t\t\t\tletters:6; pinyin2\n"
            "1122.cn\tavailable\t\t\twhois\t\t\t\t\t\t\tdigits:4; AABB\n");
  EXPECT_EQ(run.err, "brelka-cli: --type left out 3 names\n共输入2个，其中2个可以注册\n");

  const ChildOutcome wrong = RunChild(kCli, {"--type", "digits:0", "abc.com"});
  EXPECT_EQ(wrong.exitCode, 2);
  EXPECT_EQ(wrong.err,
            "brelka-cli: --type: 'digits:0' takes a length or a range of lengths from 1 to 63 "
            "after ':', as :5 or :4-6 (see --help)\n");
}

TEST(CliInputs, NamesFromFilesAreCountedOnceAndAFaultAnywhereStopsTheRunFirst) {
  const auto dir = std::filesystem::temp_directory_path();
  const auto first = dir / "brelka-cli-count-1.txt", second = dir / "brelka-cli-count-2.txt";
  std::ofstream(first, std::ios::binary) << "Shop\nmall.com\n\nshop.com\n";
  std::ofstream(second, std::ios::binary) << "MALL.COM\nnew\n";
  const ChildOutcome counted =
      RunChild(kCli, {"--tld", "com", "--count", first.string(), second.string()});
  EXPECT_EQ(counted.exitCode, 0) << counted.err;
  EXPECT_EQ(counted.out, "3 names\nshop.com\nmall.com\nnew.com\n");

  // A file that is not UTF-8 is refused before anything is sent, however far in the fault lies.
  std::string late;
  for (int i = 0; i < 20000; ++i) late += "name-" + std::to_string(i) + ".com\n";
  std::ofstream(second, std::ios::binary) << late << "bad\xff.com\n";
  const ChildOutcome refused = RunChild(kCli, {"--demo", "--source", "registrar", second.string()});
  std::filesystem::remove(first);
  std::filesystem::remove(second);
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(refused.err, "brelka-cli: " + second.string() + ":20001: invalid UTF-8\n");
}

}  // namespace
