// Stand-ins for registries' WHOIS servers (RFC 3912) and for whois.iana.org, on 127.0.0.1 only,
// each on its own port. A simulated registry reads one query line and answers in the shape of
// its real namesake's recorded answers (free, registered, reserved, throttled), under the
// registrar simulator's rule for which names are taken; a name whose first label starts with
// "reserved" is reserved. The simulated IANA answers "refer:" with a registry's real host name
// for the suffixes it simulates, and no object for any other, so a client must map the host
// names to the simulator's ports itself.
//
// Each server keeps the query lines it received, and can throttle a client that asks again
// sooner than a minimum interval. Faults are set per name.
#pragma once

#include <chrono>
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sim {

struct WhoisFault {
  bool close = false;                 // close the connection without a word
  bool silent = false;                // say nothing until the simulator stops
  bool reset = false;                 // send half the answer, then reset the connection
  std::optional<std::string> text{};  // answer these bytes instead
  std::chrono::milliseconds delay{0};
};

class WhoisSim {
 public:
  // The simulated registries' host names, and the suffixes each answers for.
  static const std::map<std::string, std::vector<std::string>> kServers;

  WhoisSim();  // starts every server; throws std::runtime_error
  ~WhoisSim();
  WhoisSim(const WhoisSim&) = delete;
  WhoisSim& operator=(const WhoisSim&) = delete;

  // "127.0.0.1:PORT" of whois.iana.org's stand-in, and of each registry's.
  std::string IanaAddress() const;
  std::string Address(const std::string& host) const;

  // Answers a client that asks this server again sooner than `interval` after its previous
  // query with the server's throttle text.
  void SetMinimumInterval(const std::string& host, std::chrono::milliseconds interval);
  // A fault for one name's queries, or for IANA's answer about a TLD as "iana:TLD".
  void SetFault(const std::string& name, WhoisFault fault);

  // The query lines a server received, without CR LF, in order ("" for IANA's stand-in: its
  // host is "whois.iana.org").
  // The last kKeptQueries questions a server was asked, oldest first.
  static constexpr std::size_t kKeptQueries = 65536;
  std::vector<std::string> Queries(const std::string& host) const;
  std::size_t Throttled(const std::string& host) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace sim
