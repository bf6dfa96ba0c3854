// The watch list: when each name is due, what counts as a change, the calendar file, and
// brelka-cli's watch commands as a separate process against the built-in simulators: a watch
// added, run and listed; the command per change; two runs at once; a list from a newer version;
// and a run killed while it writes.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "check/Lifecycle.h"
#include "cli/Calendar.h"
#include "cli/WatchList.h"

namespace {

using namespace std::chrono_literals;
using check::Phase;
using check::Status;
using std::chrono::sys_seconds;
using testing_support::Child;
using testing_support::ChildOutcome;
using testing_support::RunChild;

const std::string kCli = testing_support::ProgramBeside(CLI_PROGRAM);
const sys_seconds kNow = std::chrono::sys_days(std::chrono::year(2026) / 12 / 9) + 8h;

check::Answer Registered(Phase phase, std::u16string releases = u"",
                         std::u16string registrar = u"R") {
  check::Answer answer = check::WithStatus(Status::Registered);
  answer.phase = phase;
  answer.releases = std::move(releases);
  answer.registrar = std::move(registrar);
  return answer;
}

TEST(WatchSchedule, ANameIsDueSoonerAsItNearsItsRelease) {
  const struct {
    check::Answer answer;
    std::chrono::hours after;
  } cases[] = {
      {check::WithStatus(Status::Unknown), 1h},
      {check::WithStatus(Status::Available), 24h},
      {Registered(Phase::Active), 24h},
      {Registered(Phase::Hold), 24h},
      {Registered(Phase::Grace), 12h},
      {Registered(Phase::Redemption, u"2026-12-30"), 6h},
      // From the day before the earliest release, hourly; and after it, while it has not come.
      {Registered(Phase::PendingDelete, u"2026-12-10"), 1h},
      {Registered(Phase::PendingDelete, u"2026-12-01"), 1h},
      {Registered(Phase::PendingDelete), 6h},
  };
  for (const auto& c : cases) EXPECT_EQ(cli::NextCheck(c.answer, kNow), kNow + c.after);

  // News: another status, phase, registrar or expiry; an unknown answer is none.
  const check::Answer active = Registered(Phase::Active);
  EXPECT_TRUE(cli::IsChange(std::nullopt, active));
  EXPECT_FALSE(cli::IsChange(std::nullopt, check::WithStatus(Status::Unknown)));
  EXPECT_FALSE(cli::IsChange(active, check::WithStatus(Status::Unknown)));
  EXPECT_FALSE(cli::IsChange(active, Registered(Phase::Active)));
  EXPECT_TRUE(cli::IsChange(active, Registered(Phase::Redemption)));
  EXPECT_TRUE(cli::IsChange(active, Registered(Phase::Active, u"", u"Other")));
  EXPECT_TRUE(cli::IsChange(active, check::WithStatus(Status::Available)));
}

TEST(WatchCalendar, EachEstimatedReleaseIsAnAllDayEventInRfc5545sForm) {
  cli::WatchedName leaving;
  leaving.name = u"a-rather-long-name-that-needs-folding-in-the-calendar-file.com";
  leaving.known = Registered(Phase::Redemption, u"2027-01-08");
  cli::WatchedName active;
  active.name = u"abc.com";
  active.known = Registered(Phase::Active);
  cli::WatchedName unchecked;
  unchecked.name = u"new.com";
  const std::vector<cli::WatchedName> names = {leaving, active, unchecked};
  EXPECT_EQ(cli::CalendarText(names, kNow),
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Brelka//brelka-cli//EN\r\n"
            "CALSCALE:GREGORIAN\r\n"
            "BEGIN:VEVENT\r\n"
            "UID:a-rather-long-name-that-needs-folding-in-the-calendar-file.com-20270\r\n"
            " 108@brelka\r\n"
            "DTSTAMP:20261209T080000Z\r\n"
            "DTSTART;VALUE=DATE:20270108\r\nDTEND;VALUE=DATE:20270109\r\n"
            "SUMMARY:a-rather-long-name-that-needs-folding-in-the-calendar-file.com m\r\n"
            " ay be released (estimate)\r\n"
            "DESCRIPTION:In redemption when last checked\\; the earliest day it could \r\n"
            " be free\\, estimated from the registry's dates and the published timelin\r\n"
            " e.\r\n"
            "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n"
            "END:VCALENDAR\r\n");
}

class WatchCli : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("brelka-watch-" +
               std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::filesystem::create_directories(folder_);
    list_ = (folder_ / "watch.sqlite").string();
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  ChildOutcome Watch(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), {"--watch-list", list_});
    return RunChild(kCli, args, input);
  }

  std::string Bytes() const {
    std::ifstream in(list_, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  // One number from the list's database, read by SQLite itself. Read-write, as the program opens
  // it: the first connection after a crash rolls back the transaction that was cut short.
  long long Query(const char* sql) const {
    sqlite3* db = nullptr;
    long long value = -1;
    if (sqlite3_open_v2(list_.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
      sqlite3_stmt* statement = nullptr;
      if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
          sqlite3_step(statement) == SQLITE_ROW) {
        value = sqlite3_column_int64(statement, 0);
      }
      sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return value;
  }
  std::string IntegrityCheck() const {
    sqlite3* db = nullptr;
    std::string result;
    if (sqlite3_open_v2(list_.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
      sqlite3_stmt* statement = nullptr;
      if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) == SQLITE_OK &&
          sqlite3_step(statement) == SQLITE_ROW) {
        result = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
      }
      sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return result;
  }

  std::filesystem::path folder_;
  std::string list_;
};

std::vector<std::string> SortedLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::string DayFromToday(int days) {
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  std::string text(check::DayText(today + std::chrono::days(days)).size(), ' ');
  const std::u16string day = check::DayText(today + std::chrono::days(days));
  std::transform(day.begin(), day.end(), text.begin(), [](char16_t c) { return char(c); });
  return text;
}

TEST_F(WatchCli, AWatchIsAddedRunAndListedAndItsChangesAreToldOnce) {
  const ChildOutcome added = Watch({"watch", "add"},
                                   "abc.com\nhello.com\nredemption.com\ndropping.com\ngrace."
                                   "com\nhold.com\nbad_name.com\nabc.com\n");
  EXPECT_EQ(added.exitCode, 0) << added.err;
  EXPECT_EQ(added.err,
            "brelka-cli: 'bad_name.com' is left out: character '_' (U+005F) is not allowed\n"
            "brelka-cli: 6 names added to the watch list\n");
  EXPECT_EQ(Watch({"watch", "add"}, "abc.com\n").err,
            "brelka-cli: 0 names added to the watch list, 1 already on it\n");

  // The first run: every name's first answer is news.
  const ChildOutcome first = Watch({"--demo", "watch", "run"});
  EXPECT_EQ(first.exitCode, 0) << first.err;
  const std::string redemptionDay = DayFromToday(25), dropDay = DayFromToday(2);
  const std::vector<std::string> expected = {
      "abc.com\tregistered\t\t\trdap\t\tSimulated Registrar Ltd\t2031-02-03T04:05:06Z\tactive\t"
      "active\t\tdemo",
      "dropping.com\tregistered\t\t\trdap\t\tSimulated Registrar Ltd\t" + DayFromToday(-73) +
          "T00:00:00Z\tpending delete\tpending-delete\t" + dropDay + "\tdemo",
      "grace.com\tregistered\t\t\trdap\t\tSimulated Registrar Ltd\t" + DayFromToday(-5) +
          "T00:00:00Z\tauto renew period; client transfer prohibited\tgrace\t\tdemo",
      "hello.com\tavailable\t\t\trdap\t\t\t\t\t\t\tdemo",
      "hold.com\tregistered\t\t\trdap\t\tSimulated Registrar Ltd\t2031-02-03T04:05:06Z\tclient "
      "hold\thold\t\tdemo",
      "redemption.com\tregistered\t\t\trdap\t\tSimulated Registrar Ltd\t" + DayFromToday(-40) +
          "T00:00:00Z\tredemption period; pending delete\tredemption\t" + redemptionDay + "\tdemo",
  };
  EXPECT_EQ(SortedLines(first.out), expected);
  EXPECT_EQ(first.err,
            "brelka-cli: 6 names to check\nbrelka-cli: 6 names checked, 6 changes, 0 unknown\n");

  // Nothing is due an hour early; --all asks again, and the same answers are no news.
  const ChildOutcome early = Watch({"--demo", "watch", "run"});
  EXPECT_EQ(early.exitCode, 0);
  EXPECT_EQ(early.out, "");
  EXPECT_TRUE(early.err.starts_with("brelka-cli: no name is due; the next at ")) << early.err;
  const ChildOutcome again = Watch({"--demo", "watch", "run", "--all"});
  EXPECT_EQ(again.out, "");
  EXPECT_EQ(again.err,
            "brelka-cli: 6 names to check\nbrelka-cli: 6 names checked, 0 changes, 0 unknown\n");
  EXPECT_EQ(Query("SELECT count(*) FROM answers"), 12);

  // The list shows each name's latest answer; removing a name drops it with its answers.
  EXPECT_EQ(Watch({"watch", "remove"}, "hello.com\nnothere.com\n").err,
            "brelka-cli: 1 name removed from the watch list\n");
  const ChildOutcome listed = Watch({"watch", "list", "-f", "csv"});
  EXPECT_EQ(listed.exitCode, 0);
  EXPECT_TRUE(listed.out.starts_with(
      "name,status,detail,reason,source,a_label,registrar,expires,statuses,phase,releases,"
      "checked\r\nabc.com,registered,,,rdap,,Simulated Registrar Ltd,2031-02-03T04:05:06Z,"
      "active,active,,20"))
      << listed.out;
  EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 6);
  EXPECT_EQ(Query("SELECT count(*) FROM answers"), 10);

  // The calendar: the two names with an estimated release.
  const ChildOutcome calendar = Watch({"watch", "calendar"});
  EXPECT_EQ(calendar.exitCode, 0);
  const auto dates = [](const std::string& day) {
    return day.substr(0, 4) + day.substr(5, 2) + day.substr(8, 2);
  };
  EXPECT_NE(calendar.out.find("UID:dropping.com-" + dates(dropDay) + "@brelka\r\n"),
            std::string::npos)
      << calendar.out;
  EXPECT_NE(calendar.out.find("DTSTART;VALUE=DATE:" + dates(redemptionDay) + "\r\n"),
            std::string::npos);
  std::size_t events = 0;
  for (std::size_t at = 0; (at = calendar.out.find("BEGIN:VEVENT", at)) != std::string::npos; ++at)
    ++events;
  EXPECT_EQ(events, 2u);

  // Names may be given as arguments too.
  EXPECT_EQ(Watch({"watch", "add", "given.com"}).err,
            "brelka-cli: 1 name added to the watch list\n");
  EXPECT_EQ(Watch({"watch", "remove", "given.com", "abc.com"}).err,
            "brelka-cli: 2 names removed from the watch list\n");
}

TEST_F(WatchCli, EachChangeRunsTheUsersCommandWithBothAnswers) {
  Watch({"watch", "add"}, "abc.com\nhello.com\n");
  const std::string log = (folder_ / "changes.txt").string();
#ifdef _WIN32
  const std::string command = "echo %BRELKA_NAME% %BRELKA_AFTER%>>\"" + log + "\"";
#else
  const std::string command =
      "printf '%s %s|%s\\n' \"$BRELKA_NAME\" \"$BRELKA_AFTER\" \"$BRELKA_BEFORE\" >> '" + log + "'";
#endif
  const ChildOutcome run = Watch({"--demo", "--on-change", command, "watch", "run", "-q"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  std::ifstream in(log);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line.substr(0, line.find(",\"detail\"")));
  }
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "abc.com {\"name\":\"abc.com\",\"status\":\"registered\"",
                       "hello.com {\"name\":\"hello.com\",\"status\":\"available\""}));
}

