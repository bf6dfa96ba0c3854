#include "WatchList.h"

#include <sqlite3.h>

#include <nlohmann/json.hpp>

#include <system_error>

#include "Columns.h"
#include "base/Text.h"
#include "check/CacheFolder.h"
#include "check/Lifecycle.h"

namespace cli {
namespace {

using std::chrono::hours;
using std::chrono::sys_seconds;

// "BRLK": tells our lists from any other SQLite database.
constexpr int kApplicationId = 0x42524C4B;

// How long a command waits for another one's write to end before it gives up.
constexpr int kBusyMilliseconds = 10'000;

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS names(
  name TEXT PRIMARY KEY NOT NULL,
  added INTEGER NOT NULL,
  due INTEGER NOT NULL
) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS answers(
  name TEXT NOT NULL REFERENCES names(name) ON DELETE CASCADE,
  checked INTEGER NOT NULL,
  status TEXT NOT NULL,
  detail TEXT NOT NULL,
  reason TEXT NOT NULL,
  source TEXT NOT NULL,
  a_label TEXT NOT NULL,
  registrar TEXT NOT NULL,
  expires TEXT NOT NULL,
  statuses TEXT NOT NULL,
  phase TEXT NOT NULL,
  releases TEXT NOT NULL,
  delivered INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX IF NOT EXISTS answers_of_name ON answers(name);
)sql";

// The steps from each older format to the next; a list opens through those it needs.
struct FormatStep {
  int to;
  const char* sql;
};
constexpr FormatStep kFormatSteps[] = {
    // 2: a change is news until its line is written and its command has run.
    {2, "ALTER TABLE answers ADD COLUMN delivered INTEGER NOT NULL DEFAULT 1"},
};

std::string Utf8(std::u16string_view text) {
  return base::Utf16ToUtf8(text);
}

// One prepared statement, finalised when it goes.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK) statement_ = nullptr;
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  sqlite3_stmt* Handle() const { return statement_; }
  Statement& Bind(int at, const std::string& text) {
    if (statement_)
      sqlite3_bind_text(statement_, at, text.data(), int(text.size()), SQLITE_TRANSIENT);
    return *this;
  }
  Statement& Bind(int at, sqlite3_int64 number) {
    if (statement_) sqlite3_bind_int64(statement_, at, number);
    return *this;
  }
  // SQLITE_ROW, SQLITE_DONE or an error.
  int Step() { return statement_ ? sqlite3_step(statement_) : sqlite3_errcode(db_); }
  void Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
  }
  std::string Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return text ? std::string(text, std::size_t(sqlite3_column_bytes(statement_, column))) : "";
  }
  sqlite3_int64 Number(int column) const { return sqlite3_column_int64(statement_, column); }

 private:
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

base::Failure Failed(sqlite3* db, const std::string& what) {
  return base::Failure{what + ": " + sqlite3_errmsg(db)};
}

base::Status Execute(sqlite3* db, const char* sql, const std::string& what) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) return Failed(db, what);
  return base::Ok();
}

// The number a one-row, one-column query gives.
std::optional<sqlite3_int64> Count(sqlite3* db, const char* sql) {
  Statement query(db, sql);
  if (query.Step() != SQLITE_ROW) return std::nullopt;
  return query.Number(0);
}

sqlite3_int64 Seconds(sys_seconds at) {
  return at.time_since_epoch().count();
}

// The answer's columns as the output has them, but for the name and the time, which the list
// keeps as numbers and keys of its own; a list column as a JSON array.
const std::vector<const Column*>& KeptColumns() {
  static const std::vector<const Column*> kept = [] {
    std::vector<const Column*> columns = ColumnsOf(Columns::Registry);
    std::erase_if(columns, [](const Column* column) {
      return column->name == "name" || column->name == "checked";
    });
    return columns;
  }();
  return kept;
}

// "a.status, a.detail, ...": the kept columns of a table's alias.
std::string KeptList(std::string_view alias) {
  std::string list;
  for (const Column* column : KeptColumns()) {
    list += (list.empty() ? "" : ", ") + std::string(alias) + std::string(column->name);
  }
  return list;
}

