// A property of the WHOIS reader rather than a second copy of it: for every server in the table,
// an answer that holds the record of the name asked for (its record lines, the line the entry
// requires, and a registrar line as registry data) is never "available", whatever lines stand
// around it, unless one of them is a status line whose word says the name is free. The fuzzer
// chooses the lines and where the record goes among them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "base/Text.h"
#include "check/whois/WhoisTable.h"

namespace {

constexpr std::string_view kName = "abc.test";

// A text of the table as lines of an answer: {name} the name, {any} a word.
std::string Written(std::u16string text) {
  for (const auto& [token, with] :
       {std::pair<std::u16string_view, std::u16string_view>{u"{name}", u"ABC.test"},
        {u"{any}", u"x"}}) {
    for (std::size_t at = text.find(token); at != std::u16string::npos;
         at = text.find(token, at + with.size())) {
      text.replace(at, token.size(), with);
    }
  }
  return base::Utf16ToUtf8(text);
}

// Whether a line of the answer is a status line (its label, before ':' or ']', names a status or
// state) whose value holds a free status word. A label with nothing after it may have its value
// on the next line, if that line has no label of its own (Nominet's form).
bool SaysFree(const std::string& answer, const check::WhoisServer& server) {
  std::u16string lower = check::NormaliseWhoisText(base::FromUtf8(answer));
  for (char16_t& c : lower) c = c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
  std::vector<std::u16string_view> lines;
  for (std::size_t start = 0; start < lower.size();) {
    std::size_t end = lower.find(u'\n', start);
    if (end == std::u16string::npos) end = lower.size();
    lines.push_back(std::u16string_view(lower).substr(start, end - start));
    start = end + 1;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::u16string_view line = lines[i];
    const std::size_t colon = line.find_first_of(u":]");
    if (colon == std::u16string_view::npos) continue;
    const std::u16string_view label = line.substr(0, colon);
    std::u16string_view value = line.substr(colon + 1);
    if (label.find(u"status") == std::u16string_view::npos &&
        label.find(u"state") == std::u16string_view::npos) {
      continue;
    }
    if (value.find_first_not_of(u" .") == std::u16string_view::npos && i + 1 < lines.size() &&
        lines[i + 1].find(u':') == std::u16string_view::npos) {
      value = lines[i + 1];
    }
    for (const std::u16string& word : server.common->freeStatus) {
      if (value.find(word) != std::u16string_view::npos) return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t choice = data[0] | data[1] << 8;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start <= bytes.size();) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  const check::WhoisTable& table = check::WhoisTable::BuiltIn();
  std::vector<std::string> hosts = table.Hosts();
  hosts.push_back("unlisted.example");  // read by the default entry
  for (const std::string& host : hosts) {
    const check::WhoisServer server = table.ServerFor(host);
    if (server.record.empty()) continue;
    std::string record = Written(server.record[choice % server.record.size()]);
    if (!server.registered.empty()) {
      record += "\n" + Written(server.registered[(choice >> 4) % server.registered.size()]);
    }
    record += "\nRegistrar: x";
    const std::size_t at = (choice >> 8) % (lines.size() + 1);
    std::string answer;
    for (std::size_t i = 0; i <= lines.size(); ++i) {
      if (i == at) answer += record + "\n";
      if (i < lines.size()) answer += std::string(lines[i]) + "\n";
    }
    const check::Answer read = check::ReadWhoisAnswer(server, kName, answer);
    FUZZ_CHECK(read.status != check::Status::Available || SaysFree(answer, server));
  }
  return 0;
}
