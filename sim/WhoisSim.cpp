#include "sim/WhoisSim.h"

#include <algorithm>
#include <functional>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>

#include "sim/AsciiCase.h"
#include "sim/BoundedLog.h"
#include "sim/RdapSim.h"
#include "sim/Sockets.h"

namespace sim {

const std::map<std::string, std::vector<std::string>> WhoisSim::kServers = {
    {"whois.cnnic.cn", {"cn", "com.cn", "net.cn", "org.cn", "xn--fiqs8s"}},
    {"whois.denic.de", {"de"}},
    {"whois.eu", {"eu"}},
    {"whois.jprs.jp", {"jp"}},
    {"whois.registry.co", {"co", "com.co", "net.co", "nom.co"}},
    {"whois.nic.me", {"me"}},
    {"whois.iis.se", {"se"}},
    {"whois.domain-registry.nl", {"nl"}},
    // The servers in the common format of the registry agreements.
    {"whois.nic.us", {"us"}},
    {"whois.nic.biz", {"biz"}},
    {"whois.nic.asia", {"asia"}},
    {"whois.identitydigital.services", {"bz", "mobi"}},
    {"whois.cira.ca", {"ca"}},
    {"whois.mx", {"mx", "com.mx"}},
    {"whois.website.ws", {"ws"}},
    {"whois.nixiregistry.in", {"in"}},
};

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kIana = "whois.iana.org";

bool Reserved(const std::string& name) {
  return name.starts_with("reserved");
}

// The name a server's query line asks about: DENIC's "-T dn,ace NAME", JPRS's "NAME/e".
std::string NameOf(const std::string& host, std::string query) {
  if (host == "whois.denic.de") {
    if (!query.starts_with("-T dn,ace ")) return "";
    query = query.substr(10);
  }
  if (host == "whois.jprs.jp" && query.ends_with("/e")) query.resize(query.size() - 2);
  return Lower(query);
}

// Answers in the shapes of the servers' recorded answers.
std::string Answer(const std::string& host, const std::string& name, bool throttled) {
  const bool taken = RdapSim::IsRegistered(name);
  if (host == "whois.cnnic.cn") {
    if (throttled) return "Queried interval is too short.\r\n";
    if (Reserved(name)) return "The domain you requested is prohibited.\r\n";
    if (!taken) return "No matching record.\r\n";
    return "Domain Name: " + name +
           "\r\nROID: 20030311s10001s00000001-cn\r\n"
           "Domain Status: ok\r\nSponsoring Registrar: Simulated Registrar Ltd\r\n"
           "Registration Time: 2003-03-17 12:20:05\r\nExpiration Time: 2030-03-17 12:48:36\r\n"
           "DNSSEC: unsigned\r\n";
  }
  if (host == "whois.denic.de") {
    if (throttled)
      return "% Error: 55000000002 Connection refused; access control limit reached.\n\n\n";
    if (name.empty()) return "% Error: 55000000010 unexpected query\n";
    if (!taken) return "Domain: " + name + "\nStatus: free\n";
    return "% Restricted rights.\n\nDomain: " + name +
           "\nNserver: ns1.example.net\nNserver: ns2.example.net\nStatus: connect\n"
           "Changed: 2018-03-12T21:44:25+01:00\n";
  }
  if (host == "whois.eu") {
    const std::string banner = "% The WHOIS service offered by EURid\n%\n% WHOIS " + name + "\n";
    if (throttled) return banner + "-1: Still in grace period, wait 7777777 seconds\n";
    if (!taken) return banner + "Domain: " + name + "\nStatus: AVAILABLE\n";
    return banner + "Domain: " + name +
           "\n\nRegistrant:\n        NOT DISCLOSED!\n\nRegistrar:\n        Name: Simulated "
           "Registrar Ltd\n        Website: https://registrar.example/\n";
  }
  if (host == "whois.iis.se") {
    if (!taken)
      return "# This whois printout is printed with UTF-8 encoding.\n#\ndomain \"" + name +
             "\" not found.\n";
    return "state:            active\ndomain:           " + name +
           "\nexpires:          2030-10-20\nregistrar:        Simulated Registrar Ltd\n";
  }
  if (host == "whois.domain-registry.nl") {
    if (throttled)
      return "maximum number of requests per second exceeded, only 1 request per second allowed\n";
    if (!taken) return name + " is free\n";
    return "Domain name: " + name +
           "\nStatus:      active\n\nRegistrar:\n   Simulated Registrar Ltd\n";
  }
  if (host != "whois.jprs.jp") {
    const std::string free = host == "whois.registry.co" ? "No Data Found\n"
                             : host == "whois.nic.me"    ? "NOT FOUND\n"
                                                         : "Domain not found.\n";
    if (!taken) return free + ">>> Last update of WHOIS database: 2026-01-01T00:00:00Z <<<\n";
    return "Domain Name: " + Upper(name) +
           "\nRegistry Domain ID: D1-SIM\nRegistry Expiry Date: 2030-09-03T08:40:13Z\n"
           "Registrar: Simulated Registrar Ltd\nDomain Status: ok https://icann.org/epp#ok\n";
  }
  const std::string banner =
      "[ JPRS database provides information on network administration. Its use is    ]\n\n";
  if (Reserved(name)) {
    return banner + "Domain Information:\n[Domain Name]                   " + Upper(name) +
           "\n\n[Status]                        Reserved\n";
  }
  if (!taken) return banner + "No match!!\n\nWith JPRS WHOIS, you can query the following\n";
  return banner + "Domain Information:\n[Domain Name]                   " + Upper(name) +
         "\n\n[Registrant]                    Simulated Holder\n\n[Expires on]                    "
         "2030/05/31\n[Status]                        Active\n";
}

std::string IanaAnswer(const std::string& tld) {
  std::string out =
      "% IANA WHOIS server\n% for more information on IANA, visit http://www.iana.org\n";
  for (const auto& [host, suffixes] : WhoisSim::kServers) {
    if (std::find(suffixes.begin(), suffixes.end(), tld) != suffixes.end()) {
      return out + "% This query returned 1 object\n\nrefer:        " + host +
             "\n\ndomain:       " + Upper(tld) + "\n\nwhois:        " + host +
             "\n\nstatus:       ACTIVE\n";
    }
  }
  return out + "% This query returned 0 objects.\n";
}

}  // namespace

