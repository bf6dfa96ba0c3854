#include "FakeHttpSession.h"

namespace testing_support {
namespace {

class FakeRequest : public web::HttpRequest {
 public:
  explicit FakeRequest(FakeHttpSession& session) : session_(session) {}

  web::Status Open(std::u16string_view method, std::u16string_view url, bool async) override {
    exchange_.method = method;
    exchange_.url = url;
    exchange_.async = async;
    opened_ = true;
    return web::Ok();
  }
  web::Status setRequestHeader(std::u16string_view name, std::u16string_view value) override {
    if (!opened_) return web::Failure{"not open"};
    exchange_.headers.emplace_back(name, value);
    return web::Ok();
  }
  web::Status send(std::u16string_view body) override {
    if (!opened_) return web::Failure{"not open"};
    exchange_.body = body;
    session_.sent.push_back(exchange_);
    sendStatus_ = session_.onSend ? session_.onSend(exchange_) : web::Ok();
    readsLeft_ = session_.readsBeforeComplete;
    return exchange_.async ? web::Ok() : sendStatus_;
  }
  web::Result<int> readyState() override {
    if (readsLeft_ > 0) {
      --readsLeft_;
      return 3;
    }
    return 4;
  }
  web::Result<std::vector<std::uint8_t>> responseBody() override {
    if (!sendStatus_) return web::Failure{sendStatus_.error()};
    return std::vector<std::uint8_t>(session_.page.begin(), session_.page.end());
  }

 private:
  FakeHttpSession& session_;
  FakeExchange exchange_;
  bool opened_ = false;
  web::Status sendStatus_ = web::Failure{"not sent"};
  int readsLeft_ = 0;
};

}  // namespace

web::Result<std::unique_ptr<web::HttpRequest>> FakeHttpSession::CreateObject(std::u16string_view) {
  if (refuseCreate) return web::Failure{"cannot create the request object"};
  return std::unique_ptr<web::HttpRequest>(std::make_unique<FakeRequest>(*this));
}

}  // namespace testing_support
