// Tests of the web layer: byte decoding, the page fetch on a scripted request, and the libcurl
// session against real HTTP servers on 127.0.0.1.
#include <gtest/gtest.h>
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "LoopbackSockets.h"
#include "web/HttpRequest.h"
#include "web/Module1.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using base::Result;

std::vector<std::uint8_t> Bytes(std::string_view text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

// "中文域名" in GB2312.
constexpr std::string_view kChineseGb = "\xD6\xD0\xCE\xC4\xD3\xF2\xC3\xFB";

// ---------------------------------------------------------------------------------------------
// DecodeBytes

struct DecodeCase {
  const char* what;
  std::string bytes;
  const char16_t* charset;
  std::u16string expected;
};

TEST(DecodeBytes, DecodesAndReplacesInvalidSequences) {
  const DecodeCase cases[] = {
      {"ascii unchanged", "x' id='abc.com'</table>", u"gb2312", u"x' id='abc.com'</table>"},
      {"empty input", "", u"gb2312", u""},
      {"gb2312 chinese", std::string(kChineseGb) + ".com", u"gb2312", u"中文域名.com"},
      {"charset name case", std::string(kChineseGb), u"GB2312", u"中文域名"},
      {"gb18030 four-byte", "\x95\x32\x82\x36\xA2\xE3", u"gb2312", u"\U00020000€"},
      {"invalid byte",
       "a\xFF"
       "b",
       u"gb2312", u"a\uFFFDb"},
      {"lead byte before a marker", "\xD6'ab", u"gb2312", u"\uFFFD'ab"},
      {"truncated at end", "ab\xD6", u"gb2312", u"ab\uFFFD"},
      {"sequence across 4 KiB", std::string(4095, 'a') + "\xD6\xD0", u"gb2312",
       std::u16string(4095, u'a') + u"中"},
      {"utf-8", "caf\xC3\xA9 \xE4\xB8\xAD", u"utf-8", u"café 中"},
      {"utf-8 encoded surrogate",
       "a\xED\xA0\x80"
       "b",
       u"UTF-8", u"a\uFFFD\uFFFD\uFFFDb"},
      {"latin1", "caf\xE9", u"iso-8859-1", u"café"},
  };
  for (const DecodeCase& c : cases) {
    auto text = web::DecodeBytes(Bytes(c.bytes), c.charset);
    ASSERT_TRUE(text) << c.what;
    EXPECT_EQ(text.value(), c.expected) << c.what;
  }
}

TEST(DecodeBytes, UnknownCharsetFails) {
  for (const char16_t* name : {u"no-such-charset", u"", u"utf-8//IGNORE", u"gb 2312", u"中文"}) {
    EXPECT_FALSE(web::DecodeBytes(Bytes("abc"), name));
  }
}

// A decoder that rescans what it has decoded would take hours on 16 MiB; the bound only catches
// that, on a loaded machine too. How fast decoding is, the micro-benchmark measures.
TEST(DecodeBytes, LargeInputDecodesWithoutRescanning) {
  std::string block;
  for (int i = 0; i < 40; ++i) block += std::string(kChineseGb) + "<td>abc.com</td>";
  block += "\xFF";
  std::string page;
  while (page.size() < (16u << 20)) page += block;
  const auto start = Clock::now();
  auto text = web::DecodeBytes(Bytes(page), u"gb2312");
  const auto took = Clock::now() - start;
  std::printf("decoded %zu bytes in %.0f ms\n", page.size(),
              std::chrono::duration<double, std::milli>(took).count());
  ASSERT_TRUE(text);
  EXPECT_EQ(text.value().substr(0, 20), u"中文域名<td>abc.com</td>");
  EXPECT_EQ(std::count(text.value().begin(), text.value().end(), u'\uFFFD'),
            std::ptrdiff_t(page.size() / block.size()));
  EXPECT_LT(took, 30s);
}

// ---------------------------------------------------------------------------------------------
// FetchText on a scripted request

struct Script {
  bool createFails = false;
  bool sendFails = false;
  std::vector<Result<int>> states{4};  // read in turn; the last one repeats
  Result<std::vector<std::uint8_t>> body = Bytes("");

  std::u16string progId, method, url, sentBody;
  bool async = false;
  int stateReads = 0;
};

class ScriptedRequest : public web::HttpRequest {
 public:
  explicit ScriptedRequest(Script& script) : s_(script) {}
  base::Status Open(std::u16string_view method, std::u16string_view url, bool async) override {
    s_.method = method;
    s_.url = url;
    s_.async = async;
    return base::Ok();
  }
  base::Status setRequestHeader(std::u16string_view, std::u16string_view) override {
    return base::Ok();
  }
  base::Status send(std::u16string_view body) override {
    s_.sentBody = body;
    if (s_.sendFails) return base::Failure{"no connection", base::FailureKind::Connect};
    return base::Ok();
  }
  Result<int> readyState() override {
    const std::size_t i = std::min<std::size_t>(s_.stateReads++, s_.states.size() - 1);
    return s_.states[i];
  }
  Result<std::vector<std::uint8_t>> responseBody() override { return s_.body; }

 private:
  Script& s_;
};

class ScriptedSession : public web::HttpSession {
 public:
  explicit ScriptedSession(Script& script) : s_(script) {}
  Result<std::unique_ptr<web::HttpRequest>> CreateObject(std::u16string_view progId) override {
    s_.progId = progId;
    if (s_.createFails) return base::Failure{"no such object"};
    return std::unique_ptr<web::HttpRequest>(std::make_unique<ScriptedRequest>(s_));
  }

 private:
  Script& s_;
};

// The fetched text, or nothing when the fetch failed.
std::optional<std::u16string> TextOf(const Result<std::u16string>& fetched) {
  if (!fetched) return std::nullopt;
  return fetched.value();
}

std::optional<base::FailureKind> KindOf(const Result<std::u16string>& fetched) {
  if (fetched) return std::nullopt;
  return fetched.failure().kind;
}

class CountingPump : public web::MessagePump {
 public:
  void ProcessPendingMessages() override {
    const auto now = Clock::now();
    if (calls > 0) longestGap = std::max(longestGap, now - lastCall);
    lastCall = now;
    ++calls;
  }
  bool WindowGone() const override { return goneAfter >= 0 && calls >= goneAfter; }

  int calls = 0;
  int goneAfter = -1;
  Clock::time_point lastCall;
  Clock::duration longestGap{};
};

TEST(FetchText, CompleteAnswerIsDecodedWithoutPumping) {
  Script script;
  script.body = Bytes(std::string("<p>") + std::string(kChineseGb) + "</p>");
  ScriptedSession session(script);
  CountingPump pump;
  auto text = web::FetchText(session, u"http://127.0.0.1:1/domains/searchbulk.aspx", pump);
  EXPECT_EQ(TextOf(text), u"<p>中文域名</p>");
  EXPECT_EQ(pump.calls, 0);
  EXPECT_EQ(script.progId, u"MSXML2.XMLHTTP");
  EXPECT_EQ(script.method, u"GET");
  EXPECT_EQ(script.url, u"http://127.0.0.1:1/domains/searchbulk.aspx");
  EXPECT_TRUE(script.async);
  EXPECT_EQ(script.sentBody, u"");
}

TEST(FetchText, PumpsMessagesBetweenReadsUntilComplete) {
  Script script;
  script.states = {1, 1, 2, 3, 4};
  script.body = Bytes("page");
  ScriptedSession session(script);
  CountingPump pump;
  EXPECT_EQ(TextOf(web::FetchText(session, u"http://x/", pump)), u"page");
  EXPECT_EQ(pump.calls, 4);
  EXPECT_EQ(script.stateReads, 5);
}

TEST(FetchText, WindowGoneEndsTheWaitAsCancelled) {
  Script script;
  script.states = {1};
  ScriptedSession session(script);
  CountingPump pump;
  pump.goneAfter = 3;
  EXPECT_EQ(KindOf(web::FetchText(session, u"http://x/", pump)), base::FailureKind::Cancelled);
  EXPECT_EQ(pump.calls, 3);
}

TEST(FetchText, AnyFailingStepEndsTheFetchWithItsFailure) {
  struct Case {
    const char* what;
    void (*arrange)(Script&);
    base::FailureKind kind;
  } cases[] = {
      {"create fails", [](Script& s) { s.createFails = true; }, base::FailureKind::Other},
      {"send fails", [](Script& s) { s.sendFails = true; }, base::FailureKind::Connect},
      {"ready state unreadable",
       [](Script& s) {
         s.states = {1, base::Failure{"gone", base::FailureKind::Timeout}};
       },
       base::FailureKind::Timeout},
      {"body unreadable",
       [](Script& s) {
         s.body = base::Failure{"too big", base::FailureKind::TooLarge};
       },
       base::FailureKind::TooLarge},
  };
  for (const Case& c : cases) {
    Script script;
    c.arrange(script);
    ScriptedSession session(script);
    CountingPump pump;
    EXPECT_EQ(KindOf(web::FetchText(session, u"http://x/", pump)), c.kind) << c.what;
    EXPECT_LE(pump.calls, 1) << c.what;
  }
}

// ---------------------------------------------------------------------------------------------
// Servers on 127.0.0.1

// An HTTP server on an ephemeral port of 127.0.0.1, serving from its own thread.
class LocalServer {
 public:
  LocalServer() {
    port_ = server.bind_to_any_port("127.0.0.1");
    // The socket already listens; connections wait in its backlog until the loop accepts them.
    thread_ = std::thread([this] { server.listen_after_bind(); });
  }
  ~LocalServer() {
    release = true;
    server.stop();
    thread_.join();
  }
  std::u16string Url(std::string_view path) const {
    const std::string url = "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
    return std::u16string(url.begin(), url.end());
  }

  httplib::Server server;
  // Handlers that stall wait for this, so the server can always be stopped.
  std::atomic<bool> release{false};

 private:
  int port_ = 0;
  std::thread thread_;
};

using test::RefusedUrl;
using test::SilentPort;

std::unique_ptr<web::HttpRequest> NewRequest(web::HttpSession& session) {
  auto created = session.CreateObject(u"msxml2.xmlhttp");
  EXPECT_TRUE(created);
  return std::move(created.value());
}

// A synchronous exchange; the body as text, or "FAILED(kind): reason".
std::string Exchange(web::HttpSession& session, std::u16string_view method, std::u16string_view url,
                     std::u16string_view body = {}, std::u16string_view contentType = {}) {
  auto request = NewRequest(session);
  EXPECT_TRUE(request->Open(method, url, false));
  if (!contentType.empty()) {
    EXPECT_TRUE(request->setRequestHeader(u"Content-Type", contentType));
  }
  if (auto sent = request->send(body); !sent) {
    return "FAILED(" + std::string(base::KindName(sent.failure().kind)) + "): " + sent.error();
  }
  EXPECT_EQ(request->readyState().value(), 4);
  auto bytes = request->responseBody();
  return bytes ? std::string(bytes.value().begin(), bytes.value().end()) : "FAILED: no body";
}

std::string Cookies(const httplib::Request& req) {
  return req.get_header_value("Cookie");
}

// ---------------------------------------------------------------------------------------------
// The libcurl session

TEST(HttpSession, CreatesOnlyTheHttpRequestComponent) {
  auto session = web::OpenHttpSession();
  for (const char16_t* id : {u"msxml2.xmlhttp", u"MSXML2.XMLHTTP", u"Msxml2.XmlHttp"}) {
    EXPECT_TRUE(session->CreateObject(id));
  }
  for (const char16_t* id : {u"adodb.stream", u"", u"MSXML2.XMLHTTP.6.0", u"\u014DSXML2.XMLHTTP"}) {
    EXPECT_FALSE(session->CreateObject(id));
  }
}

TEST(HttpSession, CookiesTravelWithLaterRequestsAndRedirectsOfTheSameSession) {
  LocalServer local;
  local.server.Get("/set", [](const httplib::Request&, httplib::Response& res) {
    res.set_header("Set-Cookie", "sel=abc; Path=/");
    res.set_content("set", "text/plain");
  });
  local.server.Post("/login", [](const httplib::Request&, httplib::Response& res) {
    res.set_header("Set-Cookie", "who=me; Path=/");
    res.set_redirect("/echo", 302);
  });
  local.server.Get("/echo", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(req.method + " " + Cookies(req), "text/plain");
  });

  auto session = web::OpenHttpSession();
  EXPECT_EQ(Exchange(*session, u"GET", local.Url("/set")), "set");
  EXPECT_EQ(Exchange(*session, u"GET", local.Url("/echo")), "GET sel=abc");
  // A POST answered with 302 continues as a GET, as in a browser, and keeps both cookies.
  const std::string after = Exchange(*session, u"POST", local.Url("/login"), u"a=1");
  EXPECT_TRUE(after == "GET sel=abc; who=me" || after == "GET who=me; sel=abc") << after;
}

