#include "check/dns/NsResolver.h"

#include "check/dns/DnsMessage.h"

namespace check {

NsAnswer ReadNsAnswer(std::span<const unsigned char> message, const std::string& name) {
  const std::optional<DnsMessage> read = ReadDnsMessage(message);
  if (!read) return {NsAnswer::Kind::Failed, "malformed DNS answer"};
  for (const DnsRecord& record : read->answers) {
    if (record.type == std::uint16_t(DnsType::Ns) && record.owner == name) {
      return {NsAnswer::Kind::Delegated, ""};
    }
  }
  return {NsAnswer::Kind::NoRecords, ""};
}

}  // namespace check
