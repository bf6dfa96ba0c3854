// Stand-ins for the TLDs' authoritative name servers, on 127.0.0.1 only. Each zone has servers
// of its own (UDP and TCP on the same port, as DNS serves), which answer a question for the NS
// records of a name without recursion, as a TLD's servers do: a referral (NS records in the
// authority section, their addresses beside them) for a delegated name, or for a zone below
// the zone asked (the cn servers point to com.cn); NXDOMAIN with the zone's SOA for any other
// name; the zone's own NS records for the zone itself.
//
// A name is delegated when the registries' simulators hold it (RdapSim::IsRegistered) and it
// does not contain "hold" (registered, but on hold and absent from DNS, as a registry keeps
// such a name). Faults are set per name; every question is counted.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sim {

struct DnsFault {
  bool drop = false;      // no answer at all
  int rcode = 0;          // SERVFAIL (2), REFUSED (5)...: an answer with this code and nothing else
  bool truncate = false;  // over UDP, an empty answer with TC set; the whole answer over TCP
  bool firstServerOnly = false;  // the fault holds at the zone's first server alone
};

class ZoneSim {
 public:
  // Starts `perZone` servers for each zone; throws std::runtime_error.
  explicit ZoneSim(std::vector<std::string> zones, std::size_t perZone = 2);
  ~ZoneSim();
  ZoneSim(const ZoneSim&) = delete;
  ZoneSim& operator=(const ZoneSim&) = delete;

  // "127.0.0.1:PORT" of each of the zone's servers.
  std::vector<std::string> Servers(const std::string& zone) const;
  const std::vector<std::string>& Zones() const;

  // Which names are delegated, instead of the rule above.
  void SetDelegated(std::function<bool(const std::string& name)> rule);
  // The zone answers every name below it with NS records of its own (a wildcard).
  void SetWildcard(const std::string& zone);
  // The zone's second server refers every name below the zone to servers of its own, as a
  // lame or hijacked server may; the first answers truly.
  void SetLame(const std::string& zone);
  void SetFault(const std::string& name, DnsFault fault);
  // Every server also answers TXT questions as a name's own servers would, with authority:
  // these records at `owner` (each record its character-strings, sent as they stand), or no
  // such name.
  void SetTxt(const std::string& owner, std::vector<std::vector<std::string>> records);

  // Questions received, over UDP and TCP; by the name asked.
  std::size_t Queries() const;
  std::size_t TcpQueries() const;
  std::size_t QueriesFor(const std::string& name) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace sim
