#include "check/dns/ForSale.h"

#include <cstdio>

#include "base/Text.h"

namespace check {

std::string ForSaleOwner(const std::string& aLabel) {
  return "_for-sale." + aLabel;
}

std::string ShownSign(std::string_view bytes) {
  const bool cut = bytes.size() > kMaxForSaleBytes;
  if (cut) bytes = bytes.substr(0, kMaxForSaleBytes);
  std::string shown;
  std::u16string ignored;
  for (std::size_t at = 0; at < bytes.size();) {
    const unsigned char lead = static_cast<unsigned char>(bytes[at]);
    if (lead == '\\') {
      shown += "\\\\";
      ++at;
      continue;
    }
    // The length a lead byte announces; the sequence counts only if it decodes as a whole.
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (length == 1 ||
        (at + length <= bytes.size() && base::DecodeUtf8(bytes.substr(at, length), ignored))) {
      shown.append(bytes.substr(at, length));
      at += length;
      continue;
    }
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\%03u", unsigned(lead));
    shown += escaped;
    ++at;
  }
  return cut ? shown + "..." : shown;
}

ForSaleReading ReadForSale(const DnsMessage& answer, const std::string& aLabel) {
  ForSaleReading reading;
  if (answer.rcode == kDnsNameError) return reading;
  if (answer.rcode != kDnsNoError) {
    reading.failure = "the name's server answered with code " + std::to_string(answer.rcode);
    return reading;
  }
  if (!answer.authoritative) {
    reading.failure = "the name's server does not hold its zone";
    return reading;
  }
  const std::string owner = ForSaleOwner(aLabel);
  for (const DnsRecord& record : answer.answers) {
    if (record.type != std::uint16_t(DnsType::Txt) || record.owner != owner ||
        !record.data.starts_with(kForSaleVersion)) {
      continue;
    }
    if (reading.signs.size() == kMaxForSaleSigns) break;
    reading.signs.push_back(ShownSign(record.data));
  }
  return reading;
}

}  // namespace check
