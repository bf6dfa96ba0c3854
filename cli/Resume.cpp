#include "Resume.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <vector>

#include "Columns.h"
#include "Formats.h"
#include "NameReader.h"
#include "base/Text.h"

namespace cli {
namespace {

enum class Shape { Json, Tsv, Csv };

// One answer's line, its fields in the columns' order, taken or refused for the run that
// resumes.
class Reader {
 public:
  Reader(const ResumingRun& run, SettledFile& file) : run_(run), file_(file) {}

  // TSV's and CSV's fields, which their number tells. Fails with what is wrong.
  base::Status TakeFields(std::vector<std::string> fields) {
    if (fields.size() == 1) {
      return base::Failure{"list output holds names, not answers, and cannot be resumed; write "
                           "the run's output with --format json (or tsv, csv)"};
    }
    const auto layouts = ColumnsOfFields(fields.size());
    if (layouts.empty()) {
      return base::Failure{"expected " + NewestFieldCounts() + " fields, found " +
                           std::to_string(fields.size())};
    }
    // Layouts with as many fields: the first that reads, else what was wrong with the first.
    std::optional<base::Failure> first;
    for (const std::vector<const Column*>* layout : layouts) {
      const std::vector<const Column*>& columns = *layout;
      Row row;
      base::Status read = base::Ok();
      for (std::size_t i = 0; i < columns.size() && read; ++i) {
        read = columns[i]->read(row, columns[i]->list ? SplitWords(fields[i])
                                                      : std::vector<std::string>{fields[i]});
      }
      if (read) return Take(std::move(row), columns.back()->name == "checked");
      if (!first) first = read.failure();
    }
    return *first;
  }

  // A JSON object's keys; a missing one is empty.
  base::Status TakeObject(const nlohmann::json& object) {
    Row row;
    bool dated = false;
    for (const Column& column : AllColumns()) {
      const auto found = object.find(column.key);
      if (found == object.end()) continue;
      std::vector<std::string> words;
      if (column.list) {
        if (!found->is_array()) return base::Failure{"'" + std::string(column.key) + "' is not an array"};
        for (const auto& word : *found) {
          if (!word.is_string()) {
            return base::Failure{"'" + std::string(column.key) +
                                 "' holds a value that is not a string"};
          }
          words.push_back(word.get<std::string>());
        }
      } else {
        if (!found->is_string()) {
          return base::Failure{"'" + std::string(column.key) + "' is not a string"};
        }
        words.push_back(found->get<std::string>());
      }
      if (base::Status read = column.read(row, std::move(words)); !read) return read;
      if (column.name == "checked") dated = true;
    }
    if (!object.contains("status")) return base::Failure{"unknown status ''"};
    return Take(std::move(row), dated);
  }

 private:
  // `dated`: the line has a checked field, though it may be empty.
  base::Status Take(Row row, bool dated) {
    const check::Answer& answer = row.answer;
    if (answer.source &&
        std::find(run_.routes.begin(), run_.routes.end(), *answer.source) == run_.routes.end()) {
      return base::Failure{"answered by " + std::string(check::RouteName(*answer.source)) +
                           ", which this run does not ask"};
    }
    if (row.demo && !run_.demo) {
      return base::Failure{"answered by the demo's simulators, not by a registry"};
    }
    if (!dated || (!row.demo && !answer.checked)) file_.undated = true;
    if (row.name.empty()) return base::Failure{"the name is empty"};
    if (answer.status == check::Status::Unknown) return base::Ok();  // to be asked again
    if (answer.checked && run_.now - *answer.checked > run_.maxAge) return base::Ok();  // too old
    file_.settled[row.name] = std::move(row.answer);
    return base::Ok();
  }

  const ResumingRun& run_;
  SettledFile& file_;
};

base::Status TakeJson(const std::string& line, Reader& reader) {
  const nlohmann::json object = nlohmann::json::parse(line, nullptr, false);
  if (object.is_discarded() || !object.is_object()) return base::Failure{"not a JSON object"};
  return reader.TakeObject(object);
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
  return reader.TakeFields(std::move(fields));
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
  return reader.TakeFields(std::move(fields));
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
