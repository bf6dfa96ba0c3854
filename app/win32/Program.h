// The Windows programs from their start to their end: read the command line ("--source NAME"),
// decide which source the start button asks (the command line's, else brelka.ini's, else the
// registrar), open the window and run its message loop. The demo points it at its simulators.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "app/WindowSettings.h"
#include "check/OpenRegistries.h"
#include "query/BulkQuery.h"

namespace app::win32 {

struct ProgramOptions {
  std::u16string registrarBase = std::u16string(query::kRegistrarBase);
  std::u16string captionSuffix;
  // How the registries are asked; called on the run's thread. Empty: check::DefaultRegistrySetup.
  std::function<check::RegistrySetup()> registries;
};

// brelka.ini beside the program when there is one (the zip is portable), else
// %APPDATA%\Brelka\brelka.ini.
std::wstring SettingsFile();

// The source that the settings file (read with the profile functions) chooses when the command
// line does not, with what is wrong with the file when something is.
SourceChoice ChooseSource(std::optional<QuerySource> given, const std::wstring& file);

// The exit status: 0 once the window has closed, 1 when it could not open, 2 for a command line
// it does not take (told in a box).
int RunProgram(int showCommand, const ProgramOptions& options = {});

}  // namespace app::win32
