#include "sim/ZoneSim.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "sim/AsciiCase.h"
#include "sim/RdapSim.h"
#include "sim/Sockets.h"

namespace sim {
namespace {

bool IsAtOrUnder(const std::string& name, const std::string& zone) {
  return name == zone || (name.size() > zone.size() && name.ends_with("." + zone));
}

// The name in labels, uncompressed.
std::string Wire(const std::string& name) {
  std::string wire;
  std::size_t start = 0;
  while (start < name.size()) {
    std::size_t end = name.find('.', start);
    if (end == std::string::npos) end = name.size();
    wire += static_cast<char>(end - start);
    wire += name.substr(start, end - start);
    start = end + 1;
  }
  return wire + '\0';
}

std::string U16(unsigned value) {
  return {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
}

std::string Record(const std::string& owner, unsigned type, const std::string& data) {
  return Wire(owner) + U16(type) + U16(1) + U16(0) + U16(3600) + U16(data.size()) + data;
}

std::string NsRecord(const std::string& owner, const std::string& server) {
  return Record(owner, 2, Wire(server));
}

std::string GlueRecord(const std::string& server) {
  return Record(server, 1, std::string("\x7F\x00\x00\x01", 4));
}

struct Question {
  std::string id;  // two bytes, as sent
  std::string name;
  unsigned type = 0;
  std::string wire;  // the question section as sent
};

bool ReadQuestion(const std::string& query, Question& question) {
  if (query.size() < 12 || (query[2] & 0x80) != 0 || query[5] != 1) return false;
  std::size_t at = 12;
  while (at < query.size() && query[at] != 0) {
    const std::size_t length = static_cast<unsigned char>(query[at]);
    if (length > 63 || at + 1 + length >= query.size()) return false;
    if (!question.name.empty()) question.name += '.';
    question.name += query.substr(at + 1, length);
    at += 1 + length;
  }
  if (at + 5 > query.size()) return false;
  question.id = query.substr(0, 2);
  question.name = Lower(question.name);
  question.type =
      (static_cast<unsigned char>(query[at + 1]) << 8) | static_cast<unsigned char>(query[at + 2]);
  question.wire = query.substr(12, at + 5 - 12);
  return true;
}

}  // namespace

struct ZoneSim::Impl {
  struct Server {
    std::string zone;
    std::size_t index = 0;  // among the zone's servers
    std::uint16_t port = 0;
    socket_t udp = INVALID_SOCKET;
    socket_t tcp = INVALID_SOCKET;
  };

  std::vector<std::string> zones;
  std::vector<Server> servers;
  web::StopSignal stop;
  std::thread thread;
  mutable std::mutex mutex;
  std::function<bool(const std::string&)> delegated = [](const std::string& name) {
    // Names on hold, and names their registry is deleting, are out of the zone.
    const RdapSim::Life life = RdapSim::LifeOf(name);
    return RdapSim::IsRegistered(name) && life != RdapSim::Life::Hold &&
           life != RdapSim::Life::Redemption && life != RdapSim::Life::PendingDelete;
  };
  std::vector<std::string> wildcards;
  std::vector<std::string> lame;
  std::map<std::string, DnsFault> faults;
  std::map<std::string, std::vector<std::vector<std::string>>> txt;
  std::map<std::string, std::size_t> asked;
  std::atomic<std::size_t> queries{0};
  std::atomic<std::size_t> tcpQueries{0};

