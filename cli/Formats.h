// How answers are written to standard output, one name per line, in UTF-8: the list of
// available names, TSV, CSV (RFC 4180) or JSON Lines. These formats are what scripts read, so
// their columns and keys stay as they are.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "Options.h"
#include "check/Answer.h"

namespace cli {

// Which fields TSV, CSV and JSON carry: name, status, detail, reason (the kind of failure of an
// unknown answer, else empty) and source (the route that answered: registrar, rdap, whois or
// dns; empty for an invalid name); with Registry (the registries) also the A-label, the
// registrar, the expiration date, the registry's statuses (JSON: an array; TSV and CSV: joined
// by "; "), the phase and the estimated release day (YYYY-MM-DD), each empty when the registry
// says nothing of it; last, checked: when the answer was had (UTC, ISO 8601 to the second), or
// "demo" for the built-in simulators' answers.
enum class Columns { Basic, Registry };

// What the checked column holds for an answer of the demo's simulators, which --resume refuses
// to pass off as a registry's.
inline constexpr std::string_view kDemoChecked = "demo";

// What joins a registry's statuses in one TSV or CSV field.
inline constexpr std::string_view kStatusSeparator = "; ";

// The time as the checked column writes it, "2026-12-08T21:15:49Z", and read back; nothing
// when the text is not such a time.
std::string CheckedText(std::chrono::sys_seconds at);
std::optional<std::chrono::sys_seconds> ReadCheckedText(std::string_view text);

// A control character (below 0x20, or DEL) as a message or a field shows it, so that it neither
// breaks a line nor acts on a terminal: \n, \t, \r, else \xHH. Nothing for any other byte.
std::optional<std::string> EscapedControl(char c);

// A word of the command line as a message shows it: in quotes, its control characters escaped.
std::string Quoted(std::string_view word);

// What goes before the first answer: CSV's header line, else nothing.
std::string FormatHeader(Format format, Columns columns = Columns::Basic);

// One answer as its line, with its line break; empty when the format leaves the name out.
// `demo` writes kDemoChecked as the time.
std::string FormatAnswer(Format format, std::u16string_view name, const check::Answer& answer,
                         Columns columns = Columns::Basic, bool demo = false);

}  // namespace cli
