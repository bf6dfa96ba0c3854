// brelka-startup-probe: the window program's own start, up to the first paint of its window,
// then exit. brelka-startup-bench times it beside a bare Qt label (brelka-label-probe).
#include <QApplication>

#include "FirstPaintExit.h"
#include "app/qt/Program.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("com.example.brelka"));
  FirstPaintExit exitAtFirstPaint;
  application.installEventFilter(&exitAtFirstPaint);
  return qtapp::RunProgram(application);
}
