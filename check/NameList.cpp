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
  if (name.empty() || !seen_.insert(name).second) return;
  names_.push_back(std::move(name));
}

}  // namespace check
