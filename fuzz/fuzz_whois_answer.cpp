// Fuzzes the reading of WHOIS answers and of IANA's referrals: whatever the bytes, a name is
// available only when the answer holds the server's own "no match" text, a free status word or
// a free phrase of the common forms, unrecognised answers
// are unknown with a reason, and a referral is a host name or nothing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "base/Text.h"
#include "check/whois/WhoisTable.h"

namespace {

std::u16string Lower(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return text;
}

// Whether the answer holds one of the texts, the way the table's patterns are matched.
bool Holds(std::string_view bytes, const std::vector<std::u16string>& texts,
           std::u16string_view name) {
  const std::u16string text =
      u"\n" + Lower(check::NormaliseWhoisText(base::FromUtf8(bytes))) + u"\n";
  return std::any_of(texts.begin(), texts.end(), [&](std::u16string pattern) {
    for (std::size_t at = pattern.find(u"{name}"); at != std::u16string::npos;
         at = pattern.find(u"{name}", at + name.size())) {
      pattern.replace(at, 6, name);
    }
    return text.find(pattern) != std::u16string::npos;
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const check::WhoisTable& table = check::WhoisTable::BuiltIn();
  for (const char* host : {"whois.cnnic.cn", "whois.denic.de", "whois.jprs.jp", "unlisted"}) {
    const check::WhoisServer server = table.ServerFor(host);
    const check::Answer answer = check::ReadWhoisAnswer(server, "abc.cn", bytes);
    if (answer.status == check::Status::Available) {
      FUZZ_CHECK(Holds(bytes, server.available, u"abc.cn") ||
                 Holds(bytes, server.common->freeStatus, u"abc.cn") ||
                 Holds(bytes, server.common->freeLines, u"abc.cn"));
    }
    if (answer.status == check::Status::Unknown) FUZZ_CHECK(answer.reason.has_value());
    FUZZ_CHECK(answer.status != check::Status::LikelyAvailable &&
               answer.status != check::Status::Invalid);
  }
  if (const auto host = check::ReadIanaReferral(bytes)) {
    FUZZ_CHECK(!host->empty() && host->size() <= 253);
    FUZZ_CHECK(std::all_of(host->begin(), host->end(), [](char c) {
      return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
    }));
  }
  return 0;
}
