// The watch list: names a user follows, and every answer each has had and when, kept in one
// SQLite database. Each answer is written in a transaction of its own, so that a crash or a
// power cut leaves the list as it was before that answer or after it, never between (the
// write-ahead log is synced at checkpoints: a power cut may take the last answers, whose names
// are then asked again). A list
// written by a newer version is refused, never changed; an older one is brought to this format
// through one step per format. It asks no registry and prints nothing.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Result.h"
#include "check/Answer.h"

struct sqlite3;

namespace cli {

// The format this version writes (SQLite's user_version).
inline constexpr int kWatchListFormat = 2;

// When a name is next due, from its latest answer: see README ("Watching taken names").
std::chrono::sys_seconds NextCheck(const check::Answer& answer, std::chrono::sys_seconds now);

// Whether the answer is news against the last one: another status, phase, registrar or expiry.
// An unknown answer is no news: the name is asked again soon.
bool IsChange(const std::optional<check::Answer>& before, const check::Answer& after);

struct WatchedName {
  std::u16string name;
  std::chrono::sys_seconds added{};
  std::chrono::sys_seconds due{};
  // The latest answer that was not unknown, if any.
  std::optional<check::Answer> known;
  // The latest such answer whose change was told (its line written, its command run), against
  // which the next answer is news; an answer whose telling failed is news again.
  std::optional<check::Answer> reported;
};

class WatchList {
 public:
  // Opens the list at `file`, making it (and its folder) when there is none.
  static base::Result<WatchList> Open(const std::filesystem::path& file);
  // The list's file in the user's data folder.
  static std::filesystem::path DefaultFile();

  WatchList(WatchList&&) noexcept;
  WatchList& operator=(WatchList&&) noexcept;
  ~WatchList();

  // Adds the names not yet on the list, due at once; how many were new.
  base::Result<std::size_t> Add(std::span<const std::u16string> names, std::chrono::sys_seconds now);
  // Removes the names and their answers; how many were on the list.
  base::Result<std::size_t> Remove(std::span<const std::u16string> names);
  // Every name, in order of name.
  base::Result<std::vector<WatchedName>> Names() const;
  // Keeps one answer and when the name is due next, in one transaction; the answer's row.
  // `delivered`: it is no news (else the name stays due until MarkDelivered).
  base::Result<std::int64_t> Record(const std::u16string& name, const check::Answer& answer,
                                   std::chrono::sys_seconds next, bool delivered);
  // The news of the answer in that row has been told; its name is due `next`.
  base::Status MarkDelivered(std::int64_t answer, std::chrono::sys_seconds next);

 private:
  explicit WatchList(sqlite3* db) : db_(db) {}
  sqlite3* db_ = nullptr;
};

// Held by a `watch run` for as long as it runs, so that a second one says so instead of
// asking the same names again. The operating system lets go of it when the process ends.
class RunLock {
 public:
  // Fails, saying so, when another run holds it.
  static base::Result<RunLock> Take(const std::filesystem::path& listFile);
  RunLock(RunLock&&) noexcept;
  ~RunLock();

 private:
  explicit RunLock(sqlite3* db) : db_(db) {}
  sqlite3* db_ = nullptr;
};

}  // namespace cli
