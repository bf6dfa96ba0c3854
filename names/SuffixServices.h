// Which suffixes a service other than their TLD's registry answers for: ac.uk's names are
// Jisc's, not Nominet's, and uk.com's are CentralNic's, though the Public Suffix List keeps
// uk.com in its private section. A TLD's registry asked about such a name says it has none,
// which says nothing of the name. The knowledge is data (names/suffix-services.json, built in,
// with its sources); this reads it. It asks no server.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "base/Result.h"

namespace names {

struct SuffixService {
  std::string suffix;
  // The WHOIS server that answers for the suffix's names; nothing when none is known.
  std::optional<std::string> whois;
};

class SuffixServices {
 public:
  // Fails when the text is not such a table.
  static base::Result<SuffixServices> Parse(std::string_view json);
  // The table built in; it is tested, so this does not fail.
  static const SuffixServices& BuiltIn();

  // The entry for the longest suffix of the name (A-labels, lower case) below its first label.
  const SuffixService* For(std::string_view aLabel) const;
  // Whether the suffix (A-labels, lower case) is in the table.
  bool Lists(std::string_view suffix) const;

 private:
  std::map<std::string, SuffixService, std::less<>> suffixes_;
};

std::string_view SuffixServicesJson();

}  // namespace names
