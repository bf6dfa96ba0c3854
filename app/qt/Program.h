// Program runs the tool as a Qt application: it decides which source the start button asks (the
// command line's, else the settings file's, else the registrar), opens the HTTP session, builds
// the main window, attaches the skin, shows the window and runs the event loop until the window
// has closed. The demo points it at its simulators instead of the real servers.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "app/WindowSettings.h"
#include "check/OpenRegistries.h"
#include "query/BulkQuery.h"

class QApplication;

namespace qtapp {

struct ProgramOptions {
  std::u16string registrarBase = std::u16string(query::kRegistrarBase);
  QString captionSuffix;  // appended to the window's caption
  // The command line's choice, which wins over the settings file's.
  std::optional<app::QuerySource> source;
  // Empty: SettingsFile().
  QString settingsFile;
  // How the registries are asked; called on the run's thread. Empty: check::DefaultRegistrySetup.
  std::function<check::RegistrySetup()> registries;
};

// $XDG_CONFIG_HOME/brelka/brelka.conf, else ~/.config/brelka/brelka.conf.
QString SettingsFile();

// The source that the settings file (an INI file, read with QSettings) chooses when the command
// line does not, with what is wrong with the file when something is.
app::SourceChoice ChooseSource(std::optional<app::QuerySource> given, const QString& file);

// The exit status: 0 after the window closed, non-zero when start-up failed (with the reason on
// standard error and in an error box, and no main window shown).
int RunProgram(QApplication& application, const ProgramOptions& options = {});

// Tells why the program cannot start: on standard error always, and in a modal error box that
// waits for the user where a display shows windows (not on the offscreen and minimal platforms).
void ReportFailedStart(const std::string& reason);

}  // namespace qtapp