// The kept columns from `first` on, then the time. What the list holds was written by us: a
// field that does not read back stays as a fresh answer has it.
check::Answer ReadAnswer(const Statement& row, int first) {
  Row read;
  for (const Column* column : KeptColumns()) {
    std::vector<std::string> words;
    if (column->list) {
      const nlohmann::json list = nlohmann::json::parse(row.Text(first), nullptr, false);
      if (list.is_array()) {
        for (const auto& word : list) {
          if (word.is_string()) words.push_back(word.get<std::string>());
        }
      }
    } else {
      words.push_back(row.Text(first));
    }
    (void)column->read(read, std::move(words));
    ++first;
  }
  read.answer.checked = sys_seconds(std::chrono::seconds(row.Number(first)));
  return read.answer;
}

// Opens a database file, or fails naming it.
base::Result<sqlite3*> OpenFile(const std::filesystem::path& file) {
  sqlite3* db = nullptr;
  const std::string path = base::Utf16ToUtf8(file.u16string());
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
      SQLITE_OK) {
    base::Failure failure{"cannot open '" + path + "': " + (db ? sqlite3_errmsg(db) : "no memory")};
    sqlite3_close(db);
    return failure;
  }
  return db;
}

// Runs the statement once for each name (?1; ?2 is `time`), all in one transaction: how many
// rows it changed.
base::Result<std::size_t> EachName(sqlite3* db, const char* sql,
                                  std::span<const std::u16string> names, sqlite3_int64 time,
                                  const std::string& what) {
  if (base::Status begun = Execute(db, "BEGIN IMMEDIATE", what); !begun)
    return base::Failure{begun.error()};
  Statement statement(db, sql);
  std::size_t changed = 0;
  for (const std::u16string& name : names) {
    statement.Bind(1, Utf8(name));
    if (sqlite3_bind_parameter_count(statement.Handle()) > 1) statement.Bind(2, time);
    if (statement.Step() != SQLITE_DONE) {
      base::Failure failure = Failed(db, what);
      (void)sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
      return failure;
    }
    changed += std::size_t(sqlite3_changes(db));
    statement.Reset();
  }
  if (base::Status done = Execute(db, "COMMIT", what); !done) return base::Failure{done.error()};
  return changed;
}

// Takes a list of an older format through the steps to this one, in one transaction; another
// command may have done it meanwhile.
base::Status Upgrade(sqlite3* db, const std::string& shown) {
  const std::string what =
      "cannot bring '" + shown + "' to watch list format " + std::to_string(kWatchListFormat);
  if (base::Status begun = Execute(db, "BEGIN IMMEDIATE", what); !begun) return begun;
  base::Status done = base::Ok();
  const sqlite3_int64 format = Count(db, "PRAGMA user_version").value_or(kWatchListFormat);
  for (const FormatStep& step : kFormatSteps) {
    if (step.to > format && done) done = Execute(db, step.sql, what);
  }
  const std::string version = "PRAGMA user_version = " + std::to_string(kWatchListFormat);
  if (done && format < kWatchListFormat) done = Execute(db, version.c_str(), what);
  if (!done) {
    (void)sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return done;
  }
  return Execute(db, "COMMIT", what);
}

}  // namespace

sys_seconds NextCheck(const check::Answer& answer, sys_seconds now) {
  using check::Phase;
  switch (answer.status) {
    case check::Status::Unknown:
      return now + hours(1);
    case check::Status::Invalid:
      return now + hours(24 * 7);
    case check::Status::Available:
    case check::Status::LikelyAvailable:
      return now + hours(24);
    case check::Status::Registered:
    case check::Status::Reserved:
      break;
  }
  if (answer.phase == Phase::Redemption || answer.phase == Phase::PendingDelete) {
    // Hourly from the day before the earliest release; before that four times a day.
    const auto releases = check::ReadDay(answer.releases);
    if (releases && now + hours(24) >= sys_seconds(*releases)) return now + hours(1);
    return now + hours(6);
  }
  if (answer.phase == Phase::Grace) return now + hours(12);
  return now + hours(24);
}

bool IsChange(const std::optional<check::Answer>& before, const check::Answer& after) {
  if (after.status == check::Status::Unknown) return false;
  if (!before) return true;
  return before->status != after.status || before->phase != after.phase ||
         before->registrar != after.registrar || before->expires != after.expires;
}

std::filesystem::path WatchList::DefaultFile() {
  const std::filesystem::path folder = check::UserDataFolder();
  return folder.empty() ? std::filesystem::path() : folder / "watch.sqlite";
}

