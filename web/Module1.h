// The page fetch and the byte decoding that the query uses to read the registrar's pages.
// FetchText keeps the window responsive while it waits; a failure keeps its kind, and the
// window's query treats every failure as the empty value. Neither function knows which window or
// platform it serves.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "HttpRequest.h"
#include "base/Result.h"

namespace web {

// What FetchText needs of the window while it waits for a page.
class MessagePump {
 public:
  virtual ~MessagePump() = default;
  // Lets every pending window message run, then returns.
  virtual void ProcessPendingMessages() = 0;
  // True once the window has been closed; a wait in progress then ends at once.
  virtual bool WindowGone() const = 0;
};

// GETs the address asynchronously, letting window messages run between reads of readyState,
// and returns the body decoded as "gb2312", or why it could not: the failing step's failure,
// or one of kind Cancelled when the window went away during the wait.
base::Result<std::u16string> FetchText(HttpSession& session, std::u16string_view address,
                                 MessagePump& pump);

// Decodes bytes in the named character set. "gb2312" decodes as GB18030, a superset of GBK and
// GB2312, with invalid sequences becoming U+FFFD. An unknown character set name fails.
base::Result<std::u16string> DecodeBytes(std::span<const std::uint8_t> bytes,
                                   std::u16string_view charset);

}  // namespace web
