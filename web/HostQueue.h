// Requests waiting for their host to have room: at most `perHost` are let through per host at a
// time, in the order they were queued. Both HTTP client backends schedule with it. It does not
// start or time anything itself.
#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace web {

template <class Item>
class HostQueue {
 public:
  explicit HostQueue(std::size_t perHost) : perHost_(perHost == 0 ? 1 : perHost) {}

  void Push(const std::string& host, Item item) {
    hosts_[host].waiting.push_back(std::move(item));
    ++waiting_;
  }

  // Takes the items that may start now and counts them as in flight.
  std::vector<std::pair<std::string, Item>> TakeStartable() {
    std::vector<std::pair<std::string, Item>> out;
    for (auto& [host, state] : hosts_) {
      while (state.inFlight < perHost_ && !state.waiting.empty()) {
        out.emplace_back(host, std::move(state.waiting.front()));
        state.waiting.pop_front();
        ++state.inFlight;
        --waiting_;
      }
    }
    return out;
  }

  void Finished(const std::string& host) {
    auto found = hosts_.find(host);
    if (found == hosts_.end()) return;
    if (found->second.inFlight > 0) --found->second.inFlight;
    if (found->second.inFlight == 0 && found->second.waiting.empty()) hosts_.erase(found);
  }

  std::size_t Waiting() const { return waiting_; }

 private:
  struct Host {
    std::size_t inFlight = 0;
    std::deque<Item> waiting;
  };
  std::size_t perHost_;
  std::size_t waiting_ = 0;
  std::map<std::string, Host> hosts_;
};

}  // namespace web
