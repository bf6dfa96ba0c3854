// NS lookups through the system resolver library (res_nquery), with a resolver state per
// lookup so that lookups may run on several threads, each bounded by its own time-outs.
#include <arpa/inet.h>
#include <arpa/nameser.h>
#include <netdb.h>
#include <netinet/in.h>
#include <resolv.h>

#include <cstring>
#include <vector>

#include "check/NsResolver.h"

namespace check {
namespace {

class ResolvResolver final : public NsResolver {
 public:
  explicit ResolvResolver(const std::string& server) : server_(server) {}

  NsAnswer LookUpNs(const std::string& name) override {
    struct __res_state state {};
    if (res_ninit(&state) != 0) return {NsAnswer::Kind::Failed, "cannot set up the resolver"};
    // Two tries of two seconds each bound the lookup.
    state.retrans = 2;
    state.retry = 2;
    if (!server_.empty() && !UseServer(state)) {
      res_nclose(&state);
      return {NsAnswer::Kind::Failed, "invalid DNS server " + server_};
    }
    std::vector<unsigned char> answer(4096);
    const int length =
        res_nquery(&state, name.c_str(), ns_c_in, ns_t_ns, answer.data(), int(answer.size()));
    const int error = state.res_h_errno;
    res_nclose(&state);
    if (length < 0) {
      switch (error) {
        case HOST_NOT_FOUND:
          return {NsAnswer::Kind::NoSuchName, ""};
        case NO_DATA:
          return {NsAnswer::Kind::NoRecords, ""};
        case TRY_AGAIN:
          return {NsAnswer::Kind::Failed, "DNS failed or did not answer"};
        default:
          return {NsAnswer::Kind::Failed, "DNS refused the query"};
      }
    }
    ns_msg message;
    if (ns_initparse(answer.data(), length, &message) != 0) {
      return {NsAnswer::Kind::Failed, "malformed DNS answer"};
    }
    for (int i = 0; i < ns_msg_count(message, ns_s_an); ++i) {
      ns_rr record;
      if (ns_parserr(&message, ns_s_an, i, &record) == 0 && ns_rr_type(record) == ns_t_ns) {
        return {NsAnswer::Kind::Delegated, ""};
      }
    }
    return {NsAnswer::Kind::NoRecords, ""};
  }

 private:
  bool UseServer(struct __res_state& state) const {
    const auto colon = server_.rfind(':');
    sockaddr_in address{};
    address.sin_family = AF_INET;
    const std::string host = colon == std::string::npos ? server_ : server_.substr(0, colon);
    const int port = colon == std::string::npos ? 53 : std::atoi(server_.c_str() + colon + 1);
    if (inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1 || port <= 0 || port > 65535) {
      return false;
    }
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    state.nsaddr_list[0] = address;
    state.nscount = 1;
    return true;
  }

  std::string server_;
};

}  // namespace

std::unique_ptr<NsResolver> OpenNsResolver(const std::string& server) {
  return std::make_unique<ResolvResolver>(server);
}

}  // namespace check
