#include "sim/RdapSim.h"

#include <httplib.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <thread>

#include "sim/AsciiCase.h"
#include "sim/BoundedLog.h"
#include "sim/RegistrarSim.h"
#include "sim/SocketConnection.h"
#include "sim/Sockets.h"

namespace sim {

const std::vector<std::vector<std::string>> RdapSim::kSuffixes = {
    {"com", "net", "co.uk", "biz"},
    {"org", "uk", "cn", "xn--fiqs8s"},
    {"info", "io", "test", "xn--p1ai", "top"},
};
const std::vector<std::string> RdapSim::kDnsOnly = {"de", "jp"};

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The demo's deletion lists at the paths the registries publish theirs: CNNIC's for today and
// tomorrow (one name a line, some in brackets), and the .top registry's CSV in GBK, its header
// 域名,删除时间 and a line it cannot read.
struct DeletionList {
  std::string_view body;
  std::string_view type;
};
const std::pair<std::string_view, DeletionList> kDeletionLists[] = {
    {"/NMediaFile/domain_list/1todayDel.txt",
     {"abc.cn\r\n[8888.cn]\r\nfangan.cn\r\nxian.cn\r\n", "text/plain"}},
    {"/NMediaFile/domain_list/future1todayDel.txt", {"[woaini.cn]\r\n1122.cn\r\n", "text/plain"}},
    {"/upload/top/dellist.csv",
     {"\xD3\xF2\xC3\xFB,\xC9\xBE\xB3\xFD\xCA\xB1\xBC\xE4\r\n"
      "abcabc.top,2026/12/20 14:30\r\n"
      "baidu.top,2026/12/21 09:00\r\n"
      "---,2026/12/21 09:00\r\n",
      "text/csv; charset=gbk"}},
};
// Enough workers for a client's per-host cap well above the default, plus stalled answers.
constexpr size_t kRdapWorkers = 24;
constexpr const char* kRdapType = "application/rdap+json";

bool EndsWithLabel(const std::string& name, const std::string& suffix) {
  return name == suffix || (name.size() > suffix.size() && name.ends_with(suffix) &&
                            name[name.size() - suffix.size() - 1] == '.');
}

// "2026-12-09T00:00:00Z" for the day `days` from today.
std::string DayFromToday(int days) {
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  const std::chrono::year_month_day day(today + std::chrono::days(days));
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT00:00:00Z", int(day.year()),
                unsigned(day.month()), unsigned(day.day()));
  return text;
}

}  // namespace

RdapSim::Life RdapSim::LifeOf(const std::string& name) {
  const std::string label = name.substr(0, name.find('.'));
  const auto has = [&label](const char* word) { return label.find(word) != std::string::npos; };
  if (has("cycle")) {
    // A new phase every minute, so that a watch sees a change from one run to the next.
    const auto minute = std::chrono::floor<std::chrono::minutes>(std::chrono::system_clock::now());
    return Life(minute.time_since_epoch().count() % 4);
  }
  if (has("redemption")) return Life::Redemption;
  if (has("pendingdelete") || has("dropping")) return Life::PendingDelete;
  if (has("grace")) return Life::Grace;
  if (has("hold")) return Life::Hold;
  return Life::Active;
}

