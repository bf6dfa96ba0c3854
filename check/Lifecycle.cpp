#include "check/Lifecycle.h"

#include <cstdio>

namespace check {
namespace {

// At most this many statuses are kept of one answer: real ones have a handful.
constexpr std::size_t kMostStatuses = 32;

int Rank(Phase phase) {
  switch (phase) {
    case Phase::Redemption:
      return 5;
    case Phase::PendingDelete:
      return 4;
    case Phase::Grace:
      return 3;
    case Phase::Hold:
      return 2;
    case Phase::Active:
      return 1;
    case Phase::None:
      return 0;
  }
  return 0;
}

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

int Number(std::u16string_view digits) {
  int value = 0;
  for (char16_t c : digits) value = value * 10 + (c - u'0');
  return value;
}

}  // namespace

const PhaseWords& RdapPhaseWords() {
  static const PhaseWords words = {
      {"autorenewperiod", Phase::Grace},
      {"redemptionperiod", Phase::Redemption},
      {"pendingdelete", Phase::PendingDelete},
      {"clienthold", Phase::Hold},
      {"serverhold", Phase::Hold},
  };
  return words;
}

std::string PhaseWord(std::u16string_view word) {
  std::string out;
  for (char16_t c : word) {
    if (c >= u'A' && c <= u'Z') out += char(c - u'A' + 'a');
    if (c >= u'a' && c <= u'z') out += char(c);
  }
  return out;
}

Phase PhaseOf(std::span<const std::u16string> statuses, const PhaseWords& words) {
  if (statuses.empty()) return Phase::None;
  Phase phase = Phase::Active;
  for (std::u16string_view status : statuses) {
    // A link after the word (ICANN's WHOIS format) is no part of it.
    if (const std::size_t link = status.find(u"http"); link != std::u16string_view::npos)
      status = status.substr(0, link);
    for (std::size_t start = 0; start <= status.size();) {
      std::size_t end = status.find_first_of(u"/,;", start);
      if (end == std::u16string_view::npos) end = status.size();
      const auto found = words.find(PhaseWord(status.substr(start, end - start)));
      if (found != words.end() && Rank(found->second) > Rank(phase)) phase = found->second;
      start = end + 1;
    }
  }
  return phase;
}

std::optional<std::chrono::sys_days> ReadDay(std::u16string_view text) {
  while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
  if (text.size() < 10 || text[4] != text[7] || (text[4] != u'-' && text[4] != u'/')) {
    return std::nullopt;
  }
  for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    if (!IsDigit(text[i])) return std::nullopt;
  }
  if (text.size() > 10 && IsDigit(text[10])) return std::nullopt;
  const std::chrono::year_month_day day{std::chrono::year(Number(text.substr(0, 4))),
                                        std::chrono::month(unsigned(Number(text.substr(5, 2)))),
                                        std::chrono::day(unsigned(Number(text.substr(8, 2))))};
  if (!day.ok()) return std::nullopt;
  // A time with an offset from UTC ("2024-03-01T05:00+09:00") is that day in UTC (the last
  // day of February here); one without an offset is taken as it is written.
  const std::u16string_view rest = text.substr(10);
  const std::size_t sign = rest.size() > 3 ? rest.find_first_of(u"+-", 3) : std::u16string::npos;
  const auto twoDigits = [&](std::size_t at) {
    return at + 2 <= rest.size() && IsDigit(rest[at]) && IsDigit(rest[at + 1]);
  };
  if ((rest.starts_with(u'T') || rest.starts_with(u' ')) && twoDigits(1) && rest.size() > 3 &&
      rest[3] == u':' && twoDigits(4) && sign != std::u16string::npos && twoDigits(sign + 1)) {
    const std::size_t minutesAt =
        rest.size() > sign + 3 && rest[sign + 3] == u':' ? sign + 4 : sign + 3;
    const int offset = int(Number(rest.substr(sign + 1, 2))) * 60 +
                       (twoDigits(minutesAt) ? int(Number(rest.substr(minutesAt, 2))) : 0);
    const auto local = std::chrono::sys_days(day) + std::chrono::hours(Number(rest.substr(1, 2))) +
                       std::chrono::minutes(Number(rest.substr(4, 2)));
    const auto utc = local - std::chrono::minutes(rest[sign] == u'+' ? offset : -offset);
    return std::chrono::floor<std::chrono::days>(utc);
  }
  return std::chrono::sys_days(day);
}

std::u16string DayText(std::chrono::sys_days day) {
  const std::chrono::year_month_day date(day);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()),
                unsigned(date.day()));
  return std::u16string(text, text + 10);
}

std::optional<std::chrono::sys_days> EstimateRelease(Phase phase,
                                                     std::optional<std::chrono::sys_days> changed) {
  if (!changed) return std::nullopt;
  if (phase == Phase::Redemption)
    return *changed + std::chrono::days(kRedemptionDays + kPendingDeleteDays);
  if (phase == Phase::PendingDelete) return *changed + std::chrono::days(kPendingDeleteDays);
  return std::nullopt;
}

void SetLifecycle(Answer& answer, std::vector<std::u16string> statuses, const PhaseWords& words,
                  std::u16string_view lastChanged, std::u16string_view releases) {
  if (statuses.size() > kMostStatuses) statuses.resize(kMostStatuses);
  answer.phase = PhaseOf(statuses, words);
  answer.statuses = std::move(statuses);
  answer.releases.clear();
  if (answer.phase != Phase::Redemption && answer.phase != Phase::PendingDelete) return;
  std::optional<std::chrono::sys_days> day = ReadDay(releases);
  if (!day) day = EstimateRelease(answer.phase, ReadDay(lastChanged));
  if (day) answer.releases = DayText(*day);
}

}  // namespace check
