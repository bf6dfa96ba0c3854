// The POSIX HTTP session, built on libcurl. One share handle holds the session's cookie jar (in
// memory only), its DNS cache, TLS sessions and open connections, so every request of the
// session sees the cookies of the ones before it and reuses their connections. Each request
// drives its own transfer on the caller's thread; nothing here starts a thread or a signal.
#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "CurlFailure.h"
#include "HttpRequest.h"
#include "RequestCheck.h"
#include "base/Text.h"

namespace web {
namespace {

using Clock = std::chrono::steady_clock;

// The User-Agent of the browser component the tool was designed around; some sites answer
// unknown clients differently.
constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1)";

std::string AsciiUpper(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) {
    // Anything outside ASCII becomes a character no name contains.
    out.push_back(c >= 0x80 ? '\x7f' : c >= u'a' && c <= u'z' ? char(c - 32) : char(c));
  }
  return out;
}

// The state every request of one session shares. Requests keep it alive, so a session may be
// closed while a request still exists.
class SharedState {
 public:
  SharedState() : share_(curl_share_init()) {
    for (curl_lock_data data : {CURL_LOCK_DATA_COOKIE, CURL_LOCK_DATA_DNS,
                                CURL_LOCK_DATA_SSL_SESSION, CURL_LOCK_DATA_CONNECT}) {
      (void)curl_share_setopt(share_, CURLSHOPT_SHARE, data);
    }
  }
  ~SharedState() { (void)curl_share_cleanup(share_); }
  SharedState(const SharedState&) = delete;
  SharedState& operator=(const SharedState&) = delete;

  CURLSH* handle() const { return share_; }

 private:
  CURLSH* share_;
};

class CurlRequest final : public HttpRequest {
 public:
  CurlRequest(std::shared_ptr<SharedState> shared, const TransferLimits& limits)
      : shared_(std::move(shared)), limits_(limits) {}
  ~CurlRequest() override { Reset(); }

  base::Status Open(std::u16string_view method, std::u16string_view url, bool async) override;
  base::Status setRequestHeader(std::u16string_view name, std::u16string_view value) override;
  base::Status send(std::u16string_view body) override;
  base::Result<int> readyState() override;
  base::Result<std::vector<std::uint8_t>> responseBody() override;

 private:
  enum class Phase { Unopened, Opened, Sending, Done };

  void Reset();
  base::Status Configure(std::u16string_view body);
  base::Status Start(std::u16string_view body);
  // Runs the transfer for at most `wait`, returning early on network activity or completion.
  void Drive(std::chrono::milliseconds wait);
  void Finish(CURLcode code);
  void Fail(base::Failure failure);

  static size_t OnBody(char* data, size_t size, size_t count, void* self);
  static size_t OnHeader(char* data, size_t size, size_t count, void* self);

  std::shared_ptr<SharedState> shared_;
  TransferLimits limits_;

  Phase phase_ = Phase::Unopened;
  bool async_ = false;
  std::string method_;
  std::string url_;
  std::vector<std::string> headerLines_;
  std::string body_;

  CURL* easy_ = nullptr;
  CURLM* multi_ = nullptr;
  curl_slist* headers_ = nullptr;
  char errorText_[CURL_ERROR_SIZE] = {};

  bool headersSeen_ = false;
  std::size_t headerBytes_ = 0;
  std::vector<std::uint8_t> response_;
  // Why this side cut the transfer short: an answer over the cap.
  std::optional<base::Failure> cut_;
  Clock::time_point lastReceived_;
  std::optional<base::Failure> failure_;  // empty while the exchange has not failed
};

void CurlRequest::Reset() {
  if (multi_ && easy_) (void)curl_multi_remove_handle(multi_, easy_);
  if (easy_) curl_easy_cleanup(easy_);
  if (multi_) (void)curl_multi_cleanup(multi_);
  curl_slist_free_all(headers_);
  easy_ = nullptr;
  multi_ = nullptr;
  headers_ = nullptr;
  phase_ = Phase::Unopened;
  headerLines_.clear();
  body_.clear();
  response_.clear();
  headersSeen_ = false;
  headerBytes_ = 0;
  cut_.reset();
  failure_.reset();
  errorText_[0] = '\0';
}

base::Status CurlRequest::Open(std::u16string_view method, std::u16string_view url, bool async) {
  Reset();
  base::Result<std::string> checked = CheckedMethod(method);
  if (!checked) return checked.failure();
  if (base::Status address = CheckAddress(url); !address) return address;
  method_ = std::move(checked.value());
  url_ = base::Utf16ToUtf8(url);
  async_ = async;
  phase_ = Phase::Opened;
  return base::Ok();
}