// The libcurl session keeps its cookies to itself; WinINet's store is the system's, shared by
// every session (tested with the Windows program's own tests).
TEST(HttpSession, AnotherSessionHasACookieStoreOfItsOwn) {
  LocalServer local;
  local.server.Get("/set", [](const httplib::Request&, httplib::Response& res) {
    res.set_header("Set-Cookie", "sel=abc; Path=/");
    res.set_content("set", "text/plain");
  });
  local.server.Get("/echo", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(Cookies(req), "text/plain");
  });
  auto session = web::OpenHttpSession();
  EXPECT_EQ(Exchange(*session, u"GET", local.Url("/set")), "set");
  EXPECT_EQ(Exchange(*web::OpenHttpSession(), u"GET", local.Url("/echo")), "");
}

TEST(HttpSession, ReusesTheConnectionForLaterRequests) {
  LocalServer local;
  local.server.Get("/port", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(std::to_string(req.remote_port), "text/plain");
  });
  auto session = web::OpenHttpSession();
  const std::string first = Exchange(*session, u"GET", local.Url("/port"));
  EXPECT_EQ(Exchange(*session, u"GET", local.Url("/port")), first);
}

TEST(HttpSession, RedirectsAreBoundedAndStayOnHttp) {
  LocalServer local;
  local.server.Get("/loop", [](const httplib::Request&, httplib::Response& res) {
    res.set_redirect("/loop", 302);
  });
  local.server.Get("/file", [](const httplib::Request&, httplib::Response& res) {
    res.set_redirect("file:///etc/passwd", 302);
  });
  web::TransferLimits limits;
  limits.maxRedirects = 3;
  auto session = web::OpenHttpSession(limits);
  EXPECT_EQ(Exchange(*session, u"GET", local.Url("/loop")).rfind("FAILED(redirects)", 0), 0u);
  EXPECT_EQ(Exchange(*session, u"GET", local.Url("/file")).rfind("FAILED(redirects)", 0), 0u);
  auto request = NewRequest(*session);
  const base::Status opened = request->Open(u"GET", u"file:///etc/passwd", false);
  ASSERT_FALSE(opened);
  EXPECT_EQ(opened.failure().kind, base::FailureKind::Request);
  EXPECT_FALSE(request->send());
}

