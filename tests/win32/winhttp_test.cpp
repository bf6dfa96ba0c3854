// The WinHTTP client and the RDAP source on Windows, against a small RDAP registry served by
// cpp-httplib inside the test on 127.0.0.1: answers, the per-host cap, redirects, time-outs,
// the system's IdnToAscii on the way, and brelka-cli.exe asking the registry.
#include <gtest/gtest.h>
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>

#include "check/RegistrySource.h"
#include "tests/ChildProcess.h"
#include "tests/CliOutput.h"
#include "web/HttpClient.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A registry with the simulator's rule, counting the requests in flight.
class Registry {
 public:
  Registry() {
    // The factory runs once the server counts as running, from which point stop() works.
    server_.new_task_queue = [this] {
      {
        std::lock_guard lock(mutex_);
        running_ = true;
      }
      ready_.notify_all();
      return new httplib::ThreadPool(12);
    };
    server_.Get("/rdap/domain/(.+)", [this](const httplib::Request& req, httplib::Response& res) {
      const std::string name = req.matches[1];
      {
        std::lock_guard lock(mutex_);
        maxInFlight_ = std::max(maxInFlight_, ++inFlight_);
        userAgent_ = req.get_header_value("User-Agent");
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(name.starts_with("slow") ? 3000 : 20));
      if (name.starts_with("silent")) {
        // Takes the request and says nothing until the test ends.
        std::unique_lock lock(mutex_);
        ended_.wait_for(lock, std::chrono::seconds(40), [this] { return stopping_; });
      }
      if (name.starts_with("loop")) {
        res.status = 302;
        res.set_header("Location", req.path);
      } else if (name.starts_with("busy")) {
        res.status = 429;
        res.set_header("Retry-After", "0");
      } else if (name.substr(0, name.find('.')).size() <= 3) {
        res.set_content(R"({"objectClassName":"domain","ldhName":")" + name +
                            R"(","entities":[{"roles":["registrar"],"vcardArray":["vcard",)"
                            R"([["fn",{},"text","Registrar"]]]}]})",
                        "application/rdap+json");
      } else {
        res.status = 404;
        res.set_content(R"({"errorCode":404,"title":"Not Found"})", "application/rdap+json");
      }
      std::lock_guard lock(mutex_);
      --inFlight_;
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [this] { return running_; });
  }
  ~Registry() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    ended_.notify_all();
    server_.stop();
    thread_.join();
  }

  std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_) + "/rdap/"; }
  int MaxInFlight() {
    std::lock_guard lock(mutex_);
    return maxInFlight_;
  }
  std::string UserAgent() {
    std::lock_guard lock(mutex_);
    return userAgent_;
  }

 private:
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable ready_;
  bool running_ = false;
  std::condition_variable ended_;
  bool stopping_ = false;
  int inFlight_ = 0;
  int maxInFlight_ = 0;
  std::string userAgent_;
};

web::Reply GetOne(web::HttpClient& client, const std::string& url) {
  web::Reply reply;
  client.Start({url, {}}, [&reply](web::Reply r) { reply = std::move(r); });
  const auto giveUp = Clock::now() + 60s;
  while (client.Pending() > 0 && Clock::now() < giveUp) client.Run(giveUp);
  return reply;
}

TEST(WinHttpClient, AnswersRedirectsAndTimeOuts) {
  Registry registry;
  web::ClientOptions options;
  options.userAgent = "brelka-test/1.0";
  options.requestTimeout = 1s;
  auto client = web::OpenHttpClient(options);
  const web::Reply taken = GetOne(*client, registry.Base() + "domain/abc.com");
  ASSERT_TRUE(taken.ok()) << taken.failure->message;
  EXPECT_EQ(taken.status, 200);
  EXPECT_EQ(taken.Header("content-type"), "application/rdap+json");
  EXPECT_EQ(registry.UserAgent(), "brelka-test/1.0");
  EXPECT_EQ(GetOne(*client, registry.Base() + "domain/hello.com").status, 404);
  EXPECT_EQ(GetOne(*client, registry.Base() + "domain/busy.com").Header("retry-after"), "0");
  EXPECT_FALSE(GetOne(*client, registry.Base() + "domain/loop.com").ok());
  EXPECT_EQ(GetOne(*client, registry.Base() + "domain/slow.com").failure->kind,
            base::FailureKind::Timeout);
  // The time-out holds even where closing the handle does not end the system's call (Wine).
  const auto start = Clock::now();
  EXPECT_EQ(GetOne(*client, registry.Base() + "domain/silent.com").failure->kind,
            base::FailureKind::Timeout);
  EXPECT_LT(Clock::now() - start, 10s);
}

TEST(WinHttpClient, KeepsToTheCapPerHost) {
  Registry registry;
  web::ClientOptions options;
  options.perHost = 3;
  auto client = web::OpenHttpClient(options);
  int answered = 0;
  for (int i = 0; i < 24; ++i) {
    client->Start({registry.Base() + "domain/name" + std::to_string(i) + ".com", {}},
                  [&answered](web::Reply r) { answered += r.status == 404; });
  }
  const auto giveUp = Clock::now() + 60s;
  while (client->Pending() > 0 && Clock::now() < giveUp) client->Run(giveUp);
  EXPECT_EQ(answered, 24);
  EXPECT_LE(registry.MaxInFlight(), 3);
}

TEST(WinRdapSource, AnswersFromTheRegistryWithALabels) {
  Registry registry;
  auto bootstrap =
      check::Bootstrap::Parse(R"({"services":[[["com"],[")" + registry.Base() + R"("]]]})");
  ASSERT_TRUE(bootstrap);
  check::RegistrySource source(std::move(bootstrap.value()), web::OpenHttpClient({}),
                               check::OpenNsResolver(""), nullptr, {});
  const std::vector<std::u16string> names = {u"abc.com", u"hello.com", u"中文域名.com",
                                             u"busy.com"};
  std::vector<check::Answer> answers(names.size());
  source.Check(names, [&](std::size_t i, check::Answer a) { answers[i] = std::move(a); }, {});
  EXPECT_EQ(answers[0].status, check::Status::Registered);
  EXPECT_EQ(answers[0].registrar, u"Registrar");
  EXPECT_EQ(answers[1].status, check::Status::Available);
  EXPECT_EQ(answers[2].status, check::Status::Available);
  EXPECT_EQ(answers[2].aLabel, u"xn--fiq06l2rdsvs.com");
  EXPECT_EQ(answers[3].status, check::Status::Unknown);
  EXPECT_EQ(answers[3].detail, u"rate-limited");
}

TEST(WinRdapCli, TheProgramAsksTheRegistryGivenByTheBootstrapFile) {
  Registry registry;
  const std::filesystem::path bootstrap =
      std::filesystem::temp_directory_path() / "brelka-winhttp-test-dns.json";
  std::ofstream(bootstrap) << R"({"services":[[["com"],[")" << registry.Base() << R"("]]]})";
  const testing_support::ChildOutcome run = testing_support::RunCli(
      testing_support::ProgramBeside("brelka-cli.exe"),
      {"--bootstrap", bootstrap.string(), "--all", "-q"}, "abc.com\nhello.com\n中文域名.com\n");
  std::filesystem::remove(bootstrap);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "abc.com\tregistered\t\t\trdap\t\tRegistrar\t\t\t\t\n"
            "hello.com\tavailable\t\t\trdap\t\t\t\t\t\t\n"
            "中文域名.com\tavailable\t\t\trdap\txn--fiq06l2rdsvs.com\t\t\t\t\t\n");
}

}  // namespace
