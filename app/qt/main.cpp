// The tool's entry point: the main window and nothing else.
#include <QApplication>

#include "Program.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  return qtapp::RunProgram(application);
}
