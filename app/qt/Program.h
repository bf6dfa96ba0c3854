// Program runs the tool as a Qt application: it opens the HTTP session, builds the main window,
// attaches the skin, shows the window and runs the event loop until the window has closed. It
// takes no command line and reads no settings; the demo only points it at another registrar.
#pragma once

#include <QString>
#include <string>

#include "query/BulkQuery.h"

class QApplication;

namespace qtapp {

struct ProgramOptions {
  std::u16string registrarBase = std::u16string(query::kRegistrarBase);
  QString captionSuffix;  // appended to the window's caption
};

// The exit status: 0 after the window closed, non-zero when start-up failed (with the reason on
// standard error and in an error box, and no main window shown).
int RunProgram(QApplication& application, const ProgramOptions& options = {});

// Tells why the program cannot start: on standard error always, and in a modal error box that
// waits for the user where a display shows windows (not on the offscreen and minimal platforms).
void ReportFailedStart(const std::string& reason);

}  // namespace qtapp
