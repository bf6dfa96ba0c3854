// brelka-cli as scripts and people use it: started as a separate process with names on its
// standard input or in files, checking them against the registrar simulator over loopback.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "CliOutput.h"
#include "TestRegistrar.h"

namespace {

using testing_support::ChildOutcome;

ChildOutcome Cli(std::vector<std::string> args, const std::string& input = "") {
  return testing_support::RunCli(testing_support::ProgramBeside(CLI_PROGRAM), args, input);
}

// The simulator's address, or a skip when none runs.
#define REGISTRAR_OR_SKIP(url)                                 \
  const std::string url = testing_support::TestRegistrarUrl(); \
  if (url.empty()) GTEST_SKIP() << "no registrar simulator runs"

class TempFile {
 public:
  explicit TempFile(const std::string& bytes, const std::string& name = "names.txt")
      : path_(std::filesystem::temp_directory_path() /
              ("brelka-cli-test-" + Run() + "-" + std::to_string(++counter_) + "-" + name)) {
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  ~TempFile() { std::filesystem::remove(path_); }
  std::string Path() const { return path_.string(); }

 private:
  // Test cases run as processes of their own, side by side: each gets its own names.
  static const std::string& Run() {
    static const std::string run = std::to_string(std::random_device()());
    return run;
  }
  static inline int counter_ = 0;
  std::filesystem::path path_;
};

// By the simulator's rule: free unless the part before the first dot has three characters or
// fewer, or contains "taken".
const std::string kMixed =
    "hello.com\n"
    "abc.com\n"
    "  http://www.World.NET  \n"
    "\n"
    "mytaken.org\n"
    "HELLO.com\n"
    "bad_name.com\n"
    "中文域名.cn\n";

TEST(CliOptions, HelpAndVersionPrintAndSucceed) {
  const ChildOutcome help = Cli({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("Usage: brelka-cli [OPTIONS] [FILE|NAME...]\n", 0), 0u) << help.out;
  for (const char* option :
       {"-a, --all", "-f, --format FORMAT", "-q, --quiet", "--source SOURCE", "--registrar URL",
        "--demo", "-h, --help", "-V, --version", "130 interrupted", "reserved (",
        "rdap, whois, dns or zone", "registrar and expires", "pending-delete", "checked is when",
        "--max-age DURATION", "HOST[:PORT]=N/s", "watch add|remove", "--on-change CMD",
        "--watch-list FILE"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
  EXPECT_EQ(help.err, "");

  const ChildOutcome version = Cli({"-V"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "brelka-cli " BRELKA_VERSION "\nPublic Suffix List of 2023-02-09\n");
}

TEST(CliOptions, UsageErrorsExitWithTwoAndOneLineNamingTheProblem) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"--bogus"}, "brelka-cli: unknown option '--bogus' (see --help)\n"},
      {{"-z"}, "brelka-cli: unknown option '-z' (see --help)\n"},
      // A control character cannot break the one-line message or act on the terminal.
      {{"--bo\ngus\x1b[2J"}, "brelka-cli: unknown option '--bo\\ngus\\x1b[2J' (see --help)\n"},
      {{"--format"}, "brelka-cli: option '--format' needs a value (see --help)\n"},
      {{"--format=xml"},
       "brelka-cli: unknown format 'xml' (list, tsv, csv or json) (see --help)\n"},
      {{"--quiet=yes"}, "brelka-cli: option '--quiet' takes no value (see --help)\n"},
      {{"--source", "dns"},
       "brelka-cli: unknown source 'dns' (registry, rdap, whois or registrar) (see --help)\n"},
      {{"--registrar", "ftp://x"},
       "brelka-cli: --registrar needs an http:// or https:// address: 'ftp://x' (see --help)\n"},
      {{"--registrar", "http://127.0.0.1:8080/domains"},
       "brelka-cli: --registrar takes a scheme, host and port only: "
       "'http://127.0.0.1:8080/domains' (see --help)\n"},
      {{"--demo", "--registrar", "http://127.0.0.1:1"},
       "brelka-cli: --demo and --registrar cannot be used together (see --help)\n"},
      {{"--tld", "com,,net"}, "brelka-cli: --tld '' is not a suffix: it is empty (see --help)\n"},
      {{"--tld", "com,bad_x"},
       "brelka-cli: --tld 'bad_x' is not a suffix: character '_' (U+005F) is not allowed (see "
       "--help)\n"},
  };
  for (const Case& c : cases) {
    const ChildOutcome run = Cli(c.args, "hello.com\n");
    EXPECT_EQ(run.exitCode, 2) << c.args[0];
    EXPECT_EQ(run.err, c.message);
    EXPECT_EQ(run.out, "");
  }
}

// An argument that names no file but reads as a domain name is that name; one that is neither
// says so; a name that is also a file's name is the file.
TEST(CliInput, NamesGivenAsArgumentsAreCheckedInTurnWithFiles) {
  REGISTRAR_OR_SKIP(url);
  const TempFile file("from-file.com\n");
  const ChildOutcome run =
      Cli({"--registrar", url, "--all", "hello.com", file.Path(), "WORLD.cn"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "hello.com\tavailable\t\t\tregistrar\n"
            "from-file.com\tavailable\t\t\tregistrar\n"
            "world.cn\tavailable\t\t\tregistrar\n");
  // In the working folder, a file called like a name.
  std::ofstream("also-a-file.com", std::ios::binary) << "inside.com\n";
  const ChildOutcome both = Cli({"--registrar", url, "also-a-file.com"});
  std::filesystem::remove("also-a-file.com");
  EXPECT_EQ(both.out, "inside.com\n");
}

TEST(CliInput, FilesThatCannotBeReadOrAreNotUtf8AreInputErrors) {
  const ChildOutcome missing = Cli({"no-such-file.txt"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.err, "brelka-cli: neither a file nor a domain name: 'no-such-file.txt'\n");

  const TempFile latin1("good.com\nalso-good.net\ncaf\xE9.fr\n");
  const ChildOutcome badBytes = Cli({latin1.Path()});
  EXPECT_EQ(badBytes.exitCode, 2);
  EXPECT_EQ(badBytes.err, "brelka-cli: " + latin1.Path() + ":3: invalid UTF-8\n");
  EXPECT_EQ(badBytes.out, "");

  const ChildOutcome fromStdin = Cli({}, "ok.com\n\xED\xA0\x80.com\n");  // an encoded surrogate
  EXPECT_EQ(fromStdin.exitCode, 2);
  EXPECT_EQ(fromStdin.err, "brelka-cli: <stdin>:2: invalid UTF-8\n");
}

TEST(CliInput, NamesAreCleanedLowerCasedAndReportedOnceInOrderOfFirstAppearance) {
  REGISTRAR_OR_SKIP(url);
  // A byte-order mark and CR LF line breaks, as Windows editors save files; the same names
  // again from standard input after the file.
  const TempFile file(
      "\xEF\xBB\xBF"
      "second-name.com\r\nhttp://www.First-Name.com\r\nnewww.com\r\n");
  const ChildOutcome run = Cli({"--registrar", url, "--all", file.Path(), "-"},
                               "FIRST-name.com\nthird.com\nhttps://www.site.com:8080/path?q\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "second-name.com\tavailable\t\t\tregistrar\n"
            "first-name.com\tavailable\t\t\tregistrar\n"
            "newww.com\tavailable\t\t\tregistrar\n"
            "third.com\tavailable\t\t\tregistrar\n"
            "site.com\tavailable\t\t\tregistrar\n");
}

// Keywords across suffixes: a line without a dot becomes one name per suffix, in the order
// given; names are de-duplicated after the expansion; a bad suffix is a usage error.
TEST(CliInput, KeywordsBecomeOneNamePerSuffixAndEachNameIsCheckedOnce) {
  REGISTRAR_OR_SKIP(url);
  const TempFile suffixes("net\r\n\r\n.ORG\r\n", "suffixes.txt");
  const ChildOutcome run =
      Cli({"--registrar", url, "--all", "--tld", "com,.CN,中国", "--tld-file", suffixes.Path()},
          "shop\nshop.com\nSHOP\nhello.io\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "shop.com\tavailable\t\t\tregistrar\n"
            "shop.cn\tavailable\t\t\tregistrar\n"
            "shop.中国\tavailable\t\t\tregistrar\n"
            "shop.net\tavailable\t\t\tregistrar\n"
            "shop.org\tavailable\t\t\tregistrar\n"
            "hello.io\tavailable\t\t\tregistrar\n");

  const TempFile bad("com\nnet\nbad_one\n", "bad-suffixes.txt");
  const ChildOutcome refused = Cli({"--registrar", url, "--tld-file", bad.Path()}, "shop\n");
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(refused.err, "brelka-cli: " + bad.Path() +
                             ":3: 'bad_one' is not a suffix: character '_' (U+005F) is not "
                             "allowed\n");
  EXPECT_EQ(refused.out, "");
}

// A run resumed from an earlier one's output in any structured format: the names it settled are
// written again as they were (here an answer the registrar would not give, to show that nothing
// was asked), unknown names are asked again, and a last line cut off mid-write is left out.
TEST(CliResume, SettledNamesAreWrittenAgainAndOnlyTheRestAreAsked) {
  REGISTRAR_OR_SKIP(url);
  const std::pair<std::string, std::string> earlier[] = {
      {"a.jsonl",
       "{\"name\":\"abc.com\",\"status\":\"available\",\"detail\":\"\",\"reason\":\"\","
       "\"source\":\"registrar\"}\n"
       "{\"name\":\"hello.com\",\"status\":\"unknown\",\"detail\":\"timed out\","
       "\"reason\":\"timeout\",\"source\":\"registrar\"}\n"
       "{\"name\":\"free.net\",\"status\":\"reser"},
      {"a.csv",
       "name,status,detail,reason,source\r\n"
       "abc.com,available,\"said \"\"free\"\",\r\nover two lines\",,registrar\r\n"
       "hello.com,unknown,x,timeout,registrar\r\n"},
      {"a.tsv",
       "abc.com\tavailable\tsaid \\\"free\\\"\t\tregistrar\n"
       "hello.com\tunknown\tx\ttimeout\tregistrar\n"
       "free.net\tregist"},
  };
  for (const auto& [name, bytes] : earlier) {
    const TempFile file(bytes, name);
    const ChildOutcome run = Cli({"--registrar", url, "--all", "--resume", file.Path()},
                                 "abc.com\nhello.com\nfree.net\n");
    EXPECT_EQ(run.exitCode, 0) << name << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\t')), "abc.com") << name;
    EXPECT_NE(run.out.find("abc.com\tavailable\t"), std::string::npos) << name << run.out;
    EXPECT_NE(run.out.find("\nhello.com\tavailable\t\t\tregistrar\nfree.net\tavailable\t"),
              std::string::npos)
        << name << run.out;
    // Files written before answers carried their time are taken as they are, with a warning.
    EXPECT_EQ(run.err,
              "brelka-cli: warning: '" + file.Path() +
                  "' was written before answers carried their time; its answers are "
                  "taken whatever their age\n共输入3个，其中3个可以注册，1个沿用上次结果\n")
        << name;
  }

  // A registries' run's columns come back whole through each format in turn: the A-label,
  // registrar, expiry date, statuses, phase and release day.
  const std::string json =
      "{\"name\":\"中文域名.cn\",\"status\":\"registered\",\"detail\":\"\",\"reason\":\"\","
      "\"source\":\"whois\",\"aLabel\":\"xn--fiq06l2rdsvs.cn\",\"registrar\":\"R, Ltd\","
      "\"expires\":\"2030-03-17\",\"statuses\":[\"redemption period\",\"client hold\"],"
      "\"phase\":\"redemption\",\"releases\":\"2030-04-21\",\"checked\":\"\"}\n";
  const TempFile registry(json, "registry.jsonl");
  const ChildOutcome csv =
      Cli({"--source", "whois", "-f", "csv", "--resume", registry.Path()}, "中文域名.cn\n");
  EXPECT_EQ(csv.exitCode, 0) << csv.err;
  EXPECT_EQ(csv.out,
            "name,status,detail,reason,source,a_label,registrar,expires,statuses,phase,releases\r\n"
            "中文域名.cn,registered,,,whois,xn--fiq06l2rdsvs.cn,\"R, Ltd\",2030-03-17,"
            "redemption period; client hold,redemption,2030-04-21,\r\n");
  std::string written = csv.out;
  written.insert(written.find("\r\n"), ",checked");
  const TempFile fromCsv(written, "registry.csv");
  const ChildOutcome tsv =
      Cli({"--source", "whois", "-f", "tsv", "--resume", fromCsv.Path()}, "中文域名.cn\n");
  EXPECT_EQ(tsv.out,
            "中文域名.cn\tregistered\t\t\twhois\txn--fiq06l2rdsvs.cn\tR, Ltd\t2030-03-17\t"
            "redemption period; client hold\tredemption\t2030-04-21\t\n");
  const TempFile fromTsv(tsv.out, "registry.tsv");
  const ChildOutcome back =
      Cli({"--source", "whois", "-f", "json", "--resume", fromTsv.Path()}, "中文域名.cn\n");
  EXPECT_EQ(back.out, json);

  // Everything settled: nothing is asked, not even a registrar that cannot be reached.
  const TempFile complete("abc.com\tregistered\t\t\tregistrar\nnot_a.com\tinvalid\tx\t\t\n",
                          "complete.tsv");
  const ChildOutcome resumed =
      Cli({"--registrar", "http://127.0.0.1:1", "--all", "--resume", complete.Path()}, "abc.com\n");
  EXPECT_EQ(resumed.exitCode, 0) << resumed.err;
  EXPECT_EQ(resumed.out, "abc.com\tregistered\t\t\tregistrar\t\n");
  EXPECT_TRUE(resumed.err.ends_with("共输入1个，其中0个可以注册，1个沿用上次结果\n"))
      << resumed.err;

  const TempFile broken("abc.com\tavailable\t\t\tregistrar\nhello.com\tgone\t\t\t\nlast\n",
                        "broken.tsv");
  const ChildOutcome refused = Cli({"--registrar", url, "--resume", broken.Path()}, "abc.com\n");
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(refused.err, "brelka-cli: " + broken.Path() + ":2: unknown status 'gone'\n");

  const TempFile list("abc.com\nhello.com\n", "list.txt");
  const ChildOutcome fromList = Cli({"--registrar", url, "--resume", list.Path()}, "abc.com\n");
  EXPECT_EQ(fromList.exitCode, 2);
  EXPECT_EQ(fromList.err, "brelka-cli: " + list.Path() +
                              ":1: list output holds names, not answers, and cannot be resumed; "
                              "write the run's output with --format json (or tsv, csv)\n");
}

// Each answer carries the time it was had (UTC, to the second), or "demo" for the simulators'.
// --resume takes back only answers this run could have given, no older than --max-age.
TEST(CliResume, AnswersCarryTheirTimeAndOnlyFreshOnesOfThisRunsSourceAreTaken) {
  REGISTRAR_OR_SKIP(url);
  const ChildOutcome fresh =
      testing_support::RunChild(testing_support::ProgramBeside(CLI_PROGRAM),
                                {"--registrar", url, "-f", "json", "-q"}, "abc.com\n");
  EXPECT_TRUE(std::regex_search(
      fresh.out, std::regex("\"checked\":\"20\\d\\d-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ\"\\}\n$")))
      << fresh.out;
  const ChildOutcome demo =
      testing_support::RunChild(testing_support::ProgramBeside(CLI_PROGRAM),
                                {"--demo", "--source", "registrar", "--all", "-q"}, "abc.com\n");
  EXPECT_EQ(demo.out, "abc.com\tregistered\t\t\tregistrar\tdemo\n");

  const TempFile earlier(
      "abc.com\tavailable\t\t\tregistrar\t2099-01-01T00:00:00Z\n"
      "hello.com\tregistered\t\t\tregistrar\t2000-01-01T00:00:00Z\n",
      "dated.tsv");
  const std::string names = "abc.com\nhello.com\n";
  const ChildOutcome young =
      testing_support::RunChild(testing_support::ProgramBeside(CLI_PROGRAM),
                                {"--registrar", url, "--all", "--resume", earlier.Path()}, names);
  // The resumed answer keeps its time; the old one was asked again and has a time of now.
  EXPECT_TRUE(young.out.starts_with("abc.com\tavailable\t\t\tregistrar\t2099-01-01T00:00:00Z\n"))
      << young.out;
  EXPECT_EQ(testing_support::WithoutCheckedColumn(young.out),
            "abc.com\tavailable\t\t\tregistrar\nhello.com\tavailable\t\t\tregistrar\n");
  EXPECT_EQ(young.err, "共输入2个，其中2个可以注册，1个沿用上次结果\n");
  const ChildOutcome old =
      Cli({"--registrar", url, "-q", "--max-age", "36500d", "--resume", earlier.Path()}, names);
  EXPECT_EQ(old.out, "abc.com\n");

  struct Refused {
    std::string bytes;
    std::string error;  // after the file's name
  };
  const Refused refusals[] = {
      {"abc.com\tavailable\t\t\tregistrar\tdemo\n",
       ":1: answered by the demo's simulators, not by a registry"},
      {"abc.com\tavailable\t\t\trdap\t\t\t\t2099-01-01T00:00:00Z\n",
       ":1: answered by rdap, which this run does not ask"},
      {"abc.com\tavailable\t\t\tregistrar\tyesterday\n",
       ":1: the time 'yesterday' is not YYYY-MM-DDThh:mm:ssZ"},
      // An open quote is an error at its line, not the rest of the file swallowed.
      {"name,status,detail,reason,source,checked\r\n"
       "abc.com,available,,,registrar,2099-01-01T00:00:00Z\r\n"
       "x.com,available,\"open,,registrar,2099-01-01T00:00:00Z\r\n"
       "hello.com,available,,,registrar,2099-01-01T00:00:00Z\r\n",
       ":3: a quoted field does not end"},
  };
  for (const Refused& r : refusals) {
    const TempFile file(r.bytes, "refused.tsv");
    const ChildOutcome run = Cli({"--registrar", url, "--resume", file.Path()}, names);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "brelka-cli: " + file.Path() + r.error + "\n");
  }
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--max-age", "1w", "--resume", earlier.Path()},
        std::vector<std::string>{"--max-age", "1d"}}) {
    EXPECT_EQ(Cli(args, names).exitCode, 2);
  }
}

TEST(CliFormats, EachFormatWritesEveryNameInInputOrder) {
  REGISTRAR_OR_SKIP(url);
  struct Case {
    std::vector<std::string> args;
    std::string out;
  };
  const Case cases[] = {
      {{}, "hello.com\nworld.net\n中文域名.cn\n"},
      {{"--all"},
       "hello.com\tavailable\t\t\tregistrar\n"
       "abc.com\tregistered\t\t\tregistrar\n"
       "world.net\tavailable\t\t\tregistrar\n"
       "mytaken.org\tregistered\t\t\tregistrar\n"
       "bad_name.com\tinvalid\tcharacter '_' (U+005F) is not allowed\t\t\n"
       "中文域名.cn\tavailable\t\t\tregistrar\n"},
      {{"--format", "csv"},
       "name,status,detail,reason,source\r\n"
       "hello.com,available,,,registrar\r\n"
       "abc.com,registered,,,registrar\r\n"
       "world.net,available,,,registrar\r\n"
       "mytaken.org,registered,,,registrar\r\n"
       "bad_name.com,invalid,character '_' (U+005F) is not allowed,,\r\n"
       "中文域名.cn,available,,,registrar\r\n"},
      {{"--format=json"},
       "{\"name\":\"hello.com\",\"status\":\"available\",\"detail\":\"\",\"reason\":\"\","
       "\"source\":\"registrar\"}\n"
       "{\"name\":\"abc.com\",\"status\":\"registered\",\"detail\":\"\",\"reason\":\"\",\"source\":"
       "\"registrar\"}\n"
       "{\"name\":\"world.net\",\"status\":\"available\",\"detail\":\"\",\"reason\":\"\","
       "\"source\":\"registrar\"}\n"
       "{\"name\":\"mytaken.org\",\"status\":\"registered\",\"detail\":\"\",\"reason\":\"\","
       "\"source\":\"registrar\"}\n"
       "{\"name\":\"bad_name.com\",\"status\":\"invalid\",\"detail\":\"character '_' (U+005F) "
       "is not allowed\",\"reason\":\"\",\"source\":\"\"}\n"
       "{\"name\":\"中文域名.cn\",\"status\":\"available\",\"detail\":\"\",\"reason\":\"\","
       "\"source\":\"registrar\"}\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--registrar", url});
    const ChildOutcome run = Cli(args, kMixed);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, "共输入6个，其中3个可以注册，1个无效\n");
  }
}

