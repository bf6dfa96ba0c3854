// A source of answers: something that can tell, for a list of names, which are available. The
// command-line program picks one (the registrar's bulk search, the registries' RDAP services)
// and hands it the names as a feed it draws on when it has room for more, so that no list need
// be held whole; the source decides how to batch, pace and send its requests. It does not read
// input, clean or validate names, or print anything.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <stop_token>
#include <string>

#include "Answer.h"

namespace check {

// Names to check, one at a time, each with the number its caller knows it by.
class NameFeed {
 public:
  struct Name {
    std::size_t id = 0;
    std::u16string text;
    // Its A-label, when the feed has already made it and found the name one a registry holds;
    // else empty, and the source makes it.
    std::string aLabel{};
  };

  virtual ~NameFeed() = default;
  // The next name, or nothing once the feed has ended.
  virtual std::optional<Name> Next() = 0;
};

// The names of a list, each known by its place in it.
class NamesInList final : public NameFeed {
 public:
  explicit NamesInList(std::span<const std::u16string> names) : names_(names) {}
  std::optional<Name> Next() override {
    if (next_ == names_.size()) return std::nullopt;
    const std::size_t id = next_++;
    return Name{id, names_[id]};
  }

 private:
  std::span<const std::u16string> names_;
  std::size_t next_ = 0;
};

class Source {
 public:
  // Called once for each name that got an answer, with the name's id.
  using Report = std::function<void(std::size_t id, Answer answer)>;

  virtual ~Source() = default;

  // Checks names that are already cleaned, lower-cased, valid and free of duplicates, calling
  // report once per name, in any order, on the calling thread. It takes names from the feed in
  // order, never far ahead of the earliest name not yet answered. Returns when the feed has
  // ended and every name has been answered, or soon after stop is requested; names not
  // answered by then are left out rather than guessed.
  virtual void Check(NameFeed& names, const Report& report, std::stop_token stop) = 0;

  // The same for a list, each name's id its place in it.
  void Check(std::span<const std::u16string> names, const Report& report, std::stop_token stop) {
    NamesInList feed(names);
    Check(feed, report, stop);
  }

  // Names now waiting on a server that asked for a pause, for a progress line; any thread may
  // ask.
  virtual std::size_t PausedNames() const { return 0; }
};

}  // namespace check
