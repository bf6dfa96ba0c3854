// How long to wait before asking a registry again after it answered 429 or 503: its
// Retry-After value (RFC 9110: seconds, or an HTTP date), else a backoff of 1, 2 and 4 seconds
// for the first, second and third refusal; never more than a minute, so that no server can
// hold a run for long. It does not count tries or decide when to give up.
#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace check {

constexpr std::chrono::seconds kMaxRetryWait{60};

// `refusals` counts the refusals so far, this one included (1 for the first).
std::chrono::seconds RetryWait(std::string_view retryAfter, int refusals,
                               std::chrono::system_clock::time_point now);

// An HTTP date in the preferred form ("Sun, 06 Nov 1994 08:49:37 GMT"); nullopt otherwise.
std::optional<std::chrono::system_clock::time_point> ParseHttpDate(std::string_view text);

}  // namespace check
