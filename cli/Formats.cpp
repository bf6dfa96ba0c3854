#include "Formats.h"

#include <nlohmann/json.hpp>

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
  std::string header;
  for (const Column* column : ColumnsOf(columns)) {
    header += (header.empty() ? "" : ",") + std::string(column->name);
  }
  return header + "\r\n";
}

std::string FormatAnswer(Format format, std::u16string_view name, const check::Answer& answer,
                         Columns columns, bool demo) {
  const Row row{std::u16string(name), answer, demo};
  if (format == Format::List) {
    return answer.status == check::Status::Available ? base::Utf16ToUtf8(name) + "\n" : "";
  }
  if (format == Format::Json) {
    nlohmann::ordered_json line = nlohmann::ordered_json::object();
    for (const Column* column : ColumnsOf(columns)) {
      std::vector<std::string> words = column->write(row);
      if (column->list) {
        line[std::string(column->key)] = std::move(words);
      } else {
        line[std::string(column->key)] = std::move(words.at(0));
      }
    }
    return line.dump() + "\n";
  }
  std::string line;
  for (const Column* column : ColumnsOf(columns)) {
    const std::string field = JoinedWords(column->write(row));
    if (!line.empty()) line += format == Format::Tsv ? "\t" : ",";
    line += format == Format::Tsv ? TsvField(field) : CsvField(field);
  }
  return line + (format == Format::Tsv ? "\n" : "\r\n");
}

}  // namespace cli
