// The concurrent HTTP client against the simulated RDAP registries over loopback HTTP, on both
// platforms: libcurl here, WinHTTP under Wine, with the same expectations.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "sim/RdapSim.h"
#include "web/HttpClient.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

web::ClientOptions Options() {
  web::ClientOptions options;
  options.userAgent = "brelka-test/1.0";
  options.requestTimeout = 5s;
  return options;
}

// Runs the client until every request has ended, or fails the test after a minute.
void RunAll(web::HttpClient& client) {
  const auto giveUp = Clock::now() + 60s;
  while (client.Pending() > 0 && Clock::now() < giveUp) client.Run(giveUp);
  ASSERT_EQ(client.Pending(), 0u);
}

web::Reply GetOne(web::HttpClient& client, const std::string& url) {
  web::Reply reply;
  client.Start({url, {{"Accept", "application/rdap+json"}}},
               [&reply](web::Reply r) { reply = std::move(r); });
  RunAll(client);
  return reply;
}

TEST(HttpClient, ReportsStatusHeadersAndBody) {
  sim::RdapSim sim;
  sim.SetFault("busy.com", {.status = 429, .retryAfter = "7"});
  auto client = web::OpenHttpClient(Options());

  const web::Reply taken = GetOne(*client, sim.BaseUrl(0) + "domain/abc.com");
  ASSERT_TRUE(taken.ok()) << taken.failure->message;
  EXPECT_EQ(taken.status, 200);
  EXPECT_EQ(taken.Header("content-type"), "application/rdap+json");
  EXPECT_NE(taken.body.find("\"ldhName\":\"ABC.COM\""), std::string::npos);

  const web::Reply free = GetOne(*client, sim.BaseUrl(0) + "domain/hello.com");
  EXPECT_EQ(free.status, 404);

  const web::Reply busy = GetOne(*client, sim.BaseUrl(0) + "domain/busy.com");
  EXPECT_EQ(busy.status, 429);
  EXPECT_EQ(busy.Header("retry-after"), "7");

  const auto arrivals = sim.Arrivals();
  ASSERT_EQ(arrivals.size(), 3u);
  EXPECT_EQ(arrivals[0].userAgent, "brelka-test/1.0");
  EXPECT_EQ(arrivals[0].accept, "application/rdap+json");
}

TEST(HttpClient, NeverHasMoreThanTheCapInFlightPerHost) {
  sim::RdapSim sim;
  sim.SetLatency(30ms);
  web::ClientOptions options = Options();
  options.perHost = 3;
  auto client = web::OpenHttpClient(options);
  int answered = 0;
  for (int i = 0; i < 60; ++i) {
    const std::string url = sim.BaseUrl(i % 3) + "domain/name" + std::to_string(i) + ".com";
    client->Start({url, {}}, [&answered](web::Reply r) { answered += r.status == 404; });
  }
  RunAll(*client);
  EXPECT_EQ(answered, 60);
  for (size_t registry = 0; registry < 3; ++registry) {
    EXPECT_LE(sim.MaxInFlight(registry), 3u) << registry;
    EXPECT_GE(sim.MaxInFlight(registry), 1u) << registry;
  }
}

