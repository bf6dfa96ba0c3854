#include "check/RetryAfter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

namespace check {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::optional<int> Number(std::string_view text, std::size_t digits) {
  if (text.size() != digits) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::chrono::system_clock::time_point> ParseHttpDate(std::string_view text) {
  // "Sun, 06 Nov 1994 08:49:37 GMT": fixed positions.
  text = Trim(text);
  if (text.size() != 29 || text[3] != ',' || text[4] != ' ' || text[7] != ' ' || text[11] != ' ' ||
      text[16] != ' ' || text[19] != ':' || text[22] != ':' || text.substr(25) != " GMT") {
    return std::nullopt;
  }
  static constexpr std::array<std::string_view, 12> kMonths = {
      "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const auto month = std::find(kMonths.begin(), kMonths.end(), text.substr(8, 3));
  const auto day = Number(text.substr(5, 2), 2);
  const auto year = Number(text.substr(12, 4), 4);
  const auto hour = Number(text.substr(17, 2), 2);
  const auto minute = Number(text.substr(20, 2), 2);
  const auto second = Number(text.substr(23, 2), 2);
  if (month == kMonths.end() || !day || !year || !hour || !minute || !second || *hour > 23 ||
      *minute > 59 || *second > 60) {
    return std::nullopt;
  }
  const std::chrono::year_month_day date{std::chrono::year(*year),
                                         std::chrono::month(unsigned(month - kMonths.begin() + 1)),
                                         std::chrono::day(unsigned(*day))};
  if (!date.ok()) return std::nullopt;
  return std::chrono::sys_days(date) + std::chrono::hours(*hour) + std::chrono::minutes(*minute) +
         std::chrono::seconds(*second);
}

std::chrono::seconds RetryWait(std::string_view retryAfter, int refusals,
                               std::chrono::system_clock::time_point now) {
  retryAfter = Trim(retryAfter);
  std::chrono::seconds wait{1 << std::clamp(refusals - 1, 0, 6)};
  if (!retryAfter.empty() && std::all_of(retryAfter.begin(), retryAfter.end(),
                                         [](char c) { return c >= '0' && c <= '9'; })) {
    // Anything longer than the cap's digits is over the cap anyway.
    long long seconds = kMaxRetryWait.count();
    if (retryAfter.size() <= 6)
      (void)std::from_chars(retryAfter.begin(), retryAfter.end(), seconds);
    wait = std::chrono::seconds(seconds);
  } else if (const auto date = ParseHttpDate(retryAfter)) {
    wait = std::max(std::chrono::seconds(0), std::chrono::ceil<std::chrono::seconds>(*date - now));
  }
  return std::min(wait, kMaxRetryWait);
}

}  // namespace check
