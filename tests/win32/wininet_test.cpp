// What the WinINet session does differently from the libcurl one: its cookie store is the
// system's, so every session of the process sees the cookies of the others.
#include <gtest/gtest.h>
#include <httplib.h>

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

}  // namespace
