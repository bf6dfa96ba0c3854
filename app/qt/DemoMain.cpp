// The offline demo: the same window, with the registrar simulator serving on 127.0.0.1 inside
// this process and the query pointed at it, so that a whole query works without a network.
#include <QApplication>

#include "Program.h"
#include "tools/registrar-sim/RegistrarSim.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  sim::RegistrarSim registrar;
  qtapp::ProgramOptions options;
  options.registrarBase = registrar.BaseUrl16();
  options.captionSuffix = QStringLiteral(u"  [演示: 内置模拟注册商 %1]")
                              .arg(QString::fromStdString(registrar.BaseUrl()));
  return qtapp::RunProgram(application, options);
}
