// What a source found out about one name: its status, and what the source could say about it.
// Every front end reports answers; sources produce them. It knows nothing of how an answer was
// obtained or how it is printed.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Result.h"

namespace check {

enum class Status {
  // The registry (or registrar) says the name can be registered.
  Available,
  Registered,
  // The registry says the name is reserved or prohibited: taken, though by nobody.
  Reserved,
  // No registry could be asked, but DNS says the name does not exist.
  LikelyAvailable,
  // No answer could be had; the detail says why. Never a guess.
  Unknown,
  // The name cannot be a domain name; it was sent nowhere. The detail says why.
  Invalid,
};

// The status as scripts read it: "available", "registered", "reserved", "likely-available",
// "unknown", "invalid".
constexpr std::string_view StatusName(Status status) {
  switch (status) {
    case Status::Available:
      return "available";
    case Status::Registered:
      return "registered";
    case Status::Reserved:
      return "reserved";
    case Status::LikelyAvailable:
      return "likely-available";
    case Status::Unknown:
      return "unknown";
    case Status::Invalid:
      return "invalid";
  }
  return "unknown";
}

// Which route gave the answer: the registrar's bulk search, a registry's RDAP service or WHOIS
// server, DNS (a zone's name servers, or the last route's resolver), or a zone file the user
// gave.
enum class Route { Registrar, Rdap, Whois, Dns, Zone };

// The route as scripts read it, in the output's "source" field.
constexpr std::string_view RouteName(Route route) {
  switch (route) {
    case Route::Registrar:
      return "registrar";
    case Route::Rdap:
      return "rdap";
    case Route::Whois:
      return "whois";
    case Route::Dns:
      return "dns";
    case Route::Zone:
      return "zone";
  }
  return "";
}

// Where a registered name is in its life, as its registry's statuses say: in use, in the grace
// period after it expired unrenewed, in redemption (its holder may still restore it), pending
// delete (days from release), or on hold (registered, but kept out of DNS). None when the
// registry says nothing of it.
enum class Phase { None, Active, Grace, Redemption, PendingDelete, Hold };

// The phase as scripts read it: "", "active", "grace", "redemption", "pending-delete", "hold".
constexpr std::string_view PhaseName(Phase phase) {
  switch (phase) {
    case Phase::None:
      return "";
    case Phase::Active:
      return "active";
    case Phase::Grace:
      return "grace";
    case Phase::Redemption:
      return "redemption";
    case Phase::PendingDelete:
      return "pending-delete";
    case Phase::Hold:
      return "hold";
  }
  return "";
}

// Each name read back as scripts write it; nothing for a word that names none.
inline std::optional<Status> StatusNamed(std::string_view word) {
  for (const Status status : {Status::Available, Status::Registered, Status::Reserved,
                              Status::LikelyAvailable, Status::Unknown, Status::Invalid}) {
    if (StatusName(status) == word) return status;
  }
  return std::nullopt;
}

inline std::optional<Route> RouteNamed(std::string_view word) {
  for (const Route route : {Route::Registrar, Route::Rdap, Route::Whois, Route::Dns, Route::Zone}) {
    if (RouteName(route) == word) return route;
  }
  return std::nullopt;
}

inline std::optional<Phase> PhaseNamed(std::string_view word) {
  for (const Phase phase : {Phase::None, Phase::Active, Phase::Grace, Phase::Redemption,
                            Phase::PendingDelete, Phase::Hold}) {
    if (PhaseName(phase) == word) return phase;
  }
  return std::nullopt;
}

struct Answer {
  Status status = Status::Unknown;
  // The reason for Unknown and Invalid; empty when there is nothing to add.
  std::u16string detail;
  // The name as it was queried when that differs from the name as written (an A-label).
  std::u16string aLabel;
  // What a registry says of a registered name, when it says it.
  std::u16string registrar;
  std::u16string expires;
  // The registry's statuses, in its own words and order; the phase they put the name in; and,
  // in redemption or pending delete, the earliest day it could be free again (YYYY-MM-DD), an
  // estimate. A phase never changes the status: such a name is registered.
  std::vector<std::u16string> statuses;
  Phase phase = Phase::None;
  std::u16string releases;
  // Why an Unknown answer could not be had, for scripts: a time-out may be worth a later try,
  // a TLS failure is not. Empty for every other status.
  std::optional<base::FailureKind> reason;
  // Empty for a name that was sent nowhere (Invalid).
  std::optional<Route> source;
  // When the answer was had, for a front end that keeps answers; empty when it does not say.
  std::optional<std::chrono::sys_seconds> checked;
  // The variants a registry names for a registered name (RDAP's variants, RFC 9083 section
  // 5.3): each by its A-label, in lower case, with the registry's relations to it
  // ("registered", "conjoined", "registration restricted", "open registration", ...).
  struct Variant {
    std::u16string name;
    std::vector<std::u16string> relations;
  };
  std::vector<Variant> variants;
  // For a registered name when asked: its for-sale signs (check/dns/ForSale.h), or one word
  // "unknown: " and why none could be read.
  std::vector<std::u16string> forSale;
};

inline Answer WithStatus(Status status, std::u16string detail = {}) {
  Answer answer;
  answer.status = status;
  answer.detail = std::move(detail);
  return answer;
}

inline Answer Unknown(std::u16string detail, base::FailureKind reason) {
  Answer answer = WithStatus(Status::Unknown, std::move(detail));
  answer.reason = reason;
  return answer;
}

}  // namespace check
