#include "Patterns.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "Console.h"
#include "Formats.h"
#include "NameReader.h"
#include "Progress.h"
#include "Sources.h"
#include "base/Text.h"
#include "names/FingerprintSet.h"
#include "names/NameList.h"
#include "names/NameRules.h"

namespace cli {
namespace {

// The words of --words, one per line (UTF-8, cleaned like names, blank lines and repeats
// skipped); a word must be able to stand in a name.
base::Result<std::vector<std::u16string>> ReadWords(const std::string& file) {
  std::ifstream in(PathOf(file), std::ios::binary);
  if (!in) return base::Failure{"cannot open '" + file + "': " + std::strerror(errno)};
  std::vector<std::u16string> words;
  names::FingerprintSet seen;
  std::string line;
  for (std::size_t number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
    std::u16string decoded;
    if (!base::DecodeUtf8(line, decoded)) {
      return base::Failure{file + ":" + std::to_string(number) + ": invalid UTF-8"};
    }
    std::u16string word = names::CleanName(decoded);
    if (word.empty()) continue;
    if (names::InvalidReason(word + u".cn") || word.find(u'.') != std::u16string::npos) {
      return base::Failure{file + ":" + std::to_string(number) + ": " +
                          Quoted(base::Utf16ToUtf8(word)) + " cannot be part of a name"};
    }
    if (seen.Insert(word)) words.push_back(std::move(word));
  }
  if (words.empty()) return base::Failure{"--words " + Quoted(file) + " holds no word"};
  return words;
}

}  // namespace

// Each --pattern read and counted. A pattern that makes keywords needs suffixes to make names.
base::Result<Patterns> ReadPatterns(const Settings& settings,
                                   const std::vector<std::u16string>& suffixes) {
  std::vector<std::u16string> words;
  if (settings.wordsFile) {
    auto read = ReadWords(*settings.wordsFile);
    if (!read) return base::Failure{read.error()};
    words = std::move(read.value());
  }
  Patterns made;
  for (const std::u16string& text : settings.patterns) {
    const std::string shown = Quoted(base::Utf16ToUtf8(text));
    auto pattern = names::NamePattern::Read(text, words, settings.filters);
    if (!pattern) return base::Failure{"--pattern " + shown + " " + pattern.error()};
    const bool keywords = text.find(u'.') == std::u16string::npos;
    if (keywords && suffixes.empty()) {
      return base::Failure{"--pattern " + shown +
                          " makes keywords without a suffix: give --tld (or write the suffix "
                          "into the pattern, as DDD.cn)"};
    }
    const names::NamePattern::Count count = pattern.value().CountNames(kCountBudget);
    std::uint64_t names = count.names;
    const std::uint64_t each = keywords ? suffixes.size() : 1;
    names = names > UINT64_MAX / each ? UINT64_MAX : names * each;
    made.total.names =
        made.total.names > UINT64_MAX - names ? UINT64_MAX : made.total.names + names;
    made.total.exact = made.total.exact && count.exact;
    made.patterns.push_back(std::move(pattern.value()));
  }
  // Two patterns, or two ways through one, may make a name alike ("fang"+"an", "fan"+"gan"); it
  // is checked once, so it is counted once: by making the names where there are few enough.
  const bool mayRepeat =
      made.patterns.size() > 1 || std::any_of(made.patterns.begin(), made.patterns.end(),
                                              [](const auto& p) { return p.MayRepeat(); });
  // So are the names of the types asked for: there is no arithmetic for them.
  const bool byMaking = mayRepeat || settings.types;
  if (byMaking && made.total.exact && made.total.names <= kDistinctBudget) {
    NameStream names = NameStream::FromPatterns(made.patterns, suffixes, made.total.names);
    if (settings.types) names.KeepTypes(&*settings.types);
    std::uint64_t distinct = 0;
    for (std::u16string name;;) {
      const base::Result<bool> next = names.Next(name);
      if (!next || !next.value()) break;
      ++distinct;
    }
    made.total.names = distinct;
  } else if (byMaking) {
    made.total.exact = false;
  }
  return made;
}

// Why patterns make no name: the first filter without which they would make some, else the
// name rules.
std::string WhyNoName(const Settings& settings, const std::vector<std::u16string>& suffixes) {
  if (settings.types) {
    Settings wider = settings;
    wider.types.reset();
    const auto made = ReadPatterns(wider, suffixes);
    if (made && made.value().total.names > 0) return "--type leaves out every name they make";
  }
  const names::PatternFilters& filters = settings.filters;
  const std::pair<std::string, names::PatternFilters> without[] = {
      {"--length", {filters.without, filters.mixed, 0, SIZE_MAX}},
      {"--mixed", {filters.without, false, filters.minLength, filters.maxLength}},
      {"--without", {u"", filters.mixed, filters.minLength, filters.maxLength}},
  };
  for (const auto& [option, fewer] : without) {
    Settings wider = settings;
    wider.filters = fewer;
    const auto made = ReadPatterns(wider, suffixes);
    if (made && made.value().total.names > 0) return option + " leaves out every name they make";
  }
  return "the name rules leave out every name they make (a label over 63 octets, a hyphen "
         "first or last, ...)";
}

// --count: how many names there are and the first ten, on standard output. Names read from the
// inputs are counted by reading them all, repeats left out; the patterns' by their count.
int PrintCount(NameStream& stream, const std::optional<Total>& total, std::uint64_t maxNames) {
  std::string first;
  std::u16string name;
  std::uint64_t read = 0;
  for (;;) {
    if (total && read == 10) break;
    auto next = stream.Next(name);
    if (!next) return UsageError(next.error());
    if (!next.value()) break;
    if (read++ < 10) first += base::Utf16ToUtf8(name) + "\n";
  }
  const std::uint64_t names = total ? total->names : read;
  const std::string count = std::string(total && !total->exact ? "up to " : "") +
                            Names(names);
  if (total && total->names > maxNames) {
    Write(Stream::Err, "brelka-cli: warning: a run of these patterns would be refused: " + count +
                           " are more than --max-names " + std::to_string(maxNames) +
                           " allows\n");
  }
  if (!Write(Stream::Out, count + "\n" + first)) {
    return OutputClosed() ? kAllAnswered
                          : UsageError("the count could not be written to standard output");
  }
  return kAllAnswered;
}

}  // namespace cli
