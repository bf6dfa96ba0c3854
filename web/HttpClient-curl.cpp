// The POSIX HTTP client on libcurl's multi interface: one multi handle runs every transfer on
// the caller's thread and keeps their connections for reuse; it negotiates HTTP/2 over TLS and
// lets transfers to one host share a connection. Run() sleeps in curl_multi_poll, which
// Wake() interrupts through curl_multi_wakeup, so nothing here spins or starts a thread.
#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "CurlFailure.h"
#include "HostQueue.h"
#include "HttpClient.h"
#include "RequestCheck.h"

namespace web {
namespace {

using Clock = std::chrono::steady_clock;

struct Transfer {
  Get request;
  HttpClient::Done done;
  std::string host;
  CURL* easy = nullptr;
  curl_slist* headerList = nullptr;
  Reply reply;
  std::size_t headerBytes = 0;
  std::size_t maxBody = 0;
  std::size_t maxHeaders = 0;
  // Why this side cut the transfer short: an answer over a cap.
  std::optional<base::Failure> cut;
  char errorText[CURL_ERROR_SIZE] = {};

  ~Transfer() {
    if (easy) curl_easy_cleanup(easy);
    curl_slist_free_all(headerList);
  }

  static size_t OnBody(char* data, size_t size, size_t count, void* self) {
    auto* t = static_cast<Transfer*>(self);
    const size_t n = size * count;
    if (n > t->maxBody - t->reply.body.size()) {
      t->cut = BodyTooLarge(t->maxBody);
      return 0;  // anything but n aborts the transfer
    }
    t->reply.body.append(data, n);
    return n;
  }

  static size_t OnHeader(char* data, size_t size, size_t count, void* self) {
    auto* t = static_cast<Transfer*>(self);
    const size_t n = size * count;
    const std::string_view line(data, n);
    if (line.starts_with("HTTP/")) {
      // A new response begins (after a redirect or an interim answer): only the last counts.
      t->reply.headers.clear();
      t->reply.body.clear();
      t->headerBytes = 0;
    }
    t->headerBytes += n;
    if (t->headerBytes > t->maxHeaders) {
      t->cut = HeadersTooLarge(t->maxHeaders);
      return 0;
    }
    if (!line.starts_with("HTTP/")) AddHeaderLine(line, t->reply);
    return n;
  }
};

class CurlClient final : public QueuedClient<CURL*, std::unique_ptr<Transfer>> {
 public:
  explicit CurlClient(const ClientOptions& options)
      : QueuedClient(options.perHost), options_(options), multi_(curl_multi_init()) {
    (void)curl_multi_setopt(multi_, CURLMOPT_PIPELINING, long(CURLPIPE_MULTIPLEX));
    (void)curl_multi_setopt(multi_, CURLMOPT_MAX_HOST_CONNECTIONS, long(options.perHost));
  }

  ~CurlClient() override {
    for (auto& [easy, transfer] : active_) (void)curl_multi_remove_handle(multi_, easy);
    active_.clear();
    (void)curl_multi_cleanup(multi_);
  }

  void Run(Clock::time_point deadline) override;

  void Wake() override {
    woken_ = true;
    (void)curl_multi_wakeup(multi_);
  }

 private:
  void StartQueued();
  base::Status Configure(Transfer& t);
  // Moves ended transfers out of the multi handle; their callbacks run afterwards.
  std::vector<std::unique_ptr<Transfer>> CollectEnded();

  ClientOptions options_;
  CURLM* multi_;
  std::vector<std::unique_ptr<Transfer>> failedToStart_;
  std::atomic<bool> woken_{false};
};

// Every option whose failure would change what is sent or accepted is checked; the others
// (user agent, compression, HTTP/2) only change how.
base::Status CurlClient::Configure(Transfer& t) {
  if (base::Status address = CheckAddress(t.request.url); !address) return address;
  for (const auto& [name, value] : t.request.headers) {
    if (base::Status header = CheckHeader(name, value); !header) return header;
  }
  CURL* e = t.easy;
  t.maxBody = options_.maxBodyBytes;
  t.maxHeaders = options_.maxHeaderBytes;
  // A redirect may keep or strengthen the scheme, never drop from https to http.
  const bool secure = t.request.url.starts_with("https:") || t.request.url.starts_with("HTTPS:");
  for (base::Status set : {
           Required(curl_easy_setopt(e, CURLOPT_URL, t.request.url.c_str()), "the address"),
           SetSafeguards(e, secure ? "https" : "http,https", options_.maxRedirects),
           Required(curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS,
                                     long(options_.connectTimeout.count())),
                    "the connect time-out"),
           Required(curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, long(options_.requestTimeout.count())),
                    "the time-out"),
       }) {
    if (!set) return set;
  }
  (void)curl_easy_setopt(e, CURLOPT_HTTPGET, 1L);
  (void)curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
  (void)curl_easy_setopt(e, CURLOPT_ERRORBUFFER, t.errorText);
  (void)curl_easy_setopt(e, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_2TLS));
  // Wait for a connection that can carry several streams rather than opening another one.
  (void)curl_easy_setopt(e, CURLOPT_PIPEWAIT, 1L);
  // Without a proxy of its own, libcurl follows the environment's proxy variables. Through an
  // HTTP proxy every request is tunnelled, so that a proxy's refusal is told from a registry's.
  // An empty proxy turns the variables off too.
  if (options_.proxy) (void)curl_easy_setopt(e, CURLOPT_PROXY, options_.proxy->c_str());
  (void)curl_easy_setopt(e, CURLOPT_HTTPPROXYTUNNEL, 1L);
  (void)curl_easy_setopt(e, CURLOPT_USERAGENT, options_.userAgent.c_str());
  (void)curl_easy_setopt(e, CURLOPT_ACCEPT_ENCODING, "");
  (void)curl_easy_setopt(e, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(options_.maxBodyBytes));
  (void)curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &Transfer::OnBody);
  (void)curl_easy_setopt(e, CURLOPT_WRITEDATA, &t);
  (void)curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, &Transfer::OnHeader);
  (void)curl_easy_setopt(e, CURLOPT_HEADERDATA, &t);
  for (const auto& [name, value] : t.request.headers) {
    t.headerList = curl_slist_append(t.headerList, (name + ": " + value).c_str());
  }
  (void)curl_easy_setopt(e, CURLOPT_HTTPHEADER, t.headerList);
  return base::Ok();
}

