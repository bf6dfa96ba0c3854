// The HTTP request component over WinINet, whose cookie store is the system's own: cookies the
// registrar sets are shared by every request of the process and with the system browser, and
// the user clears them with the browser. WinINet's blocking calls run on one worker thread per
// request; the exchange signals an event when it has ended, so a synchronous send and each read
// of readyState wait on that event instead of spinning, and the waiting side can give up a
// connection attempt that would otherwise hang. Redirects are followed here rather than by
// WinINet, to bound their number.

// Winsock must come before the rest of the Windows headers.
#include <winsock2.h>

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cwchar>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "HttpRequest.h"
#include "RequestCheck.h"
#include "base/Text.h"

namespace web {
namespace {

std::wstring Wide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
  auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](auto x, auto y) { return lower(x) == lower(y); });
}

base::FailureKind KindOf(DWORD error) {
  switch (error) {
    case ERROR_INTERNET_TIMEOUT:
    case WSAETIMEDOUT:
      return base::FailureKind::Timeout;
    case ERROR_INTERNET_NAME_NOT_RESOLVED:
      return base::FailureKind::Dns;
    case ERROR_INTERNET_INVALID_CA:
    case ERROR_INTERNET_SEC_CERT_CN_INVALID:
    case ERROR_INTERNET_SEC_CERT_DATE_INVALID:
    case ERROR_INTERNET_SEC_CERT_REVOKED:
    case ERROR_INTERNET_SEC_CERT_ERRORS:
    case ERROR_INTERNET_SECURITY_CHANNEL_ERROR:
      return base::FailureKind::Tls;
    case ERROR_HTTP_INVALID_SERVER_RESPONSE:
    case ERROR_HTTP_HEADER_NOT_FOUND:
      return base::FailureKind::Protocol;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_INVALID_PARAMETER:
      return base::FailureKind::Other;
    default:
      // Everything else WinINet reports of an exchange is about the connection.
      return base::FailureKind::Connect;
  }
}

base::Failure LastError(const char* step) {
  const DWORD error = GetLastError();
  return base::Failure{std::string(step) + " failed (error " + std::to_string(error) + ")",
                 KindOf(error)};
}

// The process's WinINet root handle, kept alive by every request that still uses it, so that a
// worker outliving its request object or the session never touches a closed handle.
struct Root {
  HINTERNET handle = nullptr;
  TransferLimits limits;
  ~Root() {
    if (handle) InternetCloseHandle(handle);
  }
};

struct Target {
  bool secure = false;
  std::wstring host;
  INTERNET_PORT port = 0;
  std::wstring object;  // path and query
};

base::Result<Target> Crack(const std::wstring& url) {
  wchar_t host[INTERNET_MAX_HOST_NAME_LENGTH + 1] = {};
  URL_COMPONENTSW parts{};
  parts.dwStructSize = sizeof parts;
  parts.lpszHostName = host;
  parts.dwHostNameLength = INTERNET_MAX_HOST_NAME_LENGTH + 1;
  parts.dwUrlPathLength = 1;
  parts.dwExtraInfoLength = 1;
  if (!InternetCrackUrlW(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts))
    return base::Failure{"not a web address", base::FailureKind::Request};
  if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)
    return base::Failure{"only http and https addresses are supported", base::FailureKind::Request};
  if (parts.dwHostNameLength == 0)
    return base::Failure{"the address names no host", base::FailureKind::Request};
  Target target;
  target.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  target.host.assign(host, parts.dwHostNameLength);
  target.port = parts.nPort;
  target.object.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
  if (parts.lpszExtraInfo) target.object.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (target.object.empty()) target.object = L"/";
  return target;
}

// Everything one exchange needs and produces. A worker thread and the request object share it;
// the mutex guards the handles (which the request object closes to abort a blocking call) and
// the outcome.
struct Exchange {
  std::shared_ptr<Root> root;
  std::wstring method;
  std::wstring url;
  std::vector<std::pair<std::wstring, std::wstring>> headers;
  std::string body;

