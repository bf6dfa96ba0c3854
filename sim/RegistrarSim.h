// A stand-in for the registrar's web site, served over real HTTP/1.1 on 127.0.0.1. It keeps a
// pending selection per session cookie: the bulk-search POST adds the free names of its
// domainNames field, the GET of the same page lists the selection in a GB2312 page, and the
// removal POST takes names out again. It records every request so tests can check what the
// tool sent, and has knobs that make an endpoint slow, silent, broken or odd.
//
// Availability: a name is registered when the part before its first dot is three characters
// or shorter, or contains "taken"; every other name that contains a dot is free.
//
// Paths: "/domains/searchbulk.aspx" (POST: search, GET: selection page),
// "/domains/actions/json/removedomainsfrompending.aspx" (POST: removal, any query string) and
// "/domains/searchbulk2.aspx" (GET: the selection page, always normal, so that a redirect knob
// can send the tool there). Everything else is 404.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sim {

enum class Endpoint { Search, SelectionPage, Remove };

struct RecordedRequest {
  std::string method;
  std::string target;  // path with query string, as sent
  std::vector<std::pair<std::string, std::string>> headers;
  std::string body;    // raw bytes
  int remotePort = 0;  // the client's port: requests with one port came on one connection
  // How long the simulator spent on the request: from having read it until its answer was
  // written out, compression included (until the answer was ready, if it never went out whole).
  std::chrono::microseconds serviceTime{0};
  std::string Header(const std::string& name) const;  // case-insensitive, "" when absent
  std::string Cookie(const std::string& name) const;  // from the Cookie headers, "" when absent
};

// What one endpoint does instead of its normal answer. Default: behave normally. The request
// takes effect on the selection first (see takeEffect); then the delay runs, and then the first
// that applies of: hang, closeConnection, redirectTo, status and/or body.
// The session cookie is set as usual on whatever answer goes out.
struct Behaviour {
  std::chrono::milliseconds delay{0};       // wait before answering
  bool hang = false;                        // accept, read the request, never answer (until stop)
  bool closeConnection = false;             // close the connection without any answer
  int status = 0;                           // non-zero: answer with this status (and a small page)
  std::optional<std::string> body{};        // answer with these bytes (GB2312 content type) instead
  std::optional<std::string> redirectTo{};  // answer 302 (or `status`) with this Location
  // Whether the request changes the selection; by default it does unless the answer is an
  // error status (400 or above), as a registrar that fails a request has not done it.
  std::optional<bool> takeEffect{};

  // How the answer (normal or not) travels. Any of these sends it from a provider, which
  // produces the bytes as they go out, so even a huge answer is never held in memory whole.
  bool chunked = false;               // chunked transfer coding instead of a Content-Length
  std::size_t padTo = 0;              // pad with random bytes to this many in all (no compression)
  std::chrono::milliseconds drip{0};  // send one byte, then wait this long before the next
  std::optional<std::size_t> stallAfter{};  // send the headers and this many bytes, then go silent
  std::optional<std::size_t> resetAfter{};  // send the headers and this many bytes, then reset
  // Move the session's selection to a new session cookie and set that cookie in this answer.
  bool renewSession = false;

  // Which requests the behaviour applies to, counted from Set(): the first `skip` requests of
  // the endpoint are answered normally, then `times` requests (0: all the rest) get this
  // behaviour, after which the endpoint behaves normally again.
  std::size_t skip = 0;
  std::size_t times = 0;
};

class RegistrarSim {
 public:
  static constexpr const char* kSessionCookie = "SessionID";
  static constexpr const char* kSearchPath = "/domains/searchbulk.aspx";
  static constexpr const char* kSecondPagePath = "/domains/searchbulk2.aspx";
  static constexpr const char* kRemovePath =
      "/domains/actions/json/removedomainsfrompending.aspx?TargetDivID=xRemoveAll=true";

  // Starts serving on 127.0.0.1; port 0 picks a free port. Throws std::runtime_error when the
  // port cannot be bound.
  explicit RegistrarSim(std::uint16_t port = 0);
  ~RegistrarSim();  // stops serving; ends hanging answers
  RegistrarSim(const RegistrarSim&) = delete;
  RegistrarSim& operator=(const RegistrarSim&) = delete;

  std::uint16_t Port() const;
  std::string BaseUrl() const;  // "http://127.0.0.1:PORT"
  std::u16string BaseUrl16() const;

  void Set(Endpoint endpoint, Behaviour behaviour);
  // The last kKeptRequests requests, oldest first.
  static constexpr std::size_t kKeptRequests = 1024;
  std::vector<RecordedRequest> Requests() const;
  void ClearRequests();
  // The names pending for the session whose cookie value is given (upper-cased as listed).
  std::vector<std::string> Pending(const std::string& sessionCookie) const;

  static bool IsFree(const std::string& name);

  // The same site over TLS on 127.0.0.1, with a self-signed certificate made when first asked
  // for, which no system trusts: "https://127.0.0.1:PORT".
  std::string TlsBaseUrl();
  // Body bytes that streamed answers have handed to their connections so far.
  std::size_t StreamedBytes() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace sim