TEST(CliFormats, FieldsThatWouldBreakTheirFormatAreQuotedOrEscaped) {
  // A terminal's control sequences (a title, a cleared screen) never reach it raw.
  const std::string input = "a,\"b\".com\nx\ty.com\ne\x1b]0;x\x07.com\n";
  const ChildOutcome csv = Cli({"-f", "csv", "-q", "--source", "registrar"}, input);
  EXPECT_EQ(csv.out,
            "name,status,detail,reason,source\r\n"
            "\"a,\"\"b\"\".com\",invalid,\"character ',' (U+002C) is not allowed\",,\r\n"
            "x\ty.com,invalid,character U+0009 is not allowed,,\r\n"
            "e\\x1b]0;x\\x07.com,invalid,character U+001B is not allowed,,\r\n");
  const ChildOutcome tsv = Cli({"-a", "-q", "--source", "registrar"}, input);
  EXPECT_EQ(tsv.out,
            "a,\"b\".com\tinvalid\tcharacter ',' (U+002C) is not allowed\t\t\n"
            "x\\ty.com\tinvalid\tcharacter U+0009 is not allowed\t\t\n"
            "e\\x1b]0;x\\x07.com\tinvalid\tcharacter U+001B is not allowed\t\t\n");
  const ChildOutcome json = Cli({"-f", "json", "-q", "--source", "registrar"}, input);
  EXPECT_EQ(json.out,
            "{\"name\":\"a,\\\"b\\\".com\",\"status\":\"invalid\",\"detail\":\"character ',' "
            "(U+002C) is not allowed\",\"reason\":\"\",\"source\":\"\"}\n"
            "{\"name\":\"x\\ty.com\",\"status\":\"invalid\",\"detail\":\"character U+0009 is "
            "not allowed\",\"reason\":\"\",\"source\":\"\"}\n"
            "{\"name\":\"e\\u001b]0;x\\u0007.com\",\"status\":\"invalid\",\"detail\":"
            "\"character U+001B is not allowed\",\"reason\":\"\",\"source\":\"\"}\n");
}

