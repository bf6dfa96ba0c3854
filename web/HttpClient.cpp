#include "HttpClient.h"

#include <algorithm>

namespace web {
namespace {

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

}  // namespace

std::string Reply::Header(std::string_view name) const {
  for (const auto& [key, value] : headers) {
    if (key == name) return value;
  }
  return "";
}

base::Failure BodyTooLarge(std::size_t cap) {
  return {"response larger than " + std::to_string(cap) + " bytes", base::FailureKind::TooLarge};
}

base::Failure HeadersTooLarge(std::size_t cap) {
  return {"response headers larger than " + std::to_string(cap) + " bytes", base::FailureKind::TooLarge};
}

std::string HostOf(std::string_view url) {
  std::string_view rest;
  if (StartsWithIgnoringCase(url, "https://")) {
    rest = url.substr(8);
  } else if (StartsWithIgnoringCase(url, "http://")) {
    rest = url.substr(7);
  } else {
    return "";
  }
  rest = rest.substr(0, rest.find_first_of("/?#"));
  // User information never counts towards the host.
  if (const auto at = rest.rfind('@'); at != std::string_view::npos) rest = rest.substr(at + 1);
  std::string host(rest);
  std::transform(host.begin(), host.end(), host.begin(), AsciiLower);
  return host;
}

}  // namespace web
