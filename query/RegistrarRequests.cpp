#include "RegistrarRequests.h"

#include <memory>

namespace query {
namespace {

constexpr std::u16string_view kFormType = u"application/x-www-form-urlencoded";
constexpr std::u16string_view kProgId = u"msxml2.xmlhttp";

}  // namespace

base::Status PostForm(web::HttpSession& session, std::u16string_view url, std::u16string_view body,
                     web::MessagePump* pump) {
  auto request = session.CreateObject(kProgId);
  if (!request) return request.failure();
  web::HttpRequest& post = *request.value();
  if (auto opened = post.Open(u"POST", url, pump != nullptr); !opened) return opened;
  (void)post.setRequestHeader(u"Content-Type", kFormType);
  base::Status sent = post.send(body);
  if (!sent || !pump) return sent;

  for (;;) {
    base::Result<int> state = post.readyState();
    if (!state) return state.failure();
    if (state.value() == 4) break;
    if (pump->WindowGone()) return base::Failure{"stopped", base::FailureKind::Cancelled};
    pump->ProcessPendingMessages();
  }
  // Only whether the exchange completed matters; the answer itself is not read.
  if (auto answer = post.responseBody(); !answer) return answer.failure();
  return base::Ok();
}

}  // namespace query
