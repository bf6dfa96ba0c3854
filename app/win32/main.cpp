// The Windows program: opens the main window and runs its message loop until it is closed.
#include <windows.h>
// The common controls need the basic Windows types first.
#include <commctrl.h>

#include "Form1Window.h"
#include "Wide.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  app::win32::Win32Platform platform;
  std::unique_ptr<web::HttpSession> session = web::OpenHttpSession();
  app::win32::Form1Window window(platform, *session);
  // A failed start is told in a box that stays until the user answers it; the window never shows.
  if (web::Status opened = window.Open(showCommand); !opened) {
    MessageBoxW(nullptr, app::win32::FromUtf8(opened.error()).c_str(),
                app::win32::Wide(app::kAppTitle).c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
    return 1;
  }
  return app::win32::RunMessageLoop(window);
}