namespace {

std::string DomainObject(const std::string& name) {
  // Each phase as a registry shows it: RFC 8056's statuses and the last change that began it.
  nlohmann::json status = {"active"};
  std::string changed = "2024-02-03T04:05:06Z";
  std::string expires = "2031-02-03T04:05:06Z";
  switch (RdapSim::LifeOf(Lower(name))) {
    case RdapSim::Life::Active:
      break;
    case RdapSim::Life::Grace:
      status = {"auto renew period", "client transfer prohibited"};
      expires = DayFromToday(-5);
      changed = expires;
      break;
    case RdapSim::Life::Redemption:
      status = {"redemption period", "pending delete"};
      changed = DayFromToday(-10);
      expires = DayFromToday(-40);
      break;
    case RdapSim::Life::PendingDelete:
      status = {"pending delete"};
      changed = DayFromToday(-3);
      expires = DayFromToday(-73);
      break;
    case RdapSim::Life::Hold:
      status = {"client hold"};
      break;
  }
  const nlohmann::json vcard = {
      "vcard",
      {{"version", nlohmann::json::object(), "text", "4.0"},
       {"fn", nlohmann::json::object(), "text", "Simulated Registrar Ltd"}}};
  const nlohmann::json object = {
      {"rdapConformance", {"rdap_level_0"}},
      {"objectClassName", "domain"},
      {"handle", "SIM-" + Upper(name)},
      {"ldhName", Upper(name)},
      {"status", status},
      {"events",
       {{{"eventAction", "registration"}, {"eventDate", "2001-02-03T04:05:06Z"}},
        {{"eventAction", "expiration"}, {"eventDate", expires}},
        {{"eventAction", "last changed"}, {"eventDate", changed}}}},
      {"entities",
       {{{"objectClassName", "entity"}, {"roles", {"registrar"}}, {"vcardArray", vcard}}}},
  };
  return object.dump();
}

std::string ErrorObject(int status) {
  return nlohmann::json{{"errorCode", status}, {"title", "error " + std::to_string(status)}}.dump();
}

// A rule's word for "NOERROR, with the NS records of another name" (other.dnt).
constexpr int kForeignNs = 0x100;

// Builds the answer to one DNS query (RFC 1035 wire format); empty when it is not a query.
std::string DnsAnswer(const std::string& query,
                      const std::function<int(const std::string&)>& rule) {
  if (query.size() < 12 || (query[2] & 0x80) != 0) return "";
  size_t at = 12;
  std::string name;
  while (at < query.size() && query[at] != 0) {
    const size_t length = static_cast<unsigned char>(query[at]);
    if (length > 63 || at + 1 + length >= query.size()) return "";
    if (!name.empty()) name += '.';
    name += query.substr(at + 1, length);
    at += 1 + length;
  }
  if (at + 5 > query.size()) return "";
  const size_t questionEnd = at + 5;  // the root label, type and class
  const bool askedNs = query[at + 1] == 0 && query[at + 2] == 2;
  // The rule: 0 the name has NS records, 3 it does not exist, 2 the server fails.
  const int ruled = rule(Lower(name));
  const bool foreign = ruled == kForeignNs;
  const int rcode = foreign ? 0 : ruled;
  const bool answer = rcode == 0 && askedNs;
  std::string reply = query.substr(0, questionEnd);
  reply[2] = static_cast<char>(0x81 | (query[2] & 0x01));  // response, recursion desired
  reply[3] = static_cast<char>(0x80 | rcode);              // recursion available
  reply[6] = 0;
  reply[7] = answer ? 1 : 0;
  reply[8] = reply[9] = reply[10] = reply[11] = 0;
  if (answer) {
    // ns1.<the name asked for>, its tail a pointer to the question, as servers write it.
    const std::string target("\x03ns1\xC0\x0C", 6);
    reply += foreign ? std::string("\5other\3dnt\0", 11) : std::string("\xC0\x0C", 2);
    reply += std::string("\x00\x02\x00\x01\x00\x00\x01\x2C", 8);
    reply += static_cast<char>(0);
    reply += static_cast<char>(target.size());
    reply += target;
  }
  return reply;
}

}  // namespace

struct RdapSim::Impl {
  web::StopSignal stop;
  std::vector<std::unique_ptr<ConnectionServer>> servers;
  std::vector<std::thread> threads;
  std::vector<std::uint16_t> ports;
  socket_t dnsSocket = INVALID_SOCKET;
  std::uint16_t dnsPort = 0;
  // The same responder on ::1, where the machine has IPv6.
  socket_t dnsSocket6 = INVALID_SOCKET;
  std::uint16_t dnsPort6 = 0;
  std::thread dnsThread;

