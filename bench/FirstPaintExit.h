// Ends the application at the first paint of a top-level window: the moment a person would see
// it. The start-up probes install it so that a process's whole life is its start.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

class FirstPaintExit final : public QObject {
 public:
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(object);
    if (event->type() == QEvent::Paint && widget && widget->isWindow() && !done_) {
      done_ = true;
      QCoreApplication::exit(0);
    }
    return false;
  }

 private:
  bool done_ = false;
};
