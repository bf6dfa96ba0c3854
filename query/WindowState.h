// The part of the main window that a query reads and writes: the two text boxes, the status
// line, the start button's enabled flag, the two counters, the modal message box, and what the
// page fetch needs to keep the window responsive. Each front end implements it over its real
// controls; the tests' MemoryWindow (tests/MemoryWindow.h) implements it in memory. It holds
// no query logic.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "web/Module1.h"

namespace query {

class WindowState : public web::MessagePump {
 public:
  // Text is UTF-16 with CR LF line breaks, exactly as the Windows text boxes report it.
  virtual std::u16string Text1() const = 0;
  virtual void SetText1(std::u16string_view text) = 0;
  virtual std::u16string Text2() const = 0;
  virtual void SetText2(std::u16string_view text) = 0;
  virtual std::u16string Label3() const = 0;
  virtual void SetLabel3(std::u16string_view caption) = 0;
  virtual bool Command1Enabled() const = 0;
  virtual void SetCommand1Enabled(bool enabled) = 0;
  // Modal, OK only, no icon, captioned with the application's title.
  virtual void ShowMessage(std::u16string_view text) = 0;

  std::int16_t LastNameIndex = 0;
  std::int16_t LastHitIndex = 0;
};

}  // namespace query
