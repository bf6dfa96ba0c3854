#include "Formats.h"

#include <nlohmann/json.hpp>

#include <cstdio>

#include "base/Text.h"

namespace cli {
namespace {

// A TSV field holds no tab, line break or other control character: they, and the backslash,
// are written escaped.
std::string TsvField(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') {
      out += "\\\\";
    } else if (auto escaped = EscapedControl(c)) {
      out += *escaped;
    } else {
      out += c;
    }
  }
  return out;
}

// RFC 4180: a field with a comma, a quote or a line break is quoted, its quotes doubled. Other
// control characters are written escaped, so that no field acts on a terminal.
std::string CsvField(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '"') out += '"';
    auto escaped = c == '\r' || c == '\n' || c == '\t' ? std::nullopt : EscapedControl(c);
    out += escaped ? *escaped : std::string(1, c);
  }
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return out;
  return "\"" + out + "\"";
}

}  // namespace

std::optional<std::string> EscapedControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (c == '\n') return "\\n";
  if (c == '\t') return "\\t";
  if (c == '\r') return "\\r";
  if (byte >= 0x20 && byte != 0x7f) return std::nullopt;
  constexpr char kHex[] = "0123456789abcdef";
  return std::string{'\\', 'x', kHex[byte >> 4], kHex[byte & 0xf]};
}

// A word of the command line as a message shows it, in quotes: a control character in it would
// break the one-line message or act on the terminal, so it is written escaped (\n, \x1b).
std::string Quoted(std::string_view word) {
  std::string out = "'";
  for (char c : word) {
    auto escaped = EscapedControl(c);
    out += escaped ? *escaped : std::string(1, c);
  }
  return out + "'";
}

std::string FormatHeader(Format format, Columns columns) {
  if (format != Format::Csv) return "";
  return columns == Columns::Registry
             ? "name,status,detail,reason,source,a_label,registrar,expires,statuses,phase,"
               "releases,checked\r\n"
             : "name,status,detail,reason,source,checked\r\n";
}

std::string CheckedText(std::chrono::sys_seconds at) {
  const auto day = std::chrono::floor<std::chrono::days>(at);
  const std::chrono::year_month_day date(day);
  const std::chrono::hh_mm_ss time(at - day);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(date.year()),
                unsigned(date.month()), unsigned(date.day()), int(time.hours().count()),
                int(time.minutes().count()), int(time.seconds().count()));
  return text;
}

std::optional<std::chrono::sys_seconds> ReadCheckedText(std::string_view text) {
  int year = 0;
  unsigned month = 0, day = 0;
  int hours = 0, minutes = 0, seconds = 0;
  char zone = 0;
  const std::string copy(text);
  if (text.size() != 20 ||
      std::sscanf(copy.c_str(), "%4d-%2u-%2uT%2d:%2d:%2d%c", &year, &month, &day, &hours, &minutes,
                  &seconds, &zone) != 7 ||
      zone != 'Z' || hours > 23 || minutes > 59 || seconds > 59) {
    return std::nullopt;
  }
  const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(month),
                                         std::chrono::day(day)};
  if (!date.ok()) return std::nullopt;
  return std::chrono::sys_days(date) + std::chrono::hours(hours) + std::chrono::minutes(minutes) +
         std::chrono::seconds(seconds);
}

std::string FormatAnswer(Format format, std::u16string_view name, const check::Answer& answer,
                         Columns columns, bool demo) {
  const std::string utf8Name = base::Utf16ToUtf8(name);
  const std::string_view status = check::StatusName(answer.status);
  const std::string detail = base::Utf16ToUtf8(answer.detail);
  // Only an unknown answer has a reason; the words contain no character that needs quoting.
  const std::string reason(answer.status == check::Status::Unknown && answer.reason
                               ? base::KindName(*answer.reason)
                               : "");
  const std::string source(answer.source ? check::RouteName(*answer.source) : "");
  const bool registry = columns == Columns::Registry;
  const std::string aLabel = base::Utf16ToUtf8(answer.aLabel);
  const std::string registrar = base::Utf16ToUtf8(answer.registrar);
  const std::string expires = base::Utf16ToUtf8(answer.expires);
  std::string statuses;
  for (const std::u16string& word : answer.statuses)
    statuses += (statuses.empty() ? "" : std::string(kStatusSeparator)) + base::Utf16ToUtf8(word);
  const std::string phase(check::PhaseName(answer.phase));
  const std::string releases = base::Utf16ToUtf8(answer.releases);
  const std::string checked = demo             ? std::string(kDemoChecked)
                              : answer.checked ? CheckedText(*answer.checked)
                                               : "";
  switch (format) {
    case Format::List:
      return answer.status == check::Status::Available ? utf8Name + "\n" : "";
    case Format::Tsv:
      return TsvField(utf8Name) + "\t" + std::string(status) + "\t" + TsvField(detail) + "\t" +
             reason + "\t" + source +
             (registry ? "\t" + TsvField(aLabel) + "\t" + TsvField(registrar) + "\t" +
                             TsvField(expires) + "\t" + TsvField(statuses) + "\t" + phase + "\t" +
                             releases
                       : "") +
             "\t" + checked + "\n";
    case Format::Csv:
      return CsvField(utf8Name) + "," + std::string(status) + "," + CsvField(detail) + "," +
             reason + "," + source +
             (registry
                  ? "," + CsvField(aLabel) + "," + CsvField(registrar) + "," + CsvField(expires) +
                        "," + CsvField(statuses) + "," + phase + "," + releases
                  : "") +
             "," + checked + "\r\n";
    case Format::Json: {
      nlohmann::ordered_json line = {{"name", utf8Name},
                                     {"status", status},
                                     {"detail", detail},
                                     {"reason", reason},
                                     {"source", source}};
      if (registry) {
        line["aLabel"] = aLabel;
        line["registrar"] = registrar;
        line["expires"] = expires;
        nlohmann::ordered_json words = nlohmann::ordered_json::array();
        for (const std::u16string& word : answer.statuses) words.push_back(base::Utf16ToUtf8(word));
        line["statuses"] = std::move(words);
        line["phase"] = phase;
        line["releases"] = releases;
      }
      line["checked"] = checked;
      return line.dump() + "\n";
    }
  }
  return "";
}

}  // namespace cli
