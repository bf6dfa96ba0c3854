#include "RequestCheck.h"

#include <algorithm>
#include <type_traits>

namespace web {
namespace {

// A code unit as a number, so that UTF-8 bytes above 127 compare as such.
template <class Char>
unsigned Unit(Char c) {
  return static_cast<std::make_unsigned_t<Char>>(c);
}

// Works on the code units of either string type; everything it accepts is ASCII.
template <class Char>
bool IsToken(std::basic_string_view<Char> text) {
  constexpr std::string_view kSeparators = "()<>@,;:\\\"/[]?={} \t";
  return !text.empty() && std::all_of(text.begin(), text.end(), [&](Char c) {
    return Unit(c) > 32 && Unit(c) < 127 && kSeparators.find(char(c)) == std::string_view::npos;
  });
}

template <class Char>
bool StartsWithIgnoringCase(std::basic_string_view<Char> text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const unsigned c = Unit(text[i]);
    if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != unsigned(prefix[i])) return false;
  }
  return true;
}

template <class Char>
base::Status CheckAddressOf(std::basic_string_view<Char> url) {
  if (!StartsWithIgnoringCase(url, "http://") && !StartsWithIgnoringCase(url, "https://")) {
    return base::Failure{"invalid address: only http and https addresses can be sent",
                   base::FailureKind::Request};
  }
  if (std::any_of(url.begin(), url.end(), [](Char c) { return Unit(c) <= 32 || Unit(c) == 127; })) {
    return base::Failure{"invalid address: it holds a space or a control character",
                   base::FailureKind::Request};
  }
  return base::Ok();
}

template <class Char>
base::Status CheckHeaderOf(std::basic_string_view<Char> name, std::basic_string_view<Char> value) {
  const bool breaksLines = std::any_of(value.begin(), value.end(),
                                       [](Char c) { return c == '\r' || c == '\n' || c == 0; });
  if (!IsToken(name) || breaksLines) {
    return base::Failure{"invalid request header: a name must be a token, a value one line",
                   base::FailureKind::Request};
  }
  return base::Ok();
}

}  // namespace

base::Result<std::string> CheckedMethod(std::u16string_view method) {
  if (!IsToken(method)) return base::Failure{"invalid request method", base::FailureKind::Request};
  std::string out;
  for (char16_t c : method) out.push_back(c >= u'a' && c <= u'z' ? char(c - 32) : char(c));
  return out;
}

base::Status CheckAddress(std::u16string_view url) {
  return CheckAddressOf(url);
}

base::Status CheckAddress(std::string_view url) {
  return CheckAddressOf(url);
}

base::Status CheckHeader(std::u16string_view name, std::u16string_view value) {
  return CheckHeaderOf(name, value);
}

base::Status CheckHeader(std::string_view name, std::string_view value) {
  return CheckHeaderOf(name, value);
}

base::Status CheckQueryLine(std::string_view query) {
  const bool oneLine =
      query.ends_with("\r\n") &&
      std::all_of(query.begin(), query.end() - 2, [](char c) { return c >= 0x20 && c < 0x7f; });
  if (oneLine) return base::Ok();
  return base::Failure{"invalid query: it must be one line of ASCII", base::FailureKind::Request};
}

}  // namespace web