TEST(HttpSession, PostSendsTheBodyAsUtf8WithTheCallersHeader) {
  LocalServer local;
  std::string got, contentType, expect;
  local.server.Post("/post", [&](const httplib::Request& req, httplib::Response& res) {
    got = req.body;
    contentType = req.get_header_value("Content-Type");
    expect = req.get_header_value("Expect");
    res.set_content("ok", "text/plain");
  });
  auto session = web::OpenHttpSession();
  // Long enough for curl to announce it with "Expect: 100-continue" unless told not to.
  const std::u16string padding(4000, u'x');
  std::u16string body = u"domainNames=例子.com,\xD800z&" + padding;
  EXPECT_EQ(
      Exchange(*session, u"POST", local.Url("/post"), body, u"application/x-www-form-urlencoded"),
      "ok");
  EXPECT_EQ(got, "domainNames=\xE4\xBE\x8B\xE5\xAD\x90.com,\xEF\xBF\xBDz&" +
                     std::string(padding.size(), 'x'));
  EXPECT_EQ(contentType, "application/x-www-form-urlencoded");
  EXPECT_EQ(expect, "");
}

// The same refusals, with the same words, from both platforms' components.
TEST(HttpSession, RejectsRequestLinesAndHeadersThatWouldInjectText) {
  auto session = web::OpenHttpSession();
  auto request = NewRequest(*session);
  EXPECT_FALSE(request->readyState());
  const std::string kMethod = "invalid request method";
  const std::string kBlank = "invalid address: it holds a space or a control character";
  const std::string kHeader = "invalid request header: a name must be a token, a value one line";
  const struct {
    std::u16string method, url;
    std::string message;
  } opens[] = {
      {u"GET /x HTTP/1.1\r\nX:", u"http://127.0.0.1/", kMethod},
      {u"GET", u"http://127.0.0.1/\r\nX: y", kBlank},
      {u"GET", u"http://127.0.0.1/a b", kBlank},
      {u"GET", std::u16string(u"http://127.0.0.1/a\0b", 20), kBlank},
      {u"GET", u"file:///etc/passwd", "invalid address: only http and https addresses can be sent"},
  };
  for (const auto& open : opens) {
    const base::Status opened = request->Open(open.method, open.url, false);
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.error(), open.message);
    EXPECT_EQ(opened.failure().kind, base::FailureKind::Request);
  }
  ASSERT_TRUE(request->Open(u"get", u"http://127.0.0.1/", true));
  EXPECT_EQ(request->readyState().value(), 1);
  for (const auto& [name, value] :
       {std::pair<std::u16string, std::u16string>{u"Content-Type", u"a\r\nCookie: x"},
        {u"Content-Type", std::u16string(u"a\0b", 3)},
        {u"Bad Name", u"v"}}) {
    const base::Status set = request->setRequestHeader(name, value);
    ASSERT_FALSE(set);
    EXPECT_EQ(set.error(), kHeader);
  }
  EXPECT_FALSE(request->responseBody());
}

