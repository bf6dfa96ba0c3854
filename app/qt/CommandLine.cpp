#include "CommandLine.h"

#include <algorithm>
#include <string>
#include <vector>

namespace qtapp {
namespace {

enum class Takes { Nothing, NextArgument, NextOrEquals, EqualsOnly };

struct QtOption {
  std::string_view name;  // without its dash; Qt accepts one dash or two
  Takes takes;
};

// The options that QGuiApplication, QApplication and the X11 platform read from the command
// line. The session manager restarts a program with "-session ID", so these must pass.
constexpr QtOption kQtOptions[] = {
    {"platform", Takes::NextArgument},
    {"platformpluginpath", Takes::NextArgument},
    {"platformtheme", Takes::NextArgument},
    {"plugin", Takes::NextArgument},
    {"qwindowgeometry", Takes::NextArgument},
    {"qwindowicon", Takes::NextArgument},
    {"qwindowtitle", Takes::NextArgument},
    {"session", Takes::NextArgument},
    {"display", Takes::NextArgument},
    {"geometry", Takes::NextArgument},
    {"style", Takes::NextOrEquals},
    {"stylesheet", Takes::NextOrEquals},
    {"qmljsdebugger", Takes::EqualsOnly},
    {"reverse", Takes::Nothing},
    {"widgetcount", Takes::Nothing},
    {"nograb", Takes::Nothing},
    {"dograb", Takes::Nothing},
    {"sync", Takes::Nothing},
};

void PrintHelp(const ProgramDescription& program, std::ostream& out) {
  out << "Usage: " << program.name << " [OPTION]...\n"
      << program.about << '\n'
      << "Options:\n"
         "  -h, --help     print this help and exit\n"
         "      --version  print the version and exit\n"
         "      --source registrar|registry\n"
         "                 what the start button asks: the registrar's bulk search (the\n"
         "                 default), or each name's registry (RDAP, WHOIS, then DNS), as\n"
         "                 brelka-cli does; without this option, \"source=registry\" in the\n"
         "                 [query] section of $XDG_CONFIG_HOME/brelka/brelka.conf (else\n"
         "                 ~/.config/brelka/brelka.conf) chooses the registries\n"
         "Qt's own options are passed on to Qt: -platform NAME, -display DISPLAY, -style STYLE,\n"
         "-reverse, -session ID and the others that Qt documents.\n"
         "\n"
         "The program loads its skin library libSkinH.so and skin file XinChunDaJie.she from\n"
         "its own folder.\n"
         "\n"
         "Exit status: 0 when the window has been closed, 1 when start-up fails (for instance\n"
         "when libSkinH.so is missing beside the program), 2 for an unknown option or argument.\n";
}

int Refuse(const ProgramDescription& program, const std::string& reason, std::ostream& err) {
  err << program.name << ": " << reason << "\nTry '" << program.name
      << " --help' for more information.\n";
  return 2;
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, const char* const* argv,
                                     const ProgramDescription& program, std::ostream& out,
                                     std::ostream& err, std::optional<app::QuerySource>* source) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--source" || argument.starts_with("--source=")) {
      std::vector<std::string> pair{std::string(argument)};
      if (argument == "--source" && i + 1 < argc) pair.emplace_back(argv[++i]);
      auto named = app::ReadSourceArguments(pair);
      if (!named) {
        return Refuse(program, "--source takes registrar or registry", err);
      }
      if (source) *source = named.value();
      continue;
    }
    if (argument == "--help" || argument == "-h") {
      PrintHelp(program, out);
      return 0;
    }
    if (argument == "--version") {
      out << program.name << ' ' << BRELKA_VERSION << '\n';
      return 0;
    }
    if (argument.size() < 2 || argument[0] != '-') {
      return Refuse(program, "unexpected argument '" + std::string(argument) + "'", err);
    }
    std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
    const std::size_t equals = name.find('=');
    const bool hasEquals = equals != std::string_view::npos;
    name = name.substr(0, equals);
    const auto* option = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                                      [name](const QtOption& o) { return o.name == name; });
    const bool known =
        option != std::end(kQtOptions) &&
        (hasEquals ? option->takes == Takes::NextOrEquals || option->takes == Takes::EqualsOnly
                   : option->takes != Takes::EqualsOnly);
    if (!known) return Refuse(program, "unknown option '" + std::string(argument) + "'", err);
    if (!hasEquals && option->takes != Takes::Nothing) {
      if (i + 1 == argc) {
        return Refuse(program, "option '" + std::string(argument) + "' needs a value", err);
      }
      ++i;
    }
  }
  return std::nullopt;
}

}  // namespace qtapp
