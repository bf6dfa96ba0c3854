#include "tools/registrar-sim/RegistrarSim.h"

#include <fcntl.h>
#include <httplib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <condition_variable>
#include <cstdio>
#include <map>
#include <random>
#include <stdexcept>
#include <thread>

#include "tools/registrar-sim/Pages.h"
#include "tools/registrar-sim/Selection.h"
#include "tools/registrar-sim/SocketConnection.h"

namespace sim {
namespace {

using namespace std::chrono_literals;

constexpr auto kIoTimeout = 30s;    // one read or write inside a request
constexpr time_t kIdleSeconds = 5;  // between requests on a kept-alive connection
constexpr size_t kRequestsPerConnection = 100;
// Hanging answers hold a worker each until the simulator stops, so keep a few spare.
constexpr size_t kWorkers = 16;
constexpr size_t kMaxBody = 16 * 1024 * 1024;
// The removal endpoint answers whatever its query string says.
constexpr const char* kRemoveRoute = "/domains/actions/json/removedomainsfrompending.aspx";

// The connection that the current worker thread is serving, so that a handler can drop it.
thread_local SocketConnection* tConnection = nullptr;

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// Every value of cookie `name` in a Cookie header ("a=1; b=2").
void CookieValues(const std::string& header, const std::string& name,
                  std::vector<std::string>& values) {
  size_t start = 0;
  while (start < header.size()) {
    size_t end = header.find(';', start);
    if (end == std::string::npos) end = header.size();
    std::string pair = header.substr(start, end - start);
    pair.erase(0, pair.find_first_not_of(' '));
    const size_t equals = pair.find('=');
    if (equals != std::string::npos && pair.compare(0, equals, name) == 0) {
      values.push_back(pair.substr(equals + 1));
    }
    start = end + 1;
  }
}

// httplib adds these to the request's headers itself; the client never sent them.
bool IsAddedByServer(const std::string& name) {
  return name == "REMOTE_ADDR" || name == "REMOTE_PORT" || name == "LOCAL_ADDR" ||
         name == "LOCAL_PORT";
}

// The write end wakes every wait of every connection when the simulator stops.
struct StopPipe {
  std::array<int, 2> fds{-1, -1};
  StopPipe() {
    if (::pipe2(fds.data(), O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
  }
  ~StopPipe() {
    ::close(fds[0]);
    ::close(fds[1]);
  }
  void Fire() const { (void)!::write(fds[1], "x", 1); }
};

// cpp-httplib's server with our own connection loop: it serves each connection through a
// SocketConnection, so a handler can drop the connection and the stop signal ends idle and
// slow connections at once instead of after their time-outs.
class Server final : public httplib::Server {
 public:
  explicit Server(int stopFd) : stopFd_(stopFd) {}

 private:
  bool process_and_close_socket(socket_t sock) override {
    SocketConnection connection(sock, stopFd_, kIoTimeout);
    tConnection = &connection;
    bool ok = true;
    const std::chrono::milliseconds idle = std::chrono::seconds(keep_alive_timeout_sec_);
    for (size_t left = keep_alive_max_count_; left > 0 && ok; --left) {
      if (!connection.WaitForRequest(left == keep_alive_max_count_ ? kIoTimeout : idle)) break;
      bool closed = false;
      ok = process_request(connection, left == 1, closed, nullptr) && !closed &&
           !connection.Dropped();
    }
    tConnection = nullptr;
    ::shutdown(sock, SHUT_RDWR);
    ::close(sock);
    return ok;
  }

  int stopFd_;
};

}  // namespace

std::string RecordedRequest::Header(const std::string& name) const {
  for (const auto& [key, value] : headers) {
    if (EqualsIgnoringCase(key, name)) return value;
  }
  return "";
}

std::string RecordedRequest::Cookie(const std::string& name) const {
  std::vector<std::string> values;
  for (const auto& [key, value] : headers) {
    if (EqualsIgnoringCase(key, "Cookie")) CookieValues(value, name, values);
  }
  return values.empty() ? "" : values.front();
}

struct RegistrarSim::Impl {
  StopPipe stopPipe;
  Server server{stopPipe.fds[0]};
  std::thread thread;
  std::uint16_t port = 0;

  mutable std::mutex mutex;
  std::condition_variable changed;  // running, stopping
  bool running = false;
  bool stopping = false;
  std::map<Endpoint, Behaviour> behaviours;
  std::map<std::string, Selection> sessions;
  std::vector<RecordedRequest> requests;
  std::mt19937_64 random{std::random_device{}()};