// Each situation fails with the same kind, and where the words are this program's own, the
// same words, whichever platform's client met it.
TEST(HttpClient, BrokenExchangesFailWithTheirKind) {
  sim::RdapSim sim;
  sim.SetFault("loop.com", {.redirectLoop = true});
  sim.SetFault("ftp.com", {.redirectTo = "ftp://127.0.0.1/x"});
  sim.SetFault("cut.com", {.cutMidBody = true});
  sim.SetFault("stall.com", {.stall = true});
  sim.SetFault("huge.com", {.body = std::string(70'000, 'x')});
  sim.SetFault("headers.com", {.headerBytes = 20'000});
  web::ClientOptions options = Options();
  options.requestTimeout = 700ms;
  options.maxBodyBytes = 64'000;
  options.maxHeaderBytes = 16'000;
  auto client = web::OpenHttpClient(options);
  const std::string base = sim.BaseUrl(0) + "domain/";
  using Kind = base::FailureKind;
  const struct {
    std::string url;
    Kind kind;
    std::string message;  // empty: the platform's own words
  } cases[] = {
      {base + "loop.com", Kind::Redirects, "too many redirects"},
#ifndef _WIN32
      // FIXME: Wine's WinHTTP answers this redirect with the registry's 200, as if it had gone
      // to the same path again; not yet tried on Windows itself.
      {base + "ftp.com", Kind::Redirects, ""},
#endif
      {base + "cut.com", Kind::Connect, ""},
      {base + "stall.com", Kind::Timeout, "timed out"},
      {base + "huge.com", Kind::TooLarge, "response larger than 64000 bytes"},
      {base + "headers.com", Kind::TooLarge, "response headers larger than 16000 bytes"},
      {"http://127.0.0.1:1/rdap/domain/x.com", Kind::Connect, ""},
      {base + "a b.com", Kind::Request, "invalid address: it holds a space or a control character"},
      {"ftp://127.0.0.1/", Kind::Request,
       "invalid address: only http and https addresses can be sent"},
  };
  for (const auto& c : cases) {
    const web::Reply reply = GetOne(*client, c.url);
    ASSERT_FALSE(reply.ok()) << c.url << " answered " << reply.status;
    EXPECT_EQ(base::KindName(reply.failure->kind), base::KindName(c.kind))
        << c.url << ": " << reply.failure->message;
    if (!c.message.empty()) {
      EXPECT_EQ(reply.failure->message, c.message) << c.url;
    }
    EXPECT_TRUE(reply.body.empty() && reply.headers.empty()) << c.url;
  }
  // Five redirects followed, then given up: six requests for the loop.
  size_t loops = 0;
  for (const auto& arrival : sim.Arrivals()) loops += arrival.name == "loop.com";
  EXPECT_EQ(loops, 6u);
}

TEST(HttpClient, HeaderWithALineBreakIsRefusedBeforeSending) {
  sim::RdapSim sim;
  auto client = web::OpenHttpClient(Options());
  for (const web::Get& request : {
           web::Get{sim.BaseUrl(0) + "domain/abc.com", {{"Accept", "a\r\nX-Injected: 1"}}},
           web::Get{sim.BaseUrl(0) + "domain/abc.com", {{"Bad Name", "x"}}},
       }) {
    web::Reply reply;
    client->Start(request, [&reply](web::Reply r) { reply = std::move(r); });
    RunAll(*client);
    ASSERT_FALSE(reply.ok());
    EXPECT_EQ(reply.failure->kind, base::FailureKind::Request);
  }
  EXPECT_TRUE(sim.Arrivals().empty());
}

TEST(HttpClient, WakeEndsAWaitFromAnotherThread) {
  sim::RdapSim sim;
  sim.SetFault("slow.com", {.delay = 20s});
  auto client = web::OpenHttpClient(Options());
  client->Start({sim.BaseUrl(0) + "domain/slow.com", {}}, [](web::Reply) {});
  std::thread waker([&client] {
    std::this_thread::sleep_for(100ms);
    client->Wake();
  });
  const auto started = Clock::now();
  client->Run(started + 30s);
  waker.join();
  EXPECT_LT(Clock::now() - started, 10s);
  EXPECT_EQ(client->Pending(), 1u);
}

TEST(HttpClient, HostIsSchemeLessAndLowerCased) {
  EXPECT_EQ(web::HostOf("https://Rdap.Example:8443/x/y"), "rdap.example:8443");
  EXPECT_EQ(web::HostOf("http://user@host.test?q"), "host.test");
  EXPECT_EQ(web::HostOf("ftp://host.test/"), "");
}

TEST(HttpClient, HeaderLinesAreReadAsBothBackendsReceiveThem) {
  struct Case {
    const char* line;
    std::vector<std::pair<std::string, std::string>> headers;
  };
  const Case cases[] = {
      {"Retry-After: 120\r\n", {{"retry-after", "120"}}},
      {"Content-Type:\tapplication/rdap+json \t", {{"content-type", "application/rdap+json"}}},
      {"X-Empty:   \r\n", {{"x-empty", ""}}},
      {"Link: <a:b>; rel=next", {{"link", "<a:b>; rel=next"}}},
      {": no name", {}},
      {"no colon at all\r\n", {}},
  };
  for (const Case& c : cases) {
    web::Reply reply;
    web::AddHeaderLine(c.line, reply);
    EXPECT_EQ(reply.headers, c.headers) << c.line;
  }
}

}  // namespace
