// A taken name's for-sale sign (RFC 10023): TXT records at "_for-sale." before the name, in the
// name's own zone, each beginning with the version tag "v=FORSALE1;" and then a content tag
// (fval= a price, furi= where to buy, ftxt= words, fcod= a broker's code) or none. A TXT record
// there without the tag is no sign and is left out; a record's character-strings are read as
// one text, as TXT records that hold one value are.
//
// The text is the seller's and trusted in nothing: what is UTF-8 comes out as it is, any other
// byte as in a zone file ("\200"), a backslash doubled; a record is cut after kMaxForSaleBytes
// bytes ("..." shows where), and at most kMaxForSaleSigns are kept.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "check/dns/DnsMessage.h"

namespace check {

inline constexpr std::string_view kForSaleVersion = "v=FORSALE1;";
inline constexpr std::size_t kMaxForSaleBytes = 512;
inline constexpr std::size_t kMaxForSaleSigns = 8;
// What stands before the reason when no sign could be read.
inline constexpr std::string_view kForSaleUnknown = "unknown: ";

struct ForSaleReading {
  std::vector<std::string> signs{};  // the records, in the order the server gave them
  std::string failure{};             // not empty: nothing could be read, and why
};

// Where a name's sign is: "_for-sale.abc.com".
std::string ForSaleOwner(const std::string& aLabel);

// Reads the answer of one of the name's own servers to the TXT question for its sign. No such
// name, or no records, is no sign; a failure code, or an answer from a server that does not hold
// the name's zone (not authoritative), is a failure.
ForSaleReading ReadForSale(const DnsMessage& answer, const std::string& aLabel);

// A record's bytes as the sign column shows them (the rules above).
std::string ShownSign(std::string_view bytes);

}  // namespace check
