#include "check/dns/Delegation.h"

#include <algorithm>
#include <cstdio>
#include <random>

#include "web/TcpQuery.h"

namespace check {
namespace {

constexpr std::chrono::milliseconds kStopCheck{250};
// A zone's servers that could not be found are looked for again after this long.
constexpr auto kZoneRetry = std::chrono::seconds(30);
// Enough of a zone's servers to spread the questions and survive one that is down.
constexpr std::size_t kMostServers = 6;
// A name's own servers asked for its sign: one, and another for a second try.
constexpr std::size_t kOwnServers = 2;
constexpr int kMostReferrals = 4;

bool IsAddress(const DnsRecord& record) {
  return record.type == std::uint16_t(DnsType::A) || record.type == std::uint16_t(DnsType::Aaaa);
}

std::string ParentOf(const std::string& name) {
  const std::size_t dot = name.find('.');
  return dot == std::string::npos ? "" : name.substr(dot + 1);
}

std::string KeyOf(const DnsServer& server) {
  return (server.ipv6 ? "[" + server.address + "]" : server.address) + ":" +
         std::to_string(server.port);
}

std::span<const unsigned char> Bytes(std::string_view text) {
  return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

// The answer to `query` and not a stray datagram: same id, a response, the same question (which
// a server copies, in any case).
bool Answers(std::string_view datagram, const std::string& query) {
  const auto header = ReadDnsHeaderFields(Bytes(datagram));
  const auto asked = ReadDnsHeaderFields(Bytes(query));
  if (!header || !asked || datagram.size() < query.size() || !header->response ||
      header->id != asked->id) {
    return false;
  }
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  for (std::size_t i = 12; i < query.size(); ++i) {
    if (lower(datagram[i]) != lower(query[i])) return false;
  }
  return true;
}

std::uint16_t IdOf(const std::string& query) {
  const auto header = ReadDnsHeaderFields(Bytes(query));
  return header ? header->id : 0;
}

// One question to one server: UDP, then TCP when the answer is cut short.
std::optional<DnsMessage> Exchange(const DnsServer& server, const std::string& query,
                                   std::chrono::milliseconds wait, std::stop_token stop,
                                   std::string& failure) {
  auto datagram = web::AskOverUdp(server.address, server.port, query, wait, stop,
                                  [&query](std::string_view got) { return Answers(got, query); });
  if (!datagram) {
    failure = datagram.error();
    return std::nullopt;
  }
  const auto read = [](const std::string& bytes) {
    return ReadDnsMessage(
        std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
  };
  std::optional<DnsMessage> message = read(datagram.value());
  if (message && message->truncated) {
    web::TcpLimits limits;
    limits.connect = wait;
    limits.whole = 2 * wait;
    limits.maxBytes = 2 + 65535;
    limits.textLine = false;
    limits.complete = [](std::string_view got) {
      return got.size() >= 2 && got.size() >= 2u + ((static_cast<unsigned char>(got[0]) << 8) |
                                                    static_cast<unsigned char>(got[1]));
    };
    const std::string framed =
        std::string{char(query.size() >> 8), char(query.size() & 0xFF)} + query;
    auto stream = web::AskOverTcp(server.address, server.port, framed, limits, stop);
    if (!stream) {
      failure = "the answer was cut short, and over TCP: " + stream.error();
      return std::nullopt;
    }
    message = read(stream.value().substr(2));
    if (message && (message->truncated || message->id != IdOf(query))) message.reset();
  }
  if (!message) failure = "a malformed DNS answer from " + server.address;
  return message;
}

}  // namespace

DelegationReading ReadDelegation(const DnsMessage& answer, const std::string& name,
                                 const std::string& zone) {
  DelegationReading reading;
  if (answer.rcode == kDnsNameError) {
    reading.reason = "the " + zone + " servers have no such name";
    return reading;
  }
  if (answer.rcode != kDnsNoError) {
    reading.kind = DelegationReading::Kind::Failed;
    reading.reason = "a server of " + zone + " answered with code " + std::to_string(answer.rcode);
    return reading;
  }
  const auto isNs = [](const DnsRecord& record) {
    return record.type == std::uint16_t(DnsType::Ns);
  };
  for (const auto* section : {&answer.answers, &answer.authority}) {
    for (const DnsRecord& record : *section) {
      if (isNs(record) && record.owner == name) reading.kind = DelegationReading::Kind::Delegated;
    }
  }
  // Else a zone cut between the zone asked and the name; the deepest one given counts.
  for (const DnsRecord& record : answer.authority) {
    if (reading.kind == DelegationReading::Kind::Delegated) break;
    if (isNs(record) && record.owner != zone && IsAtOrUnder(record.owner, zone) &&
        IsAtOrUnder(name, record.owner) && record.owner.size() > reading.zone.size()) {
      reading.kind = DelegationReading::Kind::Referral;
      reading.zone = record.owner;
    }
  }
  if (reading.kind == DelegationReading::Kind::NotProven) {
    reading.reason = "the " + zone + " servers do not delegate it";
    return reading;
  }
  const std::string& cut =
      reading.kind == DelegationReading::Kind::Delegated ? name : reading.zone;
  for (const auto* section : {&answer.answers, &answer.authority}) {
    for (const DnsRecord& record : *section) {
      if (isNs(record) && record.owner == cut &&
          std::find(reading.serverNames.begin(), reading.serverNames.end(), record.data) ==
              reading.serverNames.end()) {
        reading.serverNames.push_back(record.data);
      }
    }
  }
  for (const DnsRecord& record : answer.additional) {
    if (IsAddress(record) && std::find(reading.serverNames.begin(), reading.serverNames.end(),
                                       record.owner) != reading.serverNames.end()) {
      reading.glue.push_back(record);
    }
  }
  return reading;
}

struct DelegationCheck::Server {
  DnsServer address;
  std::string name;
  Pace pace;
  // Per zone: whether this server delegated a made-up name of it (a wildcard, or a lame or
  // hijacked server that refers every name to servers of its own). Under the check's mutex.
  std::map<std::string, bool, std::less<>> delegatesAnything;
};

struct DelegationCheck::Zone {
  std::string name;
  std::vector<Server*> servers;  // empty: not a zone of its own
  bool wildcard = false;
  std::string failure;  // the servers could not be found or asked
  Steady::time_point found;
};

DelegationCheck::DelegationCheck(DelegationSetup setup)
    : setup_(std::move(setup)), nextId_(static_cast<std::uint16_t>(std::random_device{}())) {
  if (setup_.resolver.empty()) {
    resolvers_ = SystemDnsServers();
  } else if (auto server = ParseDnsServer(setup_.resolver)) {
    resolvers_.push_back(std::move(*server));
  }
}

DelegationCheck::~DelegationCheck() = default;

std::optional<DnsMessage> DelegationCheck::AskResolver(const std::string& name, DnsType type,
                                                       std::stop_token stop) {
  for (const DnsServer& resolver : resolvers_) {
    const std::string query = BuildDnsQuery(name, type, nextId_.fetch_add(7919), true);
    if (query.empty()) return std::nullopt;
    std::string failure;
    if (auto answer = Exchange(resolver, query, setup_.tryTime, stop, failure)) return answer;
    if (stop.stop_requested()) break;
  }
  return std::nullopt;
}

DelegationCheck::Named DelegationCheck::AddressesOf(const std::vector<std::string>& names,
                                                    const std::vector<DnsRecord>& glue,
                                                    std::stop_token stop, std::size_t most) {
  Named found;
  std::vector<std::string> unglued;
  for (const std::string& name : names) {
    const auto record = std::find_if(glue.begin(), glue.end(), [&name](const DnsRecord& r) {
      return r.owner == name && r.type == std::uint16_t(DnsType::A);
    });
    if (record == glue.end()) {
      unglued.push_back(name);
    } else {
      found.addresses.push_back({record->data, false, 53});
      found.names.push_back(name);
    }
  }
  for (const std::string& name : unglued) {
    if (found.addresses.size() >= most || stop.stop_requested()) break;
    const auto answer = AskResolver(name, DnsType::A, stop);
    if (!answer) continue;
    for (const DnsRecord& record : answer->answers) {
      if (record.type == std::uint16_t(DnsType::A)) {
        found.addresses.push_back({record.data, false, 53});
        found.names.push_back(name);
        break;
      }
    }
  }
  // IPv6 only where a zone gives nothing else: many machines have no IPv6 route.
  if (found.addresses.empty()) {
    for (const DnsRecord& record : glue) {
      if (record.type != std::uint16_t(DnsType::Aaaa)) continue;
      found.addresses.push_back({record.data, true, 53});
      found.names.push_back(record.owner);
    }
  }
  if (found.addresses.size() > most) {
    found.addresses.resize(most);
    found.names.resize(most);
  }
  return found;
}

std::vector<DelegationCheck::Server*> DelegationCheck::ServersAt(
    const std::vector<DnsServer>& addresses, const std::vector<std::string>& names) {
  std::vector<Server*> servers;
  std::lock_guard lock(mutex_);
  for (std::size_t i = 0; i < addresses.size(); ++i) {
    const std::string key = KeyOf(addresses[i]);
    auto& server = servers_[key];
    if (!server) {
      server = std::make_unique<Server>();
      server->address = addresses[i];
      server->name = i < names.size() ? names[i] : addresses[i].address;
      server->pace = Pace(setup_.paces.For(key, Protocol::Dns));
    }
    servers.push_back(server.get());
  }
  return servers;
}

std::shared_ptr<const DelegationCheck::Zone> DelegationCheck::NewZone(
    const std::string& name, std::vector<DnsServer> addresses, std::vector<std::string> names,
    std::stop_token stop) {
  auto zone = std::make_shared<Zone>();
  zone->name = name;
  zone->found = Steady::now();
  zone->servers = ServersAt(addresses, names);
  if (zone->servers.empty()) {
    zone->failure = "no address for the " + name + " servers";
  } else if (const auto wildcard = HasWildcard(*zone, stop, zone->failure)) {
    zone->wildcard = *wildcard;
  }
  std::lock_guard lock(mutex_);
  zones_[name] = zone;
  return zone;
}

namespace {

// A name nobody would register under the zone: any delegation of it proves nothing.
std::string MadeUpName(const std::string& zone) {
  char label[24];
  std::snprintf(label, sizeof label, "brelka-probe-%08x", unsigned(std::random_device{}()));
  return std::string(label) + "." + zone;
}

}  // namespace

std::optional<bool> DelegationCheck::Probe(Server& server, const std::string& zone,
                                           std::stop_token stop, std::string& failure) {
  {
    std::lock_guard lock(mutex_);
    if (const auto known = server.delegatesAnything.find(zone);
        known != server.delegatesAnything.end()) {
      return known->second;
    }
  }
  const std::string probe = MadeUpName(zone);
  const auto answer = AskServer({&server}, nullptr, probe, DnsType::Ns, stop, failure);
  if (!answer) return std::nullopt;
  const DelegationReading reading = ReadDelegation(*answer, probe, zone);
  if (reading.kind == DelegationReading::Kind::Failed) {
    failure = reading.reason;
    return std::nullopt;
  }
  const bool delegates = reading.kind != DelegationReading::Kind::NotProven;
  std::lock_guard lock(mutex_);
  server.delegatesAnything.emplace(zone, delegates);
  return delegates;
}

std::optional<bool> DelegationCheck::HasWildcard(const Zone& zone, std::stop_token stop,
                                                 std::string& failure) {
  std::string why;
  for (std::size_t i = 0; i < std::min<std::size_t>(2, zone.servers.size()); ++i) {
    if (const auto delegates = Probe(*zone.servers[i], zone.name, stop, why)) return *delegates;
  }
  failure = "the " + zone.name + " servers did not answer: " + why;
  return std::nullopt;
}

std::shared_ptr<const DelegationCheck::Zone> DelegationCheck::ZoneFor(const std::string& name,
                                                                      std::stop_token stop) {
  const auto cached = [&]() -> std::shared_ptr<const Zone> {
    std::lock_guard lock(mutex_);
    const auto found = zones_.find(name);
    if (found == zones_.end()) return nullptr;
    const Zone& zone = *found->second;
    if (!zone.failure.empty() && Steady::now() - zone.found > kZoneRetry) return nullptr;
    return found->second;
  };
  if (auto zone = cached()) return zone;
  std::lock_guard lookingUp(lookUp_);
  if (auto zone = cached()) return zone;
  if (const auto given = setup_.zoneServers.find(name); given != setup_.zoneServers.end()) {
    return NewZone(name, given->second, {}, stop);
  }
  const auto answer = AskResolver(name, DnsType::Ns, stop);
  auto zone = std::make_shared<Zone>();
  zone->name = name;
  zone->found = Steady::now();
  if (!answer || (answer->rcode != kDnsNoError && answer->rcode != kDnsNameError)) {
    zone->failure = "the resolver could not name the " + name + " servers";
  } else {
    std::vector<std::string> names;
    for (const DnsRecord& record : answer->answers) {
      if (record.type == std::uint16_t(DnsType::Ns) && record.owner == name) {
        names.push_back(record.data);
      }
    }
    if (!names.empty()) {
      std::shuffle(names.begin(), names.end(), std::mt19937(std::random_device{}()));
      Named servers = AddressesOf(names, answer->additional, stop, kMostServers);
      return NewZone(name, std::move(servers.addresses), std::move(servers.names), stop);
    }
  }
  std::lock_guard lock(mutex_);
  zones_[name] = zone;
  return zone;
}

std::shared_ptr<const DelegationCheck::Zone> DelegationCheck::ZoneFromReferral(
    const DelegationReading& referral, std::stop_token stop) {
  {
    std::lock_guard lock(mutex_);
    const auto found = zones_.find(referral.zone);
    if (found != zones_.end() && found->second->failure.empty()) return found->second;
  }
  if (setup_.zoneServers.contains(referral.zone)) return ZoneFor(referral.zone, stop);
  std::lock_guard lookingUp(lookUp_);
  Named servers = AddressesOf(referral.serverNames, referral.glue, stop, kMostServers);
  return NewZone(referral.zone, std::move(servers.addresses), std::move(servers.names), stop);
}

std::optional<DnsMessage> DelegationCheck::AskServer(const std::vector<Server*>& servers,
                                                     const Server* besides, const std::string& name,
                                                     DnsType type, std::stop_token stop,
                                                     std::string& failure, Server** asked) {
  // The server whose pace lets it be asked soonest, so the questions spread over them all.
  Server* server = nullptr;
  {
    std::unique_lock lock(mutex_);
    for (;;) {
      if (stop.stop_requested()) {
        failure = "stopped";
        return std::nullopt;
      }
      const auto now = Steady::now();
      auto soonest = Steady::time_point::max();
      const std::size_t turn = turn_.fetch_add(1);
      for (std::size_t k = 0; k < servers.size(); ++k) {
        Server* candidate = servers[(turn + k) % servers.size()];
        if (candidate == besides && servers.size() > 1) continue;
        const auto start = candidate->pace.NextStart(now);
        if (start < soonest) {
          soonest = start;
          server = candidate;
        }
      }
      if (server && soonest <= now) {
        server->pace.Started(now);
        break;
      }
      ready_.wait_until(lock, std::min(soonest, now + kStopCheck));
    }
  }
  if (asked) *asked = server;
  const std::string query = BuildDnsQuery(name, type, nextId_.fetch_add(7919), false);
  ++queries_;
  std::optional<DnsMessage> answer;
  if (query.empty()) {
    failure = "not a name DNS can hold: " + name;
  } else {
    answer = Exchange(server->address, query, setup_.tryTime, stop, failure);
  }
  std::lock_guard lock(mutex_);
  if (answer) {
    server->pace.Answered(Steady::now());
  } else {
    server->pace.Ended();
  }
  ready_.notify_all();
  return answer;
}

std::optional<DelegationCheck::Proof> DelegationCheck::Prove(const std::string& aLabel,
                                                             std::stop_token stop,
                                                             std::string* why) {
  const auto notProven = [why](std::string reason) -> std::optional<Proof> {
    if (why) *why = std::move(reason);
    return std::nullopt;
  };
  // The deepest zone above the name whose servers are known (com.cn, once the cn servers have
  // referred a name to it), else its TLD's; referrals lead on from there.
  std::shared_ptr<const Zone> zone;
  {
    std::lock_guard lock(mutex_);
    for (std::string name = ParentOf(aLabel); !name.empty() && !zone; name = ParentOf(name)) {
      const auto found = zones_.find(name);
      if (found != zones_.end() && found->second->failure.empty() &&
          !found->second->servers.empty()) {
        zone = found->second;
      }
    }
  }
  if (!zone) zone = ZoneFor(aLabel.substr(aLabel.rfind('.') + 1), stop);
  for (int referrals = 0; zone && referrals <= kMostReferrals; ++referrals) {
    if (!zone->failure.empty()) return notProven(zone->failure);
    if (zone->wildcard) return notProven("the " + zone->name + " zone has a wildcard");
    if (zone->servers.empty()) return notProven("no servers for " + zone->name);
    // A second try goes to another server.
    std::string failure;
    std::optional<DelegationReading> reading;
    Server* asked = nullptr;
    for (int attempt = 0; attempt < 2; ++attempt) {
      const auto answer =
          AskServer(zone->servers, asked, aLabel, DnsType::Ns, stop, failure, &asked);
      if (!answer) continue;
      reading = ReadDelegation(*answer, aLabel, zone->name);
      if (reading->kind != DelegationReading::Kind::Failed) break;
      failure = reading->reason;
      reading.reset();
    }
    if (!reading) return notProven(failure);
    // A delegation or referral counts only from a server that delegates no made-up name.
    if (reading->kind != DelegationReading::Kind::NotProven) {
      const auto delegatesAnything = Probe(*asked, zone->name, stop, failure);
      if (!delegatesAnything) return notProven(failure);
      if (*delegatesAnything) {
        return notProven(asked->name + " delegates made-up names of " + zone->name + " too");
      }
    }
    switch (reading->kind) {
      case DelegationReading::Kind::Delegated:
        return Proof{asked->name, zone->name, std::move(reading->serverNames),
                     std::move(reading->glue)};
      case DelegationReading::Kind::Referral:
        zone = ZoneFromReferral(*reading, stop);
        continue;
      case DelegationReading::Kind::NotProven:
      case DelegationReading::Kind::Failed:
        return notProven(reading->reason);
    }
  }
  return notProven("no zone found for " + aLabel);
}

ForSaleReading DelegationCheck::ReadForSale(const Proof& proof, const std::string& aLabel,
                                           std::stop_token stop) {
  std::vector<Server*> servers;
  if (!setup_.ownServers.empty()) {
    servers = ServersAt(setup_.ownServers, {});
  } else {
    const Named named = AddressesOf(proof.serverNames, proof.glue, stop, kOwnServers);
    servers = ServersAt(named.addresses, named.names);
  }
  if (servers.empty()) return {.failure = "no address for the name's own servers"};
  ForSaleReading reading{.failure = "no answer"};
  Server* asked = nullptr;
  for (int attempt = 0; attempt < 2 && !reading.failure.empty(); ++attempt) {
    std::string failure;
    const auto answer =
        AskServer(servers, asked, ForSaleOwner(aLabel), DnsType::Txt, stop, failure, &asked);
    reading = answer ? check::ReadForSale(*answer, aLabel)
                     : ForSaleReading{.failure = "the name's servers did not answer: " + failure};
  }
  return reading;
}

}  // namespace check
