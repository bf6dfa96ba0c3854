// What the WinINet session does differently from the libcurl one, or on its own: its cookie
// store is the system's, so every session of the process sees the cookies of the others; and
// the overall transfer limit, which WinINet itself does not have.
#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "web/HttpRequest.h"

namespace {

std::string Get(web::HttpSession& session, const std::string& url) {
  auto request = std::move(session.CreateObject(u"msxml2.xmlhttp").value());
  EXPECT_TRUE(request->Open(u"GET", std::u16string(url.begin(), url.end()), false));
  if (!request->send()) return "FAILED";
  auto body = request->responseBody();
  return body ? std::string(body.value().begin(), body.value().end()) : "FAILED";
}

TEST(WinInetSession, SessionsShareTheSystemCookieStore) {
  httplib::Server server;
  server.Get("/set", [](const httplib::Request&, httplib::Response& res) {
    res.set_header("Set-Cookie", "shared=yes; Path=/");
    res.set_content("set", "text/plain");
  });
  server.Get("/echo", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(req.get_header_value("Cookie"), "text/plain");
  });
  const int port = server.bind_to_any_port("127.0.0.1");
  std::thread serving([&] { server.listen_after_bind(); });
  const std::string base = "http://127.0.0.1:" + std::to_string(port);

  EXPECT_EQ(Get(*web::OpenHttpSession(), base + "/set"), "set");
  EXPECT_EQ(Get(*web::OpenHttpSession(), base + "/echo"), "shared=yes");

  server.stop();
  serving.join();
}

TEST(WinInetSession, ATricklingAnswerEndsAtTheTransferLimit) {
  using namespace std::chrono_literals;
  httplib::Server server;
  std::atomic<bool> release{false};
  server.Get("/trickle", [&](const httplib::Request&, httplib::Response& res) {
    res.set_chunked_content_provider("text/plain", [&](size_t, httplib::DataSink& sink) {
      for (int i = 0; i < 100 && !release; ++i) {
        std::this_thread::sleep_for(50ms);
        if (!sink.write("x", 1)) return false;
      }
      sink.done();
      return true;
    });
  });
  const int port = server.bind_to_any_port("127.0.0.1");
  std::thread serving([&] { server.listen_after_bind(); });

  web::TransferLimits limits;
  limits.transferTimeout = 600ms;
  auto session = web::OpenHttpSession(limits);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Get(*session, "http://127.0.0.1:" + std::to_string(port) + "/trickle"), "FAILED");
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_GE(took, 550ms);
  EXPECT_LT(took, 1500ms);

  release = true;
  server.stop();
  serving.join();
}

}  // namespace
