#include "Resume.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <vector>

#include "Formats.h"
#include "NameReader.h"
#include "base/Text.h"

namespace cli {
namespace {

enum class Shape { Json, Tsv, Csv };

std::optional<std::u16string> Text(std::string_view utf8) {
  std::u16string text;
  if (!base::DecodeUtf8(utf8, text)) return std::nullopt;
  return text;
}

// One answer's line: its fields in the output's order (name, status, detail, reason, source,
// with the registries' columns a_label, registrar, expires, statuses, phase, releases; then
// checked), taken or refused for the run that resumes.
class Reader {
 public:
  Reader(const ResumingRun& run, SettledFile& file) : run_(run), file_(file) {}

  // Fails with what is wrong.
  base::Status Take(std::vector<std::string> fields) {
    std::optional<std::string> checked;
    if (fields.size() == 6 || fields.size() == 9 || fields.size() == 12) {
      checked = std::move(fields.back());
      fields.pop_back();
    }
    // The registries' statuses, phase and release day, after the expiry.
    std::vector<std::string> lifecycle;
    if (fields.size() == 11) {
      lifecycle.assign(fields.end() - 3, fields.end());
      fields.resize(8);
    }
    if (fields.size() == 1) {
      return base::Failure{"list output holds names, not answers, and cannot be resumed; write "
                          "the run's output with --format json (or tsv, csv)"};
    }
    if (fields.size() != 5 && fields.size() != 8) {
      return base::Failure{"expected 6, 9 or 12 fields, found " + std::to_string(fields.size())};
    }
    const std::optional<check::Status> status = check::StatusNamed(fields[1]);
    if (!status) return base::Failure{"unknown status '" + fields[1] + "'"};
    std::optional<check::Route> source;
    if (!fields[4].empty()) {
      source = check::RouteNamed(fields[4]);
      if (!source) return base::Failure{"unknown source '" + fields[4] + "'"};
      if (std::find(run_.routes.begin(), run_.routes.end(), *source) == run_.routes.end()) {
        return base::Failure{"answered by " + fields[4] + ", which this run does not ask"};
      }
    }
    std::optional<std::chrono::sys_seconds> at;
    if (checked && *checked == kDemoChecked && !run_.demo) {
      return base::Failure{"answered by the demo's simulators, not by a registry"};
    }
    if (checked && *checked != kDemoChecked && !checked->empty()) {
      at = ReadCheckedText(*checked);
      if (!at) return base::Failure{"the time '" + *checked + "' is not YYYY-MM-DDThh:mm:ssZ"};
    }
    if (!checked || checked->empty()) file_.undated = true;
    std::vector<std::u16string> texts;
    for (const std::string& field : fields) {
      auto text = Text(field);
      if (!text) return base::Failure{"a field is not UTF-8"};
      texts.push_back(std::move(*text));
    }
    if (texts[0].empty()) return base::Failure{"the name is empty"};
    if (*status == check::Status::Unknown) return base::Ok();   // to be asked again
    if (at && run_.now - *at > run_.maxAge) return base::Ok();  // too old: asked again
    check::Answer answer = check::WithStatus(*status, texts[2]);
    answer.source = source;
    answer.checked = at;
    if (texts.size() == 8) {
      answer.aLabel = texts[5];
      answer.registrar = texts[6];
      answer.expires = texts[7];
    }
    if (!lifecycle.empty()) {
      auto statuses = Text(lifecycle[0]);
      auto releases = Text(lifecycle[2]);
      if (!statuses || !releases) return base::Failure{"a field is not UTF-8"};
      const std::optional<check::Phase> phase = check::PhaseNamed(lifecycle[1]);
      if (!phase) return base::Failure{"unknown phase '" + lifecycle[1] + "'"};
      for (std::size_t start = 0; !statuses->empty() && start <= statuses->size();) {
        std::size_t end = statuses->find(u"; ", start);
        if (end == std::u16string::npos) end = statuses->size();
        answer.statuses.push_back(statuses->substr(start, end - start));
        start = end + 2;
      }
      answer.phase = *phase;
      answer.releases = std::move(*releases);
    }
    file_.settled[texts[0]] = std::move(answer);
    return base::Ok();
  }