  mutable std::mutex mutex;
  std::condition_variable stopped;  // also: running
  size_t running = 0;
  bool stopping = false;
  std::chrono::milliseconds latency{0};
  std::map<std::string, RdapFault> faults;
  std::map<std::string, int> faultUses;
  std::vector<size_t> inFlight = std::vector<size_t>(kRegistries, 0);
  std::vector<size_t> maxInFlight = std::vector<size_t>(kRegistries, 0);
  BoundedLog<RdapArrival> arrivals{RdapSim::kKeptArrivals};
  // Requests a second above which a registry answers 429 (0: no limit), the arrival times of
  // the last second, and the 429s it gave.
  std::vector<double> rateLimit = std::vector<double>(kRegistries, 0);
  std::vector<std::deque<Clock::time_point>> lastSecond =
      std::vector<std::deque<Clock::time_point>>(kRegistries);
  std::vector<std::size_t> refused = std::vector<std::size_t>(kRegistries, 0);
  int bootstrapStatus = 0;
  std::chrono::milliseconds bootstrapDelay{0};
  int bootstrapVersion = 1;
  size_t bootstrapRequests = 0;
  size_t bootstrapNotModified = 0;
  std::atomic<size_t> dnsQueries{0};

  ~Impl() {
    if (dnsSocket != INVALID_SOCKET) web::CloseSocket(dnsSocket);
    if (dnsSocket6 != INVALID_SOCKET) web::CloseSocket(dnsSocket6);
  }

  bool Wait(std::optional<std::chrono::milliseconds> time) {
    std::unique_lock lock(mutex);
    if (time) return stopped.wait_for(lock, *time, [this] { return stopping; });
    stopped.wait(lock, [this] { return stopping; });
    return true;
  }

  std::string Bootstrap() const;
  void ServeDomain(size_t registry, const httplib::Request& req, httplib::Response& res);
  void Answer(const std::string& name, const RdapFault& fault, bool faulty,
              const httplib::Request& req, httplib::Response& res);
  void ServeBootstrap(const httplib::Request& req, httplib::Response& res);
  void ServeDns();
  int DnsRule(const std::string& name) const;
};

std::string RdapSim::Impl::Bootstrap() const {
  nlohmann::json services = nlohmann::json::array();
  for (size_t i = 0; i < kRegistries; ++i) {
    const std::string base = "http://127.0.0.1:" + std::to_string(ports[i]) + "/rdap/";
    services.push_back({kSuffixes[i], {base}});
  }
  return nlohmann::json{
      {"version", "1.0"},
      {"publication", "2026-12-0" + std::to_string(bootstrapVersion % 10) + "T00:00:00Z"},
      {"description", "RDAP bootstrap file for the simulated registries"},
      {"services", services}}
      .dump(1);
}

void RdapSim::Impl::ServeBootstrap(const httplib::Request& req, httplib::Response& res) {
  std::chrono::milliseconds delay{0};
  {
    std::lock_guard lock(mutex);
    ++bootstrapRequests;
    delay = bootstrapDelay;
  }
  if (delay > 0ms && Wait(delay)) return;
  std::unique_lock lock(mutex);
  if (bootstrapStatus != 0) {
    res.status = bootstrapStatus;
    res.set_content(ErrorObject(bootstrapStatus), "application/json");
    return;
  }
  const std::string etag = "\"v" + std::to_string(bootstrapVersion) + "\"";
  res.set_header("ETag", etag);
  res.set_header("Last-Modified",
                 "Mon, 0" + std::to_string(bootstrapVersion % 10) + " Dec 2026 00:00:00 GMT");
  if (req.get_header_value("If-None-Match") == etag) {
    ++bootstrapNotModified;
    res.status = 304;
    return;
  }
  res.set_content(Bootstrap(), "application/json");
}

