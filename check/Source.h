// A source of answers: something that can tell, for a list of names, which are available. The
// command-line program picks one (the registrar's bulk search, the registries' RDAP services)
// and hands it the names; the source decides how to batch, pace and send its requests. It does
// not read input, clean or validate names, or print anything.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <stop_token>
#include <string>

#include "Answer.h"

namespace check {

class Source {
 public:
  // Called once for each name that got an answer, with the name's index in the list.
  using Report = std::function<void(std::size_t index, Answer answer)>;

  virtual ~Source() = default;

  // Checks names that are already cleaned, lower-cased, valid and free of duplicates, calling
  // report once per name, in any order, on the calling thread. Returns when every name has been
  // answered, or soon after stop is requested; names not answered by then are left out rather
  // than guessed.
  virtual void Check(std::span<const std::u16string> names, const Report& report,
                     std::stop_token stop) = 0;

  // Names now waiting on a server that asked for a pause, for a progress line; any thread may
  // ask.
  virtual std::size_t PausedNames() const { return 0; }
};

}  // namespace check
