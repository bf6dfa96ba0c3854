// What the person at the terminal reads on standard error: a progress line redrawn in place
// (names done of the total, names per second, time left, names waiting on a paused server) and
// the summary at the end.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace cli {

class Progress {
 public:
  using Clock = std::chrono::steady_clock;

  // total: 0 when it is not known (names read as the run goes). shown: whether standard error
  // is a terminal that wants the line.
  Progress(std::size_t total, bool shown);

  // Redraws the line, at most ten times a second, and always for the last name.
  // paused: names waiting on a server that asked for a pause.
  void Update(std::size_t done, std::size_t paused = 0);
  // Blanks the line, so that what follows starts on a clean one.
  void Clear();

  // The line as drawn after `elapsed`, without the carriage return that redraws it.
  static std::string Line(std::size_t done, std::size_t total, Clock::duration elapsed,
                          std::size_t paused = 0);

 private:
  std::size_t total_;
  bool shown_;
  Clock::time_point started_ = Clock::now();
  Clock::time_point drawn_{};
  std::size_t width_ = 0;
};

struct Counts {
  std::size_t entered = 0;
  std::size_t available = 0;
  std::size_t unknown = 0;
  std::size_t invalid = 0;
  std::size_t resumed = 0;    // settled by an earlier run, not asked again
  std::size_t delegated = 0;  // delegated in a zone file, not asked
};

// "共输入N个，其中M个可以注册", then the unknown, invalid, resumed names and those a zone file
// settled when there are any,
// and a line break.
std::string SummaryText(const Counts& counts);

// "1 name", "2 names": a count of names as the messages write it.
std::string Names(std::uint64_t count);

}  // namespace cli