  void Handle(const httplib::Request& req, httplib::Response& res, std::string body);
  void Record(const httplib::Request& req, const std::string& body);
  std::string SessionOf(const httplib::Request& req, httplib::Response& res);
  bool Misbehave(const Behaviour& behaviour, httplib::Response& res);
  // Waits for `time`, or until stopped when `time` is absent; true when the simulator stops.
  bool WaitForStop(std::optional<std::chrono::milliseconds> time);
};

void RegistrarSim::Impl::Record(const httplib::Request& req, const std::string& body) {
  RecordedRequest record{req.method, req.target, {}, body};
  for (const auto& [name, value] : req.headers) {
    if (!IsAddedByServer(name)) record.headers.emplace_back(name, value);
  }
  std::lock_guard lock(mutex);
  requests.push_back(std::move(record));
}

std::string RegistrarSim::Impl::SessionOf(const httplib::Request& req, httplib::Response& res) {
  std::vector<std::string> offered;
  for (size_t i = 0; i < req.get_header_value_count("Cookie"); ++i) {
    CookieValues(req.get_header_value("Cookie", i), kSessionCookie, offered);
  }
  std::lock_guard lock(mutex);
  for (const std::string& id : offered) {
    if (sessions.contains(id)) return id;
  }
  char id[33];
  std::snprintf(id, sizeof id, "%016llX%016llX", static_cast<unsigned long long>(random()),
                static_cast<unsigned long long>(random()));
  sessions[id];
  res.set_header("Set-Cookie", std::string(kSessionCookie) + "=" + id + "; Path=/");
  return id;
}

bool RegistrarSim::Impl::WaitForStop(std::optional<std::chrono::milliseconds> time) {
  std::unique_lock lock(mutex);
  if (time) return changed.wait_for(lock, *time, [this] { return stopping; });
  changed.wait(lock, [this] { return stopping; });
  return true;
}

bool RegistrarSim::Impl::Misbehave(const Behaviour& behaviour, httplib::Response& res) {
  const auto drop = [] {
    if (tConnection) tConnection->Drop();
    return true;
  };
  if (behaviour.delay > 0ms && WaitForStop(behaviour.delay)) return drop();
  if (behaviour.hang) {
    WaitForStop(std::nullopt);
    return drop();
  }
  if (behaviour.closeConnection) return drop();
  if (behaviour.redirectTo) {
    res.status = behaviour.status ? behaviour.status : 302;
    res.set_header("Location", *behaviour.redirectTo);
    res.set_content(behaviour.body ? *behaviour.body : pages::StatusPage(res.status),
                    pages::kHtmlType);
    return true;
  }
  if (behaviour.status || behaviour.body) {
    res.status = behaviour.status ? behaviour.status : 200;
    res.set_content(behaviour.body ? *behaviour.body : pages::StatusPage(res.status),
                    pages::kHtmlType);
    return true;
  }
  return false;
}

void RegistrarSim::Impl::Handle(const httplib::Request& req, httplib::Response& res,
                                std::string body) {
  Record(req, body);
  const std::string session = SessionOf(req, res);
  const bool isGet = req.method == "GET" || req.method == "HEAD";
  const bool isPost = req.method == "POST";

  if (isGet && req.path == kSecondPagePath) {
    std::lock_guard lock(mutex);
    res.set_content(pages::SelectionPage(sessions[session].Names()), pages::kHtmlType);
    return;
  }
  std::optional<Endpoint> endpoint;
  if (req.path == kSearchPath && isPost) endpoint = Endpoint::Search;
  if (req.path == kSearchPath && isGet) endpoint = Endpoint::SelectionPage;
  if (req.path == kRemoveRoute && isPost) endpoint = Endpoint::Remove;
  if (!endpoint) {
    res.status = 404;
    res.set_content(pages::StatusPage(404), pages::kHtmlType);
    return;
  }

  Behaviour behaviour;
  size_t changedNames = 0;
  {
    std::lock_guard lock(mutex);
    behaviour = behaviours[*endpoint];
    const bool takeEffect = behaviour.takeEffect.value_or(behaviour.status < 400);
    Selection& selection = sessions[session];
    if (takeEffect && *endpoint == Endpoint::Search) {
      changedNames = selection.AddFromSearchBody(body);
    }
    if (takeEffect && *endpoint == Endpoint::Remove) {
      changedNames = selection.RemoveFromBody(body);
    }
  }
  if (Misbehave(behaviour, res)) return;

  std::lock_guard lock(mutex);
  const std::vector<std::string>& names = sessions[session].Names();
  switch (*endpoint) {
    case Endpoint::Search:
      res.set_content(pages::SearchAnswer(changedNames), pages::kHtmlType);
      break;
    case Endpoint::SelectionPage:
      res.set_content(pages::SelectionPage(names), pages::kHtmlType);
      break;
    case Endpoint::Remove:
      res.set_content(pages::RemoveAnswer(changedNames, names.size()), pages::kJsonType);
      break;
  }
}

RegistrarSim::RegistrarSim(std::uint16_t port) : impl_(std::make_unique<Impl>()) {
  Impl& impl = *impl_;
  // cpp-httplib's default also sets SO_REUSEPORT, which would let a second simulator share a
  // port that is in use instead of failing; address reuse alone still allows quick restarts.
  impl.server.set_socket_options([](socket_t sock) {
    const int yes = 1;
    (void)::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  });
  impl.server.set_payload_max_length(kMaxBody);
  impl.server.set_keep_alive_max_count(kRequestsPerConnection);
  impl.server.set_keep_alive_timeout(kIdleSeconds);
  // The factory runs once the server is marked running, from which point stop() works.
  impl.server.new_task_queue = [&impl] {
    {
      std::lock_guard lock(impl.mutex);
      impl.running = true;
    }
    impl.changed.notify_all();
    return new httplib::ThreadPool(kWorkers);
  };
  const auto plain = [&impl](const httplib::Request& req, httplib::Response& res) {
    impl.Handle(req, res, req.body);
  };
  const auto withBody = [&impl](const httplib::Request& req, httplib::Response& res,
                                const httplib::ContentReader& reader) {
    std::string body;
    reader([&body](const char* data, size_t length) {
      body.append(data, length);
      return true;
    });
    impl.Handle(req, res, std::move(body));
  };
  impl.server.Get(".*", plain).Options(".*", plain);
  impl.server.Post(".*", withBody).Put(".*", withBody).Patch(".*", withBody).Delete(".*", withBody);

  const int bound = port == 0 ? impl.server.bind_to_any_port("127.0.0.1")
                              : (impl.server.bind_to_port("127.0.0.1", port) ? port : -1);
  if (bound <= 0) {
    throw std::runtime_error("registrar-sim: cannot listen on 127.0.0.1:" + std::to_string(port));
  }
  impl.port = static_cast<std::uint16_t>(bound);
  impl.thread = std::thread([&impl] {
    impl.server.listen_after_bind();
    std::lock_guard lock(impl.mutex);
    impl.running = true;
    impl.changed.notify_all();
  });
  std::unique_lock lock(impl.mutex);
  impl.changed.wait(lock, [&impl] { return impl.running; });
}

RegistrarSim::~RegistrarSim() {
  {
    std::lock_guard lock(impl_->mutex);
    impl_->stopping = true;
  }
  impl_->changed.notify_all();
  impl_->stopPipe.Fire();
  impl_->server.stop();
  impl_->thread.join();
}

std::uint16_t RegistrarSim::Port() const {
  return impl_->port;
}

std::string RegistrarSim::BaseUrl() const {
  return "http://127.0.0.1:" + std::to_string(impl_->port);
}

std::u16string RegistrarSim::BaseUrl16() const {
  const std::string url = BaseUrl();
  return std::u16string(url.begin(), url.end());
}

void RegistrarSim::Set(Endpoint endpoint, Behaviour behaviour) {
  std::lock_guard lock(impl_->mutex);
  impl_->behaviours[endpoint] = std::move(behaviour);
}

std::vector<RecordedRequest> RegistrarSim::Requests() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->requests;
}

void RegistrarSim::ClearRequests() {
  std::lock_guard lock(impl_->mutex);
  impl_->requests.clear();
}

std::vector<std::string> RegistrarSim::Pending(const std::string& sessionCookie) const {
  std::lock_guard lock(impl_->mutex);
  const auto found = impl_->sessions.find(sessionCookie);
  return found == impl_->sessions.end() ? std::vector<std::string>{} : found->second.Names();
}

bool RegistrarSim::IsFree(const std::string& name) {
  return Selection::IsFree(name);
}

}  // namespace sim
