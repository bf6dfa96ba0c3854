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

std::string FormatFieldsHeader(Format format, const std::vector<Field>& fields) {
  if (format != Format::Csv) return "";
  std::string header;
  for (const Field& field : fields) header += (header.empty() ? "" : ",") + std::string(field.name);
  return header + "\r\n";
}

std::string FormatFields(Format format, std::vector<Field> fields) {
  if (format == Format::Json) {
    nlohmann::ordered_json line = nlohmann::ordered_json::object();
    for (Field& field : fields) {
      if (field.list) {
        line[std::string(field.key)] = std::move(field.words);
      } else {
        line[std::string(field.key)] = std::move(field.words.at(0));
      }
    }
    return line.dump() + "\n";
  }
  std::string line;
  bool first = true;
  for (const Field& field : fields) {
    const std::string text = JoinedWords(field.words);
    if (!first) line += format == Format::Tsv ? "\t" : ",";
    first = false;
    line += format == Format::Tsv ? TsvField(text) : CsvField(text);
  }
  return line + (format == Format::Tsv ? "\n" : "\r\n");
}

// An answer's fields in the columns' order.
std::vector<Field> AnswerFields(const Row& row, Columns columns) {
  std::vector<Field> fields;
  for (const Column* column : ColumnsOf(columns)) {
    fields.push_back({column->name, column->key, column->write(row), column->list});
  }
  return fields;
}

std::string FormatHeader(Format format, Columns columns) {
  return FormatFieldsHeader(format, AnswerFields(Row{}, columns));
}

std::string FormatAnswer(Format format, std::u16string_view name, const check::Answer& answer,
                         Columns columns, bool demo) {
  if (format == Format::List) {
    return answer.status == check::Status::Available ? base::Utf16ToUtf8(name) + "\n" : "";
  }
  return FormatFields(format, AnswerFields(Row{std::u16string(name), answer, demo}, columns));
}

}  // namespace cli
