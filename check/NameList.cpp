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

}  // namespace check
