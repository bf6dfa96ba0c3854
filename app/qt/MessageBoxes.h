// The two kinds of modal message box the window shows: a message with OK only and no icon, and
// the OK/Cancel question that guards closing. The window and the platform go through this
// interface so that tests can answer and observe the boxes. It decides nothing about when a box
// appears or what it says.
#pragma once

#include <QString>

class QWidget;

namespace qtapp {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Modal, the text as prompt, OK only, no icon.
  virtual void Inform(QWidget* parent, const QString& text, const QString& caption) = 0;
  // Modal, OK and Cancel with the question-mark icon; Enter chooses OK, Esc and closing the box
  // choose Cancel. True for OK.
  virtual bool Confirm(QWidget* parent, const QString& prompt, const QString& caption) = 0;
};

// The real boxes, shown with QMessageBox.
class QtMessageBoxes : public MessageBoxes {
 public:
  void Inform(QWidget* parent, const QString& text, const QString& caption) override;
  bool Confirm(QWidget* parent, const QString& prompt, const QString& caption) override;
};

}  // namespace qtapp
