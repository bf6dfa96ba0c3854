// How answers are written to standard output, one name per line, in UTF-8: the list of
// available names, TSV, CSV (RFC 4180) or JSON Lines. These formats are what scripts read, so
// their columns and keys stay as they are (Columns.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Columns.h"
#include "base/Text.h"
#include "check/Answer.h"

namespace cli {

// How answers are written (--format).
enum class Format { List, Tsv, Csv, Json };

// A control character escaped, and a word of the command line as a message shows it (base/Text.h).
using base::EscapedControl;
using base::Quoted;

// A field of a line that is not an answer's (the drops'): its CSV header name, its JSON key,
// and its words, one, or a list's (a JSON array, else joined by "; ").
struct Field {
  std::string_view name;
  std::string_view key;
  std::vector<std::string> words;
  bool list = false;
};

// The fields as a line of TSV, CSV or JSON Lines, with its line break, and CSV's header line
// for them (else nothing).
std::string FormatFields(Format format, std::vector<Field> fields);
std::string FormatFieldsHeader(Format format, const std::vector<Field>& fields);

// What goes before the first answer: CSV's header line, else nothing.
std::string FormatHeader(Format format, Columns columns = Columns::Basic);

// One answer as its line, with its line break; empty when the format leaves the name out.
// `demo` writes kDemoChecked as the time.
std::string FormatAnswer(Format format, std::u16string_view name, const check::Answer& answer,
                         Columns columns = Columns::Basic, bool demo = false);

}  // namespace cli
