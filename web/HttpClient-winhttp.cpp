// The Windows HTTP client on WinHTTP, the system's HTTP component for services, with the
// system's certificate store. Each transfer runs WinHTTP's blocking calls on a thread of its
// own (at most the per-host cap per host, so a handful); one WinHTTP session keeps the
// connections for reuse and offers HTTP/2 where the system has it. Run() waits on a condition
// variable for transfers to end; it also ends a transfer that outlives the request time-out by
// closing its handle, which makes WinHTTP's blocking call return. Where a blocking call does not
// return at once on that (Wine's WinHTTP waits for the server), a client that goes away leaves
// such a transfer's thread to end on its own time-out, with the state it shares.

// Winsock must come before the rest of the Windows headers.
#include <winsock2.h>

#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <charconv>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "HostQueue.h"
#include "HttpClient.h"
#include "RequestCheck.h"

#ifndef WINHTTP_OPTION_ENABLE_HTTP_PROTOCOL
#define WINHTTP_OPTION_ENABLE_HTTP_PROTOCOL 133
#endif
#ifndef WINHTTP_PROTOCOL_FLAG_HTTP2
#define WINHTTP_PROTOCOL_FLAG_HTTP2 0x1
#endif

namespace web {
namespace {

using Clock = std::chrono::steady_clock;

std::wstring Widen(std::string_view text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring out(std::size_t(std::max(n, 0)), L'\0');
  if (n > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n);
  return out;
}

std::string Narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int n =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(std::size_t(std::max(n, 0)), '\0');
  if (n > 0) {
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
  }
  return out;
}

base::Failure FailureOf(DWORD error) {
  switch (error) {
    case ERROR_WINHTTP_TIMEOUT:
      return {"timed out", base::FailureKind::Timeout};
    case ERROR_WINHTTP_REDIRECT_FAILED:
      return {"too many redirects", base::FailureKind::Redirects};
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME:
      return {"a redirect to a weaker or unknown scheme was refused", base::FailureKind::Redirects};
    case ERROR_WINHTTP_SECURE_FAILURE:
    case ERROR_WINHTTP_SECURE_INVALID_CA:
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
    case ERROR_WINHTTP_SECURE_INVALID_CERT:
    case ERROR_WINHTTP_SECURE_CERT_REVOKED:
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
      return {"TLS failure (WinHTTP error " + std::to_string(error) + ")", base::FailureKind::Tls};
    case ERROR_WINHTTP_CANNOT_CONNECT:
      return {"cannot connect", base::FailureKind::Connect};
    case ERROR_WINHTTP_NAME_NOT_RESOLVED:
      return {"cannot resolve the host name", base::FailureKind::Dns};
    case ERROR_WINHTTP_CONNECTION_ERROR:
      return {"the connection broke", base::FailureKind::Connect};
    case ERROR_WINHTTP_INVALID_SERVER_RESPONSE:
    case ERROR_WINHTTP_HEADER_NOT_FOUND:
      return {"the server's answer is not HTTP", base::FailureKind::Protocol};
    case ERROR_WINHTTP_OPERATION_CANCELLED:
      return {"cancelled", base::FailureKind::Cancelled};
    default:
      return {"WinHTTP error " + std::to_string(error), base::FailureKind::Other};
  }
}

struct Transfer {
  Get request;
  HttpClient::Done done;
  std::string host;
  Reply reply;
  Clock::time_point deadline;
  // Guarded by the client's mutex: the open request handle, and whether the client gave up.
  HINTERNET handle = nullptr;
  bool cancelled = false;
  bool timedOut = false;
  Clock::time_point cancelledAt;  // when the time-out cancelled it
};

// How long a call that its time-out cancelled may take to return before the client gives up on
// it: Wine's WinHTTP does not end a blocked call when its handle is closed.
constexpr std::chrono::seconds kAbandonAfter{1};

// The response's header lines, names lower-cased; the status line is left out. Headers over the
// cap fail the exchange, as they do on the other platform, rather than vanish with Retry-After.
base::Status ReadHeaders(HINTERNET request, std::size_t cap, Reply& reply) {
  DWORD size = 0;
  WinHttpQueryHeaders(request, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX,
                      nullptr, &size, WINHTTP_NO_HEADER_INDEX);
  // The size counts UTF-16 bytes; the cap, like libcurl's, the bytes on the wire.
  if (size / sizeof(wchar_t) > cap) return HeadersTooLarge(cap);
  if (size == 0) return base::Ok();
  std::wstring raw(size / sizeof(wchar_t) + 1, L'\0');
  if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX,
                           raw.data(), &size, WINHTTP_NO_HEADER_INDEX)) {
    return FailureOf(GetLastError());
  }
  raw.resize(size / sizeof(wchar_t));
  const std::string text = Narrow(raw);
  std::size_t start = text.find("\r\n");
  while (start != std::string::npos && start + 2 < text.size()) {
    start += 2;
    const std::size_t end = std::min(text.find("\r\n", start), text.size());
    AddHeaderLine(std::string_view(text).substr(start, end - start), reply);
    start = end;
  }
  return base::Ok();
}

