#include "Calendar.h"

#include "Formats.h"
#include "base/Text.h"
#include "check/Lifecycle.h"

namespace cli {
namespace {

// RFC 5545 3.3.11: backslash, semicolon and comma escaped, a line break as \n.
std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\' || c == ';' || c == ',') out += '\\';
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    if (c == '\r') continue;
    out += c;
  }
  return out;
}

// RFC 5545 3.1: a line longer than 75 octets goes on after CR LF and a space, never inside a
// UTF-8 sequence.
std::string Folded(std::string_view line) {
  std::string out;
  std::size_t width = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto byte = static_cast<unsigned char>(line[i]);
    const bool starts = (byte & 0xC0) != 0x80;
    if (starts && width >= 72) {
      out += "\r\n ";
      width = 1;
    }
    out += line[i];
    ++width;
  }
  return out + "\r\n";
}

// 20270108 for an all-day DATE value.
std::string DateValue(std::chrono::sys_days day) {
  const std::string text = base::Utf16ToUtf8(check::DayText(day));
  return text.substr(0, 4) + text.substr(5, 2) + text.substr(8, 2);
}

}  // namespace

std::string CalendarText(std::span<const WatchedName> names, std::chrono::sys_seconds now) {
  std::string stamp = CheckedText(now);  // 2026-12-09T07:14:23Z -> 20261209T071423Z
  std::erase(stamp, '-');
  std::erase(stamp, ':');
  std::string text =
      "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Brelka//brelka-cli//EN\r\n"
      "CALSCALE:GREGORIAN\r\n";
  for (const WatchedName& watched : names) {
    if (!watched.known) continue;
    const auto day = check::ReadDay(watched.known->releases);
    if (!day) continue;
    const std::string name = base::Utf16ToUtf8(watched.name);
    const std::string phase(check::PhaseName(watched.known->phase));
    text += "BEGIN:VEVENT\r\n";
    text += Folded("UID:" + Escaped(name) + "-" + DateValue(*day) + "@brelka");
    text += "DTSTAMP:" + stamp + "\r\n";
    text += "DTSTART;VALUE=DATE:" + DateValue(*day) + "\r\n";
    text += "DTEND;VALUE=DATE:" + DateValue(*day + std::chrono::days(1)) + "\r\n";
    text += Folded("SUMMARY:" + Escaped(name + " may be released (estimate)"));
    text += Folded("DESCRIPTION:" +
                   Escaped("In " + phase + " when last checked; the earliest day it could be " +
                           "free, estimated from the registry's dates and the published " +
                           "timeline."));
    text += "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
  }
  return text + "END:VCALENDAR\r\n";
}

}  // namespace cli