TEST(CliNames, NamesThatCannotBeDomainNamesAreInvalidWithAReason) {
  const std::string long63(63, 'a');
  const std::string input =
      "nodot\n"
      "a..com\n"
      ".com\n"
      "example.com.\n" +
      long63 + "a.com\n" +  // 64 octets
      long63 + "." + long63 + "." + long63 + "." + std::string(62, 'b') +
      "\n"  // 254 octets
      "under_score.com\n"
      "中文　名.cn\n";  // an ideographic space
  const ChildOutcome run = Cli({"--all", "--source", "registrar"}, input);
  EXPECT_EQ(run.exitCode, 1) << "nothing could be checked";
  EXPECT_EQ(run.out,
            "nodot\tinvalid\tno dot\t\t\n"
            "a..com\tinvalid\tempty label\t\t\n"
            ".com\tinvalid\tempty label\t\t\n"
            "example.com.\tinvalid\tempty label\t\t\n" +
                long63 + "a.com\tinvalid\tlabel longer than 63 octets\t\t\n" + long63 + "." +
                long63 + "." + long63 + "." + std::string(62, 'b') +
                "\tinvalid\tname longer than 253 octets\t\t\n"
                "under_score.com\tinvalid\tcharacter '_' (U+005F) is not allowed\t\t\n"
                "中文　名.cn\tinvalid\tcharacter U+3000 is not allowed\t\t\n");
  EXPECT_EQ(run.err, "共输入8个，其中0个可以注册，8个无效\n");
}