// What the transfers' threads share with the client, kept alive by whichever of them ends last.
struct Shared {
  explicit Shared(const ClientOptions& options) : options(options) {}
  ~Shared() {
    if (session) WinHttpCloseHandle(session);
  }
  const ClientOptions options;
  HINTERNET session = nullptr;
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<Transfer*> ended;  // guarded
  bool woken = false;            // guarded
};

// Closes the transfer's request handle, which ends its blocking call. Needs the mutex.
void Cancel(Transfer& t) {
  t.cancelled = true;
  if (t.handle) {
    WinHttpCloseHandle(t.handle);
    t.handle = nullptr;
  }
}

struct Proxy {
  DWORD access = WINHTTP_ACCESS_TYPE_DEFAULT_PROXY;
  std::wstring name;    // "host:port" of a named proxy
  std::wstring bypass;  // hosts that go direct
};

// The proxy given ("http://host:port", or "" for none), else the user's settings (Internet
// Options), which WinHTTP does not read by itself.
Proxy ProxyFor(const std::optional<std::string>& given) {
  Proxy proxy;
  if (given && given->empty()) {
    proxy.access = WINHTTP_ACCESS_TYPE_NO_PROXY;
    return proxy;
  }
  if (given) {
    const std::string_view rest = std::string_view(*given).substr(given->find("://") + 3);
    proxy.access = WINHTTP_ACCESS_TYPE_NAMED_PROXY;
    proxy.name = Widen(rest.substr(0, rest.find('/')));
    return proxy;
  }
  WINHTTP_CURRENT_USER_IE_PROXY_CONFIG user{};
  if (!WinHttpGetIEProxyConfigForCurrentUser(&user)) return proxy;
  if (user.lpszProxy) {
    proxy.access = WINHTTP_ACCESS_TYPE_NAMED_PROXY;
    proxy.name = user.lpszProxy;
  }
  if (user.lpszProxyBypass) proxy.bypass = user.lpszProxyBypass;
  for (LPWSTR text : {user.lpszAutoConfigUrl, user.lpszProxy, user.lpszProxyBypass}) {
    if (text) GlobalFree(text);
  }
  return proxy;
}

