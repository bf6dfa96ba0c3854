// The tool's entry point: the main window and nothing else.
#include <QApplication>
#include <iostream>

#include "CommandLine.h"
#include "Program.h"

int main(int argc, char* argv[]) {
  const qtapp::ProgramDescription program{
      "brelka",
      "Opens the Brelka window, which checks in one batch which of a list of domain names are\n"
      "still free to register: enter the names in the left box, one per line, and press\n"
      "\"开始查询\".\n"};
  qtapp::ProgramOptions options;
  if (auto status =
          qtapp::HandleCommandLine(argc, argv, program, std::cout, std::cerr, &options.source)) {
    return *status;
  }
  QApplication application(argc, argv);
  // Desktops that match windows to menu entries by the desktop file's name (Wayland) need it.
  QGuiApplication::setDesktopFileName(QStringLiteral("com.example.brelka"));
  return qtapp::RunProgram(application, options);
}