base::Status CurlRequest::setRequestHeader(std::u16string_view name, std::u16string_view value) {
  if (phase_ != Phase::Opened) return base::Failure{"the request is not open"};
  if (base::Status header = CheckHeader(name, value); !header) return header;
  // curl drops a header given as "Name:" and sends "Name;" as a header with an empty value.
  headerLines_.push_back(base::Utf16ToUtf8(name) + (value.empty() ? ";" : ": " + base::Utf16ToUtf8(value)));
  return base::Ok();
}

// Every option whose failure would change what is sent or accepted is checked; the others only
// change how.
base::Status CurlRequest::Configure(std::u16string_view body) {
  CURL* e = easy_;
  // The registrar is reached over plain http, and its redirects may go either way.
  for (base::Status set : {
           Required(curl_easy_setopt(e, CURLOPT_SHARE, shared_->handle()), "the cookie store"),
           Required(curl_easy_setopt(e, CURLOPT_URL, url_.c_str()), "the address"),
           SetSafeguards(e, "http,https", limits_.maxRedirects),
       }) {
    if (!set) return set;
  }
  (void)curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
  (void)curl_easy_setopt(e, CURLOPT_ERRORBUFFER, errorText_);
  // An empty file name switches the cookie engine on without reading or writing any file.
  (void)curl_easy_setopt(e, CURLOPT_COOKIEFILE, "");
  (void)curl_easy_setopt(e, CURLOPT_USERAGENT, kUserAgent);
  // Compressed answers arrive decoded, so the size cap below counts what is actually kept.
  (void)curl_easy_setopt(e, CURLOPT_ACCEPT_ENCODING, "");
  (void)curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, long(limits_.connectTimeout.count()));
  // curl's own deadline also shortens the waits in Drive(), so it ends the transfer on time.
  (void)curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, long(limits_.transferTimeout.count()));
  (void)curl_easy_setopt(e, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(limits_.maxResponseBytes));
  (void)curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &CurlRequest::OnBody);
  (void)curl_easy_setopt(e, CURLOPT_WRITEDATA, this);
  (void)curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, &CurlRequest::OnHeader);
  (void)curl_easy_setopt(e, CURLOPT_HEADERDATA, this);

  // GET and POST go through curl's own settings so that a redirect changes a POST into a GET
  // as browsers do; a custom method would be repeated on every hop.
  if (method_ == "GET") {
    (void)curl_easy_setopt(e, CURLOPT_HTTPGET, 1L);
  } else if (method_ == "HEAD") {
    (void)curl_easy_setopt(e, CURLOPT_NOBODY, 1L);
  } else {
    body_ = base::Utf16ToUtf8(body);
    (void)curl_easy_setopt(e, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(body_.size()));
    (void)curl_easy_setopt(e, CURLOPT_POSTFIELDS, body_.data());
    if (method_ != "POST") (void)curl_easy_setopt(e, CURLOPT_CUSTOMREQUEST, method_.c_str());
  }

  // Browsers do not announce bodies with "Expect: 100-continue", and some servers stall on it.
  headers_ = curl_slist_append(headers_, "Expect:");
  for (const std::string& line : headerLines_) headers_ = curl_slist_append(headers_, line.c_str());
  (void)curl_easy_setopt(e, CURLOPT_HTTPHEADER, headers_);
  return base::Ok();
}

base::Status CurlRequest::Start(std::u16string_view body) {
  easy_ = curl_easy_init();
  multi_ = curl_multi_init();
  if (!easy_ || !multi_) return base::Failure{"out of memory"};
  // The handle must know its share before it joins the multi handle, or its connections go to
  // a cache that dies with this request.
  if (base::Status configured = Configure(body); !configured) return configured;
  phase_ = Phase::Sending;
  lastReceived_ = Clock::now();
  if (curl_multi_add_handle(multi_, easy_) != CURLM_OK) return base::Failure{"cannot start transfer"};
  return base::Ok();
}

base::Status CurlRequest::send(std::u16string_view body) {
  if (phase_ != Phase::Opened) return base::Failure{"the request is not open or was already sent"};
  base::Status started = Start(body);
  if (!started) {
    Fail(started.failure());
    return started;
  }
  if (async_) {
    Drive(std::chrono::milliseconds(0));
    return base::Ok();
  }
  while (phase_ != Phase::Done) {
    auto idleLeft = std::chrono::ceil<std::chrono::milliseconds>(
        lastReceived_ + limits_.idleTimeout - Clock::now());
    Drive(std::clamp(idleLeft, std::chrono::milliseconds(1), std::chrono::milliseconds(1000)));
  }
  if (failure_) return *failure_;
  return base::Ok();
}

