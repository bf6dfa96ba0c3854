// brelka-cli --help: the option table's entries with their descriptions wrapped, and what the
// table cannot say (statuses, watch, variants, drops, exit status, examples).
#include <string>
#include <string_view>

#include "Options.h"

namespace cli {
namespace {

constexpr std::size_t kHelpColumn = 24;
constexpr std::size_t kHelpWidth = 80;

// Words joined into lines that end before kHelpWidth, each after the first indented to
// kHelpColumn.
std::string Wrapped(std::string_view words) {
  std::string text;
  std::size_t column = kHelpColumn;
  while (!words.empty()) {
    const std::size_t space = words.find(' ');
    const std::string_view word = words.substr(0, space);
    if (column > kHelpColumn && column + 1 + word.size() > kHelpWidth) {
      text += "\n" + std::string(kHelpColumn, ' ');
      column = kHelpColumn;
    } else if (column > kHelpColumn) {
      text += ' ';
      ++column;
    }
    text += word;
    column += word.size();
    words = space == std::string_view::npos ? std::string_view() : words.substr(space + 1);
  }
  return text;
}

}  // namespace

std::string HelpText() {
  std::string text =
      "Usage: brelka-cli [OPTIONS] [FILE|NAME...]\n"
      "       brelka-cli [OPTIONS] watch add|remove [FILE|NAME...] | list | run | calendar\n"
      "       brelka-cli [OPTIONS] drops [LIST|URL...] | drops --zone-diff OLD NEW\n"
      "Checks which domain names are free to register. Reads one name per line from the\n"
      "files, or from standard input when there is none or the file is '-', in UTF-8; an\n"
      "argument that is no file but a domain name (example.com) is that name. Each\n"
      "line is cleaned (spaces removed; a URL gives its host; a leading \"www.\" dropped) and\n"
      "lower-cased; each name is checked once. Names that cannot be domain names are\n"
      "reported as invalid and sent nowhere.\n"
      "\n"
      "Options:\n";
  for (const OptionSpec& option : OptionTable()) {
    std::string left = "  ";
    left += option.shortName ? std::string("-") + option.shortName + ", " : std::string("    ");
    left += option.name;
    if (!option.valueName.empty()) left += " " + std::string(option.valueName);
    // The description starts in its column, on a line of its own after a long option.
    left = left.size() < kHelpColumn ? left + std::string(kHelpColumn - left.size(), ' ')
                                     : left + "\n" + std::string(kHelpColumn, ' ');
    text += left + Wrapped(option.help) + "\n";
  }
  text +=
      "\n"
      "Statuses: available, registered, reserved (the registry holds it back: taken, though\n"
      "by nobody), likely-available (the registries' sources: no registry could be asked and\n"
      "DNS does not know the name), unknown (no answer could be had; the detail says why; the\n"
      "reason is one of timeout, connect, dns, tls, too-large, redirects, http, protocol,\n"
      "rate-limited, cancelled, request, other), invalid (not a domain name, or with the\n"
      "registries' sources not one a registry holds, as mail.google.com; the detail says why).\n"
      "The source says which route answered: registrar, rdap, whois, dns or zone (empty for an\n"
      "invalid name). With the registries' sources, a_label is the A-label of an international\n"
      "name; registrar and expires, of a registered name; statuses are the registry's own\n"
      "(joined by '; ', in JSON an array); phase is one of active, grace, redemption,\n"
      "pending-delete, hold; releases is the earliest day it could be free (an estimate); each\n"
      "empty when the registry does not give it. checked is when the answer was had, in UTC\n"
      "(2026-12-08T21:15:49Z), or demo for the simulators' answers. Progress and the summary\n"
      "go to standard error; the answers go to standard output.\n"
      "\n"
      "Watch: 'watch add' and 'watch remove' take names as a run reads them; 'watch list'\n"
      "shows each name's latest answer; 'watch run' checks the names that are due with the\n"
      "registries and writes the changes (TSV unless --format says otherwise); 'watch\n"
      "calendar' writes the estimated release days as iCalendar. A name is due daily, twice a\n"
      "day in grace, four times a day in redemption or pending delete, and hourly from the\n"
      "day before its estimated release or after an unknown answer. --on-change gets\n"
      "BRELKA_NAME, BRELKA_BEFORE and BRELKA_AFTER (the answers as JSON).\n"
      "\n"
      "Variants: a Chinese name under cn, 中国, 中國, tw, 台灣 or 台湾, whose registries\n"
      "register a name with its simplified and traditional forms, is asked about in each form\n"
      "too: free but with a form registered, it is reserved (\"bundled with\" that form).\n"
      "\n"
      "Drops: 'drops' reads the registries' lists of the names they will delete, from files or\n"
      "http(s) addresses (CNNIC's 1todayDel.txt, future1todayDel.txt and future2todayDel.txt,\n"
      "the .top registry's dellist.csv; UTF-8 or GBK), or with --zone-diff the names two zone\n"
      "files tell have left the zone, and writes each with the day or time it is deleted (for\n"
      "a zone diff, the earliest day it could be free: an estimate) and where it was found:\n"
      "name, deletes, from (and type with --type). --type, --length, --without and --mixed\n"
      "filter them; --check checks them, --watch adds them to the watch list. With --demo and\n"
      "no file, the simulators' lists (or zone files) are read.\n"
      "\n"
      "Exit status: 0 every valid name got an answer; 1 at least one name is unknown, or\n"
      "there was no valid name to check, or (registries) no bootstrap file could be had; 2 a\n"
      "usage, input or output error; 130 interrupted by Ctrl+C.\n"
      "\n"
      "Examples (the first two offline, against the built-in simulators):\n"
      "  The free names among three:\n"
      "    brelka-cli --demo hello.com abc.com example.cn\n"
      "  Every name with its status, and why:\n"
      "    brelka-cli --demo --all hello.com abc.com\n"
      "  The free names of a file, asking the registries:\n"
      "    brelka-cli names.txt > free.txt\n"
      "  Every name with its status, as CSV for a spreadsheet:\n"
      "    brelka-cli --format csv names.txt > names.csv\n"
      "  Keywords across suffixes (shop.com, shop.cn, then the next keyword):\n"
      "    brelka-cli --tld com,cn keywords.txt\n"
      "  How many names a pattern makes, and the first ten, sending nothing:\n"
      "    brelka-cli --pattern D=AABB --tld cn --count\n"
      "  A long run, stopped with Ctrl+C and finished later without asking again:\n"
      "    brelka-cli --format json big.txt > a.jsonl\n"
      "    brelka-cli --format json --resume a.jsonl big.txt > b.jsonl\n"
      "  Follow a taken name until it drops (run the second line daily or hourly):\n"
      "    brelka-cli watch add example.com\n"
      "    brelka-cli watch run\n";
  return text;
}

}  // namespace cli
