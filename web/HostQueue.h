// Requests waiting for their host to have room: at most `perHost` are let through per host at a
// time, in the order they were queued. Both HTTP client backends schedule with it, through the
// part of a client they share (QueuedClient). It does not start or time anything itself.
#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "HttpClient.h"

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

// What both platforms' clients share: a request is queued under its host until there is room,
// and counted as pending until its callback has run. `Pointer` owns a transfer, which has at
// least `request`, `done` and `host`; `Key` finds a transfer in flight.
template <class Key, class Pointer>
class QueuedClient : public HttpClient {
 public:
  explicit QueuedClient(std::size_t perHost) : queue_(perHost) {}

  void Start(Get request, Done done) final {
    Pointer transfer(new typename Pointer::element_type());
    transfer->host = HostOf(request.url);
    transfer->request = std::move(request);
    transfer->done = std::move(done);
    const std::string host = transfer->host;
    queue_.Push(host, std::move(transfer));
  }

  std::size_t Pending() const final { return queue_.Waiting() + active_.size(); }

 protected:
  HostQueue<Pointer> queue_;
  std::map<Key, Pointer> active_;
};

}  // namespace web
