// The DNS answer reader and what an answer proves, on bytes from the network. Properties rather
// than a second copy of the reader: it never reads outside the message, every name it returns
// fits in a DNS name, nothing but the name asked (or a zone between) comes out of a reading,
// and a for-sale sign comes out tagged, as UTF-8 and bounded.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "FuzzCheck.h"
#include "base/Text.h"
#include "check/dns/Delegation.h"
#include "check/dns/DnsMessage.h"
#include "check/dns/ForSale.h"

namespace {

// Escaped bytes take four characters for one: 255 bytes of labels at most.
bool Fits(const std::string& name) {
  return name.size() <= 4 * 255;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto message = check::ReadDnsMessage(std::span(data, size));
  if (!message) return 0;
  FUZZ_CHECK(Fits(message->question));
  for (const auto* section : {&message->answers, &message->authority, &message->additional}) {
    for (const check::DnsRecord& record : *section) {
      FUZZ_CHECK(Fits(record.owner));
      // A TXT record's text is its bytes, as long as a record may be.
      FUZZ_CHECK(record.type == std::uint16_t(check::DnsType::Txt) ? record.data.size() <= 65535
                                                                   : Fits(record.data));
    }
  }
  const std::string name = "abc.com.cn";
  const check::DelegationReading reading = check::ReadDelegation(*message, name, "cn");
  if (reading.kind == check::DelegationReading::Kind::Referral) {
    FUZZ_CHECK(reading.zone == "com.cn");
  }
  if (reading.kind == check::DelegationReading::Kind::Delegated) {
    bool owned = false;
    for (const auto* section : {&message->answers, &message->authority}) {
      for (const check::DnsRecord& record : *section) owned = owned || record.owner == name;
    }
    FUZZ_CHECK(owned);
  }
  const check::ForSaleReading sale = check::ReadForSale(*message, "abc.com");
  FUZZ_CHECK(sale.signs.size() <= check::kMaxForSaleSigns);
  FUZZ_CHECK(sale.failure.empty() || sale.signs.empty());
  for (const std::string& sign : sale.signs) {
    std::u16string text;
    FUZZ_CHECK(sign.starts_with(check::kForSaleVersion));
    FUZZ_CHECK(base::DecodeUtf8(sign, text));
    FUZZ_CHECK(sign.size() <= 4 * check::kMaxForSaleBytes + 3);
  }
  return 0;
}
