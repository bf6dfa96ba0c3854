// What the program knows of registries' WHOIS servers: how to ask each one, how its answers read,
// and which server answers for which suffix when whois.iana.org cannot say. The knowledge is
// data (check/whois/whois-servers.json, built in, each entry with its sources); this reads it
// and reads answers by it. It opens no connection.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"
#include "check/Answer.h"
#include "check/Lifecycle.h"
#include "check/whois/WhoisCommonForm.h"

namespace check {

// One server's entry, its texts already normalised and lower-cased.
struct WhoisServer {
  std::string host;
  std::string query = "{name}";  // {name}: the A-label
  std::string charset = "utf-8";
  std::vector<std::u16string> available;
  std::vector<std::u16string> reserved;
  std::vector<std::u16string> throttled;
  std::vector<std::u16string> record;
  std::vector<std::u16string> registered;
  std::vector<std::u16string> registrar;
  std::vector<std::u16string> expires;
  // Labels of the status lines (every one is read), of the last change, and of a release date
  // the registry gives itself; and which status words mean which phase.
  std::vector<std::u16string> status;
  std::vector<std::u16string> updated;
  std::vector<std::u16string> releases;
  std::shared_ptr<const PhaseWords> phases;
  // The forms common across registries: how an entry without texts of its own reads answers,
  // and the status words every record may carry.
  std::shared_ptr<const WhoisCommonForm> common;
  bool ownTexts = false;
};

class WhoisTable {
 public:
  // Fails when the text is not such a table. An entry without texts of its own reads answers
  // as the default entry does.
  static base::Result<WhoisTable> Parse(std::string_view json);
  // The table built into the program; it is tested, so this does not fail.
  static const WhoisTable& BuiltIn();

  // The entry for a host: its own, else the default one under the host's name.
  WhoisServer ServerFor(std::string_view host) const;
  bool Lists(std::string_view host) const;
  // Every host the table has an entry for.
  std::vector<std::string> Hosts() const;
  // The host the table names for a name's longest suffix, if any.
  std::optional<std::string> HostFor(std::string_view aLabel) const;

 private:
  std::map<std::string, WhoisServer, std::less<>> servers_;
  std::map<std::string, std::string, std::less<>> hostsBySuffix_;
  WhoisServer default_;
};

// The line to send for a name, CR LF included.
std::string WhoisQuery(const WhoisServer& server, std::string_view aLabel);

// What an answer of `server` says of the name: available, registered (with registrar and expiry
// where the answer has them), reserved, or unknown (rate-limited when it is the server's throttle
// text, protocol when the program does not recognise it). Never available on a guess.
Answer ReadWhoisAnswer(const WhoisServer& server, std::string_view aLabel, std::string_view bytes);

// The text in the form the patterns are written in: LF line ends, tabs as spaces, runs of
// spaces as one, each line trimmed, typographic apostrophes as plain ones. Not lower-cased.
std::u16string NormaliseWhoisText(std::u16string_view text);

// The server that whois.iana.org names for a TLD in its answer ("refer:", else "whois:"), or
// nothing when the answer names none (a TLD that does not exist).
std::optional<std::string> ReadIanaReferral(std::string_view answer);

// Whether the answer is IANA's record of that TLD (A-label, any case): it has the line
// "domain: TLD". Only such an answer says anything lasting about the TLD.
bool IsIanaRecordOf(std::string_view answer, std::string_view tld);

// Whether the text can be a host name: letters, digits, dots and hyphens, 1 to 253 of them.
bool IsHostName(std::string_view text);

std::string_view WhoisServersJson();

}  // namespace check
