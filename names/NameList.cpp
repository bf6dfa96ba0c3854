#include "names/NameList.h"

#include <algorithm>

#include "base/LowerCase.h"

namespace names {

std::u16string CleanName(std::u16string_view line) {
  std::u16string name(line);
  std::erase(name, u' ');
  name = base::ToLower(name);
  // A URL gives its host: the scheme goes, and so do the path, query, fragment and port.
  for (std::u16string_view scheme : {u"http://", u"https://"}) {
    if (!name.starts_with(scheme)) continue;
    name.erase(0, scheme.size());
    name.erase(std::min(name.find_first_of(u"/?#"), name.size()));
    const std::size_t colon = name.rfind(u':');
    if (colon != std::u16string::npos &&
        name.find_first_not_of(u"0123456789", colon + 1) == std::u16string::npos) {
      name.erase(colon);
    }
    break;
  }
  // "www." names a host on the web, not the name a registry holds; "www.com" keeps it.
  if (name.starts_with(u"www.") && name.find(u'.', 4) != std::u16string::npos) name.erase(0, 4);
  return name;
}

void NameList::AddLine(std::u16string_view line) {
  AddClean(CleanName(line));
}

void NameList::AddClean(std::u16string_view name) {
  if (name.empty()) return;
  if (suffixes_.empty() || name.find(u'.') != std::u16string::npos)
    return Add(std::u16string(name));
  for (const std::u16string& suffix : suffixes_) {
    std::u16string full;
    full.reserve(name.size() + 1 + suffix.size());
    full.append(name).append(1, u'.').append(suffix);
    Add(std::move(full));
  }
}

void NameList::Add(std::u16string name) {
  if (seen_.Insert(name)) waiting_.push_back(std::move(name));
}

bool NameList::Take(std::u16string& name) {
  if (waiting_.empty()) return false;
  name = std::move(waiting_.front());
  waiting_.pop_front();
  return true;
}

}  // namespace names
