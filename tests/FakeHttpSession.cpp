#include "FakeHttpSession.h"

namespace testing_support {
namespace {

class FakeRequest : public web::HttpRequest {
 public:
  explicit FakeRequest(FakeHttpSession& session) : session_(session) {}

  base::Status Open(std::u16string_view method, std::u16string_view url, bool async) override {
    exchange_.method = method;
    exchange_.url = url;
    exchange_.async = async;
    opened_ = true;
    return base::Ok();
  }
  base::Status setRequestHeader(std::u16string_view name, std::u16string_view value) override {
    if (!opened_) return base::Failure{"not open"};
    exchange_.headers.emplace_back(name, value);
    return base::Ok();
  }
  base::Status send(std::u16string_view body) override {
    if (!opened_) return base::Failure{"not open"};
    exchange_.body = body;
    session_.sent.push_back(exchange_);
    sendStatus_ = session_.onSend ? session_.onSend(exchange_) : base::Ok();
    readsLeft_ = session_.readsBeforeComplete;
    return exchange_.async ? base::Ok() : sendStatus_;
  }
  base::Result<int> readyState() override {
    if (readsLeft_ > 0) {
      --readsLeft_;
      return 3;
    }
    return 4;
  }
  base::Result<std::vector<std::uint8_t>> responseBody() override {
    if (!sendStatus_) return base::Failure{sendStatus_.error()};
    return std::vector<std::uint8_t>(session_.page.begin(), session_.page.end());
  }

 private:
  FakeHttpSession& session_;
  FakeExchange exchange_;
  bool opened_ = false;
  base::Status sendStatus_ = base::Failure{"not sent"};
  int readsLeft_ = 0;
};

}  // namespace

base::Result<std::unique_ptr<web::HttpRequest>> FakeHttpSession::CreateObject(std::u16string_view) {
  if (refuseCreate) return base::Failure{"cannot create the request object"};
  return std::unique_ptr<web::HttpRequest>(std::make_unique<FakeRequest>(*this));
}

}  // namespace testing_support
