// What a user reads before the first run: the examples of README, the manual page and --help,
// typed into bash as they stand in a folder holding the files they name. Each must run; those
// that would ask the network run against the built-in simulators. And the manual page lists the
// options --help lists, as the program takes them.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "ChildProcess.h"

namespace {

using testing_support::ChildOutcome;
using testing_support::RunChild;

const std::string kCli = testing_support::ProgramBeside(CLI_PROGRAM);
const std::filesystem::path kSource = BRELKA_SOURCE_DIR;

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The README's shell examples that start brelka-cli: a line that ends in '|' or '\' goes on
// in the next, as the shell reads it.
std::vector<std::string> ReadmeExamples(const std::string& readme) {
  std::vector<std::string> examples;
  bool inShell = false;
  std::string pending;
  for (const std::string& line : Lines(readme)) {
    if (line.starts_with("```")) {
      inShell = line == "```sh";
      continue;
    }
    if (!inShell || line.empty() || line.starts_with("#")) continue;
    pending += line;
    if (line.ends_with("|") || line.ends_with("\\")) {
      pending += "\n";
      continue;
    }
    if (pending.find("brelka-cli") != std::string::npos) examples.push_back(pending);
    pending.clear();
  }
  return examples;
}

// The manual page's examples: the no-fill blocks of EXAMPLES, with roff's escapes undone.
std::vector<std::string> ManualExamples(const std::string& page) {
  std::vector<std::string> examples;
  bool inSection = false;
  bool inBlock = false;
  for (const std::string& line : Lines(page)) {
    if (line.starts_with(".SH")) inSection = line == ".SH EXAMPLES";
    if (!inSection) continue;
    if (line == ".nf" || line == ".fi") {
      inBlock = line == ".nf";
      continue;
    }
    if (!inBlock) continue;
    std::string plain = std::regex_replace(line, std::regex(R"(\\-)"), "-");
    examples.push_back(std::regex_replace(plain, std::regex(R"(\\e)"), "\\"));
  }
  return examples;
}

// --help's examples: the indented command lines after "Examples".
std::vector<std::string> HelpExamples(const std::string& help) {
  std::vector<std::string> examples;
  bool inExamples = false;
  for (const std::string& line : Lines(help)) {
    if (line.starts_with("Examples")) inExamples = true;
    if (inExamples && line.starts_with("    brelka-cli")) examples.push_back(line.substr(4));
  }
  return examples;
}

// A folder with the files the examples name, where "brelka-cli" and "build/bin/brelka-cli" are
// the program run against its simulators (--demo unless the line says it, and a watch list of
// the folder's own), and "mail" takes its message and sends nothing.
class Folder {
 public:
  Folder() {
    path_ = std::filesystem::temp_directory_path() /
            ("brelka-docs-" +
             std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::filesystem::create_directories(path_ / "bin");
    std::filesystem::create_directories(path_ / "build" / "bin");
    Write("names.txt", "hello.com\nabc.com\nexample.cn\n");
    Write("big.txt", "hello.com\nabc.com\nexample.cn\nfree-name.net\nhello.org\n");
    Write("keywords.txt", "shop\nhello\n");
    Write("words.txt", "get\ntry\n");
    Write("1todayDel.txt", "fangan.cn\n[8888.cn]\n");
    Write("dellist.csv", "name,time\nbaidu.top,2026/12/20 14:30\n");
    const std::string program =
        "#!/bin/sh\n"
        "case \" $* \" in *\" --demo \"*) ;; *) set -- --demo \"$@\" ;; esac\n"
        "case \" $* \" in *\" --watch-list \"*) ;; *\" watch \"*)\n"
        "  set -- --watch-list '" + (path_ / "watch.sqlite").string() + "' \"$@\" ;; esac\n"
        "exec '" + kCli + "' \"$@\"\n";
    Write("bin/brelka-cli", program);
    Write("build/bin/brelka-cli", program);
    Write("bin/mail", "#!/bin/sh\ncat >/dev/null\n");
    for (const char* name : {"bin/brelka-cli", "build/bin/brelka-cli", "bin/mail"}) {
      std::filesystem::permissions(path_ / name, std::filesystem::perms::owner_exec,
                                   std::filesystem::perm_options::add);
    }
  }
  ~Folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  ChildOutcome Typed(const std::string& line) const {
    const std::string at = path_.string();
    return RunChild("/bin/bash", {"-o", "pipefail", "-c",
                                  "export PATH='" + at + "/bin':\"$PATH\" XDG_DATA_HOME='" + at +
                                      "/data' XDG_CACHE_HOME='" + at + "/cache'; cd '" + at +
                                      "' && " + line});
  }

 private:
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }

