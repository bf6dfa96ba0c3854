// An HTTP session that answers from memory: it records what each request would have sent and
// answers GETs with a page of the test's choosing. For unit tests of the query; the real
// backends are tested over loopback.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "web/HttpRequest.h"

namespace testing_support {

struct FakeExchange {
  std::u16string method;
  std::u16string url;
  bool async = false;
  std::vector<std::pair<std::u16string, std::u16string>> headers;
  std::u16string body;
};

class FakeHttpSession : public web::HttpSession {
 public:
  // Bytes a GET answers with, and how many readyState reads pass before it completes.
  std::string page;
  int readsBeforeComplete = 0;
  // Decides how a send of each exchange ends; succeeds by default.
  std::function<base::Status(const FakeExchange&)> onSend;
  bool refuseCreate = false;
  std::vector<FakeExchange> sent;

  base::Result<std::unique_ptr<web::HttpRequest>> CreateObject(std::u16string_view progId) override;
};

}  // namespace testing_support
