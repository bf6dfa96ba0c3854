// The offline demo on Windows: the same window, with the registrar simulator and the simulated
// registries serving on 127.0.0.1 inside this process and the queries pointed at them, so that
// a whole query works without a network.
#include <windows.h>
// The common controls need the basic Windows types first.
#include <commctrl.h>

#include <exception>

#include "Program.h"
#include "Wide.h"
#include "app/Form1Layout.h"
#include "sim/DemoRegistries.h"
#include "sim/RegistrarSim.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  try {
    sim::RegistrarSim registrar;
    const sim::DemoRegistries registries = sim::StartDemoRegistries();
    app::win32::ProgramOptions options;
    options.registrarBase = registrar.BaseUrl16();
    options.registries = [&registries] { return registries.setup; };
    const std::string address = registrar.BaseUrl();
    options.captionSuffix = u"  [演示: 内置模拟注册商 " +
                            std::u16string(address.begin(), address.end()) + u", 模拟注册局]";
    return app::win32::RunProgram(showCommand, options);
  } catch (const std::exception& e) {
    MessageBoxW(nullptr,
                app::win32::FromUtf8(std::string("演示的模拟服务器无法启动: ") + e.what()).c_str(),
                app::win32::Wide(app::kAppTitle).c_str(), MB_OK | MB_ICONERROR);
    return 1;
  }
}
