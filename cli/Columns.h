// The answer's columns, in the order the output has them: one table that TSV, CSV, JSON Lines,
// --resume and the watch list all read. A new column is one entry of the table.
#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"
#include "check/Answer.h"

namespace cli {

// One name's answer as the columns see it.
struct Row {
  std::u16string name;
  check::Answer answer;
  bool demo = false;  // answered by the built-in simulators: checked reads "demo"
};

// Which columns an output carries: the basic ones, with the registries' sources theirs too,
// with --type the name's type, and with --for-sale its sign.
enum class Columns : unsigned { Basic = 0, Registry = 1, Type = 2, ForSale = 4 };

constexpr Columns operator|(Columns a, Columns b) {
  return Columns(unsigned(a) | unsigned(b));
}

// Whether `columns` holds every one of `wanted`.
constexpr bool Holds(Columns columns, Columns wanted) {
  return (unsigned(columns) & unsigned(wanted)) == unsigned(wanted);
}

// Every set of columns some output carries (signs are read by the registries' sources only).
inline constexpr Columns kEveryColumns[] = {
    Columns::Basic,
    Columns::Registry,
    Columns::Type,
    Columns::Registry | Columns::Type,
    Columns::Registry | Columns::ForSale,
    Columns::Registry | Columns::Type | Columns::ForSale,
};

struct Column {
  std::string_view name;  // in TSV's and CSV's order, CSV's header and the watch list's table
  std::string_view key;   // in JSON Lines
  Columns carried;        // by the outputs that hold these: Basic by every one
  bool list;              // several words: a JSON array, else joined by "; "
  // The output's generation that added it: 1 the first, 2 checked, 3 the registry's statuses,
  // phase and release day, 4 the type, 5 the for-sale sign. An earlier run's output has the
  // columns of its generation.
  int since;
  // The field's words (one, or a list's), and the field read back into a row; a failure says
  // what is wrong with the text.
  std::vector<std::string> (*write)(const Row& row);
  base::Status (*read)(Row& row, std::vector<std::string> words);
};

std::span<const Column> AllColumns();

// The columns of an output, in order.
const std::vector<const Column*>& ColumnsOf(Columns columns);

// The layouts a TSV or CSV line of an earlier run with this many fields may have, the likeliest
// first (an output with checked, then one without, which a file written by hand may leave out);
// none when no generation of the output had as many.
std::vector<const std::vector<const Column*>*> ColumnsOfFields(std::size_t fields);

// The numbers of fields the newest outputs have, as "7 or 13".
std::string NewestFieldCounts();

// What the checked column holds for an answer of the demo's simulators, which --resume refuses
// to pass off as a registry's.
inline constexpr std::string_view kDemoChecked = "demo";

// The time as the checked column writes it, "2026-12-08T21:15:49Z", and read back; nothing
// when the text is not such a time.
std::string CheckedText(std::chrono::sys_seconds at);
std::optional<std::chrono::sys_seconds> ReadCheckedText(std::string_view text);

// What joins a list's words in one TSV or CSV field.
inline constexpr std::string_view kListSeparator = "; ";

// A list's field as written, and its words read back.
std::string JoinedWords(const std::vector<std::string>& words);
std::vector<std::string> SplitWords(std::string_view field);

}  // namespace cli