class WinHttpClient final : public QueuedClient<Transfer*, std::shared_ptr<Transfer>> {
 public:
  explicit WinHttpClient(const ClientOptions& options)
      : QueuedClient(options.perHost), shared_(std::make_shared<Shared>(options)) {
    HINTERNET& session = shared_->session;
    const Proxy proxy = ProxyFor(options.proxy);
    session = WinHttpOpen(Widen(options.userAgent).c_str(), proxy.access,
                          proxy.name.empty() ? WINHTTP_NO_PROXY_NAME : proxy.name.c_str(),
                          proxy.bypass.empty() ? WINHTTP_NO_PROXY_BYPASS : proxy.bypass.c_str(), 0);
    if (!session) return;
    DWORD perServer = DWORD(std::max<std::size_t>(options.perHost, 1));
    WinHttpSetOption(session, WINHTTP_OPTION_MAX_CONNS_PER_SERVER, &perServer, sizeof perServer);
    WinHttpSetOption(session, WINHTTP_OPTION_MAX_CONNS_PER_1_0_SERVER, &perServer,
                     sizeof perServer);
    // Systems before Windows 10 have no HTTP/2 in WinHTTP and refuse the option: HTTP/1.1 then.
    DWORD http2 = WINHTTP_PROTOCOL_FLAG_HTTP2;
    WinHttpSetOption(session, WINHTTP_OPTION_ENABLE_HTTP_PROTOCOL, &http2, sizeof http2);
  }

  ~WinHttpClient() override {
    std::unique_lock lock(shared_->mutex);
    for (auto& [raw, transfer] : active_) Cancel(*transfer);
    // A second for the cancelled calls to return; a thread still blocked then is left to end
    // on its time-out, holding what it uses.
    shared_->changed.wait_for(lock, std::chrono::seconds(1),
                              [this] { return shared_->ended.size() == active_.size(); });
    for (auto& [raw, thread] : threads_) {
      if (std::find(shared_->ended.begin(), shared_->ended.end(), raw) != shared_->ended.end()) {
        thread.join();
      } else {
        thread.detach();
      }
    }
  }

  void Run(Clock::time_point deadline) override;

  void Wake() override {
    {
      std::lock_guard lock(shared_->mutex);
      shared_->woken = true;
    }
    shared_->changed.notify_all();
  }

 private:
  void StartQueued();
  static void Exchange(Shared& shared, Transfer& t);
  static base::Status ExchangeSteps(const ClientOptions& options, Transfer& t, HINTERNET request);
  std::shared_ptr<Shared> shared_;
  // Touched by the caller's thread only, as the queue and the transfers in flight are.
  std::map<Transfer*, std::thread> threads_;
  // Timed-out transfers whose call has not returned: answered already, kept alive (and their
  // addresses unused) until their thread says it ended.
  std::map<Transfer*, std::shared_ptr<Transfer>> abandoned_;
};

void WinHttpClient::StartQueued() {
  for (auto& [host, transfer] : queue_.TakeStartable()) {
    Transfer* raw = transfer.get();
    raw->deadline = Clock::now() + shared_->options.requestTimeout;
    active_.emplace(raw, std::move(transfer));
    // The thread holds the transfer and the shared state, either of which may outlive the client.
    threads_.emplace(raw, std::thread([shared = shared_, transfer = active_.at(raw)] {
                       Exchange(*shared, *transfer);
                       {
                         std::lock_guard lock(shared->mutex);
                         shared->ended.push_back(transfer.get());
                       }
                       shared->changed.notify_all();
                     }));
  }
}