  // Set by WinINet's status callback once the request has gone out on a connection, which tells
  // a time-out while connecting from one while waiting for the answer.
  std::atomic<bool> connected{false};
  // When the exchange and its current hop began, in steady-clock ticks (read by the waiting
  // thread; 0 before the start).
  std::atomic<std::chrono::steady_clock::rep> transferStart{0};
  std::atomic<std::chrono::steady_clock::rep> hopStart{0};
  std::chrono::steady_clock::time_point lastActivity;
  std::atomic<bool> workerDone{false};

  std::mutex mutex;
  HINTERNET connection = nullptr;
  HINTERNET request = nullptr;
  bool abandoned = false;
  int readyState = 1;
  bool ended = false;
  base::Result<std::vector<std::uint8_t>> outcome = base::Failure{"the request has not been sent"};
  HANDLE endedEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);

  ~Exchange() {
    CloseHandles();
    if (endedEvent) CloseHandle(endedEvent);
  }

  void CloseHandles() {
    std::lock_guard lock(mutex);
    if (request) InternetCloseHandle(request);
    if (connection) InternetCloseHandle(connection);
    request = connection = nullptr;
  }

  // Adopts freshly opened handles unless the request object has given up on the exchange.
  bool Adopt(HINTERNET newConnection, HINTERNET newRequest) {
    std::lock_guard lock(mutex);
    if (abandoned) {
      if (newRequest) InternetCloseHandle(newRequest);
      if (newConnection) InternetCloseHandle(newConnection);
      return false;
    }
    connection = newConnection;
    request = newRequest;
    return true;
  }

  void Abandon() {
    {
      std::lock_guard lock(mutex);
      abandoned = true;
    }
    CloseHandles();
  }

  void SetState(int state) {
    std::lock_guard lock(mutex);
    readyState = state;
  }

  // The first end wins: the worker's, or the waiting side's when connecting took too long.
  void End(base::Result<std::vector<std::uint8_t>> result) {
    CloseHandles();
    {
      std::lock_guard lock(mutex);
      if (ended) return;
      outcome = std::move(result);
      readyState = 4;
      ended = true;
    }
    SetEvent(endedEvent);
  }

  void Run() {
    transferStart = std::chrono::steady_clock::now().time_since_epoch().count();
    End(Transfer());
    workerDone = true;
  }

  bool Ended() {
    std::lock_guard lock(mutex);
    return ended;
  }

  // Wine does not bound the time WinINet spends connecting, and nothing in WinINet bounds a
  // transfer whose bytes trickle in, so the waiting side does: past a limit it gives the
  // exchange up, which also cuts off the worker's blocking call on Windows.
  void CheckDeadlines() {
    using Clock = std::chrono::steady_clock;
    const auto now = Clock::now().time_since_epoch();
    const auto began = Clock::duration(transferStart.load());
    const auto hop = Clock::duration(hopStart.load());
    if (began.count() != 0 && now - began >= root->limits.transferTimeout) {
      Abandon();
      End(base::Failure{"the transfer took longer than " +
                      std::to_string(root->limits.transferTimeout.count()) + " ms",
                  base::FailureKind::Timeout});
    } else if (!connected && hop.count() != 0 && now - hop >= root->limits.connectTimeout) {
      Abandon();
      End(base::Failure{
          "could not connect within " + std::to_string(root->limits.connectTimeout.count()) + " ms",
          base::FailureKind::Timeout});
    }
  }

  // Waits up to the given time for the end, checking the connect deadline meanwhile.
  void WaitForEnd(std::chrono::milliseconds most) {
    const auto until = std::chrono::steady_clock::now() + most;
    for (;;) {
      CheckDeadlines();
      const auto left = until - std::chrono::steady_clock::now();
      if (Ended() || left <= decltype(left)::zero()) return;
      const auto step =
          std::min<std::chrono::steady_clock::duration>(left, std::chrono::milliseconds(50));
      (void)WaitForSingleObject(
          endedEvent,
          static_cast<DWORD>(std::chrono::ceil<std::chrono::milliseconds>(step).count()));
    }
  }

  base::Result<std::vector<std::uint8_t>> Transfer();
  base::Status SendOnce(const Target& target);
  base::Result<std::vector<std::uint8_t>> ReadBody();
  base::Failure TransferFailure(const char* step) const;
};