void RdapSim::Impl::ServeDomain(size_t registry, const httplib::Request& req,
                                httplib::Response& res) {
  const std::string name = req.matches[1];
  RdapFault fault;
  bool faulty = false;
  std::chrono::milliseconds wait{0};
  {
    std::lock_guard lock(mutex);
    arrivals.Add({registry, name, Clock::now(), req.get_header_value("User-Agent"),
                  req.get_header_value("Accept")});
    maxInFlight[registry] = std::max(maxInFlight[registry], ++inFlight[registry]);
    if (rateLimit[registry] > 0) {
      // A sliding second, as registries that publish a rate count it.
      const auto now = Clock::now();
      auto& recent = lastSecond[registry];
      while (!recent.empty() && now - recent.front() >= 1s) recent.pop_front();
      recent.push_back(now);
      if (static_cast<double>(recent.size()) > rateLimit[registry]) {
        ++refused[registry];
        fault = RdapFault{.status = 429, .retryAfter = "1"};
        faulty = true;
      }
    }
    if (const auto found = faults.find(Lower(name)); !faulty && found != faults.end()) {
      int& uses = faultUses[found->first];
      faulty = found->second.times == 0 || uses < found->second.times;
      ++uses;
      if (faulty) fault = found->second;
    }
    wait = latency + fault.delay;
  }
  if (wait == 0ms || !Wait(wait)) Answer(name, fault, faulty, req, res);
  std::lock_guard lock(mutex);
  --inFlight[registry];
}

void RdapSim::Impl::Answer(const std::string& name, const RdapFault& fault, bool faulty,
                           const httplib::Request& req, httplib::Response& res) {
  // In lines of a kilobyte, as a server with many headers would send them.
  for (std::size_t line = 0; faulty && line * 1000 < fault.headerBytes; ++line) {
    res.set_header("X-Padding-" + std::to_string(line), std::string(1000, 'p'));
  }
  if (faulty && (fault.redirectLoop || fault.redirectTo)) {
    res.status = 302;
    res.set_header("Location", fault.redirectTo.value_or(req.path));
    return;
  }
  std::string body;
  std::string type = kRdapType;
  if (faulty && fault.status != 0 && !fault.body) {
    res.status = fault.status;
    body = ErrorObject(fault.status);
    if (fault.retryAfter) res.set_header("Retry-After", *fault.retryAfter);
  } else if (faulty && fault.otherName) {
    body = DomainObject(*fault.otherName);
  } else if (faulty && fault.body) {
    res.status = fault.status != 0 ? fault.status : 200;
    body = *fault.body;
    type = fault.contentType;
  } else if (IsRegistered(Lower(name))) {
    body = DomainObject(name);
  } else {
    res.status = 404;
    body = ErrorObject(404);
  }
  if (!faulty || (!fault.cutMidBody && !fault.stall)) {
    res.set_content(body, type);
    return;
  }
  // The whole length is announced, so a client can tell that the answer broke off.
  auto content = std::make_shared<const std::string>(std::move(body));
  const bool stall = fault.stall;
  res.set_content_provider(content->size(), type,
                           [this, content, stall](size_t offset, size_t, httplib::DataSink& sink) {
                             const size_t half = content->size() / 2;
                             if (offset < half)
                               return sink.write(content->data() + offset, half - offset);
                             if (stall) Wait(std::nullopt);
                             return false;
                           });
}

int RdapSim::Impl::DnsRule(const std::string& name) const {
  if (EndsWithLabel(name, kBrokenDnsSuffix)) return 2;
  if (name == kWildcardDnsSuffix || EndsWithLabel(name, kWildcardDnsSuffix)) return 0;
  if (name == kForeignNsSuffix) return 0;
  if (EndsWithLabel(name, kForeignNsSuffix)) return kForeignNs;
  for (const std::string& zone : kDnsOnly) {
    if (name == zone) return 0;
    if (EndsWithLabel(name, zone)) return IsRegistered(name) ? 0 : 3;
  }
  for (const auto& suffixes : kSuffixes) {
    for (const std::string& suffix : suffixes) {
      if (name == suffix) return 0;
      if (EndsWithLabel(name, suffix)) return IsRegistered(name) ? 0 : 3;
    }
  }
  return 3;
}

