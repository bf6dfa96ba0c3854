// The offline demo: the same window, with the registrar simulator and the simulated registries
// serving on 127.0.0.1 inside this process and the queries pointed at them, so that a whole
// query works without a network.
#include <QApplication>
#include <iostream>

#include "CommandLine.h"
#include "Program.h"
#include "sim/DemoRegistries.h"
#include "sim/RegistrarSim.h"

int main(int argc, char* argv[]) {
  const qtapp::ProgramDescription program{
      "brelka-demo",
      "Opens the Brelka window against a registrar simulated inside the program on 127.0.0.1,\n"
      "so that a whole query works without a network: any name whose part before the first dot\n"
      "is longer than three characters (and does not contain \"taken\") comes back as free.\n"
      "With --source registry the simulated registries answer under the same rule.\n"};
  qtapp::ProgramOptions options;
  if (auto status =
          qtapp::HandleCommandLine(argc, argv, program, std::cout, std::cerr, &options.source)) {
    return *status;
  }
  QApplication application(argc, argv);
  sim::RegistrarSim registrar;
  // Started with the window, so that the source may come from the settings file too.
  const sim::DemoRegistries registries = sim::StartDemoRegistries();
  options.registrarBase = registrar.BaseUrl16();
  options.registries = [&registries] { return registries.setup; };
  options.captionSuffix = QStringLiteral(u"  [演示: 内置模拟注册商 %1, 模拟注册局]")
                              .arg(QString::fromStdString(registrar.BaseUrl()));
  return qtapp::RunProgram(application, options);
}
