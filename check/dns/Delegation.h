// The cheapest proof that a name is registered: its zone's own name servers delegate it. A
// registry publishes NS records only for names it has registered, so a referral (or an NS
// answer) for the very name asked, from a server of the zone that holds it and that delegates
// no made-up name of that zone (asked once per server), is proof. Nothing
// else is: a name on hold, in redemption or registered without servers is absent from DNS, so
// absence, a failure or a wildcard's records prove nothing and the name goes on to its
// registry.
//
// The question for the name goes without recursion to its TLD's servers, found once through a
// recursive resolver (the system's, or one of the user's choosing) or given by the user. A
// referral to a zone between the TLD and the name (the cn servers pointing to com.cn) is
// followed, and that zone remembered, so that later names go to its servers straight away.
// Questions are spread over a zone's servers at each server's pace (Pace.h, protocol Dns),
// retried once on another server, and sent again over TCP when an answer is cut short. Each
// wait is bounded; safe to use from many threads at once.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "check/Pace.h"
#include "check/dns/DnsMessage.h"
#include "check/dns/DnsServer.h"
#include "check/dns/ForSale.h"

namespace check {

struct DelegationSetup {
  // The recursive resolver that finds a zone's servers: one of the user's choosing
  // (ADDRESS[:PORT]), or "" for the system's.
  std::string resolver;
  // Servers of the user's choosing for a zone, asked instead of those its NS records name.
  std::map<std::string, std::vector<DnsServer>, std::less<>> zoneServers;
  // Servers asked for the records at every name itself (its for-sale sign) instead of those its
  // delegation names: the simulators' in tests and the demo; empty for the real ones.
  std::vector<DnsServer> ownServers;
  std::chrono::milliseconds tryTime{2000};
  PaceTable paces = PaceTable::BuiltIn();
};

// What one server's answer says about the name asked.
struct DelegationReading {
  enum class Kind {
    Delegated,  // NS records owned by the name itself
    Referral,   // to `zone`, between the zone asked and the name: ask its servers
    NotProven,  // NXDOMAIN, no data, a referral elsewhere: the registry must say
    Failed,     // the server's failure (SERVFAIL, REFUSED...): another server may answer
  };
  Kind kind = Kind::NotProven;
  std::string zone;                      // Referral
  std::vector<std::string> serverNames;  // Delegated, Referral: the NS names
  std::vector<DnsRecord> glue;           // Delegated, Referral: their addresses given beside them
  std::string reason;                    // NotProven, Failed
};

// Reads the answer of a server of `zone` to the NS question for `name`.
DelegationReading ReadDelegation(const DnsMessage& answer, const std::string& name,
                                 const std::string& zone);

class DelegationCheck {
 public:
  explicit DelegationCheck(DelegationSetup setup);
  ~DelegationCheck();

  struct Proof {
    std::string server;  // the name (or address) of the server that delegates the name
    std::string zone;
    // The name's own servers, as the delegation names them, and the addresses given beside.
    std::vector<std::string> serverNames;
    std::vector<DnsRecord> glue;
  };
  // A proof, or nothing (with `why` saying why not, for tests and logs). Blocks for a few
  // bounded waits.
  std::optional<Proof> Prove(const std::string& aLabel, std::stop_token stop,
                             std::string* why = nullptr);

  // The for-sale sign (ForSale.h) at a name proven delegated, asked of its own servers at
  // their pace, a second time of another; a failure says why none could be read.
  ForSaleReading ReadForSale(const Proof& proof, const std::string& aLabel, std::stop_token stop);

  // Questions sent to authoritative servers so far (for benchmarks).
  std::size_t Queries() const { return queries_.load(); }

 private:
  struct Server;
  struct Zone;
  std::shared_ptr<const Zone> ZoneFor(const std::string& zone, std::stop_token stop);
  std::shared_ptr<const Zone> ZoneFromReferral(const DelegationReading& referral,
                                               std::stop_token stop);
  // The servers at these addresses, each known once with its pace.
  std::vector<Server*> ServersAt(const std::vector<DnsServer>& addresses,
                                 const std::vector<std::string>& names);
  std::shared_ptr<const Zone> NewZone(const std::string& name, std::vector<DnsServer> servers,
                                      std::vector<std::string> names, std::stop_token stop);
  std::optional<DnsMessage> AskResolver(const std::string& name, DnsType type,
                                        std::stop_token stop);
  // The addresses of up to `most` of a zone's servers (glue first, else the resolver's), with
  // their names.
  struct Named {
    std::vector<DnsServer> addresses;
    std::vector<std::string> names;
  };
  Named AddressesOf(const std::vector<std::string>& names, const std::vector<DnsRecord>& glue,
                    std::stop_token stop, std::size_t most);
  // One question to the first of `servers` (other than `besides`, when there is another) that
  // its pace lets start; `asked` is set to it.
  std::optional<DnsMessage> AskServer(const std::vector<Server*>& servers, const Server* besides,
                                      const std::string& name, DnsType type, std::stop_token stop,
                                      std::string& failure, Server** asked = nullptr);
  // Whether the server delegates a made-up name of the zone, asked once per server and zone;
  // nothing, with `failure` set, when it does not answer.
  std::optional<bool> Probe(Server& server, const std::string& zone, std::stop_token stop,
                            std::string& failure);
  // Nothing, with `failure` set, when the zone's servers do not answer.
  std::optional<bool> HasWildcard(const Zone& zone, std::stop_token stop, std::string& failure);

  DelegationSetup setup_;
  std::vector<DnsServer> resolvers_;
  std::mutex mutex_;               // the zones and the servers' paces
  std::condition_variable ready_;  // a server's question ended
  std::map<std::string, std::shared_ptr<const Zone>, std::less<>> zones_;
  std::map<std::string, std::unique_ptr<Server>, std::less<>> servers_;
  std::mutex lookUp_;  // one zone's servers are looked up at a time
  std::atomic<std::size_t> queries_{0};
  std::atomic<std::uint16_t> nextId_;
  std::atomic<std::size_t> turn_{0};
};

}  // namespace check
