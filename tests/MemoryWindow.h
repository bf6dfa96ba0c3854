// A window state that lives in memory: what tests, benchmarks and tools run queries on. It keeps
// every message shown, and lets a test act during the page wait (OnPump) or close the window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "query/WindowState.h"

namespace query {

class MemoryWindow : public WindowState {
 public:
  std::u16string Text1() const override { return text1; }
  void SetText1(std::u16string_view text) override {
    text1 = text;
    ++text1Writes;
  }
  std::u16string Text2() const override { return text2; }
  void SetText2(std::u16string_view text) override { text2 = text; }
  std::u16string Label3() const override { return label3; }
  void SetLabel3(std::u16string_view caption) override { label3 = caption; }
  bool Command1Enabled() const override { return command1Enabled; }
  void SetCommand1Enabled(bool enabled) override { command1Enabled = enabled; }
  void ShowMessage(std::u16string_view text) override { messages.emplace_back(text); }

  void ProcessPendingMessages() override {
    ++pumps;
    if (OnPump) OnPump(*this);
  }
  bool WindowGone() const override { return gone; }

  std::u16string text1;
  std::u16string text2;
  std::u16string label3;
  bool command1Enabled = true;
  bool gone = false;
  int text1Writes = 0;
  int pumps = 0;
  std::vector<std::u16string> messages;
  std::function<void(MemoryWindow&)> OnPump;
};

}  // namespace query
