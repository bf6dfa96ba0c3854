#include "check/Pace.h"

#include "base/LowerCase.h"
#include "web/TcpQuery.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>

namespace check {
namespace {

// How many answers after a refusal raise the rate by a tenth of the table's figure.
constexpr int kAnswersPerStep = 10;
// Never slower than one request a minute, however often a server refuses.
constexpr double kSlowest = 1.0 / 60;

// "host:port" or "[v6]:port" without its port; a host without one as it is.
std::string WithoutPort(const std::string& host) {
  const auto parsed = web::ParseHostPort(host, 0);
  return parsed && parsed.value().port != 0 ? parsed.value().host : host;
}

bool ReadLimits(const nlohmann::json& entry, PaceLimits& limits) {
  if (!entry.is_object()) return false;
  if (const auto found = entry.find("inFlight"); found != entry.end()) {
    if (!found->is_number_unsigned() || found->get<std::size_t>() == 0) return false;
    limits.inFlight = found->get<std::size_t>();
  }
  if (const auto found = entry.find("perSecond"); found != entry.end()) {
    if (!found->is_number() || found->get<double>() <= 0) return false;
    limits.perSecond = found->get<double>();
    limits.burst = std::max(1.0, limits.perSecond);
  }
  if (const auto found = entry.find("burst"); found != entry.end()) {
    if (!found->is_number() || found->get<double>() < 1) return false;
    limits.burst = found->get<double>();
  }
  return true;
}

}  // namespace

Pace::Pace(PaceLimits limits) : limits_(limits), rate_(limits.perSecond), tokens_(limits.burst) {}

void Pace::Refill(Steady::time_point now) {
  if (refilled_ == Steady::time_point{}) refilled_ = now;
  if (now <= refilled_) return;  // paused until later, or no time has passed
  const double seconds = std::chrono::duration<double>(now - refilled_).count();
  if (seconds > 0) tokens_ = std::min(limits_.burst, tokens_ + seconds * rate_);
  refilled_ = now;
}

Steady::time_point Pace::NextStart(Steady::time_point now) {
  if (inFlight_ >= limits_.inFlight) return Steady::time_point::max();
  if (now < pausedUntil_) return pausedUntil_;
  Refill(now);
  if (tokens_ >= 1) return now;
  const auto wait = std::chrono::duration<double>((1 - tokens_) / rate_);
  return now + std::chrono::ceil<Steady::duration>(wait);
}

void Pace::Started(Steady::time_point now) {
  Refill(now);
  tokens_ -= 1;
  ++inFlight_;
}

void Pace::Answered(Steady::time_point) {
  Ended();
  if (rate_ < limits_.perSecond && ++answeredSinceRefusal_ >= kAnswersPerStep) {
    answeredSinceRefusal_ = 0;
    rate_ = std::min(limits_.perSecond, rate_ + limits_.perSecond / 10);
  }
}

void Pace::Refused(Steady::time_point now, Steady::time_point resume) {
  Ended();
  Refill(now);
  rate_ = std::max(kSlowest, rate_ / 2);
  tokens_ = 0;
  answeredSinceRefusal_ = 0;
  pausedUntil_ = std::max(pausedUntil_, resume);
  refilled_ = std::max(refilled_, resume);
}

void Pace::Ended() {
  if (inFlight_ > 0) --inFlight_;
}

base::Result<PaceTable> PaceTable::Parse(std::string_view json) {
  const nlohmann::json root = nlohmann::json::parse(json, nullptr, false);
  if (root.is_discarded() || !root.is_object()) return base::Failure{"the rate table is not JSON"};
  PaceTable table;
  const auto defaults = root.find("defaults");
  if (defaults == root.end() || !defaults->is_object() ||
      !ReadLimits(defaults->value("rdap", nlohmann::json::object()), table.rdap_) ||
      !ReadLimits(defaults->value("whois", nlohmann::json::object()), table.whois_) ||
      !ReadLimits(defaults->value("dns", nlohmann::json::object()), table.dns_)) {
    return base::Failure{"the rate table's defaults are missing or malformed"};
  }
  if (const auto hosts = root.find("hosts"); hosts != root.end() && hosts->is_object()) {
    for (const auto& [host, entry] : hosts->items()) {
      PaceLimits limits = table.whois_;
      if (ReadLimits(entry, limits)) table.hosts_[base::AsciiLower(host)] = limits;
    }
  }
  return table;
}

PaceTable PaceTable::BuiltIn() {
  auto parsed = Parse(RatesJson());
  return parsed ? std::move(parsed.value()) : PaceTable{};
}

PaceLimits PaceTable::For(std::string_view host, Protocol protocol) const {
  // Paces are kept per host and port ("127.0.0.1:8443"); a figure given for the host alone holds
  // for each of its ports.
  const std::string lower = base::AsciiLower(host);
  const std::string alone = WithoutPort(lower);
  const auto find = [&](const auto& map) {
    auto found = map.find(lower);
    return found != map.end() ? found : map.find(alone);
  };
  PaceLimits limits = protocol == Protocol::Rdap  ? rdap_
                      : protocol == Protocol::Dns ? dns_
                                                  : whois_;
  if (const auto found = find(hosts_); found != hosts_.end()) limits = found->second;
  // The user's cap holds for every RDAP server; a server's published figure still caps it.
  if (protocol == Protocol::Rdap && rdapInFlight_) {
    limits.inFlight = std::min(limits.inFlight, *rdapInFlight_);
  }
  if (const auto rate = find(rates_); rate != rates_.end()) {
    // A steady rate: a server that counts a sliding second sees no more than the figure.
    limits.perSecond = rate->second;
    limits.burst = 1;
  }
  return limits;
}

void PaceTable::SetRate(const std::string& host, double perSecond) {
  rates_[base::AsciiLower(host)] = perSecond;
}

void PaceTable::SetRates(const PaceTable& user) {
  for (const auto& [host, rate] : user.rates_) rates_[host] = rate;
  if (user.rdapInFlight_) rdapInFlight_ = user.rdapInFlight_;
}

void PaceTable::SetRdapInFlight(std::size_t inFlight) {
  rdapInFlight_ = std::max<std::size_t>(inFlight, 1);
}

base::Result<RateOverride> ParseRate(std::string_view text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos || equals == 0) {
    return base::Failure{"is not HOST=N/s"};
  }
  RateOverride rate;
  // HOST or HOST:PORT, read as every other host and port is.
  const auto server = web::ParseHostPort(text.substr(0, equals), 0);
  if (!server) return base::Failure{"is not HOST[:PORT]=N/s: " + server.error()};
  const std::string host = base::AsciiLower(server.value().host);
  const bool v6 = host.find(':') != std::string::npos;
  rate.host = server.value().port == 0 ? host
              : v6                     ? "[" + host + "]:" + std::to_string(server.value().port)
                                       : host + ":" + std::to_string(server.value().port);
  std::string_view number = text.substr(equals + 1);
  if (number.size() > 2 && number.substr(number.size() - 2) == "/s") {
    number.remove_suffix(2);
  }
  const bool plain = !number.empty() && std::all_of(number.begin(), number.end(), [](char c) {
    return (c >= '0' && c <= '9') || c == '.';
  });
  double value = 0;
  if (plain) {
    // from_chars for double is missing from some of the toolchains this builds with.
    try {
      std::size_t used = 0;
      value = std::stod(std::string(number), &used);
      if (used != number.size()) value = 0;
    } catch (const std::exception&) {
      value = 0;
    }
  }
  if (!(value > 0) || value > 1000 || !std::isfinite(value)) {
    return base::Failure{"is not a rate: give requests a second above 0 and at most 1000, e.g. 5/s"};
  }
  rate.perSecond = value;
  return rate;
}

}  // namespace check