TEST_F(WatchCli, ASecondRunSaysTheFirstIsRunningAndANewerListIsLeftAsItIs) {
  Watch({"watch", "add"}, "abc.com\n");
  {
    auto held = cli::RunLock::Take(list_);
    ASSERT_TRUE(held) << held.error();
    const ChildOutcome second = Watch({"--demo", "watch", "run"});
    EXPECT_EQ(second.exitCode, 2);
    EXPECT_EQ(second.err,
              "brelka-cli: another 'watch run' is running on this watch list; try again when it "
              "has ended\n");
  }
  EXPECT_EQ(Watch({"--demo", "watch", "run", "-q"}).exitCode, 0);

  // SQLite's header keeps the format at byte 60; a newer version's list is refused untouched.
  std::string bytes = Bytes();
  ASSERT_GT(bytes.size(), 100u);
  bytes[63] = 3;
  std::ofstream(list_, std::ios::binary | std::ios::trunc) << bytes;
  for (const char* command : {"list", "run", "add"}) {
    const ChildOutcome refused = Watch({"--demo", "watch", command}, "new.com\n");
    EXPECT_EQ(refused.exitCode, 2) << command;
    EXPECT_EQ(refused.err, "brelka-cli: '" + list_ +
                               "' was written by a newer brelka-cli (watch list format 3; this "
                               "one reads format 2); it is left as it is: use the newer version\n");
  }
  EXPECT_EQ(Bytes(), bytes);

  // Nor is any other file taken for a list.
  std::ofstream(list_, std::ios::binary | std::ios::trunc) << "not a database, but a note\n";
  EXPECT_EQ(Watch({"watch", "list"}).exitCode, 2);
  EXPECT_EQ(Bytes(), "not a database, but a note\n");
}

