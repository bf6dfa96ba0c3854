#include "Formats.h"

#include <nlohmann/json.hpp>

#include "web/TextEncoding.h"

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
             ? "name,status,detail,reason,source,a_label,registrar,expires\r\n"
             : "name,status,detail,reason,source\r\n";
}

std::string FormatAnswer(Format format, std::u16string_view name, const check::Answer& answer,
                         Columns columns) {
  const std::string utf8Name = web::Utf16ToUtf8(name);
  const std::string_view status = check::StatusName(answer.status);
  const std::string detail = web::Utf16ToUtf8(answer.detail);
  // Only an unknown answer has a reason; the words contain no character that needs quoting.
  const std::string reason(answer.status == check::Status::Unknown && answer.reason
                               ? web::KindName(*answer.reason)
                               : "");
  const std::string source(answer.source ? check::RouteName(*answer.source) : "");
  const bool registry = columns == Columns::Registry;
  const std::string aLabel = web::Utf16ToUtf8(answer.aLabel);
  const std::string registrar = web::Utf16ToUtf8(answer.registrar);
  const std::string expires = web::Utf16ToUtf8(answer.expires);
  switch (format) {
    case Format::List:
      return answer.status == check::Status::Available ? utf8Name + "\n" : "";
    case Format::Tsv:
      return TsvField(utf8Name) + "\t" + std::string(status) + "\t" + TsvField(detail) + "\t" +
             reason + "\t" + source +
             (registry
                  ? "\t" + TsvField(aLabel) + "\t" + TsvField(registrar) + "\t" + TsvField(expires)
                  : "") +
             "\n";
    case Format::Csv:
      return CsvField(utf8Name) + "," + std::string(status) + "," + CsvField(detail) + "," +
             reason + "," + source +
             (registry
                  ? "," + CsvField(aLabel) + "," + CsvField(registrar) + "," + CsvField(expires)
                  : "") +
             "\r\n";
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
      }
      return line.dump() + "\n";
    }
  }
  return "";
}

}  // namespace cli
