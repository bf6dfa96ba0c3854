// What a simulator keeps of the requests it served: the last ones, up to a limit, and how many
// there were in all, so that a long demo does not grow with every name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace sim {

template <class T>
class BoundedLog {
 public:
  explicit BoundedLog(std::size_t limit) : limit_(limit) {}

  // The entry's number, by which it can be found again while it is kept.
  std::uint64_t Add(T entry) {
    entries_.push_back(std::move(entry));
    if (entries_.size() > limit_) {
      entries_.pop_front();
      ++first_;
    }
    return first_ + entries_.size() - 1;
  }
  // Nothing once the entry has been dropped or the log cleared.
  T* Find(std::uint64_t number) {
    return number >= first_ && number - first_ < entries_.size() ? &entries_[number - first_]
                                                                 : nullptr;
  }
  std::vector<T> Entries() const { return {entries_.begin(), entries_.end()}; }
  // Every entry added since the log began or was cleared.
  std::uint64_t Total() const { return first_ + entries_.size() - cleared_; }
  void Clear() {
    first_ += entries_.size();
    cleared_ = first_;
    entries_.clear();
  }

 private:
  std::size_t limit_;
  std::deque<T> entries_;
  std::uint64_t first_ = 0;    // the number of the oldest entry kept
  std::uint64_t cleared_ = 0;  // the numbers before this were cleared
};

}  // namespace sim
