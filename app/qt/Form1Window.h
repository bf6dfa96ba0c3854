// Form1Window is the main window on Qt 6 Widgets: it builds every control from the window's
// description, implements the window state that the query works on, and routes each event to
// its handler in app::Form1. It holds no behaviour of its own beyond that routing and the
// conversion of texts at the edge, and it never destroys a control while a handler runs.
#pragma once

#include <QWidget>
#include <map>
#include <string>

#include "MessageBoxes.h"
#include "app/Form1.h"
#include "app/Form1Layout.h"
#include "app/Platform.h"
#include "query/WindowState.h"

class QCloseEvent;
class QSessionManager;

namespace qtapp {

class Form1Window : public QWidget, public query::WindowState {
 public:
  // With `registries`, the start button asks the registries it opens instead of the registrar.
  Form1Window(app::Platform& platform, MessageBoxes& boxes, web::HttpSession& session,
              std::u16string registrarBase = std::u16string(query::kRegistrarBase),
              app::SourceOpener registries = {});

  // Runs Form_Load; a failure means the window must not be shown.
  base::Status Load();
  // Shows the window centred on the screen with the focus on Command1.
  void ShowCentred();
  // Asks the close question on the session's end; Cancel asks the session manager to stop.
  void CommitData(QSessionManager& manager);

  QWidget* Widget(app::ControlId id) const { return widgets_.at(id); }
  bool QueryRunning() const { return queryRunning_; }

  // The window state the query works on.
  std::u16string Text1() const override;
  void SetText1(std::u16string_view text) override;
  std::u16string Text2() const override;
  void SetText2(std::u16string_view text) override;
  std::u16string Label3() const override;
  void SetLabel3(std::u16string_view caption) override;
  bool Command1Enabled() const override;
  void SetCommand1Enabled(bool enabled) override;
  void ShowMessage(std::u16string_view text) override;
  void ProcessPendingMessages() override;
  bool WindowGone() const override { return gone_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Closing { No, Asking, Confirmed };

  // Asks the close question unless it is already open or answered; true once closing goes ahead.
  bool AskToClose();
  void Build();
  QWidget* MakeControl(const app::ControlSpec& entry);
  int Pixels(app::Twips twips) const;

  void runCommand1();
  // From any thread: has the window's thread hear from the registries' run.
  void PostRunEvent();
  void runCommand2();
  void runCommand3();
  // Tells the user how a platform step failed; the handler has already stopped there.
  void Report(const base::Status& status);

  MessageBoxes& boxes_;
  app::Form1 form_;
  std::map<app::ControlId, QWidget*> widgets_;
  bool queryRunning_ = false;
  Closing closing_ = Closing::No;
  bool gone_ = false;
};

}  // namespace qtapp
