#include "check/whois/WhoisRoute.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <utility>

#include "base/Text.h"
#include "names/SuffixServices.h"

namespace check {
namespace {

std::int64_t Seconds(std::chrono::system_clock::time_point at) {
  return std::chrono::duration_cast<std::chrono::seconds>(at.time_since_epoch()).count();
}

// The longest suffix of the name that the map has an entry for.
template <class Map>
auto LongestSuffix(const Map& map, std::string_view aLabel) {
  for (std::size_t dot = aLabel.find('.'); dot != std::string_view::npos;
       dot = aLabel.find('.', dot + 1)) {
    if (const auto found = map.find(aLabel.substr(dot + 1)); found != map.end()) return found;
  }
  return map.end();
}

}  // namespace

WhoisRoute::WhoisRoute(WhoisSettings settings, const WhoisTable& table)
    : settings_(std::move(settings)), table_(table) {
  LoadCache();
}

void WhoisRoute::LoadCache() {
  if (settings_.cacheFile.empty()) return;
  const std::int64_t now = Seconds(std::chrono::system_clock::now());
  std::ifstream in(settings_.cacheFile, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();  // written on Windows
    // "tld<TAB>host<TAB>seconds"; a line in any other shape is left out.
    std::istringstream fields(line);
    std::string tld, host, asked;
    if (!std::getline(fields, tld, '\t') || !std::getline(fields, host, '\t') ||
        !std::getline(fields, asked) || tld.empty()) {
      continue;
    }
    // Checked as a fresh answer would be: a host name (or none), asked in the past.
    std::int64_t seconds = 0;
    const auto read = std::from_chars(asked.data(), asked.data() + asked.size(), seconds);
    if (read.ec != std::errc() || read.ptr != asked.data() + asked.size() || seconds > now ||
        (!host.empty() && !IsHostName(host))) {
      continue;
    }
    referrals_[tld] = Referral{host, seconds};
  }
}

void WhoisRoute::SaveCache() const {
  if (settings_.cacheFile.empty()) return;
  std::error_code error;
  std::filesystem::create_directories(settings_.cacheFile.parent_path(), error);
  std::filesystem::path partial = settings_.cacheFile;
  partial += ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    for (const auto& [tld, referral] : referrals_) {
      out << tld << '\t' << referral.host << '\t' << referral.asked << '\n';
    }
    if (!out) return;
  }
  std::filesystem::rename(partial, settings_.cacheFile, error);
}

std::optional<std::string> WhoisRoute::ServerOfTld(const std::string& tld,
                                                   std::chrono::system_clock::time_point now,
                                                   std::stop_token stop) {
  const auto cached = referrals_.find(tld);
  const auto maxAge = std::chrono::duration_cast<std::chrono::seconds>(settings_.maxAge).count();
  const auto named = [](const std::string& host) {
    return host.empty() ? std::nullopt : std::optional<std::string>(host);
  };
  if (cached != referrals_.end() && Seconds(now) - cached->second.asked < maxAge) {
    return named(cached->second.host);
  }
  if (!ianaFailed_) {
    auto answer =
        web::AskOverTcp(settings_.iana.host, settings_.iana.port, tld + "\r\n", settings_.limits,
                        stop, settings_.socks ? &*settings_.socks : nullptr);
    // Kept only when it is IANA's record of this TLD, and "no WHOIS" only where the built-in
    // table knows none either: a garbled or foreign answer must not hold for a month.
    const std::optional<std::string> builtIn = table_.HostFor("x." + tld);
    if (answer && IsIanaRecordOf(answer.value(), tld)) {
      const std::optional<std::string> host = ReadIanaReferral(answer.value());
      if (host || !builtIn) {
        referrals_[tld] = Referral{host.value_or(""), Seconds(now)};
        SaveCache();
        return host;
      }
      return builtIn;
    }
    if (answer && cached == referrals_.end()) return builtIn;
    if (stop.stop_requested()) return std::nullopt;
    if (!answer) {
      ianaFailed_ = true;
      warnings_.push_back(settings_.iana.host + " cannot be reached (" + answer.error() +
                          "); using the WHOIS servers known from earlier runs or built in");
    }
  }
  if (cached != referrals_.end()) {
    warnings_.push_back("the WHOIS server for ." + tld + " was learnt more than " +
                        std::to_string(maxAge / 86400) + " days ago and could not be checked");
    return named(cached->second.host);
  }
  return table_.HostFor("x." + tld);
}

WhoisTarget WhoisRoute::Target(const std::string& host, std::optional<web::HostPort> address,
                               std::string_view aLabel) const {
  WhoisTarget target;
  target.host = host;
  if (!address) {
    const auto mapped = settings_.connectTo.find(host);
    address =
        mapped != settings_.connectTo.end() ? mapped->second : web::HostPort{host, kWhoisPort};
  }
  target.address = *address;
  // A server the table does not list reads as the table's server for the suffix, if any:
  // the user's copy or mirror of a registry's server speaks as the registry does.
  const std::optional<std::string> listed = table_.HostFor(aLabel);
  target.server = table_.ServerFor(table_.Lists(host) || !listed ? host : *listed);
  target.server.host = host;
  return target;
}

std::optional<WhoisTarget> WhoisRoute::TargetFor(std::string_view aLabel,
                                                 std::chrono::system_clock::time_point now,
                                                 std::stop_token stop) {
  if (const auto given = LongestSuffix(settings_.servers, aLabel);
      given != settings_.servers.end()) {
    return Target(given->second.host, given->second, aLabel);
  }
  // A suffix run apart from its TLD has its own server (or none), which reads as the table
  // has it, not as the TLD's.
  if (const names::SuffixService* service = names::SuffixServices::BuiltIn().For(aLabel)) {
    if (!service->whois) return std::nullopt;
    WhoisTarget target = Target(*service->whois, std::nullopt, aLabel);
    target.server = table_.ServerFor(*service->whois);
    return target;
  }
  const std::string tld(aLabel.substr(aLabel.rfind('.') + 1));
  auto decided = decided_.find(tld);
  if (decided == decided_.end()) {
    decided = decided_.emplace(tld, ServerOfTld(tld, now, stop)).first;
  }
  if (!decided->second) return std::nullopt;
  return Target(*decided->second, std::nullopt, aLabel);
}

Answer WhoisRoute::Ask(const WhoisTarget& target, std::string_view aLabel,
                       std::stop_token stop) const {
  auto answer =
      web::AskOverTcp(target.address.host, target.address.port, WhoisQuery(target.server, aLabel),
                      settings_.limits, stop, settings_.socks ? &*settings_.socks : nullptr);
  if (!answer) {
    return Unknown(base::FromUtf8(target.host + ": " + answer.error()), answer.failure().kind);
  }
  return ReadWhoisAnswer(target.server, aLabel, answer.value());
}

void WhoisRoute::NewRun() {
  decided_.clear();
  ianaFailed_ = false;
}

std::vector<std::string> WhoisRoute::TakeWarnings() {
  return std::exchange(warnings_, {});
}

}  // namespace check
