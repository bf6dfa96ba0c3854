// Whole queries from the start button to the summary, over real HTTP on 127.0.0.1 against the
// registrar simulator, with the platform's HTTP session and shortened time-outs.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "MemoryWindow.h"
#include "WindowLiterals.h"
#include "query/BulkQuery.h"
#include "sim/RegistrarSim.h"

using namespace std::chrono_literals;
using query::MemoryWindow;
using sim::Behaviour;
using sim::Endpoint;
using sim::RecordedRequest;
using testing_support::kAllRegistered;
using testing_support::kQueryFailed;
using testing_support::kWaiting;

namespace {

const std::string kSearchPath = "/domains/searchbulk.aspx";
const std::string kRemoveTarget =
    "/domains/actions/json/removedomainsfrompending.aspx?TargetDivID=xRemoveAll=true";

web::TransferLimits ShortLimits() {
  web::TransferLimits limits;
  limits.connectTimeout = 2s;
  limits.idleTimeout = 500ms;
  return limits;
}

class QueryOverHttp : public ::testing::Test {
 protected:
  sim::RegistrarSim registrar;
  std::unique_ptr<web::HttpSession> session = web::OpenHttpSession(ShortLimits());
  MemoryWindow window;

  void Query(std::u16string input, std::optional<std::u16string> base = std::nullopt) {
    window.text1 = std::move(input);
    query::BulkQuery(window, *session, base.value_or(registrar.BaseUrl16())).Command1_Click();
  }
  const RecordedRequest* Find(const std::string& method, const std::string& target) {
    requests_ = registrar.Requests();
    for (const RecordedRequest& r : requests_) {
      if (r.method == method && r.target == target) return &r;
    }
    return nullptr;
  }

 private:
  std::vector<RecordedRequest> requests_;
};

std::string Cookie(const RecordedRequest& request) { return request.Header("Cookie"); }

}  // namespace

TEST_F(QueryOverHttp, WholeQueryFindsFreeNamesReleasesThemAndSummarises) {
  Query(u"http://www.Free-One.com\r\n\r\ntaken-name.net\r\nabc.org\r\nsecond free.net\r\n");

  EXPECT_EQ(window.text1, u"Free-One.com\r\ntaken-name.net\r\nabc.org\r\nsecondfree.net\r\n");
  EXPECT_EQ(window.text2, u"free-one.com\r\nsecondfree.net\r\n");
  EXPECT_EQ(window.label3, u"共输入5个，其中2个可以注册");
  EXPECT_TRUE(window.command1Enabled);
  EXPECT_TRUE(window.messages.empty());

  const auto requests = registrar.Requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[0].method, "POST");
  EXPECT_EQ(requests[0].target, kSearchPath);
  EXPECT_EQ(requests[0].body,
            "domainNames=Free-One.com,taken-name.net,abc.org,secondfree.net,&extrnl=1&dotTypes=");
  EXPECT_EQ(requests[0].Header("Content-Type"), "application/x-www-form-urlencoded");
  EXPECT_EQ(requests[1].method, "GET");
  EXPECT_EQ(requests[1].target, kSearchPath);
  EXPECT_EQ(requests[1].body, "");
  EXPECT_EQ(requests[2].method, "POST");
  EXPECT_EQ(requests[2].target, kRemoveTarget);
  EXPECT_EQ(requests[2].body,
            "delete_free-one.com=free-one.com&delete_secondfree.net=secondfree.net");
  EXPECT_EQ(requests[2].Header("Content-Type"), "application/x-www-form-urlencoded");

  // The registrar set its cookie on the first answer; both later requests carry it, and the
  // removal emptied that session's selection.
  EXPECT_EQ(Cookie(requests[0]), "");
  ASSERT_NE(Cookie(requests[1]), "");
  EXPECT_EQ(Cookie(requests[2]), Cookie(requests[1]));
  const std::string sessionId = Cookie(requests[1]).substr(Cookie(requests[1]).find('=') + 1);
  EXPECT_TRUE(registrar.Pending(sessionId).empty());
}

