#include "check/whois/WhoisTable.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "base/LowerCase.h"
#include "base/Text.h"
#include "web/Module1.h"

namespace check {
namespace {

std::u16string LowerAscii(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return text;
}

std::vector<std::u16string> Texts(const nlohmann::json& entry, const char* key) {
  std::vector<std::u16string> texts;
  const auto found = entry.find(key);
  if (found == entry.end() || !found->is_array()) return texts;
  for (const nlohmann::json& text : *found) {
    if (text.is_string()) {
      texts.push_back(LowerAscii(NormaliseWhoisText(base::FromUtf8(text.get<std::string>()))));
    }
  }
  return texts;
}

std::string Word(const nlohmann::json& entry, const char* key, std::string fallback) {
  const auto found = entry.find(key);
  return found != entry.end() && found->is_string() ? found->get<std::string>() : fallback;
}

// The "common" member of the default entry; its texts lower-cased as the answers are.
std::shared_ptr<const WhoisCommonForm> ReadCommonForm(const nlohmann::json& entry) {
  auto form = std::make_shared<WhoisCommonForm>();
  const auto found = entry.find("common");
  if (found == entry.end() || !found->is_object()) return form;
  form->recordLabels = Texts(*found, "record");
  form->dataLabels = Texts(*found, "data");
  form->statusLabels = Texts(*found, "status");
  form->freeStatus = Texts(*found, "freeStatus");
  form->reservedStatus = Texts(*found, "reservedStatus");
  form->freeLines = Texts(*found, "free");
  return form;
}

WhoisServer ReadServer(const nlohmann::json& entry, const WhoisServer* fallback) {
  WhoisServer server;
  server.query = Word(entry, "query", "{name}");
  server.charset = base::AsciiLower(Word(entry, "charset", "utf-8"));
  server.available = Texts(entry, "available");
  server.reserved = Texts(entry, "reserved");
  server.throttled = Texts(entry, "throttled");
  server.record = Texts(entry, "record");
  server.registered = Texts(entry, "registered");
  server.registrar = Texts(entry, "registrar");
  server.expires = Texts(entry, "expires");
  server.status = Texts(entry, "status");
  server.updated = Texts(entry, "updated");
  server.releases = Texts(entry, "releases");
  if (fallback && server.available.empty() && server.record.empty()) {
    WhoisServer read = *fallback;
    read.query = server.query;
    read.charset = server.charset;
    return read;
  }
  server.ownTexts = fallback != nullptr;
  if (fallback) server.common = fallback->common;
  // Most registries label their status lines and dates as the common format does.
  if (fallback && server.status.empty()) server.status = fallback->status;
  if (fallback && server.updated.empty()) server.updated = fallback->updated;
  if (fallback) server.phases = fallback->phases;
  return server;
}

std::u16string WithName(std::u16string_view pattern, std::u16string_view name) {
  std::u16string text(pattern);
  constexpr std::u16string_view kName = u"{name}";
  for (std::size_t at = text.find(kName); at != std::u16string::npos;
       at = text.find(kName, at + name.size())) {
    text.replace(at, kName.size(), name);
  }
  return text;
}

// Whether one line of an answer is one line of a text, its name already put in: {any} stands
// for any run of characters within the line.
bool LineIs(std::u16string_view line, std::u16string_view text) {
  constexpr std::u16string_view kAny = u"{any}";
  std::vector<std::u16string_view> pieces;
  std::u16string_view rest = text;
  for (std::size_t any = rest.find(kAny); any != std::u16string_view::npos; any = rest.find(kAny)) {
    pieces.push_back(rest.substr(0, any));
    rest.remove_prefix(any + kAny.size());
  }
  if (pieces.empty()) return line == rest;
  if (line.size() < pieces.front().size() + rest.size() || !line.starts_with(pieces.front()) ||
      !line.ends_with(rest)) {
    return false;
  }
  std::size_t at = pieces.front().size();
  const std::size_t end = line.size() - rest.size();
  for (std::size_t k = 1; k < pieces.size(); ++k) {
    const std::size_t found = line.find(pieces[k], at);
    if (found == std::u16string_view::npos || found + pieces[k].size() > end) return false;
    at = found + pieces[k].size();
  }
  return true;
}

// The answer's lines, lower-cased as the texts are.
using Lines = std::vector<std::u16string_view>;

Lines SplitLines(std::u16string_view text) {
  Lines lines;
  std::size_t start = 0;
  for (std::size_t end = text.find(u'\n'); end != std::u16string_view::npos;
       end = text.find(u'\n', start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  lines.push_back(text.substr(start));
  return lines;
}

// Whether the answer holds one of the texts as whole lines, one after another.
bool HoldsLines(const std::vector<std::u16string>& texts, const Lines& lines,
                std::u16string_view name) {
  return std::any_of(texts.begin(), texts.end(), [&](const std::u16string& text) {
    const std::u16string named = WithName(text, name);
    const Lines wanted = SplitLines(named);
    for (std::size_t first = 0; first + wanted.size() <= lines.size(); ++first) {
      std::size_t k = 0;
      while (k < wanted.size() && LineIs(lines[first + k], wanted[k])) ++k;
      if (k == wanted.size()) return true;
    }
    return false;
  });
}

// The value after the first label found at the start of a line: the rest of that line, else
// the next line. Taken from `text`, which is `framed` before lower-casing.
std::u16string ValueAfter(const std::vector<std::u16string>& labels, std::u16string_view framed,
                          std::u16string_view text) {
  for (const std::u16string& label : labels) {
    const std::size_t at = framed.find(u"\n" + label);
    if (at == std::u16string_view::npos) continue;
    std::size_t start = at + 1 + label.size();
    std::size_t end = text.find(u'\n', start);
    std::u16string_view value = text.substr(start, end - start);
    while (!value.empty() && value.front() == u' ') value.remove_prefix(1);
    if (value.empty() && end != std::u16string_view::npos && end + 1 < text.size()) {
      start = end + 1;
      end = text.find(u'\n', start);
      value = text.substr(start, end - start);
    }
    if (!value.empty()) return std::u16string(value);
  }
  return {};
}

// The value of every line that starts with one of the labels, in the answer's order.
std::vector<std::u16string> EveryValueAfter(const std::vector<std::u16string>& labels,
                                            std::u16string_view framed, std::u16string_view text) {
  std::vector<std::u16string> values;
  for (std::size_t line = 0; line < framed.size();) {
    const std::size_t end = std::min(framed.find(u'\n', line + 1), framed.size());
    for (const std::u16string& label : labels) {
      if (framed.substr(line + 1).starts_with(label) && line + 1 + label.size() <= end) {
        std::u16string_view value =
            text.substr(line + 1 + label.size(), end - line - 1 - label.size());
        while (!value.empty() && value.front() == u' ') value.remove_prefix(1);
        if (!value.empty()) values.emplace_back(value);
        break;
      }
    }
    line = end;
  }
  return values;
}

// Each "key: value" line of an IANA answer, the key lower-cased, the value trimmed.
template <class Visit>
void ForEachIanaField(std::string_view answer, Visit visit) {
  std::size_t start = 0;
  while (start < answer.size()) {
    std::size_t end = answer.find('\n', start);
    if (end == std::string_view::npos) end = answer.size();
    std::string_view line = answer.substr(start, end - start);
    start = end + 1;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view value = line.substr(colon + 1);
    const std::size_t first = value.find_first_not_of(" \t");
    value.remove_prefix(first == std::string_view::npos ? value.size() : first);
    value = value.substr(0, value.find_last_not_of(" \t\r") + 1);
    visit(base::AsciiLower(line.substr(0, colon)), value);
  }
}

}  // namespace

std::u16string NormaliseWhoisText(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  bool space = false;
  const auto endLine = [&] {
    while (!out.empty() && out.back() == u' ') out.pop_back();
    out += u'\n';
    space = false;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c == u'\r') {
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      endLine();
      continue;
    }
    if (c == u'\n') {
      endLine();
      continue;
    }
    if (c == u'\t' || c == u' ' || c == u'\u00A0') {
      space = true;
      continue;
    }
    if (c == u'\u2018' || c == u'\u2019' || c == u'\u02BC') c = u'\'';
    if (space && !out.empty() && out.back() != u'\n') out += u' ';
    space = false;
    out += c;
  }
  while (!out.empty() && (out.back() == u' ' || out.back() == u'\n')) out.pop_back();
  return out;
}

base::Result<WhoisTable> WhoisTable::Parse(std::string_view json) {
  const nlohmann::json root = nlohmann::json::parse(json, nullptr, false);
  if (root.is_discarded() || !root.is_object()) return base::Failure{"the WHOIS table is not JSON"};
  const auto servers = root.find("servers");
  const auto fallback = root.find("default");
  if (servers == root.end() || !servers->is_object() || fallback == root.end() ||
      !fallback->is_object()) {
    return base::Failure{"the WHOIS table has no servers or no default entry"};
  }
  // "phases": each phase's status words, as the registries write them.
  auto phases = std::make_shared<PhaseWords>(RdapPhaseWords());
  if (const auto words = root.find("phases"); words != root.end() && words->is_object()) {
    for (const auto& [phase, list] : words->items()) {
      if (phase == "sources") continue;
      Phase named = Phase::None;
      for (Phase p : {Phase::Grace, Phase::Redemption, Phase::PendingDelete, Phase::Hold})
        if (PhaseName(p) == phase) named = p;
      if (named == Phase::None || !list.is_array()) {
        return base::Failure{"the WHOIS table names an unknown phase '" + phase + "'"};
      }
      for (const nlohmann::json& word : list) {
        if (word.is_string()) (*phases)[PhaseWord(base::FromUtf8(word.get<std::string>()))] = named;
      }
    }
  }
  WhoisTable table;
  table.default_ = ReadServer(*fallback, nullptr);
  table.default_.phases = phases;
  table.default_.common = ReadCommonForm(*fallback);
  for (const auto& [host, entry] : servers->items()) {
    if (!entry.is_object()) continue;
    WhoisServer server = ReadServer(entry, &table.default_);
    server.host = base::AsciiLower(host);
    if (const auto suffixes = entry.find("suffixes");
        suffixes != entry.end() && suffixes->is_array()) {
      for (const nlohmann::json& suffix : *suffixes) {
        if (suffix.is_string())
          table.hostsBySuffix_[base::AsciiLower(suffix.get<std::string>())] = server.host;
      }
    }
    if (const auto aliases = entry.find("aliases"); aliases != entry.end() && aliases->is_array()) {
      for (const nlohmann::json& alias : *aliases) {
        if (!alias.is_string()) continue;
        WhoisServer named = server;
        named.host = base::AsciiLower(alias.get<std::string>());
        table.servers_[named.host] = std::move(named);
      }
    }
    table.servers_[server.host] = std::move(server);
  }
  return table;
}

const WhoisTable& WhoisTable::BuiltIn() {
  static const WhoisTable table = [] {
    auto parsed = Parse(WhoisServersJson());
    return parsed ? std::move(parsed.value()) : WhoisTable{};
  }();
  return table;
}

WhoisServer WhoisTable::ServerFor(std::string_view host) const {
  const std::string lower = base::AsciiLower(host);
  if (const auto found = servers_.find(lower); found != servers_.end()) return found->second;
  WhoisServer server = default_;
  server.host = lower;
  return server;
}

bool WhoisTable::Lists(std::string_view host) const {
  return servers_.count(base::AsciiLower(host)) > 0;
}

std::vector<std::string> WhoisTable::Hosts() const {
  std::vector<std::string> hosts;
  for (const auto& [host, server] : servers_) hosts.push_back(host);
  return hosts;
}

std::optional<std::string> WhoisTable::HostFor(std::string_view aLabel) const {
  for (std::size_t dot = aLabel.find('.'); dot != std::string_view::npos;
       dot = aLabel.find('.', dot + 1)) {
    if (const auto found = hostsBySuffix_.find(aLabel.substr(dot + 1));
        found != hostsBySuffix_.end()) {
      return found->second;
    }
  }
  return std::nullopt;
}

std::string WhoisQuery(const WhoisServer& server, std::string_view aLabel) {
  std::string line = server.query;
  const std::size_t at = line.find("{name}");
  if (at != std::string::npos) line.replace(at, 6, aLabel);
  return line + "\r\n";
}

Answer ReadWhoisAnswer(const WhoisServer& server, std::string_view aLabel, std::string_view bytes) {
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  auto decoded = web::DecodeBytes({data, bytes.size()},
                                  std::u16string(server.charset.begin(), server.charset.end()));
  const std::u16string text =
      u"\n" + NormaliseWhoisText(decoded ? decoded.value() : base::FromUtf8(bytes)) + u"\n";
  const std::u16string lower = LowerAscii(text);
  const std::u16string name = LowerAscii(base::FromUtf8(aLabel));
  const std::u16string host = base::FromUtf8(server.host);

  const Lines lines = SplitLines(lower);
  const auto holds = [&](const std::vector<std::u16string>& texts) {
    return HoldsLines(texts, lines, name);
  };

  const auto registered = [&] {
    Answer answer = WithStatus(Status::Registered);
    answer.registrar = ValueAfter(server.registrar, lower, text);
    answer.expires = ValueAfter(server.expires, lower, text);
    SetLifecycle(answer, EveryValueAfter(server.status, lower, text),
                 server.phases ? *server.phases : RdapPhaseWords(),
                 ValueAfter(server.updated, lower, text), ValueAfter(server.releases, lower, text));
    return answer;
  };
  // A record whose status line says the name is free or reserved says so, on any server.
  const auto statusWord =
      [&](const std::vector<std::u16string>& statuses) -> std::optional<Answer> {
    const auto word = server.common ? StatusWordOf(*server.common, statuses) : std::nullopt;
    if (word == Status::Reserved)
      return WithStatus(Status::Reserved, host + u" says the name is reserved");
    if (word) return WithStatus(*word);
    return std::nullopt;
  };

  // The record of the name asked for, with the registry's data beside it, wins: whatever else
  // the answer says, it is never free, unless its own status line says so. A reservation
  // written as a record (a status line of its own) is a reservation. A server the table has no
  // texts for is read by the common forms (see WhoisCommonForm.h).
  bool record = false, withData = false, free = false;
  std::vector<std::u16string> statuses;
  if (!server.ownTexts && server.common) {
    CommonReading common = ReadCommonForm(*server.common, lower, name);
    record = common.record;
    withData = common.record && common.data;
    statuses = std::move(common.statuses);
    free = common.freeLine;
  } else {
    record = withData =
        holds(server.record) && (server.registered.empty() || holds(server.registered));
    if (record) statuses = EveryValueAfter(server.status, lower, text);
    free = holds(server.available);
  }
  if (record) {
    if (auto said = statusWord(statuses)) return *said;
  }
  if (withData) {
    if (holds(server.reserved))
      return WithStatus(Status::Reserved, host + u" says the name is reserved");
    return registered();
  }
  if (holds(server.throttled)) {
    return Unknown(host + u" refused the query: too many queries", base::FailureKind::RateLimited);
  }
  if (holds(server.reserved))
    return WithStatus(Status::Reserved, host + u" says the name is reserved");
  if (free) return WithStatus(Status::Available);
  return Unknown(host + u" gave an answer Brelka does not recognise", base::FailureKind::Protocol);
}

bool IsHostName(std::string_view text) {
  return !text.empty() && text.size() <= 253 && std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-';
  });
}

bool IsIanaRecordOf(std::string_view answer, std::string_view tld) {
  bool found = false;
  ForEachIanaField(answer, [&](const std::string& key, std::string_view value) {
    found = found || (key == "domain" && base::AsciiLower(value) == base::AsciiLower(tld));
  });
  return found;
}

std::optional<std::string> ReadIanaReferral(std::string_view answer) {
  std::optional<std::string> refer;
  std::optional<std::string> whois;
  ForEachIanaField(answer, [&](const std::string& key, std::string_view value) {
    if ((key != "refer" && key != "whois") || !IsHostName(value)) return;
    std::optional<std::string>& kept = key == "refer" ? refer : whois;
    if (!kept) kept = base::AsciiLower(value);
  });
  return refer ? refer : whois;
}

}  // namespace check
