// The pending selection of one session: the free names that bulk searches added, upper-cased
// (ASCII letters only, as the registrar lists them), each once, in the order they came. It
// knows the availability rule and the form bodies of the two POSTs, but nothing of HTTP,
// cookies or pages.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

class Selection {
 public:
  // A name is registered when the part before its first dot is three characters (code points)
  // or shorter, or contains "taken" in any case; a name without a dot is no name at all.
  static bool IsFree(std::string_view name);

  // Adds the free names of the body's domainNames field (comma-separated, taken as they stand:
  // the tool sends them without percent-encoding). Returns how many were new.
  size_t AddFromSearchBody(std::string_view body);

  // Removes the names of the body's "delete_NAME=NAME" pairs, ignoring case (Unicode-aware,
  // since the tool lower-cases what the page lists). Returns how many were removed.
  size_t RemoveFromBody(std::string_view body);

  const std::vector<std::string>& Names() const { return names_; }

 private:
  std::vector<std::string> names_;
};

}  // namespace sim