TEST_F(QueryOverHttp, SecondQuerySeesOnlyItsOwnNames) {
  Query(u"first-free.com\r\nalso-free.com\r\n");
  EXPECT_EQ(window.text2, u"first-free.com\r\nalso-free.com\r\n");
  Query(u"second-free.net\r\n");
  EXPECT_EQ(window.text2, u"second-free.net\r\n");
  EXPECT_EQ(window.label3, u"共输入2个，其中1个可以注册");
}

TEST_F(QueryOverHttp, AllNamesRegistered) {
  Query(u"abc.com\r\ntaken.net\r\nmytaken.org");
  EXPECT_EQ(window.text2, kAllRegistered);
  EXPECT_EQ(window.label3, u".");
  EXPECT_EQ(registrar.Requests().size(), 2u);
}

TEST_F(QueryOverHttp, ChinesePageAndNonAsciiName) {
  Query(u"中文域名.com\r\nBücher-Laden.DE\r\n");
  EXPECT_EQ(window.text2, u"中文域名.com\r\nbücher-laden.de\r\n");
  const RecordedRequest* post = Find("POST", kSearchPath);
  ASSERT_NE(post, nullptr);
  EXPECT_EQ(post->body, "domainNames=中文域名.com,Bücher-Laden.DE,&extrnl=1&dotTypes=");
}

TEST_F(QueryOverHttp, UnreachableRegistrarIsReportedAsAFailure) {
  std::u16string deadBase;
  {
    sim::RegistrarSim gone;
    deadBase = gone.BaseUrl16();
  }
  const auto started = std::chrono::steady_clock::now();
  Query(u"free-name.com\r\n", deadBase);
  EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
  EXPECT_EQ(window.text2, u"");
  EXPECT_EQ(window.label3, kQueryFailed);
  EXPECT_TRUE(window.command1Enabled);
  EXPECT_TRUE(window.messages.empty());
}

TEST_F(QueryOverHttp, PageWithoutTheMarkerIsAFailedQuery) {
  registrar.Set(Endpoint::SelectionPage, Behaviour{.body = std::string("<html>维护中 1.0</html>")});
  Query(u"free-name.com\r\n");
  EXPECT_EQ(window.text2, u"");
  EXPECT_EQ(window.label3, kQueryFailed);
}

TEST_F(QueryOverHttp, ErrorStatusOfTheSubmissionStillCountsAsAnAnswer) {
  registrar.Set(Endpoint::Search, Behaviour{.status = 500});
  Query(u"free-name.com\r\n");
  EXPECT_EQ(window.text2, kAllRegistered);
  EXPECT_EQ(window.label3, u".");
}

TEST_F(QueryOverHttp, RedirectedSelectionPageIsFollowedWithCookies) {
  registrar.Set(Endpoint::SelectionPage,
                Behaviour{.redirectTo = registrar.BaseUrl() + "/domains/searchbulk2.aspx"});
  Query(u"free-name.com\r\n");
  EXPECT_EQ(window.text2, u"free-name.com\r\n");
  EXPECT_EQ(window.label3, u"共输入2个，其中1个可以注册");
}

TEST_F(QueryOverHttp, HangingRegistrarIsGivenUpAfterTheIdleTimeOut) {
  registrar.Set(Endpoint::SelectionPage, Behaviour{.hang = true});
  const auto started = std::chrono::steady_clock::now();
  Query(u"free-name.com\r\n");
  const auto took = std::chrono::steady_clock::now() - started;
  EXPECT_GE(took, 400ms);
  EXPECT_LT(took, 3s);
  EXPECT_EQ(window.label3, kQueryFailed);
  EXPECT_TRUE(window.command1Enabled);
  EXPECT_GT(window.pumps, 10);
}

