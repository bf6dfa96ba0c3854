// The Windows program: opens the main window and runs its message loop until it is closed.
#include <windows.h>
// The common controls need the basic Windows types first.
#include <commctrl.h>

#include "Program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  return app::win32::RunProgram(showCommand);
}