struct WhoisSim::Impl {
  struct Server {
    std::string host;
    socket_t listener = INVALID_SOCKET;
    std::uint16_t port = 0;
    BoundedLog<std::string> queries{WhoisSim::kKeptQueries};
    std::size_t throttled = 0;
    std::chrono::milliseconds interval{0};
    Clock::time_point last{};
  };

  web::StopSignal stop;
  mutable std::mutex mutex;
  std::map<std::string, Server> servers;  // by host, IANA's stand-in included
  std::map<std::string, WhoisFault> faults;
  std::vector<std::thread> threads;
  std::vector<socket_t> held;  // connections of silent faults

  void Listen(Server& server);
  void Serve(Server& server, socket_t client);
  // Reads the query line; empty when the client sends none in time.
  std::optional<std::string> ReadLine(socket_t client);
  void Send(socket_t client, const std::string& text);
};

std::optional<std::string> WhoisSim::Impl::ReadLine(socket_t client) {
  std::string line;
  char buffer[512];
  while (line.find('\n') == std::string::npos && line.size() < 4096) {
    web::PollEntry entries[2] = {};
    entries[0].fd = stop.Handle();
    entries[0].events = POLLIN;
    entries[1].fd = client;
    entries[1].events = POLLIN;
    if (web::PollSockets(entries, 2, kReadTimeoutMs) <= 0 || entries[0].revents != 0) {
      return std::nullopt;
    }
    const long got = web::ReceiveSome(client, buffer, sizeof buffer);
    if (got <= 0) return std::nullopt;
    line.append(buffer, static_cast<std::size_t>(got));
  }
  line.resize(std::min(line.find('\n'), line.size()));
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void WhoisSim::Impl::Send(socket_t client, const std::string& text) {
  for (std::size_t sent = 0; sent < text.size();) {
    const long wrote = web::SendSome(client, text.data() + sent, text.size() - sent);
    if (wrote <= 0) return;
    sent += static_cast<std::size_t>(wrote);
  }
}

void WhoisSim::Impl::Serve(Server& server, socket_t client) {
  const std::optional<std::string> query = ReadLine(client);
  if (!query) return web::CloseSocket(client);
  std::string text;
  WhoisFault fault;
  bool faulty = false;
  {
    std::lock_guard lock(mutex);
    server.queries.Add(*query);
    if (server.host == kIana) {
      text = IanaAnswer(Lower(*query));
      if (const auto found = faults.find("iana:" + Lower(*query)); found != faults.end()) {
        fault = found->second;
        faulty = true;
      }
    } else {
      const std::string name = NameOf(server.host, *query);
      const auto now = Clock::now();
      const bool throttled = server.interval.count() > 0 && server.last != Clock::time_point{} &&
                             now - server.last < server.interval;
      server.last = now;
      if (throttled) ++server.throttled;
      if (const auto found = faults.find(name); found != faults.end() && !throttled) {
        fault = found->second;
        faulty = true;
      }
      text = Answer(server.host, name, throttled);
    }
  }
  if (faulty && fault.text) text = *fault.text;
  if (faulty && fault.silent) {
    // Kept open without a word, while the server goes on with other clients.
    std::lock_guard lock(mutex);
    held.push_back(client);
    return;
  }
  if (faulty && fault.delay.count() > 0) {
    web::PollEntry entry{};
    entry.fd = stop.Handle();
    entry.events = POLLIN;
    web::PollSockets(&entry, 1, static_cast<int>(fault.delay.count()));
  }
  if (faulty && fault.reset) {
    Send(client, text.substr(0, text.size() / 2));
    web::SetResetOnClose(client);
    return web::CloseSocket(client, true);
  }
  if (!(faulty && fault.close)) Send(client, text);
  web::CloseSocket(client);
}

void WhoisSim::Impl::Listen(Server& server) {
  for (;;) {
    web::PollEntry entries[2] = {};
    entries[0].fd = stop.Handle();
    entries[0].events = POLLIN;
    entries[1].fd = server.listener;
    entries[1].events = POLLIN;
    if (web::PollSockets(entries, 2, -1) < 0 || entries[0].revents != 0) return;
    if (entries[1].revents == 0) continue;
    // One client at a time, as a server that keeps to one query per client would.
    const socket_t client = ::accept(server.listener, nullptr, nullptr);
    if (client != INVALID_SOCKET) Serve(server, client);
  }
}

WhoisSim::WhoisSim() : impl_(std::make_unique<Impl>()) {
  std::vector<std::string> hosts{kIana};
  for (const auto& [host, suffixes] : kServers) hosts.push_back(host);
  // Every socket before any thread, so that a failure leaves nothing running.
  for (const std::string& host : hosts) {
    Impl::Server& server = impl_->servers[host];
    server.host = host;
    server.listener = OpenLoopbackTcp(server.port);
    if (server.listener == INVALID_SOCKET) {
      for (auto& [name, opened] : impl_->servers) {
        if (opened.listener != INVALID_SOCKET) web::CloseSocket(opened.listener, true);
      }
      throw std::runtime_error("cannot listen for WHOIS on 127.0.0.1");
    }
  }
  for (auto& [host, server] : impl_->servers) {
    impl_->threads.emplace_back([this, &server] { impl_->Listen(server); });
  }
}

WhoisSim::~WhoisSim() {
  impl_->stop.Fire();
  for (std::thread& thread : impl_->threads) thread.join();
  for (auto& [host, server] : impl_->servers) web::CloseSocket(server.listener, true);
  for (const socket_t client : impl_->held) web::CloseSocket(client, true);
}

std::string WhoisSim::IanaAddress() const {
  return Address(kIana);
}

std::string WhoisSim::Address(const std::string& host) const {
  return "127.0.0.1:" + std::to_string(impl_->servers.at(host).port);
}

void WhoisSim::SetMinimumInterval(const std::string& host, std::chrono::milliseconds interval) {
  std::lock_guard lock(impl_->mutex);
  impl_->servers.at(host).interval = interval;
}

void WhoisSim::SetFault(const std::string& name, WhoisFault fault) {
  std::lock_guard lock(impl_->mutex);
  impl_->faults[Lower(name)] = std::move(fault);
}

std::vector<std::string> WhoisSim::Queries(const std::string& host) const {
  std::lock_guard lock(impl_->mutex);
  return impl_->servers.at(host).queries.Entries();
}

std::size_t WhoisSim::Throttled(const std::string& host) const {
  std::lock_guard lock(impl_->mutex);
  return impl_->servers.at(host).throttled;
}

}  // namespace sim
