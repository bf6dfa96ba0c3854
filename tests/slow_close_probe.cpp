// Runs the real window against a registrar whose selection page never answers, starts a query,
// and once the query waits for the page closes the window and confirms with Enter, as a user
// would. It prints "confirmed" at that moment; the exit status is the event loop's. The program
// test runs it as a subprocess and times the way from the confirmation to the process's end.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app/qt/Form1Window.h"
#include "app/qt/MessageBoxes.h"
#include "app/qt/QtPlatform.h"
#include "sim/RegistrarSim.h"
#include "web/HttpRequest.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  sim::RegistrarSim registrar;
  registrar.Set(sim::Endpoint::SelectionPage, sim::Behaviour{.hang = true});
  std::unique_ptr<web::HttpSession> session = web::OpenHttpSession();
  qtapp::QtMessageBoxes boxes;
  qtapp::QtPlatform platform(boxes);
  qtapp::Form1Window window(platform, boxes, *session, registrar.BaseUrl16());
  if (!window.Load()) return 3;
  window.ShowCentred();
  window.SetText1(u"freename.com\r\notherfree.net\r\n");

  QTimer::singleShot(0, &window, [&] {
    static_cast<QPushButton*>(window.Widget(app::ControlId::Command1))->click();
  });
  QTimer::singleShot(700, &window, [&] {
    if (!window.QueryRunning()) {
      std::fputs("the query was not waiting for the page\n", stderr);
      std::_Exit(4);
    }
    QTimer::singleShot(100, [] {
      QWidget* box = QApplication::activeModalWidget();
      if (box == nullptr) std::_Exit(5);
      std::puts("confirmed");
      std::fflush(stdout);
      QTest::keyClick(box, Qt::Key_Return);
    });
    window.close();
  });
  return application.exec();
}