// A list written by the Linux build reads the same with either platform's program, and takes
// more names.
TEST_F(WatchCli, AListOfFormatOneReadsTheSameOnEveryPlatform) {
  std::filesystem::copy_file("data/watch/format-1.sqlite", list_);
  const ChildOutcome listed = Watch({"watch", "list"});
  EXPECT_EQ(listed.exitCode, 0) << listed.err;
  EXPECT_EQ(
      listed.out,
      "abc.com\tregistered\t\t\trdap\t\tSimulated Registrar Ltd\t2031-02-03T04:05:06Z\tactive\t"
      "active\t\t2026-12-09T07:52:04Z\n"
      "hello.com\tavailable\t\t\trdap\t\t\t\t\t\t\t2026-12-09T07:52:04Z\n"
      "redemption.com\tregistered\t\t\trdap\t\tSimulated Registrar Ltd\t"
      "2026-10-30T00:00:00Z\tredemption period; pending delete\tredemption\t2027-01-03\t"
      "2026-12-09T07:52:04Z\n"
      "中文域名.cn\tavailable\t\t\twhois\txn--fiq06l2rdsvs.cn\t\t\t\t\t\t"
      "2026-12-09T07:52:04Z\n");
  EXPECT_NE(Watch({"watch", "calendar"}).out.find("DTSTART;VALUE=DATE:20270103\r\n"),
            std::string::npos);
  EXPECT_EQ(Watch({"watch", "add"}, "new.com\n").err,
            "brelka-cli: 1 name added to the watch list\n");
  EXPECT_EQ(Query("SELECT count(*) FROM names"), 5);
  // Opened, it went up to format 2; its answers count as told.
  EXPECT_EQ(Query("PRAGMA user_version"), 2);
  EXPECT_EQ(Query("SELECT count(*) FROM answers WHERE delivered = 1"),
            Query("SELECT count(*) FROM answers"));
}

