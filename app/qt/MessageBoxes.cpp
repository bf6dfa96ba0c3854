#include "MessageBoxes.h"

#include <QMessageBox>

namespace qtapp {

void QtMessageBoxes::Inform(QWidget* parent, const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
  box.exec();
}

bool QtMessageBoxes::Confirm(QWidget* parent, const QString& prompt, const QString& caption) {
  QMessageBox box(QMessageBox::Question, caption, prompt, QMessageBox::Ok | QMessageBox::Cancel,
                  parent);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Cancel);
  return box.exec() == QMessageBox::Ok;
}

}  // namespace qtapp