void CurlRequest::Drive(std::chrono::milliseconds wait) {
  int running = 0;
  (void)curl_multi_perform(multi_, &running);
  if (running > 0 && wait.count() > 0) {
    (void)curl_multi_poll(multi_, nullptr, 0, int(wait.count()), nullptr);
    (void)curl_multi_perform(multi_, &running);
  }
  int queued = 0;
  while (CURLMsg* msg = curl_multi_info_read(multi_, &queued)) {
    if (msg->msg == CURLMSG_DONE) {
      Finish(msg->data.result);
      return;
    }
  }
  if (Clock::now() - lastReceived_ >= limits_.idleTimeout) {
    Fail({"nothing received for " + std::to_string(limits_.idleTimeout.count()) + " ms",
          base::FailureKind::Timeout});
  }
}

void CurlRequest::Finish(CURLcode code) {
  if (cut_) {
    Fail(std::move(*cut_));
  } else if (code == CURLE_FILESIZE_EXCEEDED) {
    Fail({"response larger than " + std::to_string(limits_.maxResponseBytes) + " bytes",
          base::FailureKind::TooLarge});
  } else if (code != CURLE_OK) {
    long redirects = 0;
    (void)curl_easy_getinfo(easy_, CURLINFO_REDIRECT_COUNT, &redirects);
    Fail(CurlFailure(code, redirects > 0, errorText_));
  } else {
    phase_ = Phase::Done;
  }
}

void CurlRequest::Fail(base::Failure failure) {
  // The transfer stops here; its connection is closed rather than reused half-read.
  if (multi_ && easy_) (void)curl_multi_remove_handle(multi_, easy_);
  failure_ = std::move(failure);
  response_.clear();
  response_.shrink_to_fit();
  phase_ = Phase::Done;
}

size_t CurlRequest::OnBody(char* data, size_t size, size_t count, void* self) {
  auto* request = static_cast<CurlRequest*>(self);
  const size_t n = size * count;
  request->lastReceived_ = Clock::now();
  if (n > request->limits_.maxResponseBytes - request->response_.size()) {
    request->cut_ = base::Failure{
        "response larger than " + std::to_string(request->limits_.maxResponseBytes) + " bytes",
        base::FailureKind::TooLarge};
    return 0;  // anything other than n makes curl abort the transfer
  }
  request->response_.insert(request->response_.end(), data, data + n);
  return n;
}

size_t CurlRequest::OnHeader(char* data, size_t size, size_t count, void* self) {
  (void)data;
  auto* request = static_cast<CurlRequest*>(self);
  const size_t n = size * count;
  request->lastReceived_ = Clock::now();
  request->headersSeen_ = true;
  // Endless headers would otherwise be an unbounded answer that never reaches the body cap.
  request->headerBytes_ += n;
  if (request->headerBytes_ > request->limits_.maxResponseBytes) {
    request->cut_ = base::Failure{"response headers larger than " +
                                std::to_string(request->limits_.maxResponseBytes) + " bytes",
                            base::FailureKind::TooLarge};
    return 0;
  }
  return n;
}

base::Result<int> CurlRequest::readyState() {
  switch (phase_) {
    case Phase::Unopened:
      return base::Failure{"the request is not open"};
    case Phase::Opened:
      return 1;
    case Phase::Done:
      return 4;
    case Phase::Sending:
      break;
  }
  auto idleLeft = std::chrono::ceil<std::chrono::milliseconds>(lastReceived_ + limits_.idleTimeout -
                                                               Clock::now());
  Drive(std::min(std::max(idleLeft, std::chrono::milliseconds(1)), limits_.readyStateWait));
  if (phase_ == Phase::Done) return 4;
  if (!response_.empty()) return 3;
  return headersSeen_ ? 2 : 1;
}

base::Result<std::vector<std::uint8_t>> CurlRequest::responseBody() {
  if (phase_ != Phase::Done) return base::Failure{"the response is not complete"};
  if (failure_) return *failure_;
  return response_;
}

// libcurl and its TLS library start with the session's first request, not with the session:
// the window opens one at start, and most of its life passes without a query.
class CurlSession final : public HttpSession {
 public:
  explicit CurlSession(const TransferLimits& limits) : limits_(limits) {}

  base::Result<std::unique_ptr<HttpRequest>> CreateObject(std::u16string_view progId) override {
    if (AsciiUpper(progId) != "MSXML2.XMLHTTP") {
      return base::Failure{"cannot create object " + base::Utf16ToUtf8(progId)};
    }
    if (!shared_) {
      InitCurlOnce();
      shared_ = std::make_shared<SharedState>();
    }
    return std::unique_ptr<HttpRequest>(std::make_unique<CurlRequest>(shared_, limits_));
  }

 private:
  std::shared_ptr<SharedState> shared_;
  TransferLimits limits_;
};

}  // namespace

std::unique_ptr<HttpSession> OpenHttpSession(const TransferLimits& limits) {
  return std::make_unique<CurlSession>(limits);
}

}  // namespace web