base::Result<WatchList> WatchList::Open(const std::filesystem::path& file) {
  const std::string shown = base::Utf16ToUtf8(file.u16string());
  if (file.empty()) {
    return base::Failure{
        "no folder for the watch list: set XDG_DATA_HOME or HOME, or give --watch-list"};
  }
  std::error_code error;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
  auto opened = OpenFile(file);
  if (!opened) return base::Failure{opened.error()};
  WatchList list(opened.value());
  sqlite3* db = list.db_;
  sqlite3_busy_timeout(db, kBusyMilliseconds);
  sqlite3_extended_result_codes(db, 1);

  // What the file is, read before anything is written to it.
  const auto format = Count(db, "PRAGMA user_version");
  const auto application = Count(db, "PRAGMA application_id");
  const auto tables = Count(db, "SELECT count(*) FROM sqlite_master");
  if (!format || !application || !tables) {
    return base::Failure{"'" + shown + "' is not a watch list: " + sqlite3_errmsg(db)};
  }
  if (*application != kApplicationId && (*application != 0 || *tables != 0)) {
    return base::Failure{"'" + shown + "' is a database, but not a watch list; it is left as it is"};
  }
  if (*format > kWatchListFormat) {
    return base::Failure{"'" + shown + "' was written by a newer brelka-cli (watch list format " +
                        std::to_string(*format) + "; this one reads format " +
                        std::to_string(kWatchListFormat) +
                        "); it is left as it is: use the newer version"};
  }
  if (base::Status safe = Execute(
          db, "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON",
          "cannot set up '" + shown + "'");
      !safe) {
    return base::Failure{safe.error()};
  }
  if (*format > 0 && *format < kWatchListFormat) {
    if (base::Status upgraded = Upgrade(db, shown); !upgraded) return base::Failure{upgraded.error()};
  }
  if (*format == 0) {
    // Idempotent, for two commands that find the same new file at once.
    const std::string create = std::string("BEGIN IMMEDIATE;") + kSchema +
                               "PRAGMA application_id = " + std::to_string(kApplicationId) +
                               "; PRAGMA user_version = " + std::to_string(kWatchListFormat) +
                               "; COMMIT;";
    if (base::Status made = Execute(db, create.c_str(), "cannot make '" + shown + "'"); !made) {
      (void)sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
      return base::Failure{made.error()};
    }
  }
  return list;
}

WatchList::WatchList(WatchList&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

WatchList& WatchList::operator=(WatchList&& other) noexcept {
  if (this != &other) {
    sqlite3_close(db_);
    db_ = std::exchange(other.db_, nullptr);
  }
  return *this;
}

WatchList::~WatchList() {
  sqlite3_close(db_);
}

base::Result<std::size_t> WatchList::Add(std::span<const std::u16string> names, sys_seconds now) {
  return EachName(db_, "INSERT OR IGNORE INTO names(name, added, due) VALUES(?1, ?2, ?2)", names,
                  Seconds(now), "cannot add");
}

base::Result<std::size_t> WatchList::Remove(std::span<const std::u16string> names) {
  return EachName(db_, "DELETE FROM names WHERE name = ?1", names, 0, "cannot remove");
}

base::Result<std::vector<WatchedName>> WatchList::Names() const {
  // Each name with its latest answer that was not unknown, and the latest whose news was told.
  const std::string sql = "SELECT n.name, n.added, n.due, " + KeptList("a.") + ", a.checked, " +
                          KeptList("r.") + ", r.checked" + R"sql(
    FROM names n
    LEFT JOIN answers a ON a.rowid = (
      SELECT rowid FROM answers WHERE name = n.name AND status <> 'unknown'
      ORDER BY rowid DESC LIMIT 1)
    LEFT JOIN answers r ON r.rowid = (
      SELECT rowid FROM answers WHERE name = n.name AND status <> 'unknown' AND delivered = 1
      ORDER BY rowid DESC LIMIT 1)
    ORDER BY n.name)sql";
  Statement query(db_, sql.c_str());
  const int reported = 3 + int(KeptColumns().size()) + 1;
  std::vector<WatchedName> names;
  int step;
  while ((step = query.Step()) == SQLITE_ROW) {
    WatchedName watched;
    watched.name = base::FromUtf8(query.Text(0));
    watched.added = sys_seconds(std::chrono::seconds(query.Number(1)));
    watched.due = sys_seconds(std::chrono::seconds(query.Number(2)));
    if (!query.Text(3).empty()) watched.known = ReadAnswer(query, 3);
    if (!query.Text(reported).empty()) watched.reported = ReadAnswer(query, reported);
    names.push_back(std::move(watched));
  }
  if (step != SQLITE_DONE) return Failed(db_, "cannot read the watch list");
  return names;
}