void WinHttpClient::Exchange(Shared& shared, Transfer& t) {
  if (!shared.session) {
    t.reply.failure = base::Failure{"WinHTTP is not available"};
    return;
  }
  base::Status checked = CheckAddress(t.request.url);
  for (const auto& [name, value] : t.request.headers) {
    if (checked) checked = CheckHeader(name, value);
  }
  if (!checked) {
    t.reply.failure = checked.failure();
    return;
  }
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = DWORD(-1);
  parts.dwUrlPathLength = DWORD(-1);
  parts.dwExtraInfoLength = DWORD(-1);
  const std::wstring url = Widen(t.request.url);
  if (!WinHttpCrackUrl(url.c_str(), DWORD(url.size()), 0, &parts) ||
      (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)) {
    t.reply.failure = base::Failure{"invalid address", base::FailureKind::Request};
    return;
  }
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  HINTERNET connect = WinHttpConnect(shared.session, host.c_str(), parts.nPort, 0);
  if (!connect) {
    t.reply.failure = FailureOf(GetLastError());
    return;
  }
  std::wstring object(parts.lpszUrlPath, parts.dwUrlPathLength);
  object.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (object.empty()) object = L"/";
  HINTERNET request = WinHttpOpenRequest(
      connect, L"GET", object.c_str(), nullptr, WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
      parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0);
  bool cancelled = false;
  {
    std::lock_guard lock(shared.mutex);
    cancelled = t.cancelled;
    if (!cancelled) t.handle = request;
  }
  const base::Failure timedOut{"timed out", base::FailureKind::Timeout};
  const base::Failure stopped{"cancelled", base::FailureKind::Cancelled};
  if (!request || cancelled) {
    t.reply.failure = request ? stopped : FailureOf(GetLastError());
    if (request) WinHttpCloseHandle(request);
  } else if (base::Status exchanged = ExchangeSteps(shared.options, t, request); !exchanged) {
    std::lock_guard lock(shared.mutex);
    t.reply.failure = t.timedOut ? timedOut : t.cancelled ? stopped : exchanged.failure();
  }
  {
    std::lock_guard lock(shared.mutex);
    if (t.handle) WinHttpCloseHandle(t.handle);
    t.handle = nullptr;
    if (t.timedOut) t.reply.failure = timedOut;
  }
  WinHttpCloseHandle(connect);
  if (!t.reply.ok()) {
    t.reply.status = 0;
    t.reply.headers.clear();
    t.reply.body.clear();
  }
}

// Steps: (1) limits and headers, (2) send and receive the response, (3) its status, headers
// and final address, (4) the body, no longer than announced and no larger than the cap.
base::Status WinHttpClient::ExchangeSteps(const ClientOptions& options, Transfer& t,
                                          HINTERNET request) {
  const auto lastError = [] { return FailureOf(GetLastError()); };
  const int connectMs = int(options.connectTimeout.count());
  const int totalMs = int(options.requestTimeout.count());
  WinHttpSetTimeouts(request, connectMs, connectMs, totalMs, totalMs);
  DWORD redirects = DWORD(std::max(options.maxRedirects, 0));
  DWORD policy = WINHTTP_OPTION_REDIRECT_POLICY_DISALLOW_HTTPS_TO_HTTP;
  if (!WinHttpSetOption(request, WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS, &redirects,
                        sizeof redirects) ||
      !WinHttpSetOption(request, WINHTTP_OPTION_REDIRECT_POLICY, &policy, sizeof policy)) {
    return lastError();
  }
  std::wstring headers;
  for (const auto& [name, value] : t.request.headers) {
    headers += Widen(name) + L": " + Widen(value) + L"\r\n";
  }
  if (!headers.empty() &&
      !WinHttpAddRequestHeaders(request, headers.c_str(), DWORD(headers.size()),
                                WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE)) {
    return lastError();
  }

  if (!WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0,
                          0) ||
      !WinHttpReceiveResponse(request, nullptr)) {
    return lastError();
  }

  DWORD status = 0;
  DWORD size = sizeof status;
  if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                           WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX)) {
    return lastError();
  }
  t.reply.status = int(status);
  if (base::Status read = ReadHeaders(request, options.maxHeaderBytes, t.reply); !read) return read;
  // WinHTTP hands back, as the answer, a redirect it would not follow: one from https to http
  // or to another scheme. libcurl refuses those, and so does this client.
  const bool redirect = (status >= 301 && status <= 303) || status == 307 || status == 308;
  if (redirect && !t.reply.Header("location").empty()) {
    return base::Failure{"a redirect to a weaker or unknown scheme was refused",
                         base::FailureKind::Redirects};
  }
  DWORD urlSize = 0;
  WinHttpQueryOption(request, WINHTTP_OPTION_URL, nullptr, &urlSize);
  std::wstring finalUrl(urlSize / sizeof(wchar_t) + 1, L'\0');
  if (urlSize > 0 && WinHttpQueryOption(request, WINHTTP_OPTION_URL, finalUrl.data(), &urlSize)) {
    finalUrl.resize(urlSize / sizeof(wchar_t));
    t.reply.url = Narrow(finalUrl);
  } else {
    t.reply.url = t.request.url;
  }

  // A connection closed early ends the body quietly here; the announced length tells.
  const std::string announced = t.reply.Header("content-length");
  char buffer[16384];
  for (;;) {
    DWORD read = 0;
    if (!WinHttpReadData(request, buffer, sizeof buffer, &read)) return lastError();
    if (read == 0) break;
    if (read > options.maxBodyBytes - t.reply.body.size())
      return BodyTooLarge(options.maxBodyBytes);
    t.reply.body.append(buffer, read);
  }
  std::uint64_t length = 0;
  const auto [end, error] =
      std::from_chars(announced.data(), announced.data() + announced.size(), length);
  if (error == std::errc() && end == announced.data() + announced.size() && !announced.empty() &&
      t.reply.body.size() < length) {
    return base::Failure{"the connection closed before the whole body arrived",
                         base::FailureKind::Connect};
  }
  return base::Ok();
}