void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, void*, DWORD) {
  if (status == INTERNET_STATUS_CONNECTED_TO_SERVER || status == INTERNET_STATUS_REQUEST_SENT)
    reinterpret_cast<Exchange*>(context)->connected = true;
}

// WinINet reports a receive time-out as ERROR_INTERNET_TIMEOUT, and Wine as the socket's
// WSAETIMEDOUT or an aborted connection; both mean a time-out when the limit has passed since
// anything last happened.
base::Failure Exchange::TransferFailure(const char* step) const {
  const DWORD error = GetLastError();
  const auto quiet = std::chrono::steady_clock::now() - lastActivity;
  const bool timedOut =
      error == ERROR_INTERNET_TIMEOUT || error == WSAETIMEDOUT ||
      ((error == ERROR_INTERNET_CONNECTION_ABORTED || error == ERROR_INTERNET_CONNECTION_RESET) &&
       quiet >= root->limits.idleTimeout * 9 / 10);
  if (!connected) {
    if (timedOut)
      return base::Failure{
          "could not connect within " + std::to_string(root->limits.connectTimeout.count()) + " ms",
          base::FailureKind::Timeout};
    return base::Failure{"could not connect to the server (error " + std::to_string(error) + ")",
                   KindOf(error)};
  }
  if (timedOut)
    return base::Failure{
        "nothing received for " + std::to_string(root->limits.idleTimeout.count()) + " ms",
        base::FailureKind::Timeout};
  return base::Failure{std::string(step) + " failed (error " + std::to_string(error) + ")",
                 KindOf(error)};
}

DWORD QueryStatus(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof status;
  if (!HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                      nullptr))
    return 0;
  return status;
}

std::wstring QueryLocation(HINTERNET request) {
  DWORD size = 0;
  (void)HttpQueryInfoW(request, HTTP_QUERY_LOCATION, nullptr, &size, nullptr);
  if (size == 0) return {};
  std::wstring location(size / sizeof(wchar_t) + 1, L'\0');
  if (!HttpQueryInfoW(request, HTTP_QUERY_LOCATION, location.data(), &size, nullptr)) return {};
  location.resize(size / sizeof(wchar_t));
  return location;
}

base::Result<std::wstring> Resolve(const std::wstring& base, const std::wstring& location) {
  DWORD size = INTERNET_MAX_URL_LENGTH;
  std::wstring combined(size, L'\0');
  if (!InternetCombineUrlW(base.c_str(), location.c_str(), combined.data(), &size, 0))
    return base::Failure{"the redirect names an unusable address", base::FailureKind::Redirects};
  combined.resize(size);
  return combined;
}

base::Status Exchange::SendOnce(const Target& target) {
  HINTERNET newConnection = InternetConnectW(root->handle, target.host.c_str(), target.port,
                                             nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0);
  if (!newConnection) return LastError("InternetConnect");
  static const wchar_t* acceptTypes[] = {L"*/*", nullptr};
  DWORD flags = INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_RELOAD |
                INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_UI |
                INTERNET_FLAG_KEEP_CONNECTION;
  if (target.secure) flags |= INTERNET_FLAG_SECURE;
  HINTERNET newRequest =
      HttpOpenRequestW(newConnection, method.c_str(), target.object.c_str(), nullptr, nullptr,
                       acceptTypes, flags, reinterpret_cast<DWORD_PTR>(this));
  if (!newRequest) {
    base::Status failure = LastError("HttpOpenRequest");
    InternetCloseHandle(newConnection);
    return failure;
  }
  if (!Adopt(newConnection, newRequest)) {
    return base::Failure{"the request was abandoned", base::FailureKind::Cancelled};
  }
  connected = false;
  hopStart = std::chrono::steady_clock::now().time_since_epoch().count();
  (void)InternetSetStatusCallbackW(newRequest, &OnStatus);

  // WinINet applies the receive time-out to every wait for data, which makes it an idle limit.
  DWORD connectMs = static_cast<DWORD>(root->limits.connectTimeout.count());
  DWORD idleMs = static_cast<DWORD>(root->limits.idleTimeout.count());
  (void)InternetSetOptionW(newRequest, INTERNET_OPTION_CONNECT_TIMEOUT, &connectMs,
                           sizeof connectMs);
  (void)InternetSetOptionW(newRequest, INTERNET_OPTION_SEND_TIMEOUT, &idleMs, sizeof idleMs);
  (void)InternetSetOptionW(newRequest, INTERNET_OPTION_RECEIVE_TIMEOUT, &idleMs, sizeof idleMs);

  std::wstring headerBlock;
  for (const auto& [name, value] : headers) headerBlock += name + L": " + value + L"\r\n";
  lastActivity = std::chrono::steady_clock::now();
  if (!HttpSendRequestW(newRequest, headerBlock.empty() ? nullptr : headerBlock.c_str(),
                        static_cast<DWORD>(headerBlock.size()),
                        body.empty() ? nullptr : body.data(), static_cast<DWORD>(body.size())))
    return TransferFailure("HttpSendRequest");
  connected = true;
  return base::Ok();
}

