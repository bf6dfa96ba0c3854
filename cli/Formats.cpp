#include "Formats.h"

#include <nlohmann/json.hpp>

#include "web/TextEncoding.h"

namespace cli {
namespace {

// A TSV field holds no tab or line break: they, and the backslash, are written escaped.
std::string TsvField(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// RFC 4180: a field with a comma, a quote or a line break is quoted, its quotes doubled.
std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

}  // namespace

std::string FormatHeader(Format format) {
  return format == Format::Csv ? "name,status,detail\r\n" : "";
}

std::string FormatAnswer(Format format, std::u16string_view name, const check::Answer& answer) {
  const std::string utf8Name = web::Utf16ToUtf8(name);
  const std::string_view status = check::StatusName(answer.status);
  const std::string detail = web::Utf16ToUtf8(answer.detail);
  switch (format) {
    case Format::List:
      return answer.status == check::Status::Available ? utf8Name + "\n" : "";
    case Format::Tsv:
      return TsvField(utf8Name) + "\t" + std::string(status) + "\t" + TsvField(detail) + "\n";
    case Format::Csv:
      return CsvField(utf8Name) + "," + std::string(status) + "," + CsvField(detail) + "\r\n";
    case Format::Json: {
      const nlohmann::ordered_json line = {
          {"name", utf8Name}, {"status", status}, {"detail", detail}};
      return line.dump() + "\n";
    }
  }
  return "";
}

}  // namespace cli