base::Result<std::int64_t> WatchList::Record(const std::u16string& name, const check::Answer& answer,
                                            sys_seconds next, bool delivered) {
  const sys_seconds checked = answer.checked.value_or(sys_seconds{});
  if (base::Status begun = Execute(db_, "BEGIN IMMEDIATE", "cannot keep an answer"); !begun)
    return begun.failure();
  // ?1 the name, ?2 the time, then the kept columns, then whether the news was told.
  std::string values;
  const int count = int(KeptColumns().size());
  for (int i = 0; i < count; ++i) values += ", ?" + std::to_string(3 + i);
  const std::string sql = "INSERT INTO answers(name, checked, " + KeptList("") +
                          ", delivered) SELECT name, ?2" + values + ", ?" +
                          std::to_string(3 + count) + " FROM names WHERE name = ?1";
  Statement insert(db_, sql.c_str());
  insert.Bind(1, Utf8(name)).Bind(2, Seconds(checked));
  const Row written{name, answer, false};
  for (int i = 0; i < count; ++i) {
    const Column& column = *KeptColumns()[std::size_t(i)];
    const std::vector<std::string> words = column.write(written);
    insert.Bind(3 + i, column.list ? nlohmann::json(words).dump() : words.at(0));
  }
  insert.Bind(3 + count, sqlite3_int64(delivered ? 1 : 0));
  // News not yet told leaves the name due, so that the next run asks and tells it again.
  Statement due(db_, "UPDATE names SET due = ?2 WHERE name = ?1");
  due.Bind(1, Utf8(name)).Bind(2, Seconds(delivered ? next : checked));
  if (insert.Step() != SQLITE_DONE) {
    base::Failure failure = Failed(db_, "cannot keep an answer");
    (void)sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    return failure;
  }
  const std::int64_t row = sqlite3_last_insert_rowid(db_);
  if (due.Step() != SQLITE_DONE) {
    base::Failure failure = Failed(db_, "cannot keep an answer");
    (void)sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    return failure;
  }
  if (base::Status done = Execute(db_, "COMMIT", "cannot keep an answer"); !done)
    return done.failure();
  return row;
}

base::Status WatchList::MarkDelivered(std::int64_t answer, sys_seconds next) {
  const std::string what = "cannot mark a change as told";
  if (base::Status begun = Execute(db_, "BEGIN IMMEDIATE", what); !begun) return begun;
  Statement mark(db_, "UPDATE answers SET delivered = 1 WHERE rowid = ?1");
  mark.Bind(1, sqlite3_int64(answer));
  Statement due(db_,
                "UPDATE names SET due = ?2 WHERE name = (SELECT name FROM answers "
                "WHERE rowid = ?1)");
  due.Bind(1, sqlite3_int64(answer)).Bind(2, Seconds(next));
  if (mark.Step() != SQLITE_DONE || due.Step() != SQLITE_DONE) {
    base::Failure failure = Failed(db_, what);
    (void)sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    return failure;
  }
  return Execute(db_, "COMMIT", what);
}

base::Result<RunLock> RunLock::Take(const std::filesystem::path& listFile) {
  // Beside the file itself, wherever links lead, so that two paths to one list share the lock.
  std::error_code error;
  std::filesystem::path file = std::filesystem::weakly_canonical(listFile, error);
  if (error) file = listFile;
  file += "-run";
  auto opened = OpenFile(file);
  if (!opened) return base::Failure{opened.error()};
  RunLock lock(opened.value());
  // An exclusive lock on a file of its own, held until the run ends: no waiting.
  if (sqlite3_exec(lock.db_, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE", nullptr, nullptr,
                   nullptr) != SQLITE_OK) {
    if ((sqlite3_errcode(lock.db_) & 0xff) == SQLITE_BUSY) {
      return base::Failure{
          "another 'watch run' is running on this watch list; try again when it "
          "has ended"};
    }
    return Failed(lock.db_, "cannot lock the watch list");
  }
  return lock;
}

RunLock::RunLock(RunLock&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

RunLock::~RunLock() {
  sqlite3_close_v2(db_);
}

}  // namespace cli