std::optional<std::uint64_t> QueryContentLength(HINTERNET request) {
  wchar_t text[32] = {};
  DWORD size = sizeof text;
  if (!HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) return {};
  wchar_t* end = nullptr;
  const unsigned long long length = wcstoull(text, &end, 10);
  if (end == text) return {};
  return length;
}

// WinINet ends the body quietly when the server closes the connection early; a body shorter
// than the length the server announced is a broken transfer, not a complete answer.
base::Result<std::vector<std::uint8_t>> Exchange::ReadBody() {
  const std::optional<std::uint64_t> announced = QueryContentLength(request);
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[64 * 1024];
  for (;;) {
    DWORD got = 0;
    lastActivity = std::chrono::steady_clock::now();
    if (!InternetReadFile(request, chunk, sizeof chunk, &got))
      return TransferFailure("InternetReadFile");
    if (got == 0) {
      if (announced && bytes.size() < *announced)
        return base::Failure{"the connection closed before the whole body arrived", base::FailureKind::Connect};
      return bytes;
    }
    if (bytes.size() + got > root->limits.maxResponseBytes)
      return base::Failure{
          "the response is larger than " + std::to_string(root->limits.maxResponseBytes) + " bytes",
          base::FailureKind::TooLarge};
    bytes.insert(bytes.end(), chunk, chunk + got);
    SetState(3);
  }
}

// Steps: (1) open and send, (2) on a redirect start again at its target, carrying the cookies
// through WinINet's store, (3) otherwise read the body. A POST answered by 301, 302 or 303
// continues as a GET without body, as browsers do; 307 and 308 keep method and body.
base::Result<std::vector<std::uint8_t>> Exchange::Transfer() {
  for (int redirects = 0;; ++redirects) {
    base::Result<Target> target = Crack(url);
    // After a redirect, an address that cannot be used is the redirect's fault.
    if (!target && redirects > 0) return base::Failure{target.error(), base::FailureKind::Redirects};
    if (!target) return target.failure();
    if (base::Status sent = SendOnce(target.value()); !sent) return sent.failure();
    SetState(2);
    DWORD status = QueryStatus(request);
    std::wstring location = QueryLocation(request);
    bool redirect = (status >= 301 && status <= 303) || status == 307 || status == 308;
    if (!redirect || location.empty()) return ReadBody();
    if (redirects >= root->limits.maxRedirects) {
      return base::Failure{"too many redirects", base::FailureKind::Redirects};
    }
    base::Result<std::wstring> next = Resolve(url, location);
    if (!next) return next.failure();
    url = next.value();
    if (status != 307 && status != 308 && method != L"GET" && method != L"HEAD") {
      method = L"GET";
      body.clear();
      std::erase_if(headers, [](const auto& header) {
        return EqualsIgnoringCase(std::u16string(header.first.begin(), header.first.end()),
                                  u"Content-Type");
      });
    }
    CloseHandles();
  }
}

class WinInetRequest final : public HttpRequest {
 public:
  explicit WinInetRequest(std::shared_ptr<Root> root) : root_(std::move(root)) {}

  ~WinInetRequest() override { Release(); }

