// The page fetch. Every step may fail; a failed step is skipped and the fetch goes on, so the
// caller only ever sees a text or the empty value. The wait lets window messages run between
// reads of the ready state, which themselves wait briefly for the network instead of spinning.
#include "Module1.h"

namespace web {

std::optional<std::u16string> FetchText(HttpSession& session, std::u16string_view address,
                                        MessagePump& pump) {
  auto created = session.CreateObject(u"MSXML2.XMLHTTP");
  if (!created) return std::nullopt;
  std::unique_ptr<HttpRequest> request = std::move(created.value());

  (void)request->Open(u"GET", address, true);
  // A request that could not be sent will never complete: give up instead of waiting on it.
  if (!request->send()) return std::nullopt;

  // The state is tested before any message runs, so a finished answer is read straight away.
  // A state that cannot be read will not change either, so the wait ends with it.
  for (;;) {
    Result<int> state = request->readyState();
    if (!state) return std::nullopt;
    if (state.value() == 4) break;
    if (pump.WindowGone()) return std::nullopt;
    pump.ProcessPendingMessages();
  }

  auto body = request->responseBody();
  if (!body) return std::nullopt;
  auto text = DecodeBytes(body.value(), u"gb2312");
  if (!text) return std::nullopt;
  return std::move(text.value());
}

}  // namespace web
