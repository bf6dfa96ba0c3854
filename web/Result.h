// Result<T> carries either a value or the reason it could not be produced. Expected failures of
// the web layer and of the query travel as values of this type; broken invariants assert instead.
// It does not log, throw or retry anything.
#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace web {

struct Failure {
  std::string message;
};

template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::move(value)) {}
  Result(Failure failure) : state_(std::move(failure)) {}

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  T& value() {
    assert(ok());
    return std::get<0>(state_);
  }
  const T& value() const {
    assert(ok());
    return std::get<0>(state_);
  }
  const std::string& error() const {
    assert(!ok());
    return std::get<1>(state_).message;
  }

 private:
  std::variant<T, Failure> state_;
};

using Status = Result<std::monostate>;

inline Status Ok() { return std::monostate{}; }

}  // namespace web