  std::filesystem::path path_;
};

// Runs the examples in order, as a reader would, each in the folder the ones before it left.
void RunInOrder(const std::vector<std::string>& examples) {
  const Folder folder;
  for (const std::string& example : examples) {
    SCOPED_TRACE(example);
    const ChildOutcome run = folder.Typed(example);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // A comment that says what --count prints says it truly: "# 1000 names: 000.cn ...".
    std::smatch said;
    if (std::regex_search(example, said, std::regex(R"(# (\d+ names?): (\S+) \.\.\.)"))) {
      const std::vector<std::string> lines = Lines(run.out);
      ASSERT_GE(lines.size(), 2u) << run.out;
      EXPECT_EQ(lines[0], said[1].str());
      EXPECT_EQ(lines[1], said[2].str());
    }
  }
}

TEST(DocsExamples, EveryReadmeExampleRunsAsWritten) {
  const std::string readme = FileText(kSource / "README.md");
  const std::vector<std::string> examples = ReadmeExamples(readme);
  ASSERT_GE(examples.size(), 30u);
  RunInOrder(examples);

  // The output README shows for its first offline example is what the program prints.
  const std::string offline =
      "printf 'hello.com\\nabc.com\\nnodot\\n' | build/bin/brelka-cli --demo --source registrar "
      "--all";
  ASSERT_NE(std::find(examples.begin(), examples.end(), offline), examples.end());
  const std::size_t shown = readme.find("```\n", readme.find("The last one prints"));
  ASSERT_NE(shown, std::string::npos);
  const std::size_t start = shown + 4;
  const ChildOutcome run = Folder().Typed(offline);
  EXPECT_EQ(run.out + run.err, readme.substr(start, readme.find("```", start) - start));
}

TEST(DocsExamples, EveryManualPageExampleRunsAsWrittenTheOfflineOnesFirst) {
  const std::vector<std::string> examples =
      ManualExamples(FileText(kSource / "packaging" / "brelka-cli.1"));
  ASSERT_GE(examples.size(), 10u);
  EXPECT_NE(examples[0].find("--demo"), std::string::npos);
  RunInOrder(examples);
}

TEST(DocsExamples, EveryHelpExampleRunsAsWrittenTheOfflineOnesFirst) {
  const ChildOutcome help = RunChild(kCli, {"--help"});
  const std::vector<std::string> examples = HelpExamples(help.out);
  ASSERT_GE(examples.size(), 8u);
  EXPECT_NE(examples[0].find("--demo"), std::string::npos);
  EXPECT_NE(examples[1].find("--demo"), std::string::npos);
  RunInOrder(examples);
}

// An option as both texts write it: "-f --format FORMAT", "--mixed".
std::vector<std::string> HelpOptions(const std::string& help) {
  std::vector<std::string> options;
  const std::regex option(R"(^  (?:(-\w), |    )(--[\w-]+)(?: (\S+))?)");
  for (const std::string& line : Lines(help)) {
    std::smatch m;
    if (!std::regex_search(line, m, option)) continue;
    options.push_back((m[1].matched ? m[1].str() + " " : "") + m[2].str() +
                      (m[3].matched ? " " + m[3].str() : ""));
  }
  return options;
}

std::vector<std::string> ManualOptions(const std::string& page) {
  std::vector<std::string> options;
  const std::vector<std::string> lines = Lines(page);
  bool inSection = false;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].starts_with(".SH")) inSection = lines[i] == ".SH OPTIONS";
    if (!inSection || lines[i] != ".TP") continue;
    // ".BR \-f ", " \-\-format " \fIFORMAT\fR"" is "-f --format FORMAT".
    std::string plain = std::regex_replace(lines[i + 1], std::regex(R"(^\.B[IR]? )"), "");
    plain = std::regex_replace(plain, std::regex(R"(\\f[BIR]|"|, )"), "");
    plain = std::regex_replace(plain, std::regex(R"(\\-)"), "-");
    plain = std::regex_replace(plain, std::regex(" +"), " ");
    options.push_back(plain);
  }
  return options;
}

TEST(DocsExamples, TheManualPageListsTheOptionsOfHelpInItsOrder) {
  const std::vector<std::string> help = HelpOptions(RunChild(kCli, {"--help"}).out);
  ASSERT_GE(help.size(), 30u);
  EXPECT_EQ(ManualOptions(FileText(kSource / "packaging" / "brelka-cli.1")), help);
}

TEST(DocsExamples, HelpNamesEveryColumnOfTheOutput) {
  const Folder folder;
  const ChildOutcome help = RunChild(kCli, {"--help"});
  const std::size_t at = help.out.find("--format");
  const std::string format = help.out.substr(at, help.out.find("--quiet") - at);
  for (const std::string source : {"registry", "registrar"}) {
    const ChildOutcome run = folder.Typed("brelka-cli -q --format csv --source " + source +
                                          " hello.com");
    std::string header = Lines(run.out).at(0);
    if (header.ends_with('\r')) header.pop_back();
    std::istringstream columns(header);
    for (std::string column; std::getline(columns, column, ',');) {
      EXPECT_TRUE(std::regex_search(format, std::regex("\\b" + column + "\\b")))
          << source << ": " << column;
    }
  }
}

}  // namespace
