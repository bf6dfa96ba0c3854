#include "Program.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSessionManager>
#include <QSettings>
#include <QStandardPaths>
#include <iostream>

#include "BoxText.h"
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
  QMessageBox box(QMessageBox::Critical, FromCore(app::kAppTitle), QString::fromStdString(reason),
                  QMessageBox::Ok);
  box.exec();
}

QString SettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/brelka/brelka.conf");
}

app::SourceChoice ChooseSource(std::optional<app::QuerySource> given, const QString& file) {
  std::optional<std::string> text;
  if (!given) {
    QFile settings(file);
    if (settings.open(QIODevice::ReadOnly)) text = settings.readAll().toStdString();
  }
  return app::ChooseSource(given, file.toStdU16String(), text, [&file] {
    const QSettings settings(file, QSettings::IniFormat);
    return settings.value(QStringLiteral("query/source")).toString().toStdString();
  });
}

int RunProgram(QApplication& application, const ProgramOptions& options) {
  const QString settingsFile =
      options.settingsFile.isEmpty() ? SettingsFile() : options.settingsFile;
  const app::SourceChoice choice = ChooseSource(options.source, settingsFile);
  app::SourceOpener registries;
  if (choice.source == app::QuerySource::Registry) {
    std::function<check::RegistrySetup()> setup = options.registries;
    if (!setup) {
      setup = [] { return check::DefaultRegistrySetup(std::string("brelka/") + BRELKA_VERSION); };
    }
    registries = [setup](std::stop_token stop) { return check::OpenRegistrySource(setup(), stop); };
  }

  std::unique_ptr<web::HttpSession> session = web::OpenHttpSession();
  QtMessageBoxes boxes;
  QtPlatform platform(boxes);
  Form1Window window(platform, boxes, *session, options.registrarBase, std::move(registries));
  window.setWindowTitle(window.windowTitle() + options.captionSuffix);

  if (base::Status loaded = window.Load(); !loaded) {
    ReportFailedStart(loaded.error());
    return 1;
  }
  QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                   [&window](QSessionManager& manager) { window.CommitData(manager); });
  window.ShowCentred();
  if (choice.fault) {
    boxes.Inform(&window,
                 QString::fromStdU16String(*choice.fault)
                     .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                 FromCore(app::kAppTitle));
  }
  return application.exec();
}

}  // namespace qtapp
