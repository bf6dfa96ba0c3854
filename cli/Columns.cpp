#include "Columns.h"

#include <algorithm>
#include <cstdio>

#include "base/Text.h"
#include "check/dns/ForSale.h"
#include "names/NameType.h"

namespace cli {
namespace {

using Words = std::vector<std::string>;
using check::Answer;

Words One(std::string word) {
  return {std::move(word)};
}

Words Utf8Words(const std::vector<std::u16string>& texts) {
  Words words;
  for (const std::u16string& text : texts) words.push_back(base::Utf16ToUtf8(text));
  return words;
}

base::Status Into(std::u16string& text, const std::string& word) {
  if (!base::DecodeUtf8(word, text)) return base::Failure{"a field is not UTF-8"};
  return base::Ok();
}

// A column of the answer's own text.
template <std::u16string Answer::*field>
constexpr Column TextColumn(std::string_view name, std::string_view key, Columns carried,
                            int since) {
  return {name, key, carried, false, since,
          [](const Row& row) { return One(base::Utf16ToUtf8(row.answer.*field)); },
          [](Row& row, Words words) { return Into(row.answer.*field, words.at(0)); }};
}

// The reason is written for an unknown answer only, and never read back: such an answer is
// asked again.
const Column kColumns[] = {
    {"name", "name", Columns::Basic, false, 1,
     [](const Row& row) { return One(base::Utf16ToUtf8(row.name)); },
     [](Row& row, Words words) { return Into(row.name, words.at(0)); }},
    {"status", "status", Columns::Basic, false, 1,
     [](const Row& row) { return One(std::string(check::StatusName(row.answer.status))); },
     [](Row& row, Words words) -> base::Status {
       const auto status = check::StatusNamed(words.at(0));
       if (!status) return base::Failure{"unknown status '" + words.at(0) + "'"};
       row.answer.status = *status;
       return base::Ok();
     }},
    TextColumn<&Answer::detail>("detail", "detail", Columns::Basic, 1),
    {"reason", "reason", Columns::Basic, false, 1,
     [](const Row& row) {
       const auto& reason = row.answer.reason;
       const bool unknown = row.answer.status == check::Status::Unknown && reason;
       return One(unknown ? std::string(base::KindName(*reason)) : std::string());
     },
     [](Row&, Words) { return base::Ok(); }},
    {"source", "source", Columns::Basic, false, 1,
     [](const Row& row) {
       return One(row.answer.source ? std::string(check::RouteName(*row.answer.source)) : "");
     },
     [](Row& row, Words words) -> base::Status {
       if (words.at(0).empty()) return base::Ok();
       row.answer.source = check::RouteNamed(words.at(0));
       if (!row.answer.source) return base::Failure{"unknown source '" + words.at(0) + "'"};
       return base::Ok();
     }},
    TextColumn<&Answer::aLabel>("a_label", "aLabel", Columns::Registry, 1),
    TextColumn<&Answer::registrar>("registrar", "registrar", Columns::Registry, 1),
    TextColumn<&Answer::expires>("expires", "expires", Columns::Registry, 1),
    {"statuses", "statuses", Columns::Registry, true, 3,
     [](const Row& row) { return Utf8Words(row.answer.statuses); },
     [](Row& row, Words words) -> base::Status {
       row.answer.statuses.clear();
       for (const std::string& word : words) {
         if (auto taken = Into(row.answer.statuses.emplace_back(), word); !taken) return taken;
       }
       return base::Ok();
     }},
    {"phase", "phase", Columns::Registry, false, 3,
     [](const Row& row) { return One(std::string(check::PhaseName(row.answer.phase))); },
     [](Row& row, Words words) -> base::Status {
       const auto phase = check::PhaseNamed(words.at(0));
       if (!phase) return base::Failure{"unknown phase '" + words.at(0) + "'"};
       row.answer.phase = *phase;
       return base::Ok();
     }},
    TextColumn<&Answer::releases>("releases", "releases", Columns::Registry, 3),
    // Made from the name, and only checked when read back: a field that is not the name's type
    // is not a type column (a line of an older layout with as many fields).
    {"type", "type", Columns::Type, true, 4,
     [](const Row& row) { return names::TypeWords(names::TypeOf(row.name)); },
     [](Row& row, Words words) -> base::Status {
       if (words != names::TypeWords(names::TypeOf(row.name))) {
         return base::Failure{"the type field does not hold the name's type"};
       }
       return base::Ok();
     }},
    // Checked when read back, as the type is: each word a sign or why none was read. A sign's
    // own "; " splits it in TSV and CSV; such a piece joins the sign before it again.
    {"for_sale", "forSale", Columns::ForSale, true, 5,
     [](const Row& row) { return Utf8Words(row.answer.forSale); },
     [](Row& row, Words words) -> base::Status {
       std::vector<std::string> signs;
       for (std::string& word : words) {
         if (word.starts_with(check::kForSaleVersion) || word.starts_with(check::kForSaleUnknown)) {
           signs.push_back(std::move(word));
         } else if (!signs.empty()) {
           signs.back() += std::string(kListSeparator) + word;
         } else {
           return base::Failure{"the for_sale field holds no for-sale sign"};
         }
       }
       row.answer.forSale.clear();
       for (const std::string& sign : signs) {
         if (auto taken = Into(row.answer.forSale.emplace_back(), sign); !taken) return taken;
       }
       return base::Ok();
     }},
    {"checked", "checked", Columns::Basic, false, 2,
     [](const Row& row) {
       return One(row.demo             ? std::string(kDemoChecked)
                  : row.answer.checked ? CheckedText(*row.answer.checked)
                                       : "");
     },
     [](Row& row, Words words) -> base::Status {
       const std::string& text = words.at(0);
       row.demo = text == kDemoChecked;
       if (text.empty() || row.demo) return base::Ok();
       row.answer.checked = ReadCheckedText(text);
       if (!row.answer.checked) {
         return base::Failure{"the time '" + text + "' is not YYYY-MM-DDThh:mm:ssZ"};
       }
       return base::Ok();
     }},
};

constexpr int kGenerations = 5;

struct Layout {
  Columns carried;
  std::vector<const Column*> columns;
};

// Every layout an output of some generation had, with and without checked (which a file
// written by hand may leave out), the newest first, with checked before without; made once.
const std::vector<Layout>& Layouts() {
  static const std::vector<Layout> layouts = [] {
    std::vector<Layout> all;
    for (int generation = kGenerations; generation >= 1; --generation) {
      for (bool checked : {true, false}) {
        for (Columns carried : kEveryColumns) {
          std::vector<const Column*> chosen;
          for (const Column& column : kColumns) {
            if (column.since <= generation && Holds(carried, column.carried) &&
                (checked || column.name != "checked")) {
              chosen.push_back(&column);
            }
          }
          const bool seen = std::any_of(all.begin(), all.end(),
                                        [&](const Layout& layout) { return layout.columns == chosen; });
          if (!seen) all.push_back({carried, std::move(chosen)});
        }
      }
    }
    return all;
  }();
  return layouts;
}

}  // namespace

std::span<const Column> AllColumns() {
  return kColumns;
}

const std::vector<const Column*>& ColumnsOf(Columns columns) {
  // The newest generation's layouts with checked come first.
  for (const Layout& layout : Layouts()) {
    if (layout.carried == columns) return layout.columns;
  }
  return Layouts().front().columns;
}

std::vector<const std::vector<const Column*>*> ColumnsOfFields(std::size_t fields) {
  std::vector<const std::vector<const Column*>*> found;
  for (const Layout& layout : Layouts()) {
    if (layout.columns.size() == fields) found.push_back(&layout.columns);
  }
  return found;
}

std::string NewestFieldCounts() {
  std::vector<std::size_t> counts;
  for (Columns carried : kEveryColumns) counts.push_back(ColumnsOf(carried).size());
  std::sort(counts.begin(), counts.end());
  counts.erase(std::unique(counts.begin(), counts.end()), counts.end());
  std::string text;
  for (std::size_t i = 0; i < counts.size(); ++i) {
    text += (i == 0 ? "" : i + 1 == counts.size() ? " or " : ", ") + std::to_string(counts[i]);
  }
  return text;
}

std::string JoinedWords(const std::vector<std::string>& words) {
  std::string joined;
  for (const std::string& word : words) {
    joined += (joined.empty() ? "" : std::string(kListSeparator)) + word;
  }
  return joined;
}

std::vector<std::string> SplitWords(std::string_view field) {
  std::vector<std::string> words;
  for (std::size_t start = 0; !field.empty() && start <= field.size();) {
    std::size_t end = field.find(kListSeparator, start);
    if (end == std::string_view::npos) end = field.size();
    words.emplace_back(field.substr(start, end - start));
    start = end + kListSeparator.size();
  }
  return words;
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

}  // namespace cli