  // The answer of `server` to `query`; empty: none.
  std::string Answer(const Server& server, const std::string& query, bool overTcp) {
    Question question;
    if (!ReadQuestion(query, question)) return "";
    const std::string& zone = server.zone;
    std::lock_guard lock(mutex);
    ++asked[question.name];
    const auto header = [&](unsigned flags, int answers, int authority, int additional) {
      return question.id + U16(0x8000 | flags) + U16(1) + U16(answers) + U16(authority) +
             U16(additional) + question.wire;
    };
    if (const auto fault = faults.find(question.name);
        fault != faults.end() && (!fault->second.firstServerOnly || server.index == 0)) {
      if (fault->second.drop) return "";
      if (fault->second.rcode != 0) return header(unsigned(fault->second.rcode), 0, 0, 0);
      if (fault->second.truncate && !overTcp) return header(0x0200, 0, 0, 0);
    }
    const auto referral = [&](const std::string& child) {
      const std::string a = "a.ns." + child;
      const std::string b = "b.ns." + child;
      return header(0, 0, 2, 2) + NsRecord(child, a) + NsRecord(child, b) + GlueRecord(a) +
             GlueRecord(b);
    };
    if (question.type == 16) {
      const auto found = txt.find(question.name);
      if (found == txt.end()) return header(0x0400 | 3, 0, 0, 0);
      std::string records;
      for (const std::vector<std::string>& strings : found->second) {
        std::string data;
        for (const std::string& text : strings) data += static_cast<char>(text.size()) + text;
        records += Record(question.name, 16, data);
      }
      return header(0x0400, int(found->second.size()), 0, 0) + records;
    }
    if (question.name == zone) {
      return header(0x0400, 2, 0, 0) + NsRecord(zone, "a.ns." + zone) +
             NsRecord(zone, "b.ns." + zone);
    }
    if (!IsAtOrUnder(question.name, zone)) return header(5, 0, 0, 0);
    if (server.index == 1 && std::find(lame.begin(), lame.end(), zone) != lame.end()) {
      return referral(question.name);
    }
    std::string below;
    for (const std::string& other : zones) {
      if (other != zone && IsAtOrUnder(other, zone) && IsAtOrUnder(question.name, other) &&
          other.size() > below.size()) {
        below = other;
      }
    }
    if (!below.empty()) return referral(below);
    const std::string rest = question.name.substr(0, question.name.size() - zone.size() - 1);
    const std::string child = rest.substr(rest.rfind('.') + 1) + "." + zone;
    if (std::find(wildcards.begin(), wildcards.end(), zone) != wildcards.end()) {
      return header(0x0400, 1, 0, 0) + NsRecord(question.name, "a.ns." + zone);
    }
    if (delegated(child)) return referral(child);
    std::string soa = Wire("a.ns." + zone) + Wire("hostmaster.ns." + zone) + U16(0x7870) +
                      U16(0x0101) + std::string(16, '\0');
    return header(0x0400 | 3, 0, 1, 0) + Record(zone, 6, soa);
  }

  void Serve() {
    std::vector<web::PollEntry> entries(1 + 2 * servers.size());
    entries[0].fd = stop.Handle();
    for (std::size_t i = 0; i < servers.size(); ++i) {
      entries[1 + 2 * i].fd = servers[i].udp;
      entries[2 + 2 * i].fd = servers[i].tcp;
    }
    char buffer[4096];
    for (;;) {
      for (web::PollEntry& entry : entries) entry.events = POLLIN, entry.revents = 0;
      if (web::PollSockets(entries.data(), unsigned(entries.size()), -1) < 0 ||
          entries[0].revents != 0) {
        return;
      }
      for (std::size_t i = 0; i < servers.size(); ++i) {
        if ((entries[1 + 2 * i].revents & POLLIN) != 0) {
          sockaddr_storage from{};
          socklen_t fromLength = sizeof from;
          const auto n = ::recvfrom(servers[i].udp, buffer, static_cast<int>(sizeof buffer), 0,
                                    reinterpret_cast<sockaddr*>(&from), &fromLength);
          if (n <= 0) continue;
          ++queries;
          const std::string reply = Answer(servers[i], std::string(buffer, size_t(n)), false);
          if (!reply.empty()) {
            (void)::sendto(servers[i].udp, reply.data(), static_cast<int>(reply.size()), 0,
                           reinterpret_cast<sockaddr*>(&from), fromLength);
          }
        }
        if ((entries[2 + 2 * i].revents & POLLIN) != 0) ServeTcp(servers[i]);
      }
    }
  }

