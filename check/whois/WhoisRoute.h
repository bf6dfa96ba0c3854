// The WHOIS route: which server answers for a name, and asking it. The server for a TLD is the
// one whois.iana.org names ("refer:"), asked once and kept in the cache folder for 30 days; a
// server the user names for a suffix wins and IANA is not asked; when IANA cannot be reached, a
// stale copy is used with a warning, else the built-in table's server. Answers are read by the
// table's entry for the server (WhoisTable.h).
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "check/Answer.h"
#include "check/whois/WhoisTable.h"
#include "web/TcpQuery.h"

namespace check {

constexpr int kWhoisPort = 43;

struct WhoisSettings {
  web::HostPort iana{"whois.iana.org", kWhoisPort};
  // The user's servers by suffix ("cn", "com.cn"): used as they are, IANA never asked.
  std::map<std::string, web::HostPort, std::less<>> servers;
  // Where to connect for a host instead of its own address (the demo's simulated servers).
  std::map<std::string, web::HostPort, std::less<>> connectTo;
  // IANA's referrals; none kept when empty.
  std::filesystem::path cacheFile;
  std::chrono::hours maxAge{24 * 30};
  web::TcpLimits limits;
  // A SOCKS5 proxy that every WHOIS question goes through, IANA's included.
  std::optional<web::HostPort> socks;
};

struct WhoisTarget {
  std::string host;  // the server's name, which its pace is kept under
  web::HostPort address;
  WhoisServer server;
};

class WhoisRoute {
 public:
  explicit WhoisRoute(WhoisSettings settings, const WhoisTable& table = WhoisTable::BuiltIn());

  // The server for a name, asking whois.iana.org for its TLD once per run when needed; nothing
  // when there is none (a TLD without WHOIS, or one that does not exist). Not thread-safe.
  std::optional<WhoisTarget> TargetFor(std::string_view aLabel,
                                       std::chrono::system_clock::time_point now,
                                       std::stop_token stop);
  // Asks the server about the name; safe from any thread.
  Answer Ask(const WhoisTarget& target, std::string_view aLabel, std::stop_token stop) const;

  // Forgets which server each TLD had in the last run, so that a referral that failed is asked
  // again (the cache keeps those that succeeded). Not thread-safe.
  void NewRun();

  // Warnings for the person, once each (a stale referral, IANA out of reach).
  std::vector<std::string> TakeWarnings();

 private:
  struct Referral {
    std::string host;        // empty: IANA names no server
    std::int64_t asked = 0;  // seconds since the epoch
  };
  void LoadCache();
  void SaveCache() const;
  std::optional<std::string> ServerOfTld(const std::string& tld,
                                         std::chrono::system_clock::time_point now,
                                         std::stop_token stop);
  WhoisTarget Target(const std::string& host, std::optional<web::HostPort> address,
                     std::string_view aLabel) const;

  WhoisSettings settings_;
  const WhoisTable& table_;
  std::map<std::string, Referral, std::less<>> referrals_;
  std::map<std::string, std::optional<std::string>, std::less<>> decided_;  // this run's, by TLD
  bool ianaFailed_ = false;
  std::vector<std::string> warnings_;
};

}  // namespace check
