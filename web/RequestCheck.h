// The check every backend makes of a request before it sends anything, so that one request is
// refused the same way, with the same text, on every platform: the method must be an HTTP token
// (it goes out upper-cased), header names tokens and header values free of CR, LF and NUL (which
// would let a value add lines of its own), and the address an http or https address without a
// space or a control character. A refusal is a Failure of kind Request. It does not parse the
// address any further: that stays with the platform's component.
#pragma once

#include <string>
#include <string_view>

#include "base/Result.h"

namespace web {

// The method as it goes out, upper-cased.
base::Result<std::string> CheckedMethod(std::u16string_view method);
base::Status CheckAddress(std::u16string_view url);
base::Status CheckAddress(std::string_view url);
base::Status CheckHeader(std::u16string_view name, std::u16string_view value);
base::Status CheckHeader(std::string_view name, std::string_view value);
// A question over TCP (WHOIS) is one line of printable ASCII and its CR LF: nothing in it may
// end the line early or add one.
base::Status CheckQueryLine(std::string_view query);

}  // namespace web
