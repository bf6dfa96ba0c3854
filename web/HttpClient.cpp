#include "HttpClient.h"

#include "base/LowerCase.h"

namespace web {

std::string Reply::Header(std::string_view name) const {
  for (const auto& [key, value] : headers) {
    if (key == name) return value;
  }
  return "";
}

void AddHeaderLine(std::string_view line, Reply& reply) {
  const auto colon = line.find(':');
  if (colon == std::string_view::npos || colon == 0) return;
  const std::string name = base::AsciiLower(line.substr(0, colon));
  std::string_view value = line.substr(colon + 1);
  const auto first = value.find_first_not_of(" \t\r\n");
  value = first == std::string_view::npos
              ? std::string_view()
              : value.substr(first, value.find_last_not_of(" \t\r\n") - first + 1);
  reply.headers.emplace_back(std::move(name), std::string(value));
}

base::Failure BodyTooLarge(std::size_t cap) {
  return {"response larger than " + std::to_string(cap) + " bytes", base::FailureKind::TooLarge};
}

base::Failure HeadersTooLarge(std::size_t cap) {
  return {"response headers larger than " + std::to_string(cap) + " bytes",
          base::FailureKind::TooLarge};
}

std::string HostOf(std::string_view url) {
  std::string_view rest;
  if (base::StartsWithIgnoringCase(url, "https://")) {
    rest = url.substr(8);
  } else if (base::StartsWithIgnoringCase(url, "http://")) {
    rest = url.substr(7);
  } else {
    return "";
  }
  rest = rest.substr(0, rest.find_first_of("/?#"));
  // User information never counts towards the host.
  if (const auto at = rest.rfind('@'); at != std::string_view::npos) rest = rest.substr(at + 1);
  return base::AsciiLower(rest);
}

Reply FetchOne(HttpClient& client, Get request, std::stop_token stop) {
  Reply reply;
  bool ended = false;
  client.Start(std::move(request), [&](Reply r) {
    reply = std::move(r);
    ended = true;
  });
  const std::stop_callback onStop(stop, [&client] { client.Wake(); });
  // The client's own time-outs bound each wait; Run returns once the request has ended.
  while (!ended && client.Pending() > 0 && !stop.stop_requested()) {
    client.Run(std::chrono::steady_clock::now() + std::chrono::seconds(5));
  }
  if (!ended) {
    reply.failure = stop.stop_requested()
                        ? base::Failure{"interrupted", base::FailureKind::Cancelled}
                        : base::Failure{"the request was lost"};
  }
  return reply;
}

}  // namespace web
