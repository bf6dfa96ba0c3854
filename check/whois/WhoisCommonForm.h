// How an answer reads by the forms common across registries, for a server the table does not
// list, and the status words every server's record may carry. In two sentences: the name's own
// record (a "domain" or "domain name" line holding the name) is available or reserved when its
// status line says a free or reserved word, else registered when registry data (a date, a
// registrar, a status or a name server) stands beside it; an answer without that is available
// only when a whole line is one of the free phrases common across registries, and anything else
// is unknown. The words are data (the
// "common" member of check/whois/whois-servers.json, each with its source).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/Answer.h"

namespace check {

struct WhoisCommonForm {
  // Labels, normalised as LabelOf gives them.
  std::vector<std::u16string> recordLabels;
  std::vector<std::u16string> dataLabels;
  std::vector<std::u16string> statusLabels;
  // Status values, lower case; a value matches a word it equals or starts with (and a space).
  std::vector<std::u16string> freeStatus;
  std::vector<std::u16string> reservedStatus;
  // Whole lines, lower case, {name} for the name, read as StrippedLine gives them.
  std::vector<std::u16string> freeLines;
};

// One line of a normalised, lower-cased answer read as "label: value" (also "label....: value",
// "a. [label] value" and "label:" with its value on the next line): the label without its
// dots and with underscores as spaces; nothing when the line is not labelled.
struct LabelledLine {
  std::u16string label;
  std::u16string value;
};
std::vector<LabelledLine> LabelledLines(std::u16string_view lowerText);

// A line without the comment marks and punctuation around a sentence ("% ", ">>> ", a final
// ".").
std::u16string StrippedLine(std::u16string_view line);

// What the record's status lines say of the name, when one of them is a free or reserved word:
// Available or Reserved; else nothing.
std::optional<Status> StatusWordOf(const WhoisCommonForm& form,
                                   const std::vector<std::u16string>& statusValues);

// What an answer holds by the common forms. `lowerText` is the normalised answer, lower-cased;
// `name` is lower case.
struct CommonReading {
  bool record = false;                   // a record label's line holding the name
  bool data = false;                     // a line of registry data beside it
  std::vector<std::u16string> statuses;  // the values of the status lines
  bool freeLine = false;                 // a whole line that is a free phrase
};
CommonReading ReadCommonForm(const WhoisCommonForm& form, std::u16string_view lowerText,
                             std::u16string_view name);

}  // namespace check