void RdapSim::Impl::ServeDns() {
  std::array<char, 512> buffer{};
  for (;;) {
    web::PollEntry entries[3] = {};
    entries[0].fd = stop.Handle();
    entries[1].fd = dnsSocket;
    entries[2].fd = dnsSocket6;
    const unsigned count = dnsSocket6 == INVALID_SOCKET ? 2 : 3;
    for (unsigned i = 0; i < count; ++i) entries[i].events = POLLIN;
    if (web::PollSockets(entries, count, -1) < 0 || entries[0].revents != 0) return;
    for (unsigned i = 1; i < count; ++i) {
      if ((entries[i].revents & POLLIN) == 0) continue;
      sockaddr_storage from{};
      socklen_t fromLength = sizeof from;
      const auto n = ::recvfrom(entries[i].fd, buffer.data(), static_cast<int>(buffer.size()), 0,
                                reinterpret_cast<sockaddr*>(&from), &fromLength);
      if (n <= 0) continue;
      ++dnsQueries;
      const std::string reply =
          DnsAnswer(std::string(buffer.data(), size_t(n)),
                    [this](const std::string& name) { return DnsRule(name); });
      if (!reply.empty()) {
        (void)::sendto(entries[i].fd, reply.data(), static_cast<int>(reply.size()), 0,
                       reinterpret_cast<sockaddr*>(&from), fromLength);
      }
    }
  }
}

RdapSim::RdapSim() : impl_(std::make_unique<Impl>()) {
  Impl& impl = *impl_;
  for (size_t i = 0; i < kRegistries; ++i) {
    auto server = std::make_unique<ConnectionServer>(impl.stop.Handle(), kIoTimeout);
    server->set_socket_options(web::SetServerSocketOptions);
    // The factory runs once the server counts as running, from which point stop() works.
    server->new_task_queue = [&impl] {
      {
        std::lock_guard lock(impl.mutex);
        ++impl.running;
      }
      impl.stopped.notify_all();
      return new httplib::ThreadPool(kRdapWorkers);
    };
    server->Get("/rdap/domain/(.+)",
                [&impl, i](const httplib::Request& req, httplib::Response& res) {
                  impl.ServeDomain(i, req, res);
                });
    if (i == 0) {
      server->Get(kBootstrapPath, [&impl](const httplib::Request& req, httplib::Response& res) {
        impl.ServeBootstrap(req, res);
      });
      for (const auto& [path, list] : kDeletionLists) {
        server->Get(std::string(path), [list](const httplib::Request&, httplib::Response& res) {
          res.set_content(std::string(list.body), std::string(list.type));
        });
      }
    }
    const int port = server->bind_to_any_port("127.0.0.1");
    if (port <= 0) throw std::runtime_error("rdap-sim: cannot listen on 127.0.0.1");
    impl.ports.push_back(static_cast<std::uint16_t>(port));
    impl.servers.push_back(std::move(server));
  }
  impl.dnsSocket = OpenLoopbackUdp(impl.dnsPort);
  if (impl.dnsSocket == INVALID_SOCKET) {
    throw std::runtime_error("rdap-sim: cannot listen for DNS on 127.0.0.1");
  }
  impl.dnsSocket6 = OpenLoopbackUdp(impl.dnsPort6, true);

  // Only once every socket is open do threads start, so a failure above leaves none running.
  for (auto& server : impl.servers) {
    impl.threads.emplace_back([raw = server.get()] { raw->listen_after_bind(); });
  }
  {
    std::unique_lock lock(impl.mutex);
    impl.stopped.wait(lock, [&impl] { return impl.running == kRegistries; });
  }
  impl.dnsThread = std::thread([&impl] { impl.ServeDns(); });
}

