// The registrar simulator over real HTTP on 127.0.0.1, driven by cpp-httplib's client: sessions,
// the availability rule, the GB2312 selection page, removal, recording and every knob.
#include <gtest/gtest.h>
#include <httplib.h>
#include <iconv.h>

#include <chrono>
#include <memory>
#include <thread>

#include "sim/BoundedLog.h"
#include "sim/RegistrarSim.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using sim::Behaviour;
using sim::Endpoint;
using sim::RegistrarSim;

constexpr const char* kForm = "application/x-www-form-urlencoded";

std::string SearchBody(const std::string& list) {
  return "domainNames=" + list + "&extrnl=1&dotTypes=";
}

// Strict GB2312 to UTF-8; nullopt when the bytes are not valid GB2312.
std::optional<std::string> DecodeGb2312(const std::string& bytes) {
  iconv_t converter = iconv_open("UTF-8", "GB2312");
  std::string out(bytes.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  const size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  if (result == static_cast<size_t>(-1)) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

// The tool's harvest: the entries of the first table after the marker.
std::vector<std::string> Harvest(const std::string& page) {
  const size_t marker = page.find("My Selected Domain Names");
  if (marker == std::string::npos) return {};
  const std::string table = page.substr(marker, page.find("</table>", marker) - marker);
  std::vector<std::string> names;
  for (size_t at = table.find("x' id='"); at != std::string::npos;
       at = table.find("x' id='", at + 1)) {
    const size_t start = at + 7;
    names.push_back(table.substr(start, table.find('\'', start) - start));
  }
  return names;
}

// One browser-like client: keeps the session cookie the simulator hands out.
class Browser {
 public:
  explicit Browser(const RegistrarSim& registrar) : client_(registrar.BaseUrl()) {
    client_.set_read_timeout(5s);
  }

  httplib::Result Post(const std::string& target, const std::string& body) {
    return Keep(client_.Post(target.c_str(), Headers(), body, kForm));
  }
  httplib::Result Get(const std::string& target) {
    return Keep(client_.Get(target.c_str(), Headers()));
  }
  httplib::Client& Client() { return client_; }
  const std::string& Session() const { return session_; }

 private:
  httplib::Headers Headers() const {
    if (session_.empty()) return {};
    return {{"Cookie", std::string(RegistrarSim::kSessionCookie) + "=" + session_}};
  }
  httplib::Result Keep(httplib::Result result) {
    if (result && result->has_header("Set-Cookie")) {
      const std::string cookie = result->get_header_value("Set-Cookie");
      const size_t start = cookie.find('=') + 1;
      session_ = cookie.substr(start, cookie.find(';') - start);
    }
    return result;
  }

  httplib::Client client_;
  std::string session_;
};

// Test-side wait for the server to have read `count` requests; bounded, polls every 5 ms.
bool WaitForRequests(const RegistrarSim& registrar, size_t count) {
  const auto deadline = Clock::now() + 2s;
  while (registrar.Requests().size() < count) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

std::chrono::milliseconds Since(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

TEST(Availability, ShortOrTakenLabelsAreRegistered) {
  const struct {
    const char* name;
    bool free;
  } cases[] = {
      {"abc.com", false},       {"abcd.com", true},     {"a.verylongsuffix", false},
      {".com", false},          {"mytaken.net", false}, {"MyTAKENname.com", false},
      {"abcd.taken.com", true}, {"nodot", false},       {"", false},
      {"中文.com", false},      {"中文域名.com", true}, {"xn--fiq228c.com", true},
  };
  for (const auto& c : cases) EXPECT_EQ(RegistrarSim::IsFree(c.name), c.free) << c.name;
}

TEST(Session, SearchAddsFreeNamesUpperCasedOnceInOrder) {
  RegistrarSim registrar;
  Browser browser(registrar);
  auto posted = browser.Post(RegistrarSim::kSearchPath,
                             SearchBody("abc.com,hello.com,World.Net,hello.com,,nodot,"
                                        "mytaken.org,HELLO.COM,中文域名.com,"));
  ASSERT_TRUE(posted);
  EXPECT_EQ(posted->status, 200);
  ASSERT_FALSE(browser.Session().empty());
  EXPECT_EQ(registrar.Pending(browser.Session()),
            (std::vector<std::string>{"HELLO.COM", "WORLD.NET", "中文域名.COM"}));

  // A second search in the same session adds to the selection.
  ASSERT_TRUE(browser.Post(RegistrarSim::kSearchPath, SearchBody("another.com,world.net")));
  EXPECT_EQ(registrar.Pending(browser.Session()).size(), 4u);
}

TEST(Session, EachCookieHasItsOwnSelection) {
  RegistrarSim registrar;
  Browser first(registrar), second(registrar);
  ASSERT_TRUE(first.Post(RegistrarSim::kSearchPath, SearchBody("first.com")));
  ASSERT_TRUE(second.Post(RegistrarSim::kSearchPath, SearchBody("second.com")));
  ASSERT_NE(first.Session(), second.Session());

  auto page = second.Get(RegistrarSim::kSearchPath);
  ASSERT_TRUE(page);
  EXPECT_EQ(Harvest(page->body), std::vector<std::string>{"SECOND.COM"});
  // Without a cookie the page is a new, empty session's.
  auto fresh = httplib::Client(registrar.BaseUrl()).Get(RegistrarSim::kSearchPath);
  ASSERT_TRUE(fresh);
  EXPECT_TRUE(fresh->has_header("Set-Cookie"));
  EXPECT_TRUE(Harvest(fresh->body).empty());
}

TEST(Session, CookieIsSetOnlyWhenNoKnownSessionIsOffered) {
  RegistrarSim registrar;
  Browser browser(registrar);
  auto first = browser.Get("/anything");
  ASSERT_TRUE(first);
  EXPECT_EQ(first->status, 404);
  EXPECT_EQ(first->get_header_value("Set-Cookie"),
            std::string("SessionID=") + browser.Session() + "; Path=/");
  auto again = browser.Get(RegistrarSim::kSearchPath);
  ASSERT_TRUE(again);
  EXPECT_FALSE(again->has_header("Set-Cookie"));

  // A cookie from elsewhere (say, another simulator on this host) is replaced.
  httplib::Client stranger(registrar.BaseUrl());
  auto replaced = stranger.Get(RegistrarSim::kSearchPath, {{"Cookie", "a=b; SessionID=0BAD"}});
  ASSERT_TRUE(replaced);
  EXPECT_TRUE(replaced->has_header("Set-Cookie"));
}

TEST(SelectionPage, IsGb2312WithTheEntriesInsideTheMarkedTable) {
  RegistrarSim registrar;
  Browser browser(registrar);
  ASSERT_TRUE(
      browser.Post(RegistrarSim::kSearchPath, SearchBody("hello.com,中文域名.cn,abcd.net")));
  auto page = browser.Get(RegistrarSim::kSearchPath);
  ASSERT_TRUE(page);
  EXPECT_EQ(page->status, 200);
  EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=gb2312");

  const std::optional<std::string> text = DecodeGb2312(page->body);
  ASSERT_TRUE(text) << "not GB2312";
  EXPECT_NE(page->body, *text) << "Chinese text must not be sent as UTF-8";
  const std::string gbName = "\xD6\xD0\xCE\xC4\xD3\xF2\xC3\xFB.CN";  // 中文域名.CN in GB2312
  EXPECT_NE(page->body.find("x' id='" + gbName + "'"), std::string::npos);
  EXPECT_EQ(
      Harvest(page->body),
      (std::vector<std::string>{"HELLO.COM", "\xD6\xD0\xCE\xC4\xD3\xF2\xC3\xFB.CN", "ABCD.NET"}));

  // Entry look-alikes and dotted text before the marker and after the table, which the
  // tool must not harvest, are there to catch a harvest that looks too far.
  const size_t marker = text->find("My Selected Domain Names");
  const size_t tableEnd = text->find("</table>", marker);
  ASSERT_NE(tableEnd, std::string::npos);
  EXPECT_NE(text->rfind("x' id='", marker), std::string::npos);
  EXPECT_NE(text->find("x' id='", tableEnd), std::string::npos);
  EXPECT_NE(text->find("￥ 68.00/年"), std::string::npos);
  EXPECT_NE(text->find("查询结果"), std::string::npos);
}

TEST(SelectionPage, EmptySelectionHasTheMarkerAndAnEmptyTable) {
  RegistrarSim registrar;
  auto page = httplib::Client(registrar.BaseUrl()).Get(RegistrarSim::kSearchPath);
  ASSERT_TRUE(page);
  const size_t marker = page->body.find("My Selected Domain Names");
  ASSERT_NE(marker, std::string::npos);
  EXPECT_NE(page->body.find("<table", marker), std::string::npos);
  EXPECT_NE(page->body.find("</table>", marker), std::string::npos);
  EXPECT_TRUE(Harvest(page->body).empty());
}

TEST(Removal, RemovesTheDeletePairsIgnoringCase) {
  RegistrarSim registrar;
  Browser browser(registrar);
  ASSERT_TRUE(
      browser.Post(RegistrarSim::kSearchPath, SearchBody("hello.com,world.net,Äbcd.com,keep.org")));
  ASSERT_EQ(registrar.Pending(browser.Session()).size(), 4u);
  auto removed = browser.Post(RegistrarSim::kRemovePath,
                              "delete_hello.com=hello.com&delete_äbcd.com=äbcd.com&"
                              "delete_WORLD.NET=WORLD.NET&delete_absent.com=absent.com");
  ASSERT_TRUE(removed);
  EXPECT_EQ(removed->status, 200);
  EXPECT_NE(removed->body.find("\"Removed\":3"), std::string::npos) << removed->body;
  EXPECT_EQ(registrar.Pending(browser.Session()), std::vector<std::string>{"KEEP.ORG"});
  auto page = browser.Get(RegistrarSim::kSearchPath);
  ASSERT_TRUE(page);
  EXPECT_EQ(Harvest(page->body), std::vector<std::string>{"KEEP.ORG"});
}

TEST(Routing, OtherPathsAndMethodsAre404) {
  RegistrarSim registrar;
  httplib::Client client(registrar.BaseUrl());
  const auto status = [](const httplib::Result& r) { return r ? r->status : -1; };
  EXPECT_EQ(status(client.Get("/")), 404);
  EXPECT_EQ(status(client.Get(RegistrarSim::kRemovePath)), 404);
  EXPECT_EQ(status(client.Post("/domains/searchbulk2.aspx", "", kForm)), 404);
  EXPECT_EQ(status(client.Put(RegistrarSim::kSearchPath, "x", kForm)), 404);
  EXPECT_EQ(registrar.Requests().size(), 4u);
}

TEST(Recording, KeepsMethodTargetHeadersAndRawBody) {
  RegistrarSim registrar;
  httplib::Client client(registrar.BaseUrl());
  const std::string body = "delete_中文域名.com=中文域名.com&delete_a%2Bb.net=a+b.net";
  ASSERT_TRUE(client.Post(RegistrarSim::kRemovePath,
                          {{"Cookie", "SessionID=ABC; other=1"}, {"X-Test", "one"}}, body, kForm));
  // A body longer than cpp-httplib's own limit for form bodies still arrives whole.
  const std::string big = SearchBody(std::string(20000, 'n') + ".com");
  ASSERT_TRUE(client.Post(RegistrarSim::kSearchPath, big, kForm));

  const std::vector<sim::RecordedRequest> requests = registrar.Requests();
  ASSERT_EQ(requests.size(), 2u);
  const sim::RecordedRequest& r = requests[0];
  EXPECT_EQ(r.method, "POST");
  EXPECT_EQ(r.target, RegistrarSim::kRemovePath);
  EXPECT_EQ(r.body, body);
  EXPECT_EQ(r.Header("content-type"), kForm);
  EXPECT_EQ(r.Header("X-TEST"), "one");
  EXPECT_EQ(r.Header("Content-Length"), std::to_string(body.size()));
  EXPECT_EQ(r.Header("REMOTE_ADDR"), "");
  EXPECT_EQ(r.Cookie("SessionID"), "ABC");
  EXPECT_EQ(r.Cookie("other"), "1");
  EXPECT_EQ(r.Cookie("absent"), "");
  EXPECT_EQ(requests[1].body, big);

  registrar.ClearRequests();
  EXPECT_TRUE(registrar.Requests().empty());
}

TEST(Knobs, DelayHoldsTheAnswerOfThatEndpointOnly) {
  RegistrarSim registrar;
  registrar.Set(Endpoint::SelectionPage, Behaviour{.delay = 300ms});
  Browser browser(registrar);
  auto start = Clock::now();
  ASSERT_TRUE(browser.Post(RegistrarSim::kSearchPath, SearchBody("hello.com")));
  EXPECT_LT(Since(start), 250ms);
  start = Clock::now();
  auto page = browser.Get(RegistrarSim::kSearchPath);
  const auto waited = Since(start);
  ASSERT_TRUE(page);
  EXPECT_GE(waited, 300ms);
  EXPECT_LT(waited, 1000ms);
  EXPECT_EQ(Harvest(page->body), std::vector<std::string>{"HELLO.COM"});
}

TEST(Knobs, HangIsEndedByTheClientsTimeOut) {
  RegistrarSim registrar;
  registrar.Set(Endpoint::SelectionPage, Behaviour{.hang = true});
  httplib::Client client(registrar.BaseUrl());
  client.set_read_timeout(200ms);
  const auto start = Clock::now();
  auto page = client.Get(RegistrarSim::kSearchPath);
  EXPECT_FALSE(page);
  EXPECT_EQ(page.error(), httplib::Error::Read);
  EXPECT_GE(Since(start), 200ms);
  EXPECT_EQ(registrar.Requests().size(), 1u);
}

TEST(Knobs, DestroyingTheSimulatorEndsHangingAndIdleConnectionsPromptly) {
  auto registrar = std::make_unique<RegistrarSim>();
  registrar->Set(Endpoint::Search, Behaviour{.hang = true});
  // An idle kept-alive connection, and a request that hangs.
  httplib::Client idle(registrar->BaseUrl());
  idle.set_keep_alive(true);
  ASSERT_TRUE(idle.Get(RegistrarSim::kSearchPath));
  bool answered = true;
  std::thread waiting([&, url = registrar->BaseUrl()] {
    httplib::Client client(url);
    client.set_read_timeout(10s);
    answered =
        static_cast<bool>(client.Post(RegistrarSim::kSearchPath, SearchBody("hello.com"), kForm));
  });
  ASSERT_TRUE(WaitForRequests(*registrar, 2));

  const auto start = Clock::now();
  registrar.reset();
  EXPECT_LT(Since(start), 500ms);
  waiting.join();
  EXPECT_FALSE(answered) << "a hanging request must end without an answer";
}

TEST(Knobs, CloseConnectionSendsNothingButTheRequestTakesEffect) {
  RegistrarSim registrar;
  Browser browser(registrar);
  ASSERT_TRUE(browser.Get(RegistrarSim::kSearchPath));  // gets the session cookie
  registrar.Set(Endpoint::Search, Behaviour{.closeConnection = true});
  auto closed = browser.Post(RegistrarSim::kSearchPath, SearchBody("hello.com"));
  EXPECT_FALSE(closed);
  EXPECT_EQ(registrar.Pending(browser.Session()), std::vector<std::string>{"HELLO.COM"});

  registrar.Set(Endpoint::Search, Behaviour{.closeConnection = true, .takeEffect = false});
  EXPECT_FALSE(browser.Post(RegistrarSim::kSearchPath, SearchBody("world.com")));
  EXPECT_EQ(registrar.Pending(browser.Session()).size(), 1u);
}

TEST(Knobs, StatusAndBodyReplaceTheAnswer) {
  RegistrarSim registrar;
  Browser browser(registrar);
  registrar.Set(Endpoint::SelectionPage, Behaviour{.status = 503});
  auto error = browser.Get(RegistrarSim::kSearchPath);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->status, 503);
  EXPECT_TRUE(error->has_header("Set-Cookie"));
  EXPECT_EQ(error->body.find("My Selected Domain Names"), std::string::npos);

  std::string own = "My Selected Domain Names<table>x' id='\xD6\xD0.COM'</table>";
  own += std::string("\0\xFF", 2);
  registrar.Set(Endpoint::SelectionPage, Behaviour{.body = own});
  auto page = browser.Get(RegistrarSim::kSearchPath);
  ASSERT_TRUE(page);
  EXPECT_EQ(page->status, 200);
  EXPECT_EQ(page->body, own);
  EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=gb2312");

  registrar.Set(Endpoint::Remove, Behaviour{.status = 500, .body = std::string("oops")});
  auto removed = browser.Post(RegistrarSim::kRemovePath, "delete_a.com=a.com");
  ASSERT_TRUE(removed);
  EXPECT_EQ(removed->status, 500);
  EXPECT_EQ(removed->body, "oops");
}

TEST(Knobs, ErrorStatusLeavesTheSelectionUnlessToldOtherwise) {
  RegistrarSim registrar;
  Browser browser(registrar);
  ASSERT_TRUE(browser.Get(RegistrarSim::kSearchPath));  // gets the session cookie
  registrar.Set(Endpoint::Search, Behaviour{.status = 500});
  ASSERT_TRUE(browser.Post(RegistrarSim::kSearchPath, SearchBody("hello.com")));
  EXPECT_TRUE(registrar.Pending(browser.Session()).empty());

  registrar.Set(Endpoint::Search, Behaviour{.status = 500, .takeEffect = true});
  ASSERT_TRUE(browser.Post(RegistrarSim::kSearchPath, SearchBody("hello.com")));
  registrar.Set(Endpoint::Remove, Behaviour{.status = 503});
  ASSERT_TRUE(browser.Post(RegistrarSim::kRemovePath, "delete_hello.com=hello.com"));
  EXPECT_EQ(registrar.Pending(browser.Session()), std::vector<std::string>{"HELLO.COM"});
}

TEST(Knobs, RedirectLeadsToTheSecondPageOfTheSameSession) {
  RegistrarSim registrar;
  Browser browser(registrar);
  ASSERT_TRUE(browser.Post(RegistrarSim::kSearchPath, SearchBody("hello.com")));
  registrar.Set(Endpoint::SelectionPage, Behaviour{.redirectTo = RegistrarSim::kSecondPagePath});
  auto moved = browser.Get(RegistrarSim::kSearchPath);
  ASSERT_TRUE(moved);
  EXPECT_EQ(moved->status, 302);
  EXPECT_EQ(moved->get_header_value("Location"), RegistrarSim::kSecondPagePath);
  auto page = browser.Get(moved->get_header_value("Location"));
  ASSERT_TRUE(page);
  EXPECT_EQ(page->status, 200);
  EXPECT_EQ(Harvest(page->body), std::vector<std::string>{"HELLO.COM"});

  // Post, then redirect with 303 to the page: the search still took effect.
  registrar.Set(Endpoint::Search,
                Behaviour{.status = 303, .redirectTo = registrar.BaseUrl() + "/elsewhere"});
  auto seeOther = browser.Post(RegistrarSim::kSearchPath, SearchBody("world.com"));
  ASSERT_TRUE(seeOther);
  EXPECT_EQ(seeOther->status, 303);
  EXPECT_EQ(seeOther->get_header_value("Location"), registrar.BaseUrl() + "/elsewhere");
  EXPECT_EQ(registrar.Pending(browser.Session()).size(), 2u);
}

TEST(Lifetime, FixedPortInUseThrowsAndQuickRestartsWork) {
  RegistrarSim registrar;
  EXPECT_THROW(RegistrarSim{registrar.Port()}, std::runtime_error);
  const auto start = Clock::now();
  for (int i = 0; i < 20; ++i) {
    RegistrarSim shortLived;
    EXPECT_NE(shortLived.Port(), 0);
  }
  EXPECT_LT(Since(start), 2000ms);
  const std::string url = registrar.BaseUrl();
  EXPECT_EQ(url, "http://127.0.0.1:" + std::to_string(registrar.Port()));
  EXPECT_EQ(registrar.BaseUrl16(), std::u16string(url.begin(), url.end()));
}

}  // namespace

TEST(Recording, ServiceTimeAndClientPortTellTimingAndConnections) {
  RegistrarSim registrar;
  registrar.Set(Endpoint::SelectionPage, Behaviour{.delay = 200ms});
  Browser browser(registrar);
  browser.Client().set_keep_alive(true);
  ASSERT_TRUE(browser.Post(RegistrarSim::kSearchPath, SearchBody("hello.com")));
  ASSERT_TRUE(browser.Get(RegistrarSim::kSearchPath));
  const std::vector<sim::RecordedRequest> requests = registrar.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_LT(requests[0].serviceTime, 100ms);
  EXPECT_GE(requests[1].serviceTime, 200ms);
  // One client keeps its connection: both requests came from one port.
  EXPECT_NE(requests[0].remotePort, 0);
  EXPECT_EQ(requests[1].remotePort, requests[0].remotePort);
}

TEST(Knobs, StreamedAnswersArePaddedChunkedCutOrStalledAsAsked) {
  RegistrarSim registrar;
  httplib::Client client(registrar.BaseUrl());
  client.set_read_timeout(300ms);

  for (const bool chunked : {false, true}) {
    registrar.Set(Endpoint::SelectionPage, Behaviour{.chunked = chunked, .padTo = 1 << 20});
    auto page = client.Get(RegistrarSim::kSearchPath);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->body.size(), size_t{1} << 20);
    EXPECT_NE(page->body.find("My Selected Domain Names"), std::string::npos);
    EXPECT_EQ(page->get_header_value("Transfer-Encoding"), chunked ? "chunked" : "");
  }

  registrar.Set(Endpoint::SelectionPage, Behaviour{.resetAfter = 100});
  auto cut = client.Get(RegistrarSim::kSearchPath);
  EXPECT_FALSE(cut);

  registrar.Set(Endpoint::SelectionPage, Behaviour{.stallAfter = 0});
  const auto start = Clock::now();
  auto stalled = client.Get(RegistrarSim::kSearchPath);
  EXPECT_FALSE(stalled);
  EXPECT_GE(Since(start), 300ms);
}

TEST(Knobs, RenewedSessionTakesTheSelectionAlong) {
  RegistrarSim registrar;
  Browser browser(registrar);
  ASSERT_TRUE(browser.Post(RegistrarSim::kSearchPath, SearchBody("hello.com")));
  const std::string first = browser.Session();
  registrar.Set(Endpoint::SelectionPage, Behaviour{.renewSession = true});
  auto page = browser.Get(RegistrarSim::kSearchPath);
  ASSERT_TRUE(page);
  ASSERT_NE(browser.Session(), first);
  EXPECT_TRUE(registrar.Pending(first).empty());
  EXPECT_EQ(registrar.Pending(browser.Session()), std::vector<std::string>{"HELLO.COM"});
}

TEST(Knobs, BrotliIsNeverUsedButGzipIs) {
  RegistrarSim registrar;
  httplib::Client client(registrar.BaseUrl());
  auto page = client.Get(RegistrarSim::kSearchPath, {{"Accept-Encoding", "br, gzip"}});
  ASSERT_TRUE(page);
  EXPECT_EQ(page->get_header_value("Content-Encoding"), "gzip");
  // The record keeps what the client sent.
  EXPECT_EQ(registrar.Requests().at(0).Header("Accept-Encoding"), "br, gzip");
}

// A long demo keeps only the last requests, and still counts them all; a record found by its
// number while kept, never after.
TEST(BoundedLog, KeepsTheLastEntriesAndCountsEveryOne) {
  sim::BoundedLog<int> log(3);
  const std::uint64_t first = log.Add(10);
  for (int i = 11; i <= 14; ++i) (void)log.Add(i);
  EXPECT_EQ(log.Entries(), (std::vector<int>{12, 13, 14}));
  EXPECT_EQ(log.Total(), 5u);
  EXPECT_EQ(log.Find(first), nullptr);
  ASSERT_NE(log.Find(first + 4), nullptr);
  EXPECT_EQ(*log.Find(first + 4), 14);
  log.Clear();
  EXPECT_EQ(log.Find(first + 4), nullptr);
  EXPECT_EQ(log.Total(), 0u);
  EXPECT_EQ(*log.Find(log.Add(20)), 20);
  EXPECT_EQ(log.Total(), 1u);
}
