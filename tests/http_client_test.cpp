// The concurrent HTTP client against the simulated RDAP registries over loopback HTTP.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tools/registrar-sim/RdapSim.h"
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
  ASSERT_TRUE(taken.ok()) << taken.failure;
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

TEST(HttpClient, BrokenExchangesAreFailuresNotAnswers) {
  sim::RdapSim sim;
  sim.SetFault("loop.com", {.redirectLoop = true});
  sim.SetFault("cut.com", {.cutMidBody = true});
  sim.SetFault("stall.com", {.stall = true});
  sim.SetFault("huge.com", {.body = std::string(70'000, 'x')});
  web::ClientOptions options = Options();
  options.requestTimeout = 700ms;
  options.maxBodyBytes = 64'000;
  auto client = web::OpenHttpClient(options);

  EXPECT_EQ(GetOne(*client, sim.BaseUrl(0) + "domain/loop.com").failure, "too many redirects");
  const web::Reply cut = GetOne(*client, sim.BaseUrl(0) + "domain/cut.com");
  EXPECT_FALSE(cut.ok());
  EXPECT_TRUE(cut.body.empty());
  EXPECT_EQ(GetOne(*client, sim.BaseUrl(0) + "domain/stall.com").failure, "timed out");
  EXPECT_EQ(GetOne(*client, sim.BaseUrl(0) + "domain/huge.com").failure,
            "response larger than 64000 bytes");
  EXPECT_EQ(GetOne(*client, "http://127.0.0.1:1/rdap/domain/x.com").ok(), false);
  // Five redirects followed, then given up: six requests for the loop.
  size_t loops = 0;
  for (const auto& arrival : sim.Arrivals()) loops += arrival.name == "loop.com";
  EXPECT_EQ(loops, 6u);
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

}  // namespace
