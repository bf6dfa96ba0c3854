// Stand-ins for the registries' RDAP services and for a DNS resolver, on 127.0.0.1 only. Each
// simulated registry is its own HTTP/1.1 server on its own port (so a client counts it as its
// own host) and answers "GET <base>domain/<name>" under the registrar simulator's rule: 200
// with a domain object for a registered name, 404 for a free one. A bootstrap file in the form
// of IANA's dns.json points the registries' suffixes at them; one registry also serves that
// file, with validators, for clients that fetch and cache it. The DNS responder answers NS
// queries over UDP for suffixes that have no RDAP service.
//
// Faults are set per name, so one run can mix answers. The simulator counts the requests in
// flight per registry and keeps the arrival time of each, so tests can check a client's manners.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sim {

// What a registry does for one name instead of its normal answer. The first that applies of:
// redirectLoop, redirectTo, status, otherName, body; the answer then travels as cutMidBody or
// stall say, with headerBytes of padding in its headers.
struct RdapFault {
  std::chrono::milliseconds delay{0};
  int status = 0;                           // 429, 500, 503...: a small JSON error answer
  std::optional<std::string> retryAfter{};  // the Retry-After header of that answer
  bool redirectLoop = false;                // 302 to itself, for ever
  std::optional<std::string> redirectTo{};  // 302 to this address
  std::optional<std::string> otherName{};   // a domain object for this name instead
  std::optional<std::string> body{};        // these bytes with status 200 (or `status`)
  std::string contentType = "application/rdap+json";
  bool cutMidBody = false;      // announce the whole length, send half, close the connection
  bool stall = false;           // send the headers and half the body, then nothing until stopped
  std::size_t headerBytes = 0;  // about this many bytes of extra header lines
  // How many requests for the name it applies to before the normal answer returns; 0: all.
  int times = 0;
};

struct RdapArrival {
  std::size_t registry = 0;
  std::string name;  // as it appeared in the path
  std::chrono::steady_clock::time_point at;
  std::string userAgent;
  std::string accept;
};

class RdapSim {
 public:
  // The suffixes of registry i are kSuffixes[i]; "co.uk" and "uk" sit at different registries
  // so that the longest match matters. kDnsOnly suffixes have no RDAP service but a DNS zone.
  static constexpr std::size_t kRegistries = 3;
  static const std::vector<std::vector<std::string>> kSuffixes;
  static const std::vector<std::string> kDnsOnly;
  // A suffix whose DNS fails (SERVFAIL) and that has no RDAP service.
  static constexpr const char* kBrokenDnsSuffix = "zz";
  // Suffixes without an RDAP service whose DNS misleads: under kWildcardDnsSuffix every name has
  // NS records (a wildcard); under kForeignNsSuffix every name is answered with the NS records
  // of another name ("other.dnt").
  static constexpr const char* kWildcardDnsSuffix = "wld";
  static constexpr const char* kForeignNsSuffix = "dnt";
  static constexpr const char* kBootstrapPath = "/rdap/dns.json";

  RdapSim();  // starts every registry and the DNS responder; throws std::runtime_error
  ~RdapSim();
  RdapSim(const RdapSim&) = delete;
  RdapSim& operator=(const RdapSim&) = delete;

  std::string BaseUrl(std::size_t registry) const;  // "http://127.0.0.1:PORT/rdap/"
  std::string BootstrapUrl() const;                 // served by registry 0
  // The demo's deletion lists, in CNNIC's and the .top registry's forms, served by registry 0.
  std::vector<std::string> DeletionListUrls() const;
  // The bootstrap text the simulator serves, in the form of dns.json.
  std::string BootstrapJson() const;
  // "127.0.0.1:PORT" of the DNS responder (UDP).
  std::string DnsServer() const;
  // "[::1]:PORT" of the same responder on IPv6; "" where the machine has no IPv6 loopback.
  std::string DnsServer6() const;

  // Every registry waits this long before each answer (on top of any fault's delay).
  void SetLatency(std::chrono::milliseconds latency);
  void SetFault(const std::string& name, RdapFault fault);
  // The registry answers 429 (Retry-After: 1) when more than `perSecond` requests, this one
  // included, arrived within the last second; 0 lifts the limit. Refused counts those answers.
  void SetRateLimit(std::size_t registry, double perSecond);
  std::size_t Refused(std::size_t registry) const;
  // The bootstrap endpoint answers with this status instead (0: normally).
  void SetBootstrapStatus(int status);
  // The bootstrap endpoint waits this long before it answers.
  void SetBootstrapDelay(std::chrono::milliseconds delay);
  // Changes the served bootstrap's content and validators, as IANA's updates do.
  void BumpBootstrapVersion();

  std::size_t MaxInFlight(std::size_t registry) const;
  // The last kKeptArrivals requests for names, oldest first.
  static constexpr std::size_t kKeptArrivals = 65536;
  std::vector<RdapArrival> Arrivals() const;
  // Bootstrap requests so far, and how many of them were answered 304 Not Modified.
  std::size_t BootstrapRequests() const;
  std::size_t BootstrapNotModified() const;
  std::size_t DnsQueries() const;

  static bool IsRegistered(const std::string& name);
  // Where a registered name is in its life, by a word in its first label (a name with such a
  // word is registered, whatever its length): "grace", "redemption", "pendingdelete" or
  // "dropping", "hold". "cycle" moves on every minute through free (or active, for a name that
  // is taken anyway), grace, redemption and pending delete. Any other name is active.
  enum class Life { Active, Grace, Redemption, PendingDelete, Hold };
  static Life LifeOf(const std::string& name);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace sim
