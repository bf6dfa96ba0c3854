// The page fetch. Every step may fail; the first failure ends the fetch and is the answer. The
// wait lets window messages run between reads of the ready state, which themselves wait
// briefly for the network instead of spinning.
#include "Module1.h"

namespace web {

base::Result<std::u16string> FetchText(HttpSession& session, std::u16string_view address,
                                 MessagePump& pump) {
  auto created = session.CreateObject(u"MSXML2.XMLHTTP");
  if (!created) return created.failure();
  std::unique_ptr<HttpRequest> request = std::move(created.value());

  // An address that cannot be opened is refused again by send, which says why.
  (void)request->Open(u"GET", address, true);
  // A request that could not be sent will never complete: give up instead of waiting on it.
  if (base::Status sent = request->send(); !sent) return sent.failure();

  // The state is tested before any message runs, so a finished answer is read straight away.
  // A state that cannot be read will not change either, so the wait ends with it.
  for (;;) {
    base::Result<int> state = request->readyState();
    if (!state) return state.failure();
    if (state.value() == 4) break;
    if (pump.WindowGone()) return base::Failure{"the window was closed", base::FailureKind::Cancelled};
    pump.ProcessPendingMessages();
  }

  auto body = request->responseBody();
  if (!body) return body.failure();
  return DecodeBytes(body.value(), u"gb2312");
}

}  // namespace web