  base::Status Open(std::u16string_view method, std::u16string_view url, bool async) override {
    if (exchange_ && sent_ && !exchange_->Ended()) return base::Failure{"the request is under way"};
    base::Result<std::string> checked = CheckedMethod(method);
    if (!checked) return checked.failure();
    if (base::Status address = CheckAddress(url); !address) return address;
    Release();
    exchange_ = std::make_shared<Exchange>();
    exchange_->root = root_;
    exchange_->method.assign(checked.value().begin(), checked.value().end());
    exchange_->url = Wide(url);
    async_ = async;
    sent_ = false;
    return base::Ok();
  }

  base::Status setRequestHeader(std::u16string_view name, std::u16string_view value) override {
    if (!exchange_ || sent_) return base::Failure{"setRequestHeader needs an opened, unsent request"};
    if (base::Status header = CheckHeader(name, value); !header) return header;
    exchange_->headers.emplace_back(Wide(name), Wide(value));
    return base::Ok();
  }

  // WinINet's calls block, so they run on a worker thread in both modes; a synchronous send
  // waits here for the end.
  base::Status send(std::u16string_view body) override {
    if (!exchange_ || sent_) return base::Failure{"send needs an opened, unsent request"};
    if (!exchange_->endedEvent) return LastError("CreateEvent");
    sent_ = true;
    exchange_->body = base::Utf16ToUtf8(body);
    try {
      worker_ = std::thread([exchange = exchange_] { exchange->Run(); });
    } catch (const std::system_error&) {
      exchange_->End(base::Failure{"no thread for the request", base::FailureKind::Other});
    }
    if (async_) return base::Ok();
    while (!exchange_->Ended()) exchange_->WaitForEnd(std::chrono::hours(1));
    std::lock_guard lock(exchange_->mutex);
    if (!exchange_->outcome) return exchange_->outcome.failure();
    return base::Ok();
  }

  base::Result<int> readyState() override {
    if (!exchange_) return base::Failure{"the request has not been opened"};
    if (!sent_) return 1;
    if (!exchange_->Ended()) exchange_->WaitForEnd(root_->limits.readyStateWait);
    std::lock_guard lock(exchange_->mutex);
    return exchange_->readyState;
  }

  base::Result<std::vector<std::uint8_t>> responseBody() override {
    if (!exchange_ || !sent_) return base::Failure{"the request has not been sent"};
    std::lock_guard lock(exchange_->mutex);
    if (!exchange_->ended) return base::Failure{"the response is not complete"};
    return exchange_->outcome;
  }

 private:
  // A worker still inside WinINet is cut off by closing its handles; it finishes on its own
  // and frees the shared exchange, so the caller never waits for the network here.
  void Release() {
    if (!worker_.joinable()) return;
    if (exchange_->workerDone) {
      worker_.join();
      return;
    }
    exchange_->Abandon();
    worker_.detach();
  }

  std::shared_ptr<Root> root_;
  std::shared_ptr<Exchange> exchange_;
  std::thread worker_;
  bool async_ = false;
  bool sent_ = false;
};

class WinInetSession final : public HttpSession {
 public:
  explicit WinInetSession(const TransferLimits& limits) : root_(std::make_shared<Root>()) {
    root_->limits = limits;
    root_->handle = InternetOpenW(L"Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 6.1; Brelka 8.0)",
                                  INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    // Wine takes the connect time-out from the session handle only; Windows from either.
    DWORD connectMs = static_cast<DWORD>(limits.connectTimeout.count());
    if (root_->handle)
      (void)InternetSetOptionW(root_->handle, INTERNET_OPTION_CONNECT_TIMEOUT, &connectMs,
                               sizeof connectMs);
  }

  base::Result<std::unique_ptr<HttpRequest>> CreateObject(std::u16string_view progId) override {
    if (!EqualsIgnoringCase(progId, u"msxml2.xmlhttp"))
      return base::Failure{"unknown component: the only one is msxml2.xmlhttp"};
    if (!root_->handle) return base::Failure{"WinINet could not be opened"};
    return std::unique_ptr<HttpRequest>(std::make_unique<WinInetRequest>(root_));
  }

 private:
  std::shared_ptr<Root> root_;
};

}  // namespace

std::unique_ptr<HttpSession> OpenHttpSession(const TransferLimits& limits) {
  return std::make_unique<WinInetSession>(limits);
}

}  // namespace web