// A change whose line could not be written or whose command failed is told again, with a
// warning even under --quiet; a second run through another path to the list is refused; and
// the demo never writes into the user's own list.
TEST_F(WatchCli, AChangeIsToldAgainUntilItsLineIsWrittenAndItsCommandSucceeds) {
  Watch({"watch", "add"}, "abc.com\n");
  const ChildOutcome failing = Watch({"--demo", "--on-change", "exit 3", "watch", "run", "-q"});
  EXPECT_EQ(failing.exitCode, 0) << failing.err;
  EXPECT_EQ(
      failing.err,
      "brelka-cli: warning: --on-change for 'abc.com' ended with status 3; the change is told "
      "again at the next run\n");
  const std::string line =
      "abc.com\tregistered\t\t\trdap\t\tSimulated Registrar Ltd\t2031-02-03T04:05:06Z\tactive\t"
      "active\t\tdemo\n";
  EXPECT_EQ(failing.out, line);
  EXPECT_EQ(Watch({"--demo", "watch", "run", "-q"}).out, line);
  EXPECT_EQ(Watch({"--demo", "watch", "run", "--all", "-q"}).out, "");
#ifndef _WIN32
  Watch({"watch", "add"}, "hello.com\n");
  const ChildOutcome full = RunChild(
      "/bin/sh", {"-c", "\"$0\" --watch-list \"$1\" --demo watch run -q > /dev/full", kCli, list_});
  EXPECT_EQ(full.exitCode, 2);
  EXPECT_EQ(Watch({"--demo", "watch", "run", "-q"}).out,
            "hello.com\tavailable\t\t\trdap\t\t\t\t\t\t\tdemo\n");

  const std::string link = (folder_ / "link.sqlite").string();
  std::filesystem::create_symlink(list_, link);
  auto held = cli::RunLock::Take(list_);
  ASSERT_TRUE(held) << held.error();
  const ChildOutcome second = RunChild(kCli, {"--watch-list", link, "--demo", "watch", "run"});
  EXPECT_EQ(second.exitCode, 2);
  EXPECT_EQ(second.err,
            "brelka-cli: another 'watch run' is running on this watch list; try again when it "
            "has ended\n");
#endif
  const ChildOutcome demo = RunChild(kCli, {"--demo", "watch", "run"});
  EXPECT_EQ(demo.exitCode, 2);
  EXPECT_EQ(demo.err,
            "brelka-cli: --demo with 'watch run' needs --watch-list FILE: the simulators' answers "
            "never go into your own watch list\n");
}