void CurlClient::StartQueued() {
  for (auto& [host, transfer] : queue_.TakeStartable()) {
    Transfer& t = *transfer;
    t.easy = curl_easy_init();
    base::Status configured = t.easy ? Configure(t) : base::Failure{"cannot start the transfer"};
    if (configured && curl_multi_add_handle(multi_, t.easy) != CURLM_OK) {
      configured = base::Failure{"cannot start the transfer"};
    }
    if (!configured) {
      // It cannot start; it ends at the next Run() like any failed transfer.
      t.reply.failure = configured.failure();
      queue_.Finished(host);
      failedToStart_.push_back(std::move(transfer));
      continue;
    }
    active_.emplace(t.easy, std::move(transfer));
  }
}

std::vector<std::unique_ptr<Transfer>> CurlClient::CollectEnded() {
  std::vector<std::unique_ptr<Transfer>> ended = std::move(failedToStart_);
  failedToStart_.clear();
  int queued = 0;
  while (CURLMsg* msg = curl_multi_info_read(multi_, &queued)) {
    if (msg->msg != CURLMSG_DONE) continue;
    const auto found = active_.find(msg->easy_handle);
    if (found == active_.end()) continue;
    std::unique_ptr<Transfer> t = std::move(found->second);
    active_.erase(found);
    const CURLcode code = msg->data.result;
    (void)curl_multi_remove_handle(multi_, t->easy);
    if (t->cut) {
      t->reply.failure = std::move(t->cut);
    } else if (code == CURLE_FILESIZE_EXCEEDED) {
      t->reply.failure = BodyTooLarge(options_.maxBodyBytes);
    } else if (code != CURLE_OK) {
      long redirects = 0;
      (void)curl_easy_getinfo(t->easy, CURLINFO_REDIRECT_COUNT, &redirects);
      t->reply.failure = CurlFailure(code, redirects > 0, t->errorText);
    } else {
      long status = 0;
      (void)curl_easy_getinfo(t->easy, CURLINFO_RESPONSE_CODE, &status);
      t->reply.status = int(status);
      char* url = nullptr;
      (void)curl_easy_getinfo(t->easy, CURLINFO_EFFECTIVE_URL, &url);
      t->reply.url = url ? url : t->request.url;
    }
    if (!t->reply.ok()) {
      t->reply.headers.clear();
      t->reply.body.clear();
    }
    queue_.Finished(t->host);
    ended.push_back(std::move(t));
  }
  return ended;
}

void CurlClient::Run(Clock::time_point deadline) {
  StartQueued();
  for (;;) {
    int running = 0;
    (void)curl_multi_perform(multi_, &running);
    std::vector<std::unique_ptr<Transfer>> ended = CollectEnded();
    if (!ended.empty()) {
      // Room has been made for queued requests; start them before the callbacks, which may
      // queue more.
      StartQueued();
      for (auto& t : ended) t->done(std::move(t->reply));
      return;
    }
    if (active_.empty() || woken_.exchange(false)) return;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return;
    (void)curl_multi_poll(multi_, nullptr, 0, int(std::min<long long>(left.count(), 1000)),
                          nullptr);
    if (woken_.exchange(false)) return;
  }
}

}  // namespace

base::Status CheckHttpClientSupport() {
  return CheckCurlOptions();
}

std::unique_ptr<HttpClient> OpenHttpClient(const ClientOptions& options) {
  InitCurlOnce();
  return std::make_unique<CurlClient>(options);
}

}  // namespace web
