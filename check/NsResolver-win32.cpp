// NS lookups through the system's DNS client (DnsQuery_W). A server of the caller's choosing
// can only be given by address: the system always asks it on port 53.

// Winsock must come before the rest of the Windows headers.
#include <winsock2.h>

#include <windns.h>
#include <windows.h>
#include <ws2tcpip.h>

#include <string>

#include "check/NsResolver.h"

namespace check {
namespace {

class DnsApiResolver final : public NsResolver {
 public:
  explicit DnsApiResolver(const std::string& server) : server_(server) {}

  NsAnswer LookUpNs(const std::string& name) override {
    IP4_ARRAY servers{};
    PIP4_ARRAY extra = nullptr;
    if (!server_.empty()) {
      const auto colon = server_.rfind(':');
      const std::string host = server_.substr(0, colon);
      const std::string port = colon == std::string::npos ? "53" : server_.substr(colon + 1);
      IN_ADDR address{};
      if (port != "53" || InetPtonA(AF_INET, host.c_str(), &address) != 1) {
        return {NsAnswer::Kind::Failed, "the system asks DNS servers on port 53 only: " + server_};
      }
      servers.AddrCount = 1;
      servers.AddrArray[0] = address.S_un.S_addr;
      extra = &servers;
    }
    const std::wstring wide(name.begin(), name.end());
    PDNS_RECORD records = nullptr;
    const DNS_STATUS status =
        DnsQuery_W(wide.c_str(), DNS_TYPE_NS, DNS_QUERY_BYPASS_CACHE, extra, &records, nullptr);
    NsAnswer answer{NsAnswer::Kind::NoRecords, ""};
    if (status == DNS_ERROR_RCODE_NAME_ERROR) {
      answer = {NsAnswer::Kind::NoSuchName, ""};
    } else if (status == DNS_INFO_NO_RECORDS) {
      answer = {NsAnswer::Kind::NoRecords, ""};
    } else if (status != 0) {
      answer = {NsAnswer::Kind::Failed, "DNS failed (error " + std::to_string(status) + ")"};
    } else {
      for (PDNS_RECORD r = records; r; r = r->pNext) {
        if (r->wType == DNS_TYPE_NS && r->Flags.S.Section == DnsSectionAnswer) {
          answer = {NsAnswer::Kind::Delegated, ""};
        }
      }
    }
    if (records) DnsRecordListFree(records, DnsFreeRecordList);
    return answer;
  }

 private:
  std::string server_;
};

}  // namespace

std::unique_ptr<NsResolver> OpenNsResolver(const std::string& server) {
  return std::make_unique<DnsApiResolver>(server);
}

}  // namespace check
