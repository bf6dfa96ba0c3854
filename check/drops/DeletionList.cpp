#include "check/drops/DeletionList.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>

#include "base/Text.h"
#include "check/Lifecycle.h"
#include "names/NameList.h"
#include "names/NameRules.h"
#include "web/Module1.h"

namespace check {
namespace {

std::u16string_view Trimmed(std::u16string_view text) {
  const auto space = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == 0x3000; };
  while (!text.empty() && space(text.front())) text.remove_prefix(1);
  while (!text.empty() && space(text.back())) text.remove_suffix(1);
  return text;
}

// A CSV field without the quotes around it.
std::u16string_view Unquoted(std::u16string_view field) {
  field = Trimmed(field);
  if (field.size() >= 2 && field.front() == u'"' && field.back() == u'"') {
    field = field.substr(1, field.size() - 2);
  }
  return Trimmed(field);
}

// The text as UTF-8 if it is, else as GBK.
std::u16string Decoded(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  std::u16string text;
  if (base::DecodeUtf8(bytes, text)) return text;
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  auto gbk = web::DecodeBytes(std::span(data, bytes.size()), u"gbk");
  return gbk ? std::move(gbk.value()) : base::FromUtf8(bytes);
}

// The name of a field, or nothing when it holds none.
std::optional<std::u16string> NameIn(std::u16string_view field) {
  if (field.size() >= 2 && field.front() == u'[' && field.back() == u']') {
    field = field.substr(1, field.size() - 2);
  }
  std::u16string name = names::CleanName(field);
  if (name.empty() || names::InvalidReason(name)) return std::nullopt;
  return name;
}

// Reads from one to `most` ASCII digits at the front of `text`, and moves past them. No sign and
// no space: a field such as "-1/1/1" is not a day.
std::optional<unsigned> Digits(std::u16string_view& text, std::size_t least, std::size_t most) {
  std::size_t count = 0;
  unsigned value = 0;
  while (count < most && count < text.size() && text[count] >= u'0' && text[count] <= u'9') {
    value = value * 10 + unsigned(text[count++] - u'0');
  }
  if (count < least) return std::nullopt;
  text.remove_prefix(count);
  return value;
}

// "2024/05/01 14:30", "2024-05-01 14:30:00", "2024/5/1": the day, and the minute if given.
std::optional<std::string> TimeIn(std::u16string_view field) {
  const auto year = Digits(field, 4, 4);
  if (!year || field.empty() || (field.front() != u'/' && field.front() != u'-')) return {};
  const char16_t separator = field.front();
  field.remove_prefix(1);
  const auto month = Digits(field, 1, 2);
  if (!month || !field.starts_with(separator)) return {};
  field.remove_prefix(1);
  const auto day = Digits(field, 1, 2);
  if (!day) return {};
  const std::chrono::year_month_day date{std::chrono::year(int(*year)), std::chrono::month(*month),
                                         std::chrono::day(*day)};
  if (!date.ok()) return {};
  std::string out = base::Utf16ToUtf8(DayText(std::chrono::sys_days(date)));
  if (field.empty()) return out;
  while (field.starts_with(u' ')) field.remove_prefix(1);
  const auto hour = Digits(field, 1, 2);
  if (!hour || !field.starts_with(u':')) return {};
  field.remove_prefix(1);
  const auto minute = Digits(field, 2, 2);
  // Seconds, when given, are not part of what the column says.
  if (!minute || *hour >= 24 || *minute >= 60 || (!field.empty() && !field.starts_with(u':'))) {
    return {};
  }
  char clock[8];
  std::snprintf(clock, sizeof clock, " %02u:%02u", *hour, *minute);
  return out + clock;
}

// CNNIC's lists by the day they are for, counted from today.
std::optional<int> CnnicDay(std::string_view source) {
  const std::size_t slash = source.find_last_of("/\\");
  std::string_view file = slash == std::string_view::npos ? source : source.substr(slash + 1);
  file = file.substr(0, file.find('?'));
  if (file == "1todayDel.txt") return 0;
  if (file == "future1todayDel.txt") return 1;
  if (file == "future2todayDel.txt") return 2;
  return std::nullopt;
}

}  // namespace

DeletionList ReadDeletionList(std::string_view bytes, std::string_view source,
                              std::chrono::sys_seconds now) {
  DeletionList list;
  std::string listDay;
  if (const auto ahead = CnnicDay(source)) {
    // CNNIC counts days in China Standard Time, eight hours ahead of UTC.
    const auto today = std::chrono::floor<std::chrono::days>(now + std::chrono::hours(8));
    listDay = base::Utf16ToUtf8(DayText(today + std::chrono::days(*ahead)));
  }
  const std::u16string text = Decoded(bytes);
  bool first = true;
  std::size_t number = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find(u'\n', start);
    if (end == std::u16string::npos) end = text.size();
    const std::u16string_view line = Trimmed(std::u16string_view(text).substr(start, end - start));
    start = end + 1;
    ++number;
    if (line.empty()) continue;
    const bool wasFirst = first;
    first = false;
    std::optional<Drop> drop;
    if (const std::size_t comma = line.find(u','); comma != std::u16string_view::npos) {
      const std::u16string_view rest = line.substr(comma + 1);
      const auto name = NameIn(Unquoted(line.substr(0, comma)));
      const auto time = TimeIn(Unquoted(rest.substr(0, rest.find(u','))));
      if (name && time) drop = Drop{*name, *time};
      if (!drop && wasFirst) continue;  // the header
    } else if (const auto name = NameIn(line)) {
      drop = Drop{*name, listDay};
    }
    if (drop) {
      list.drops.push_back(std::move(*drop));
    } else if (list.unreadable++ == 0) {
      list.firstUnreadable = number;
    }
  }
  return list;
}

}  // namespace check