TEST(HttpSession, SendsTheMethodUpperCased) {
  LocalServer local;
  std::string method;
  local.server.Post("/m", [&method](const httplib::Request& req, httplib::Response& res) {
    method = req.method;
    res.set_content("ok", "text/plain");
  });
  auto session = web::OpenHttpSession();
  EXPECT_EQ(Exchange(*session, u"post", local.Url("/m"), u"a=b", u"text/plain"), "ok");
  EXPECT_EQ(method, "POST");
}

TEST(HttpSession, ErrorStatusIsAnAnswerButTransportFailuresFail) {
  LocalServer local;
  local.server.Get("/fail", [](const httplib::Request&, httplib::Response& res) {
    res.status = 500;
    res.set_content("server error page", "text/html");
  });
  local.server.Get("/cut", [](const httplib::Request&, httplib::Response& res) {
    res.set_content_provider(1000, "text/plain", [](size_t, size_t, httplib::DataSink& sink) {
      sink.write("partial", 7);
      return false;  // the connection closes with the body incomplete
    });
  });
  auto session = web::OpenHttpSession();
  EXPECT_EQ(Exchange(*session, u"GET", local.Url("/fail")), "server error page");
  EXPECT_EQ(Exchange(*session, u"GET", local.Url("/cut")).rfind("FAILED(connect)", 0), 0u);
  EXPECT_EQ(Exchange(*session, u"GET", RefusedUrl()).rfind("FAILED(connect)", 0), 0u);

  auto request = NewRequest(*session);
  ASSERT_TRUE(request->Open(u"GET", RefusedUrl(), true));
  ASSERT_TRUE(request->send());
  // Each read of the state waits briefly for the network, so this loop does not spin.
  const auto deadline = Clock::now() + 5s;
  int reads = 1;
  while (request->readyState().value() != 4 && Clock::now() < deadline) ++reads;
  EXPECT_LT(reads, 500);
  EXPECT_EQ(request->readyState().value(), 4);
  EXPECT_FALSE(request->responseBody());
}