TEST(CliExitStatus, UnreachableRegistrarMakesEveryNameUnknownAndExitsWithOne) {
  const ChildOutcome run =
      Cli({"--registrar", "http://127.0.0.1:1", "-f", "csv"}, "hello.com\nbad_name.com\n");
  EXPECT_EQ(run.exitCode, 1);
  // The reason says what kind of failure it was, after the platform's own words.
  EXPECT_EQ(run.out.find("hello.com,unknown,search failed: "), 34u) << run.out;
  EXPECT_NE(run.out.find(",connect,registrar\r\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("bad_name.com,invalid,"), std::string::npos);
  EXPECT_EQ(run.err, "共输入2个，其中0个可以注册，1个未能查询，1个无效\n");
}

TEST(CliExitStatus, EmptyInputHasNothingToCheck) {
  const ChildOutcome run = Cli({}, "\n   \n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "brelka-cli: the input holds no names\n共输入0个，其中0个可以注册\n");
}

TEST(CliExitStatus, QuietLeavesStandardErrorEmptyAndTheAnswersAlone) {
  REGISTRAR_OR_SKIP(url);
  const ChildOutcome run = Cli({"-q", "--registrar", url}, kMixed);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "hello.com\nworld.net\n中文域名.cn\n");
  EXPECT_EQ(run.err, "");
}

}  // namespace