void WinHttpClient::Run(Clock::time_point deadline) {
  StartQueued();
  std::unique_lock lock(shared_->mutex);
  for (;;) {
    if (!shared_->ended.empty()) {
      std::vector<Transfer*> ended = std::exchange(shared_->ended, {});
      lock.unlock();
      std::vector<std::shared_ptr<Transfer>> finished;
      for (Transfer* raw : ended) {
        if (abandoned_.erase(raw) > 0) continue;
        threads_.at(raw).join();
        threads_.erase(raw);
        finished.push_back(std::move(active_.at(raw)));
        active_.erase(raw);
        queue_.Finished(raw->host);
      }
      StartQueued();
      for (auto& t : finished) t->done(std::move(t->reply));
      return;
    }
    if (active_.empty() || std::exchange(shared_->woken, false)) return;
    auto until = deadline;
    const auto now = Clock::now();
    std::vector<std::shared_ptr<Transfer>> late;
    for (auto& [raw, transfer] : active_) {
      if (transfer->deadline <= now && !transfer->cancelled) {
        transfer->timedOut = true;
        transfer->cancelledAt = now;
        Cancel(*transfer);
      }
      if (transfer->timedOut && now >= transfer->cancelledAt + kAbandonAfter) {
        late.push_back(transfer);
      } else {
        until = std::min(
            until, transfer->timedOut ? transfer->cancelledAt + kAbandonAfter : transfer->deadline);
      }
    }
    if (!late.empty()) {
      // The time-out holds even where the system's call does not return: the thread is left
      // to end on its own, and the name gets its answer now.
      for (const auto& transfer : late) {
        Transfer* raw = transfer.get();
        threads_.at(raw).detach();
        threads_.erase(raw);
        active_.erase(raw);
        abandoned_.emplace(raw, transfer);
        queue_.Finished(transfer->host);
      }
      lock.unlock();
      StartQueued();
      for (const auto& transfer : late) {
        Reply reply;
        reply.failure = base::Failure{"timed out", base::FailureKind::Timeout};
        transfer->done(std::move(reply));
      }
      return;
    }
    if (now >= deadline) return;
    shared_->changed.wait_until(lock, until,
                                [this] { return !shared_->ended.empty() || shared_->woken; });
    if (Clock::now() >= deadline && shared_->ended.empty()) return;
  }
}

}  // namespace

base::Status CheckHttpClientSupport() {
  return base::Ok();
}

std::unique_ptr<HttpClient> OpenHttpClient(const ClientOptions& options) {
  return std::make_unique<WinHttpClient>(options);
}

}  // namespace web