RdapSim::~RdapSim() {
  Impl& impl = *impl_;
  {
    std::lock_guard lock(impl.mutex);
    impl.stopping = true;
  }
  impl.stopped.notify_all();
  impl.stop.Fire();
  for (auto& server : impl.servers) server->stop();
  for (auto& thread : impl.threads) thread.join();
  if (impl.dnsThread.joinable()) impl.dnsThread.join();
}

std::string RdapSim::BaseUrl(std::size_t registry) const {
  return "http://127.0.0.1:" + std::to_string(impl_->ports.at(registry)) + "/rdap/";
}

std::vector<std::string> RdapSim::DeletionListUrls() const {
  std::vector<std::string> urls;
  for (const auto& [path, list] : kDeletionLists) {
    urls.push_back("http://127.0.0.1:" + std::to_string(impl_->ports.at(0)) + std::string(path));
  }
  return urls;
}

std::string RdapSim::BootstrapUrl() const {
  return "http://127.0.0.1:" + std::to_string(impl_->ports.at(0)) + kBootstrapPath;
}

std::string RdapSim::BootstrapJson() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->Bootstrap();
}

std::string RdapSim::DnsServer() const {
  return "127.0.0.1:" + std::to_string(impl_->dnsPort);
}

std::string RdapSim::DnsServer6() const {
  if (impl_->dnsSocket6 == INVALID_SOCKET) return "";
  return "[::1]:" + std::to_string(impl_->dnsPort6);
}

void RdapSim::SetLatency(std::chrono::milliseconds latency) {
  std::lock_guard lock(impl_->mutex);
  impl_->latency = latency;
}

void RdapSim::SetRateLimit(std::size_t registry, double perSecond) {
  std::lock_guard lock(impl_->mutex);
  impl_->rateLimit.at(registry) = perSecond;
}

std::size_t RdapSim::Refused(std::size_t registry) const {
  std::lock_guard lock(impl_->mutex);
  return impl_->refused.at(registry);
}

void RdapSim::SetFault(const std::string& name, RdapFault fault) {
  std::lock_guard lock(impl_->mutex);
  impl_->faults[Lower(name)] = std::move(fault);
  impl_->faultUses.erase(Lower(name));
}

void RdapSim::SetBootstrapStatus(int status) {
  std::lock_guard lock(impl_->mutex);
  impl_->bootstrapStatus = status;
}

void RdapSim::SetBootstrapDelay(std::chrono::milliseconds delay) {
  std::lock_guard lock(impl_->mutex);
  impl_->bootstrapDelay = delay;
}

void RdapSim::BumpBootstrapVersion() {
  std::lock_guard lock(impl_->mutex);
  ++impl_->bootstrapVersion;
}

std::size_t RdapSim::MaxInFlight(std::size_t registry) const {
  std::lock_guard lock(impl_->mutex);
  return impl_->maxInFlight.at(registry);
}

std::vector<RdapArrival> RdapSim::Arrivals() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->arrivals.Entries();
}

std::size_t RdapSim::BootstrapRequests() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->bootstrapRequests;
}

std::size_t RdapSim::BootstrapNotModified() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->bootstrapNotModified;
}

std::size_t RdapSim::DnsQueries() const {
  return impl_->dnsQueries;
}

bool RdapSim::IsRegistered(const std::string& name) {
  // 發財.cn: the traditional form of 发财.cn, whose registry bundles the two.
  const std::string lower = Lower(name);
  if (lower == "xn--8wy858b.cn" || lower == "發財.cn") return true;
  return !RegistrarSim::IsFree(name) || LifeOf(lower) != Life::Active;
}

}  // namespace sim