// Killed at once while it keeps answers, a run leaves every answer whole with its next due
// time, and the next run asks only the names that were not yet answered.
TEST_F(WatchCli, ARunKilledMidWriteLeavesTheListIntactAndTheNextRunGoesOn) {
  std::string names;
  constexpr int kNames = 1000;
  for (int i = 0; i < kNames; ++i) names += "n" + std::to_string(i) + ".com\n";
  ASSERT_EQ(Watch({"watch", "add", "-q"}, names).exitCode, 0);
  {
    Child run(kCli, {"--watch-list", list_, "--demo", "watch", "run"}, "");
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    const auto lines = [&run] {
      const std::string out = run.OutputSoFar();
      return std::count(out.begin(), out.end(), '\n');
    };
    while (lines() < 20 && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(2ms);
    }
    run.Kill();
    run.Wait();
  }
  // The list reads as it is, whatever the killed run was writing.
  const ChildOutcome listed = Watch({"watch", "list", "-q"});
  EXPECT_EQ(listed.exitCode, 0) << listed.err;
  EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), kNames);
  EXPECT_EQ(IntegrityCheck(), "ok");
  const long long answered = Query("SELECT count(*) FROM answers");
  const long long told = Query("SELECT count(*) FROM answers WHERE delivered = 1");
  EXPECT_GE(answered, 20);
  EXPECT_LT(answered, kNames) << "the run ended before it was killed";
  // At most the change being told when the kill came is kept untold.
  EXPECT_LE(answered - told, 1);
  // Each told answer moved its name's next check along (a day, for these), in the same
  // transaction; an untold one left its name due.
  EXPECT_EQ(Query("SELECT count(*) FROM names WHERE due > added + 3600"), told);

  const ChildOutcome next = Watch({"--demo", "watch", "run"});
  EXPECT_EQ(next.exitCode, 0) << next.err;
  EXPECT_TRUE(
      next.err.starts_with("brelka-cli: " + std::to_string(kNames - told) + " names to check\n"))
      << next.err;
  EXPECT_EQ(Query("SELECT count(*) FROM answers"), answered + kNames - told);
  EXPECT_EQ(IntegrityCheck(), "ok");
}

}  // namespace