TEST(HttpSession, BodyOverTheCapFails) {
  LocalServer local;
  local.server.Get("/sized", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(std::string(std::stoul(req.get_param_value("n")), 'a'), "text/plain");
  });
  local.server.Get("/chunked", [](const httplib::Request&, httplib::Response& res) {
    res.set_chunked_content_provider("text/plain", [](size_t, httplib::DataSink& sink) {
      const std::string block(16 << 10, 'b');
      for (int i = 0; i < 64; ++i) {
        if (!sink.write(block.data(), block.size())) return false;
      }
      sink.done();
      return true;
    });
  });
  web::TransferLimits limits;
  limits.maxResponseBytes = 64 << 10;
  auto session = web::OpenHttpSession(limits);
  EXPECT_EQ(Exchange(*session, u"GET", local.Url("/sized?n=65536")).size(), 65536u);
  EXPECT_EQ(Exchange(*session, u"GET", local.Url("/sized?n=65537")).rfind("FAILED(too-large)", 0),
            0u);
  EXPECT_EQ(Exchange(*session, u"GET", local.Url("/chunked")).rfind("FAILED(too-large)", 0), 0u);
}

TEST(HttpSession, SilentServersEndAtTheShortenedTimeouts) {
  LocalServer local;
  local.server.Get("/stall", [&local](const httplib::Request&, httplib::Response& res) {
    res.set_chunked_content_provider("text/plain", [&local](size_t, httplib::DataSink& sink) {
      sink.write("begin", 5);
      const auto until = Clock::now() + 5s;
      while (!local.release && Clock::now() < until) std::this_thread::sleep_for(10ms);
      return false;
    });
  });
  web::TransferLimits limits;
  limits.connectTimeout = 300ms;
  limits.idleTimeout = 400ms;
  auto session = web::OpenHttpSession(limits);

  SilentPort silent;
  SilentPort full(0);
  full.FillBacklog();
  struct Case {
    const char* what;
    std::u16string url;
    Clock::duration atLeast;
    const char* reason;
  } cases[] = {
      {"no answer", silent.Url(), limits.idleTimeout, "FAILED(timeout): nothing received"},
      {"stops mid-body", local.Url("/stall"), limits.idleTimeout,
       "FAILED(timeout): nothing received"},
      {"no connection", full.Url(), limits.connectTimeout, "FAILED(timeout)"},
  };
  for (const Case& c : cases) {
    const auto start = Clock::now();
    const std::string outcome = Exchange(*session, u"GET", c.url);
    EXPECT_EQ(outcome.rfind("FAILED", 0), 0u) << c.what;
    EXPECT_NE(outcome.find(c.reason), std::string::npos) << c.what << ": " << outcome;
    const auto took = Clock::now() - start;
    EXPECT_GE(took, c.atLeast - 50ms) << c.what;
    EXPECT_LT(took, c.atLeast + 700ms) << c.what;
  }
}

