#include "sim/RegistrarSim.h"

#include <httplib.h>
#ifdef CPPHTTPLIB_OPENSSL_SUPPORT
#include <openssl/evp.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#endif

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <condition_variable>
#include <cstdio>
#include <map>
#include <random>
#include <stdexcept>
#include <thread>

#include "sim/BoundedLog.h"
#include "sim/Pages.h"
#include "sim/Selection.h"
#include "sim/SocketConnection.h"
#include "sim/Sockets.h"

namespace sim {
namespace {

using namespace std::chrono_literals;

constexpr time_t kIdleSeconds = 5;  // between requests on a kept-alive connection
constexpr size_t kRequestsPerConnection = 100;
// Hanging answers hold a worker each until the simulator stops, so keep a few spare.
constexpr size_t kRegistrarWorkers = 16;
constexpr size_t kMaxBody = 16 * 1024 * 1024;
// How much a streamed answer hands to its connection at a time.
constexpr size_t kStreamPiece = 64 * 1024;
// The removal endpoint answers whatever its query string says.
constexpr const char* kRemoveRoute = "/domains/actions/json/removedomainsfrompending.aspx";

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

// Random bytes for padding, the same for the same offset, so a provider needs no state.
void FillerAt(size_t offset, char* out, size_t count) {
  std::uint64_t x = 0x9E3779B97F4A7C15ull ^ (offset / 8);
  for (size_t i = 0; i < count; ++i) {
    if (i == 0 || (offset + i) % 8 == 0) {
      x = 0x9E3779B97F4A7C15ull * ((offset + i) / 8 + 1);
      x ^= x >> 29;
      x *= 0xBF58476D1CE4E5B9ull;
      x ^= x >> 32;
    }
    out[i] = static_cast<char>(x >> (8 * ((offset + i) % 8)));
  }
}

// The Accept-Encoding value without brotli. cpp-httplib compresses brotli at its slowest
// quality, about half a megabyte a second, which would make every large page a time-out;
// gzip, which registrars use, stays on offer.
std::string WithoutBrotli(const std::string& accepted) {
  std::string kept;
  size_t start = 0;
  while (start <= accepted.size()) {
    size_t end = accepted.find(',', start);
    if (end == std::string::npos) end = accepted.size();
    std::string coding = accepted.substr(start, end - start);
    coding.erase(0, coding.find_first_not_of(' '));
    if (!coding.empty() && coding.substr(0, coding.find(';')) != "br") {
      kept += (kept.empty() ? "" : ", ") + coding;
    }
    start = end + 1;
  }
  return kept;
}

bool Streams(const Behaviour& b) {
  return b.chunked || b.padTo > 0 || b.drip > 0ms || b.stallAfter || b.resetAfter;
}

#ifdef CPPHTTPLIB_OPENSSL_SUPPORT
// A key and a certificate for 127.0.0.1, valid for a day and signed by themselves.
std::pair<X509*, EVP_PKEY*> SelfSignedCertificate() {
  EVP_PKEY* key = EVP_EC_gen("P-256");
  X509* cert = X509_new();
  if (!key || !cert) throw std::runtime_error("registrar-sim: cannot make a TLS key");
  (void)X509_set_version(cert, 2);
  (void)ASN1_INTEGER_set(X509_get_serialNumber(cert), 1);
  (void)X509_gmtime_adj(X509_getm_notBefore(cert), -60);
  (void)X509_gmtime_adj(X509_getm_notAfter(cert), 24 * 3600);
  (void)X509_set_pubkey(cert, key);
  X509_NAME* name = X509_get_subject_name(cert);
  (void)X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
  (void)X509_set_issuer_name(cert, name);
  // The name matches, so only the trust in the issuer is missing.
  if (X509_EXTENSION* san =
          X509V3_EXT_conf_nid(nullptr, nullptr, NID_subject_alt_name, "IP:127.0.0.1")) {
    (void)X509_add_ext(cert, san, -1);
    X509_EXTENSION_free(san);
  }
  if (X509_sign(cert, key, EVP_sha256()) == 0) {
    throw std::runtime_error("registrar-sim: cannot sign the TLS certificate");
  }
  return {cert, key};
}
#endif

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
  web::StopSignal stop;
  ConnectionServer server{stop.Handle(), kIoTimeout};
  std::thread thread;
  std::uint16_t port = 0;

