#include "Cleaning.h"

#include "Splitting.h"

namespace query {

std::u16string CleanInput(std::u16string_view text) {
  std::u16string cleaned(text);
  for (const Replacement& step : kCleaningSteps) cleaned = ReplaceAll(cleaned, step.what, step.with);
  return cleaned;
}

std::u16string SubmittedList(std::u16string_view cleaned) {
  return ReplaceAll(cleaned, u"\r\n", u",");
}

std::u16string SearchBody(std::u16string_view submittedList) {
  std::u16string body = u"domainNames=";
  body.append(submittedList).append(u"&extrnl=1").append(u"&dotTypes=");
  return body;
}

}  // namespace query