  // One framed question on one connection, read within a second; then the connection ends.
  void ServeTcp(const Server& server) {
    const socket_t connection = ::accept(server.tcp, nullptr, nullptr);
    if (connection == INVALID_SOCKET) return;
    std::string query;
    char buffer[1024];
    for (;;) {
      web::PollEntry entry{};
      entry.fd = connection;
      entry.events = POLLIN;
      if (web::PollSockets(&entry, 1, 1000) <= 0) break;
      const long n = web::ReceiveSome(connection, buffer, sizeof buffer);
      if (n <= 0) break;
      query.append(buffer, std::size_t(n));
      if (query.size() >= 2 && query.size() >= 2u + ((static_cast<unsigned char>(query[0]) << 8) |
                                                     static_cast<unsigned char>(query[1]))) {
        ++queries;
        ++tcpQueries;
        const std::string reply = Answer(server, query.substr(2), true);
        if (!reply.empty()) {
          const std::string framed = U16(reply.size()) + reply;
          (void)web::SendSome(connection, framed.data(), framed.size());
        }
        break;
      }
    }
    web::CloseSocket(connection);
  }
};

ZoneSim::ZoneSim(std::vector<std::string> zones, std::size_t perZone)
    : impl_(std::make_unique<Impl>()) {
  impl_->zones = std::move(zones);
  for (const std::string& zone : impl_->zones) {
    for (std::size_t i = 0; i < perZone; ++i) {
      Impl::Server server;
      server.zone = zone;
      server.index = i;
      // The TCP listener's free port, then UDP on the same; another port if UDP's is taken.
      for (int attempt = 0; attempt < 20 && server.udp == INVALID_SOCKET; ++attempt) {
        if (server.tcp != INVALID_SOCKET) web::CloseSocket(server.tcp, true);
        server.tcp = OpenLoopbackTcp(server.port);
        if (server.tcp != INVALID_SOCKET) server.udp = OpenLoopbackUdpAt(server.port);
      }
      if (server.udp == INVALID_SOCKET) {
        for (Impl::Server& started : impl_->servers) {
          web::CloseSocket(started.udp, true);
          web::CloseSocket(started.tcp, true);
        }
        if (server.tcp != INVALID_SOCKET) web::CloseSocket(server.tcp, true);
        throw std::runtime_error("cannot open the simulated name servers' sockets");
      }
      impl_->servers.push_back(server);
    }
  }
  impl_->thread = std::thread([impl = impl_.get()] { impl->Serve(); });
}

ZoneSim::~ZoneSim() {
  impl_->stop.Fire();
  impl_->thread.join();
  for (Impl::Server& server : impl_->servers) {
    web::CloseSocket(server.udp, true);
    web::CloseSocket(server.tcp, true);
  }
}

std::vector<std::string> ZoneSim::Servers(const std::string& zone) const {
  std::vector<std::string> found;
  for (const Impl::Server& server : impl_->servers) {
    if (server.zone == zone) found.push_back("127.0.0.1:" + std::to_string(server.port));
  }
  return found;
}

const std::vector<std::string>& ZoneSim::Zones() const {
  return impl_->zones;
}

void ZoneSim::SetDelegated(std::function<bool(const std::string&)> rule) {
  std::lock_guard lock(impl_->mutex);
  impl_->delegated = std::move(rule);
}

void ZoneSim::SetWildcard(const std::string& zone) {
  std::lock_guard lock(impl_->mutex);
  impl_->wildcards.push_back(zone);
}

void ZoneSim::SetLame(const std::string& zone) {
  std::lock_guard lock(impl_->mutex);
  impl_->lame.push_back(zone);
}

void ZoneSim::SetFault(const std::string& name, DnsFault fault) {
  std::lock_guard lock(impl_->mutex);
  impl_->faults[name] = fault;
}

void ZoneSim::SetTxt(const std::string& owner, std::vector<std::vector<std::string>> records) {
  std::lock_guard lock(impl_->mutex);
  impl_->txt[owner] = std::move(records);
}

std::size_t ZoneSim::Queries() const {
  return impl_->queries.load();
}

std::size_t ZoneSim::TcpQueries() const {
  return impl_->tcpQueries.load();
}

std::size_t ZoneSim::QueriesFor(const std::string& name) const {
  std::lock_guard lock(impl_->mutex);
  const auto found = impl_->asked.find(name);
  return found == impl_->asked.end() ? 0 : found->second;
}

}  // namespace sim