  mutable std::mutex mutex;
  std::condition_variable changed;  // running, stopping
  bool running = false;
  bool stopping = false;
  std::map<Endpoint, Behaviour> behaviours;
  std::map<std::string, Selection> sessions;
  BoundedLog<RecordedRequest> requests{kKeptRequests};
  std::mt19937_64 random{std::random_device{}()};
  std::atomic<size_t> streamed{0};

  std::mutex tlsMutex;
#ifdef CPPHTTPLIB_OPENSSL_SUPPORT
  std::unique_ptr<httplib::SSLServer> tls;
#endif
  std::thread tlsThread;
  std::uint16_t tlsPort = 0;
  bool tlsRunning = false;  // guarded by mutex

  // Where a request's record is, so its service time can be added once it is known.
  using Ticket = std::uint64_t;

  // The request the current worker thread is answering, for the logger that runs after it.
  struct Serving {
    Ticket ticket{};
    std::chrono::steady_clock::time_point started{};
    bool active = false;
  };
  static thread_local Serving tServing;

  void Route(httplib::Server& server);
  void Handle(const httplib::Request& req, httplib::Response& res, std::string body);
  void Answer(const httplib::Request& req, httplib::Response& res, const std::string& body);
  Ticket Record(const httplib::Request& req, const std::string& body);
  void Serviced(Ticket ticket, std::chrono::microseconds time);
  std::string SessionOf(const httplib::Request& req, httplib::Response& res);
  std::string RenewSession(const std::string& session, httplib::Response& res);
  std::string NewSessionId();
  bool Misbehave(const Behaviour& behaviour, httplib::Response& res);
  void Stream(const Behaviour& behaviour, httplib::Response& res);
  // Waits for `time`, or until stopped when `time` is absent; true when the simulator stops.
  bool WaitForStop(std::optional<std::chrono::milliseconds> time);
};

RegistrarSim::Impl::Ticket RegistrarSim::Impl::Record(const httplib::Request& req,
                                                      const std::string& body) {
  RecordedRequest record{req.method, req.target, {}, body, req.remote_port};
  for (const auto& [name, value] : req.headers) {
    if (!IsAddedByServer(name)) record.headers.emplace_back(name, value);
  }
  std::lock_guard lock(mutex);
  return requests.Add(std::move(record));
}

thread_local RegistrarSim::Impl::Serving RegistrarSim::Impl::tServing;

void RegistrarSim::Impl::Serviced(Ticket ticket, std::chrono::microseconds time) {
  std::lock_guard lock(mutex);
  if (RecordedRequest* record = requests.Find(ticket)) record->serviceTime = time;
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
  const std::string id = NewSessionId();
  sessions[id];
  res.set_header("Set-Cookie", std::string(kSessionCookie) + "=" + id + "; Path=/");
  return id;
}

std::string RegistrarSim::Impl::NewSessionId() {
  char id[33];
  std::snprintf(id, sizeof id, "%016llX%016llX", static_cast<unsigned long long>(random()),
                static_cast<unsigned long long>(random()));
  return id;
}

std::string RegistrarSim::Impl::RenewSession(const std::string& session, httplib::Response& res) {
  std::lock_guard lock(mutex);
  const std::string id = NewSessionId();
  sessions[id] = std::move(sessions[session]);
  sessions.erase(session);
  res.headers.erase("Set-Cookie");
  res.set_header("Set-Cookie", std::string(kSessionCookie) + "=" + id + "; Path=/");
  return id;
}

void RegistrarSim::Impl::Stream(const Behaviour& b, httplib::Response& res) {
  auto content = std::make_shared<const std::string>(std::move(res.body));
  res.body.clear();
  const size_t total = std::max(content->size(), b.padTo);
  // Padding is random bytes: labelled as such, no compression shrinks it on the way.
  const std::string type =
      b.padTo > 0 ? "application/octet-stream" : res.get_header_value("Content-Type");
  res.headers.erase("Content-Type");
  const size_t end = std::min({total, b.stallAfter.value_or(total), b.resetAfter.value_or(total)});
  auto provide = [this, b, content, end](size_t offset, httplib::DataSink& sink) {
    if (offset >= end) {
      if (b.resetAfter) {
        if (SocketConnection* connection = ConnectionServer::Current()) connection->Reset();
        return false;
      }
      if (b.stallAfter) {
        WaitForStop(std::nullopt);
        if (SocketConnection* connection = ConnectionServer::Current()) connection->Drop();
        return false;
      }
      sink.done();
      return true;
    }
    if (b.drip > 0ms && offset > 0 && WaitForStop(b.drip)) return false;
    const size_t count = std::min(end - offset, b.drip > 0ms ? size_t{1} : kStreamPiece);
    std::string piece(count, '\0');
    const size_t fromContent =
        offset < content->size() ? std::min(count, content->size() - offset) : 0;
    if (fromContent > 0) content->copy(piece.data(), fromContent, offset);
    FillerAt(offset + fromContent, piece.data() + fromContent, count - fromContent);
    if (!sink.write(piece.data(), piece.size())) return false;
    streamed += count;
    return true;
  };
  if (b.chunked) {
    res.set_chunked_content_provider(type, provide);
  } else {
    // Stalled and cut answers announce the full length, so the client knows it is short.
    res.set_content_provider(total, type,
                             [provide](size_t offset, size_t, httplib::DataSink& sink) {
                               return provide(offset, sink);
                             });
  }
}

bool RegistrarSim::Impl::WaitForStop(std::optional<std::chrono::milliseconds> time) {
  std::unique_lock lock(mutex);
  if (time) return changed.wait_for(lock, *time, [this] { return stopping; });
  changed.wait(lock, [this] { return stopping; });
  return true;
}

bool RegistrarSim::Impl::Misbehave(const Behaviour& behaviour, httplib::Response& res) {
  const auto drop = [] {
    if (SocketConnection* connection = ConnectionServer::Current()) connection->Drop();
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
  const auto started = std::chrono::steady_clock::now();
  const Ticket ticket = Record(req, body);
  tServing = {ticket, started, true};
  // The server reads the accepted codings when it writes the answer. The request is the
  // server's own non-const object, handed to handlers as const, so changing it is sound.
  auto& headers = const_cast<httplib::Request&>(req).headers;
  if (const auto found = headers.find("Accept-Encoding"); found != headers.end()) {
    found->second = WithoutBrotli(found->second);
  }
  Answer(req, res, body);
  // The answer is ready; once it has been written, the server's logger adds the writing.
  Serviced(ticket, std::chrono::duration_cast<std::chrono::microseconds>(
                       std::chrono::steady_clock::now() - started));
}

void RegistrarSim::Impl::Answer(const httplib::Request& req, httplib::Response& res,
                                const std::string& body) {
  std::string session = SessionOf(req, res);
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
    Behaviour& set = behaviours[*endpoint];
    if (set.skip > 0) {
      --set.skip;
    } else {
      behaviour = set;
      if (set.times > 0 && --set.times == 0) set = Behaviour{};
    }
    const bool takeEffect = behaviour.takeEffect.value_or(behaviour.status < 400);
    Selection& selection = sessions[session];
    if (takeEffect && *endpoint == Endpoint::Search) {
      changedNames = selection.AddFromSearchBody(body);
    }
    if (takeEffect && *endpoint == Endpoint::Remove) {
      changedNames = selection.RemoveFromBody(body);
    }
  }
  if (behaviour.renewSession) session = RenewSession(session, res);
  if (Misbehave(behaviour, res)) {
    if (Streams(behaviour) && !res.body.empty()) Stream(behaviour, res);
    return;
  }

  {
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
  if (Streams(behaviour)) Stream(behaviour, res);
}

void RegistrarSim::Impl::Route(httplib::Server& server) {
  const auto plain = [this](const httplib::Request& req, httplib::Response& res) {
    Handle(req, res, req.body);
  };
  const auto withBody = [this](const httplib::Request& req, httplib::Response& res,
                               const httplib::ContentReader& reader) {
    std::string body;
    reader([&body](const char* data, size_t length) {
      body.append(data, length);
      return true;
    });
    Handle(req, res, std::move(body));
  };
  // Called once the answer has gone out, compression and writing included.
  server.set_logger([this](const httplib::Request&, const httplib::Response&) {
    if (!tServing.active) return;
    tServing.active = false;
    Serviced(tServing.ticket, std::chrono::duration_cast<std::chrono::microseconds>(
                                  std::chrono::steady_clock::now() - tServing.started));
  });
  server.Get(".*", plain).Options(".*", plain);
  server.Post(".*", withBody).Put(".*", withBody).Patch(".*", withBody).Delete(".*", withBody);
}

RegistrarSim::RegistrarSim(std::uint16_t port) : impl_(std::make_unique<Impl>()) {
  Impl& impl = *impl_;
  // cpp-httplib's default also sets SO_REUSEPORT, which would let a second simulator share a
  // port that is in use instead of failing; address reuse alone still allows quick restarts.
  // Accepted connections inherit TCP_NODELAY. Without it the body, written after the headers,
  // waits for the client's delayed acknowledgement: 40 ms per answer on a kept-alive connection.
  impl.server.set_socket_options(web::SetServerSocketOptions);
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
    return new httplib::ThreadPool(kRegistrarWorkers);
  };
  impl.Route(impl.server);

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
  impl_->stop.Fire();
  impl_->server.stop();
  impl_->thread.join();
#ifdef CPPHTTPLIB_OPENSSL_SUPPORT
  std::lock_guard lock(impl_->tlsMutex);
  if (impl_->tls) {
    impl_->tls->stop();
    impl_->tlsThread.join();
  }
#endif
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
  return impl_->requests.Entries();
}

void RegistrarSim::ClearRequests() {
  std::lock_guard lock(impl_->mutex);
  impl_->requests.Clear();
}

std::size_t RegistrarSim::StreamedBytes() const {
  return impl_->streamed;
}

std::string RegistrarSim::TlsBaseUrl() {
#ifndef CPPHTTPLIB_OPENSSL_SUPPORT
  throw std::runtime_error("registrar-sim: this build has no TLS");
#else
  Impl& impl = *impl_;
  std::lock_guard tlsLock(impl.tlsMutex);
  if (!impl.tls) {
    const auto [cert, key] = SelfSignedCertificate();
    impl.tls = std::make_unique<httplib::SSLServer>(cert, key);
    X509_free(cert);
    EVP_PKEY_free(key);
    if (!impl.tls->is_valid()) throw std::runtime_error("registrar-sim: cannot set up TLS");
    impl.Route(*impl.tls);
    impl.tls->new_task_queue = [&impl] {
      {
        std::lock_guard lock(impl.mutex);
        impl.tlsRunning = true;
      }
      impl.changed.notify_all();
      return new httplib::ThreadPool(4);
    };
    const int bound = impl.tls->bind_to_any_port("127.0.0.1");
    if (bound <= 0) throw std::runtime_error("registrar-sim: cannot listen for TLS");
    impl.tlsPort = static_cast<std::uint16_t>(bound);
    impl.tlsThread = std::thread([&impl] {
      impl.tls->listen_after_bind();
      std::lock_guard lock(impl.mutex);
      impl.tlsRunning = true;
      impl.changed.notify_all();
    });
    std::unique_lock lock(impl.mutex);
    impl.changed.wait(lock, [&impl] { return impl.tlsRunning; });
  }
  return "https://127.0.0.1:" + std::to_string(impl.tlsPort);
#endif
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