TEST_F(QueryOverHttp, ClosingTheWindowDuringTheWaitAbandonsTheQuery) {
  registrar.Set(Endpoint::SelectionPage, Behaviour{.delay = 2s});
  window.OnPump = [started = std::chrono::steady_clock::now()](MemoryWindow& w) {
    if (std::chrono::steady_clock::now() - started > 100ms) w.gone = true;
  };
  const auto started = std::chrono::steady_clock::now();
  Query(u"free-name.com\r\n");
  EXPECT_LT(std::chrono::steady_clock::now() - started, 1s);
  EXPECT_EQ(window.text2, u"");
  EXPECT_EQ(window.label3, kWaiting);
  EXPECT_EQ(Find("POST", kRemoveTarget), nullptr);
}

TEST_F(QueryOverHttp, AMarkerThatEndsThePageMeansEverythingIsRegistered) {
  registrar.Set(Endpoint::SelectionPage,
                Behaviour{.body = std::string("<html><body><h3>My Selected Domain Names")});
  Query(u"free-name.com\r\n");
  EXPECT_EQ(window.text2, kAllRegistered);
  EXPECT_EQ(window.label3, u".");
  EXPECT_TRUE(window.command1Enabled);
  EXPECT_EQ(Find("POST", kRemoveTarget), nullptr);
}

TEST_F(QueryOverHttp, TheRemovalIsAnsweredBeforeTheRunEndsAndLetsNoMessageRun) {
  registrar.Set(Endpoint::Remove, Behaviour{.delay = 300ms});
  bool pumpedDuringRemoval = false;
  window.OnPump = [&](MemoryWindow&) {
    for (const RecordedRequest& r : registrar.Requests()) {
      pumpedDuringRemoval = pumpedDuringRemoval || r.target == kRemoveTarget;
    }
  };
  Query(u"free-name.com\r\n");
  EXPECT_FALSE(pumpedDuringRemoval);
  EXPECT_EQ(window.label3, u"共输入2个，其中1个可以注册");
  // The registrar had finished the removal's answer, delay included, before the run ended.
  const RecordedRequest* removal = Find("POST", kRemoveTarget);
  ASSERT_NE(removal, nullptr);
  EXPECT_GE(removal->serviceTime, 300ms);
}

TEST_F(QueryOverHttp, TheSelectionGetAndTheRemovalCarryOnlyWhatTheyNeed) {
  Query(u"free-name.com\r\n");
  const auto requests = registrar.Requests();
  ASSERT_EQ(requests.size(), 3u);
  auto names = [](const RecordedRequest& r) {
    std::set<std::string> seen;
    for (const auto& [name, value] : r.headers) seen.insert(name);
    return seen;
  };
  const std::string cookie = requests[1].Cookie(sim::RegistrarSim::kSessionCookie);
  ASSERT_NE(cookie, "");

  // The GET: no body, no type of its own, the registrar's cookie.
  const RecordedRequest& get = requests[1];
  EXPECT_EQ(get.method, "GET");
  EXPECT_EQ(get.target, kSearchPath);
  EXPECT_EQ(get.body, "");
  EXPECT_EQ(names(get),
            (std::set<std::string>{"Accept", "Accept-Encoding", "Cookie", "Host", "User-Agent"}));

  // The removal: the form's type and length, the same cookie.
  const RecordedRequest& removal = requests[2];
  EXPECT_EQ(removal.method, "POST");
  EXPECT_EQ(removal.target, kRemoveTarget);
  EXPECT_EQ(removal.body, "delete_free-name.com=free-name.com");
  EXPECT_EQ(names(removal),
            (std::set<std::string>{"Accept", "Accept-Encoding", "Content-Length", "Content-Type",
                                   "Cookie", "Host", "User-Agent"}));
  EXPECT_EQ(removal.Header("Content-Type"), "application/x-www-form-urlencoded");
  EXPECT_EQ(removal.Header("Content-Length"), std::to_string(removal.body.size()));
  EXPECT_EQ(removal.Cookie(sim::RegistrarSim::kSessionCookie), cookie);
  EXPECT_EQ(removal.Header("User-Agent"), get.Header("User-Agent"));
}
