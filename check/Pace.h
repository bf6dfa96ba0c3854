// How fast the program may ask each registry's server, RDAP, WHOIS and DNS alike: requests in
// flight, requests a second with a burst, and the pause after a refusal. The figures come from a
// table shipped as data (check/rates.json: what registries publish, and cautious values for those
// that publish nothing), which the user can override per host. A server that refuses (HTTP 429 or
// 503, a WHOIS throttle text) is paused, for its Retry-After when it gives one, and its rate is
// halved for the rest of the run; answers that follow raise it again, up to the table's figure.
// It only keeps time; it sends nothing.
#pragma once

#include <chrono>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "base/Result.h"

namespace check {

using Steady = std::chrono::steady_clock;

enum class Protocol { Rdap, Whois, Dns };

struct PaceLimits {
  std::size_t inFlight = 1;
  double perSecond = 1;
  double burst = 1;
};

class Pace {
 public:
  explicit Pace(PaceLimits limits = {});

  // When a request may start, given what is in flight and the tokens left; `now` when it may
  // start now, Steady::time_point::max() while the in-flight cap is reached.
  Steady::time_point NextStart(Steady::time_point now);
  void Started(Steady::time_point now);
  // An answer came (refused or not); a refusal pauses the server until `resume`.
  void Answered(Steady::time_point now);
  void Refused(Steady::time_point now, Steady::time_point resume);
  // A request that ended without the server's word (a broken connection).
  void Ended();

  double PerSecond() const { return rate_; }
  bool Paused(Steady::time_point now) const { return now < pausedUntil_; }

 private:
  void Refill(Steady::time_point now);

  PaceLimits limits_;
  double rate_;
  double tokens_;
  Steady::time_point refilled_{};
  Steady::time_point pausedUntil_{};
  std::size_t inFlight_ = 0;
  int answeredSinceRefusal_ = 0;
};

// The figures for every host: the table's, with the user's rates on top.
class PaceTable {
 public:
  // Reads check/rates.json's form. Fails when it is not such a table.
  static base::Result<PaceTable> Parse(std::string_view json);
  static PaceTable BuiltIn();

  PaceLimits For(std::string_view host, Protocol protocol) const;
  // The user's rate for a host (requests a second), kept steadily: no burst above it.
  void SetRate(const std::string& host, double perSecond);
  // The user's cap on RDAP requests in flight per host: every host's, under its own figure.
  void SetRdapInFlight(std::size_t inFlight);
  // The user's rates and cap from another table, on top of this one's figures (the demo's).
  void SetRates(const PaceTable& user);

 private:
  PaceLimits rdap_{4, 10, 10};
  PaceLimits whois_{1, 1, 1};
  PaceLimits dns_{8, 20, 20};
  std::map<std::string, PaceLimits, std::less<>> hosts_;
  std::map<std::string, double, std::less<>> rates_;
  std::optional<std::size_t> rdapInFlight_;
};

std::string_view RatesJson();

// "HOST[:PORT]=N/s" (or "=N") of --rate into its parts; HOST alone holds for every port; N may be a
// fraction, above 0 and at most 1000. A failure says what is wrong, to follow the text as the
// caller quotes it.
struct RateOverride {
  std::string host;
  double perSecond = 0;
};
base::Result<RateOverride> ParseRate(std::string_view text);

}  // namespace check