// A request abandoned in flight ends on its own once its server is gone. Tests that abandon one
// give it the moment that takes before the program may exit: Wine sometimes kills a process that
// exits while one of its threads is still inside WinINet.
void LetAbandonedRequestsEnd() {
  std::this_thread::sleep_for(300ms);
}

TEST(HttpSession, RequestMayBeDestroyedMidTransfer) {
  {
    SilentPort silent;
    auto session = web::OpenHttpSession();
    auto request = NewRequest(*session);
    ASSERT_TRUE(request->Open(u"GET", silent.Url(), true));
    ASSERT_TRUE(request->send());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(request->readyState().value(), 1);
    session.reset();
    EXPECT_EQ(request->readyState().value(), 1);
    request.reset();
  }
  LetAbandonedRequestsEnd();
}

// ---------------------------------------------------------------------------------------------
// FetchText over the libcurl session

TEST(FetchTextOverHttp, ErrorPageIsTextAndUnreachableServerAConnectFailure) {
  LocalServer local;
  local.server.Get("/fail", [](const httplib::Request&, httplib::Response& res) {
    res.status = 500;
    res.set_content(std::string(kChineseGb) + " error", "text/html");
  });
  auto session = web::OpenHttpSession();
  CountingPump pump;
  EXPECT_EQ(TextOf(web::FetchText(*session, local.Url("/fail"), pump)), u"中文域名 error");
  EXPECT_EQ(KindOf(web::FetchText(*session, RefusedUrl(), pump)), base::FailureKind::Connect);
}

TEST(FetchTextOverHttp, WaitingForASlowAnswerCostsLittleCpu) {
  LocalServer local;
  local.server.Get("/slow", [](const httplib::Request&, httplib::Response& res) {
    std::this_thread::sleep_for(1s);
    res.set_content(std::string(kChineseGb), "text/html");
  });
  auto session = web::OpenHttpSession();
  CountingPump pump;
  const auto cpuStart = test::ProcessCpuTime();
  const auto wallStart = Clock::now();
  auto text = web::FetchText(*session, local.Url("/slow"), pump);
  const auto wall = Clock::now() - wallStart;
  const auto cpu = test::ProcessCpuTime() - cpuStart;
  EXPECT_EQ(TextOf(text), u"中文域名");

  const double ratio = std::chrono::duration<double>(cpu) / std::chrono::duration<double>(wall);
  std::printf("wait of %.0f ms: %.1f ms CPU (%.1f%% of wall), %d pumps, longest gap %.1f ms\n",
              std::chrono::duration<double, std::milli>(wall).count(),
              std::chrono::duration<double, std::milli>(cpu).count(), 100 * ratio, pump.calls,
              std::chrono::duration<double, std::milli>(pump.longestGap).count());
  EXPECT_GE(wall, 1s);
  EXPECT_LT(ratio, 0.2);
  // Messages run about every 10 ms: often enough to keep the window alive, never in a spin.
  EXPECT_GT(pump.calls, 20);
  EXPECT_LT(pump.calls, 500);
  EXPECT_LT(pump.longestGap, 200ms);
}

TEST(FetchTextOverHttp, ClosingTheWindowEndsTheWaitAtOnce) {
  {
    SilentPort silent;
    auto session = web::OpenHttpSession();
    CountingPump pump;
    pump.goneAfter = 3;
    const auto start = Clock::now();
    EXPECT_EQ(KindOf(web::FetchText(*session, silent.Url(), pump)), base::FailureKind::Cancelled);
    EXPECT_LT(Clock::now() - start, 500ms);
  }
  LetAbandonedRequestsEnd();
}

}  // namespace