 private:
  const ResumingRun& run_;
  SettledFile& file_;
};

base::Status TakeJson(const std::string& line, Reader& reader) {
  const nlohmann::json object = nlohmann::json::parse(line, nullptr, false);
  if (object.is_discarded() || !object.is_object()) return base::Failure{"not a JSON object"};
  std::vector<std::string> fields;
  const auto field = [&object](const char* key) -> std::optional<std::string> {
    const auto found = object.find(key);
    if (found == object.end()) return std::string();
    if (!found->is_string()) return std::nullopt;
    return found->get<std::string>();
  };
  for (const char* key : {"name", "status", "detail", "reason", "source"}) {
    auto value = field(key);
    if (!value) return base::Failure{std::string("'") + key + "' is not a string"};
    fields.push_back(std::move(*value));
  }
  if (object.contains("aLabel") || object.contains("registrar") || object.contains("expires")) {
    for (const char* key : {"aLabel", "registrar", "expires"}) {
      auto value = field(key);
      if (!value) return base::Failure{std::string("'") + key + "' is not a string"};
      fields.push_back(std::move(*value));
    }
  }
  if (fields.size() == 8 && object.contains("statuses")) {
    const auto& words = object["statuses"];
    if (!words.is_array()) return base::Failure{"'statuses' is not an array"};
    std::string joined;
    for (const auto& word : words) {
      if (!word.is_string()) return base::Failure{"'statuses' holds a value that is not a string"};
      joined += (joined.empty() ? "" : std::string(kStatusSeparator)) + word.get<std::string>();
    }
    fields.push_back(std::move(joined));
    for (const char* key : {"phase", "releases"}) {
      auto value = field(key);
      if (!value) return base::Failure{std::string("'") + key + "' is not a string"};
      fields.push_back(std::move(*value));
    }
  }
  if (object.contains("checked")) {
    auto value = field("checked");
    if (!value) return base::Failure{"'checked' is not a string"};
    fields.push_back(std::move(*value));
  }
  return reader.Take(std::move(fields));
}

// A TSV field's escapes (\t, \n, \r, \\, \xHH) undone.
base::Status TakeTsv(const std::string& line, Reader& reader) {
  std::vector<std::string> fields(1);
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\t') {
      fields.emplace_back();
    } else if (c == '\\' && i + 3 < line.size() && line[i + 1] == 'x' &&
               std::isxdigit(static_cast<unsigned char>(line[i + 2])) &&
               std::isxdigit(static_cast<unsigned char>(line[i + 3]))) {
      fields.back() += static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else if (c == '\\' && i + 1 < line.size()) {
      const char next = line[++i];
      fields.back() += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    } else {
      fields.back() += c;
    }
  }
  return reader.Take(std::move(fields));
}

// One CSV record by RFC 4180, line breaks inside quotes included; fails on a stray quote.
base::Status TakeCsv(const std::string& record, Reader& reader) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < record.size(); ++i) {
    const char c = record[i];
    if (quoted) {
      if (c == '"' && i + 1 < record.size() && record[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        fields.back() += c;
      }
    } else if (c == '"' && fields.back().empty()) {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else if (c == '"') {
      return base::Failure{"a quote inside an unquoted field"};
    } else {
      fields.back() += c;
    }
  }
  if (quoted) return base::Failure{"a quoted field does not end"};
  return reader.Take(std::move(fields));
}

std::size_t Quotes(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '"'));
}

}  // namespace

base::Result<SettledFile> ReadSettled(std::istream& in, const std::string& file,
                                     const ResumingRun& run) {
  SettledFile settled;
  Reader reader(run, settled);
  std::optional<Shape> shape;
  std::string line;
  std::string record;  // a CSV record may span lines
  std::size_t recordStart = 0;
  std::size_t recordQuotes = 0;  // counted line by line: an open quote never rescans the record
  for (std::size_t number = 1; std::getline(in, line); ++number) {
    const bool complete = !in.eof();
    if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
    if (shape == Shape::Csv) {
      if (record.empty()) recordStart = number;
      record += record.empty() ? line : "\n" + line;
      recordQuotes += Quotes(line);
      if (recordQuotes % 2 == 1 && complete) continue;
      line = std::move(record);
      record.clear();
      recordQuotes = 0;
      if (!line.empty() && line.back() == '\r') line.pop_back();
    } else if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (!complete) break;  // cut off by a run that ended mid-write
    if (line.empty()) continue;
    if (!shape) {
      shape = line.front() == '{'                ? Shape::Json
              : line.starts_with("name,status,") ? Shape::Csv
                                                 : Shape::Tsv;
      if (shape == Shape::Csv) continue;  // the header
    }
    const base::Status taken = shape == Shape::Json  ? TakeJson(line, reader)
                              : shape == Shape::Tsv ? TakeTsv(line, reader)
                                                    : TakeCsv(line, reader);
    if (!taken) {
      const std::size_t at = shape == Shape::Csv ? recordStart : number;
      return base::Failure{file + ":" + std::to_string(at) + ": " + taken.error()};
    }
  }
  if (in.bad()) return base::Failure{"cannot read '" + file + "'"};
  if (!record.empty()) {
    return base::Failure{file + ":" + std::to_string(recordStart) + ": a quoted field does not end"};
  }
  return settled;
}

base::Result<std::chrono::seconds> ParseMaxAge(std::string_view text) {
  const auto failure = base::Failure{"takes a number and a unit: 90s, 30m, 12h or 7d"};
  if (text.size() < 2) return failure;
  std::int64_t count = 0;
  const char* end = text.data() + text.size() - 1;
  const auto read = std::from_chars(text.data(), end, count);
  if (read.ec != std::errc() || read.ptr != end || count < 0 || count > 36500) return failure;
  switch (text.back()) {
    case 's':
      return std::chrono::seconds(count);
    case 'm':
      return std::chrono::seconds(count * 60);
    case 'h':
      return std::chrono::seconds(count * 3600);
    case 'd':
      return std::chrono::seconds(count * 86400);
  }
  return failure;
}

}  // namespace cli
