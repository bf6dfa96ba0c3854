#include "CurlFailure.h"

#include <algorithm>
#include <string>

namespace web {
namespace {

base::FailureKind KindOf(CURLcode code, bool redirected) {
  switch (code) {
    case CURLE_OPERATION_TIMEDOUT:
      return base::FailureKind::Timeout;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
      return base::FailureKind::Dns;
    case CURLE_COULDNT_CONNECT:
    case CURLE_PROXY:  // the proxy refused the tunnel, or its handshake failed
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
      return base::FailureKind::Connect;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_SHUTDOWN_FAILED:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_USE_SSL_FAILED:
      return base::FailureKind::Tls;
    case CURLE_TOO_MANY_REDIRECTS:
      return base::FailureKind::Redirects;
    case CURLE_UNSUPPORTED_PROTOCOL:
      // The address was checked before sending, so after a redirect only the redirect's target
      // can be refused; before one, the server answered something that is not HTTP.
      return redirected ? base::FailureKind::Redirects : base::FailureKind::Protocol;
    case CURLE_FILESIZE_EXCEEDED:
      return base::FailureKind::TooLarge;
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
    case CURLE_BAD_CONTENT_ENCODING:
    case CURLE_RANGE_ERROR:
      return base::FailureKind::Protocol;
    case CURLE_ABORTED_BY_CALLBACK:
      return base::FailureKind::Cancelled;
    default:
      return base::FailureKind::Other;
  }
}

}  // namespace

void InitCurlOnce() {
  // A function-local static is initialised exactly once, even with concurrent callers.
  static const CURLcode init = curl_global_init(CURL_GLOBAL_DEFAULT);
  (void)init;
}

base::Failure CurlFailure(CURLcode code, bool redirected, const char* errorText) {
  const base::FailureKind kind = KindOf(code, redirected);
  switch (kind) {
    case base::FailureKind::Timeout:
      return {"timed out", kind};
    case base::FailureKind::Redirects:
      return {code == CURLE_TOO_MANY_REDIRECTS
                  ? "too many redirects"
                  : "a redirect to a weaker or unknown scheme was refused",
              kind};
    default:
      break;
  }
  std::string detail = errorText && errorText[0] ? errorText : curl_easy_strerror(code);
  if (kind == base::FailureKind::Tls) detail = "TLS failure: " + detail;
  return {std::move(detail), kind};
}

base::Status Required(CURLcode set, const char* what) {
  if (set == CURLE_OK) return base::Ok();
  return base::Failure{std::string("libcurl cannot set ") + what + " (" + curl_easy_strerror(set) +
                     "); Brelka needs libcurl 7.85 or later",
                 base::FailureKind::Other};
}

base::Status SetSafeguards(CURL* e, const char* redirectProtocols, int maxRedirects) {
  const base::Status steps[] = {
      Required(curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https"), "the allowed protocols"),
      Required(curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, redirectProtocols),
               "the protocols allowed for redirects"),
      Required(curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L), "redirects"),
      Required(curl_easy_setopt(e, CURLOPT_MAXREDIRS, long(std::max(maxRedirects, 0))),
               "the redirect limit"),
      Required(curl_easy_setopt(e, CURLOPT_SSL_VERIFYPEER, 1L), "certificate verification"),
      Required(curl_easy_setopt(e, CURLOPT_SSL_VERIFYHOST, 2L), "host name verification"),
  };
  for (const base::Status& step : steps) {
    if (!step) return step;
  }
  return base::Ok();
}

base::Status CheckCurlOptions() {
  InitCurlOnce();
  CURL* easy = curl_easy_init();
  if (!easy) return base::Failure{"libcurl cannot start a transfer (out of memory)"};
  base::Status checked = SetSafeguards(easy, "https", 0);
  curl_easy_cleanup(easy);
  return checked;
}

}  // namespace web
