#include "Program.h"

#include <QApplication>
#include <QSessionManager>
#include <iostream>

#include "Form1Window.h"
#include "MessageBoxes.h"
#include "QtPlatform.h"
#include "web/HttpRequest.h"

namespace qtapp {

int RunProgram(QApplication& application, const ProgramOptions& options) {
  std::unique_ptr<web::HttpSession> session = web::OpenHttpSession();
  QtMessageBoxes boxes;
  QtPlatform platform(boxes);
  Form1Window window(platform, boxes, *session, options.registrarBase);
  window.setWindowTitle(window.windowTitle() + options.captionSuffix);

  if (web::Status loaded = window.Load(); !loaded) {
    std::cerr << "brelka: cannot attach the skin: " << loaded.error() << '\n';
    return 1;
  }
  QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                   [&window](QSessionManager& manager) { window.CommitData(manager); });
  window.ShowCentred();
  return application.exec();
}

}  // namespace qtapp
