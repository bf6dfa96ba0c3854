#include "check/whois/WhoisCommonForm.h"

#include <algorithm>

namespace check {
namespace {

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
  return text;
}

// "domain.............", "domain_name", "[domain name]" all read "domain name" or "domain".
std::u16string LabelText(std::u16string_view label) {
  std::u16string out;
  for (char16_t c : Trimmed(label)) out += c == u'_' ? u' ' : c;
  while (!out.empty() && (out.back() == u'.' || out.back() == u' ')) out.pop_back();
  return out;
}

bool Contains(const std::vector<std::u16string>& words, std::u16string_view word) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

// The value names the name: itself, with a final dot, or followed by words ("x.tk is active").
bool Names(std::u16string_view value, std::u16string_view name) {
  if (!value.starts_with(name)) return false;
  const std::u16string_view rest = value.substr(name.size());
  return rest.empty() || rest == u"." || rest.front() == u' ';
}

}  // namespace

std::vector<LabelledLine> LabelledLines(std::u16string_view lowerText) {
  std::vector<std::u16string_view> lines;
  for (std::size_t start = 0; start <= lowerText.size();) {
    std::size_t end = lowerText.find(u'\n', start);
    if (end == std::u16string_view::npos) end = lowerText.size();
    lines.push_back(Trimmed(lowerText.substr(start, end - start)));
    start = end + 1;
  }
  std::vector<LabelledLine> labelled;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::u16string_view line = lines[i];
    // JPRS: "a. [domain name] google.co.jp".
    if (line.size() > 3 && line[1] == u'.' && line[2] == u' ' && line[3] == u'[') {
      line.remove_prefix(3);
    }
    std::u16string_view label, value;
    if (line.starts_with(u'[')) {
      const std::size_t close = line.find(u']');
      if (close == std::u16string_view::npos) continue;
      label = line.substr(1, close - 1);
      value = line.substr(close + 1);
    } else {
      const std::size_t colon = line.find(u':');
      if (colon == std::u16string_view::npos || colon == 0) continue;
      label = line.substr(0, colon);
      value = line.substr(colon + 1);
    }
    // "domain:.............google.tg": the dots lead to the value.
    while (!value.empty() && (value.front() == u'.' || value.front() == u' '))
      value.remove_prefix(1);
    value = Trimmed(value);
    // "domain:" with its value on the next line, as Nominet writes it.
    if (value.empty() && i + 1 < lines.size() && lines[i + 1].find(u':') == std::u16string::npos) {
      value = lines[i + 1];
    }
    labelled.push_back({LabelText(label), std::u16string(value)});
  }
  return labelled;
}

std::u16string StrippedLine(std::u16string_view line) {
  line = Trimmed(line);
  while (!line.empty() && (line.front() == u'%' || line.front() == u'#' || line.front() == u'>' ||
                           line.front() == u'*' || line.front() == u' ')) {
    line.remove_prefix(1);
  }
  while (!line.empty() && (line.back() == u'.' || line.back() == u'!' || line.back() == u'<' ||
                           line.back() == u' ')) {
    line.remove_suffix(1);
  }
  return std::u16string(line);
}

std::optional<Status> StatusWordOf(const WhoisCommonForm& form,
                                   const std::vector<std::u16string>& statusValues) {
  const auto says = [&](const std::vector<std::u16string>& words) {
    return std::any_of(statusValues.begin(), statusValues.end(), [&](const std::u16string& value) {
      const std::u16string lower = StrippedLine(value);
      return std::any_of(words.begin(), words.end(), [&](const std::u16string& word) {
        return lower == word || lower.starts_with(word + u" ");
      });
    });
  };
  if (says(form.freeStatus)) return Status::Available;
  if (says(form.reservedStatus)) return Status::Reserved;
  return std::nullopt;
}

CommonReading ReadCommonForm(const WhoisCommonForm& form, std::u16string_view lowerText,
                             std::u16string_view name) {
  CommonReading reading;
  for (const LabelledLine& line : LabelledLines(lowerText)) {
    if (Contains(form.recordLabels, line.label) && Names(line.value, name)) {
      reading.record = true;
      continue;
    }
    if (line.value.empty()) continue;
    if (Contains(form.statusLabels, line.label)) reading.statuses.push_back(line.value);
    reading.data = reading.data || Contains(form.dataLabels, line.label);
  }
  for (std::size_t start = 0; start <= lowerText.size() && !reading.freeLine;) {
    std::size_t end = lowerText.find(u'\n', start);
    if (end == std::u16string_view::npos) end = lowerText.size();
    const std::u16string line = StrippedLine(lowerText.substr(start, end - start));
    start = end + 1;
    reading.freeLine = std::any_of(
        form.freeLines.begin(), form.freeLines.end(), [&](const std::u16string& phrase) {
          const std::size_t at = phrase.find(u"{name}");
          if (at == std::u16string::npos) return line == phrase;
          return line.size() == phrase.size() - 6 + name.size() &&
                 line.starts_with(phrase.substr(0, at)) && line.substr(at, name.size()) == name &&
                 line.ends_with(phrase.substr(at + 6));
        });
  }
  return reading;
}

}  // namespace check
