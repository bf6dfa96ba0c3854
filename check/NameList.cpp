#include "NameList.h"

#include "query/Cleaning.h"
#include "query/LowerCase.h"
#include "query/Splitting.h"

namespace check {

std::u16string CleanName(std::u16string_view line) {
  // The window's steps in the window's order; the one for doubled line breaks finds nothing in
  // a single line.
  std::u16string cleaned(line);
  for (const query::Replacement& step : query::kCleaningSteps) {
    cleaned = query::ReplaceAll(cleaned, step.what, step.with);
  }
  return query::ToLower(cleaned);
}

void NameList::AddLine(std::u16string_view line) {
  std::u16string name = CleanName(line);
  if (name.empty()) return;
  if (suffixes_.empty() || name.find(u'.') != std::u16string::npos) return Add(std::move(name));
  for (const std::u16string& suffix : suffixes_) Add(name + u"." + suffix);
}

void NameList::Add(std::u16string name) {
  if (!seen_.insert(name).second) return;
  names_.push_back(std::move(name));
}

}  // namespace check
