// What the start button does to the user's list before sending it: the cleaning replacements in
// their order, the comma-separated submitted list and the search request's body. Nothing here
// checks the names; the registrar judges them.
#pragma once

#include <string>
#include <string_view>

namespace query {

struct Replacement {
  std::u16string_view what;
  std::u16string_view with;
};

// Applied to the input box in this order, each result written back before the next: spaces go,
// doubled line breaks are halved, "http://" and "www." go. Tabs and U+3000 stay.
inline constexpr Replacement kCleaningSteps[] = {
    {u" ", u""},
    {u"\r\n\r\n", u"\r\n"},
    {u"http://", u""},
    {u"www.", u""},
};

// All cleaning steps at once, as the input box reads after them.
std::u16string CleanInput(std::u16string_view text);

// The cleaned input with every line break turned into a comma.
std::u16string SubmittedList(std::u16string_view cleaned);

// "domainNames=" + list + "&extrnl=1" + "&dotTypes=", nothing escaped.
std::u16string SearchBody(std::u16string_view submittedList);

}  // namespace query
