#include "Program.h"

#include <QApplication>
#include <QMessageBox>
#include <QSessionManager>
#include <iostream>

#include "Form1Window.h"
#include "MessageBoxes.h"
#include "QtPlatform.h"
#include "web/HttpRequest.h"

namespace qtapp {
namespace {

// On the headless platforms nobody sees a window: a box there would wait for an answer that
// never comes, so standard error alone carries the reason.
bool SomeoneSeesWindows() {
  const QString platform = QGuiApplication::platformName();
  return platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal");
}

}  // namespace

void ReportFailedStart(const std::string& reason) {
  std::cerr << "brelka: cannot attach the skin: " << reason << '\n';
  if (!SomeoneSeesWindows()) return;
  QMessageBox box(QMessageBox::Critical,
                  QString::fromUtf16(app::kAppTitle.data(), app::kAppTitle.size()),
                  QString::fromStdString(reason), QMessageBox::Ok);
  box.exec();
}

int RunProgram(QApplication& application, const ProgramOptions& options) {
  std::unique_ptr<web::HttpSession> session = web::OpenHttpSession();
  QtMessageBoxes boxes;
  QtPlatform platform(boxes);
  Form1Window window(platform, boxes, *session, options.registrarBase);
  window.setWindowTitle(window.windowTitle() + options.captionSuffix);

  if (web::Status loaded = window.Load(); !loaded) {
    ReportFailedStart(loaded.error());
    return 1;
  }
  QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                   [&window](QSessionManager& manager) { window.CommitData(manager); });
  window.ShowCentred();
  return application.exec();
}

}  // namespace qtapp
