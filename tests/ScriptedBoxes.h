// Message boxes that a test answers in advance and reads back afterwards; nothing is shown.
#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "app/qt/MessageBoxes.h"

class ScriptedBoxes : public qtapp::MessageBoxes {
 public:
  void Inform(QWidget*, const QString& text, const QString& caption) override {
    informed.push_back(text);
    informCaptions.push_back(caption);
  }
  bool Confirm(QWidget*, const QString& prompt, const QString& caption) override {
    asked.push_back(prompt + QStringLiteral("|") + caption);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<QString> informed;
  std::vector<QString> informCaptions;
  std::vector<QString> asked;
  std::deque<bool> answers;
};
