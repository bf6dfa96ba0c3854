// A whole run of the start button on an in-memory window and a session that answers from memory:
// the checks, the busy state, what is sent, and how each kind of ending leaves the window.
#include <gtest/gtest.h>

#include <string>

#include "FakeHttpSession.h"
#include "MemoryWindow.h"
#include "WindowLiterals.h"
#include "query/BulkQuery.h"

using query::BulkQuery;
using query::MemoryWindow;
using testing_support::FakeExchange;
using testing_support::FakeHttpSession;
using testing_support::kAllRegistered;
using testing_support::kQueryFailed;
using testing_support::kWaiting;

namespace {

const std::u16string kBase = u"http://registrar.test";

std::string SelectionPage(const std::string& rows) {
  return "<html>My Selected Domain Names<table>" + rows + "</table> x' id='late.com'</html>";
}

struct QueryRun {
  MemoryWindow window;
  FakeHttpSession session;

  explicit QueryRun(std::u16string input) {
    window.text1 = std::move(input);
    window.text2 = u"old result";
    window.label3 = u"slogan";
    window.LastNameIndex = 7;
    window.LastHitIndex = 7;
  }
  void Click() { BulkQuery(window, session, kBase).Command1_Click(); }
  const FakeExchange* Find(std::u16string_view method, std::u16string_view path) const {
    for (const FakeExchange& e : session.sent) {
      if (e.method == method && e.url == kBase + std::u16string(path)) return &e;
    }
    return nullptr;
  }
};

std::u16string Lines(int count, std::u16string_view trailer) {
  std::u16string text;
  for (int i = 0; i < count; ++i) {
    text += u"name" + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) + u".com";
    if (i + 1 < count) text += u"\r\n";
  }
  return text + std::u16string(trailer);
}

}  // namespace

TEST(StartButton, InputWithoutLineBreakIsRefusedAndNothingChanges) {
  QueryRun run(u"one.com");
  run.Click();
  EXPECT_EQ(run.window.messages, std::vector<std::u16string>{u"查询必须大于2个,小于500个!"});
  EXPECT_EQ(run.window.text2, u"old result");
  EXPECT_EQ(run.window.label3, u"slogan");
  EXPECT_EQ(run.window.LastNameIndex, 7);
  EXPECT_TRUE(run.session.sent.empty());
}

TEST(StartButton, FormatTestRefusesShortOrDotlessInputAfterTurningBusy) {
  for (std::u16string input : {u"a.\r\n", u"abcde\r\nfgh", u"\r\n\r\n\r\n"}) {
    QueryRun run(input);
    run.Click();
    EXPECT_EQ(run.window.messages, std::vector<std::u16string>{u"域名格式错误"});
    EXPECT_TRUE(run.window.command1Enabled);
    EXPECT_EQ(run.window.text1, input);
    EXPECT_EQ(run.window.text2, u"");
    EXPECT_EQ(run.window.label3, u".");
    EXPECT_EQ(run.window.LastNameIndex, 0);
    EXPECT_EQ(run.window.LastHitIndex, 0);
    EXPECT_TRUE(run.session.sent.empty());
  }
}

TEST(StartButton, FiveCharactersWithADotAndALineBreakPass) {
  QueryRun run(u"ab.\r\n");
  run.Click();
  EXPECT_TRUE(run.window.messages.empty());
  EXPECT_NE(run.Find(u"POST", u"/domains/searchbulk.aspx"), nullptr);
}

TEST(StartButton, CleansTheInputBoxStepByStepAndSendsTheExactBody) {
  QueryRun run(u"http://www.My Name.com\r\n\r\n\r\nother.net");
  run.Click();
  EXPECT_EQ(run.window.text1, u"MyName.com\r\n\r\nother.net");
  EXPECT_EQ(run.window.text1Writes, 4);
  const FakeExchange* post = run.Find(u"POST", u"/domains/searchbulk.aspx");
  ASSERT_NE(post, nullptr);
  EXPECT_FALSE(post->async);
  EXPECT_EQ(post->body, u"domainNames=MyName.com,,other.net&extrnl=1&dotTypes=");
  using Header = std::pair<std::u16string, std::u16string>;
  const std::vector<Header> headers{{u"Content-Type", u"application/x-www-form-urlencoded"}};
  EXPECT_EQ(post->headers, headers);
  EXPECT_EQ(run.window.LastNameIndex, 2);
}

TEST(StartButton, AllowsFourHundredNinetyOneElementsButNoMore) {
  QueryRun accepted(Lines(490, u"\r\n"));
  accepted.Click();
  EXPECT_TRUE(accepted.window.messages.empty());
  EXPECT_EQ(accepted.window.LastNameIndex, 490);
  EXPECT_NE(accepted.Find(u"POST", u"/domains/searchbulk.aspx"), nullptr);

  QueryRun refused(Lines(491, u"\r\n"));
  refused.window.text1 = u"x y" + refused.window.text1;
  refused.Click();
  EXPECT_EQ(refused.window.messages, std::vector<std::u16string>{u"数量不能大于490个"});
  EXPECT_EQ(refused.window.LastNameIndex, 490);
  EXPECT_EQ(refused.window.label3, u".");
  EXPECT_EQ(refused.window.text2, u"");
  EXPECT_TRUE(refused.window.command1Enabled);
  EXPECT_EQ(refused.window.text1.substr(0, 3), u"xyn");
  EXPECT_TRUE(refused.session.sent.empty());
}

TEST(StartButton, HarvestsReleasesAndSummarises) {
  QueryRun run(u"Free-One.com\r\nfree-two.net\r\ntaken.org");
  run.session.page = SelectionPage(
      "<tr x' id='FREE-ONE.COM' price='9.99'/><tr x' id='FREE-TWO.NET' price='1.00'/>");
  run.session.readsBeforeComplete = 3;
  run.Click();
  EXPECT_EQ(run.window.text2, u"free-one.com\r\nfree-two.net\r\n");
  EXPECT_EQ(run.window.label3, u"共输入3个，其中2个可以注册");
  EXPECT_TRUE(run.window.command1Enabled);
  EXPECT_GE(run.window.pumps, 3);
  const FakeExchange* get = run.Find(u"GET", u"/domains/searchbulk.aspx");
  ASSERT_NE(get, nullptr);
  EXPECT_TRUE(get->async);
  const FakeExchange* removal = run.Find(
      u"POST", u"/domains/actions/json/removedomainsfrompending.aspx?TargetDivID=xRemoveAll=true");
  ASSERT_NE(removal, nullptr);
  EXPECT_EQ(removal->body,
            u"delete_free-one.com=free-one.com&delete_free-two.net=free-two.net");
  EXPECT_EQ(run.session.sent.size(), 3u);
}

// A selection that yields no name to release ends the query after the harvest: no removal is
// sent, no summary written, and the button is usable again. With no names at all, everything
// was registered; a short harvest, or one of empty names, is shown as it came.
TEST(StartButton, HarvestsWithNothingToReleaseSendNoRemoval) {
  struct Case {
    const char* what;
    std::string rows;
    std::u16string text2;
  };
  const Case cases[] = {
      {"no names", "", std::u16string(kAllRegistered)},
      {"a short harvest", "<tr x' id='a.b' 1.0/>", u"a.b\r\n"},
      {"empty names", "<tr x' id='' 1.0/><tr x' id='' 2.0/><tr x' id='' 3.0/>", u"\r\n\r\n\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QueryRun run(u"abc.de\r\n");
    run.session.page = SelectionPage(c.rows);
    run.Click();
    EXPECT_EQ(run.window.text2, c.text2);
    EXPECT_EQ(run.window.label3, u".");
    EXPECT_EQ(run.session.sent.size(), 2u);
    EXPECT_TRUE(run.window.command1Enabled);
    if (c.rows.empty()) {
      EXPECT_EQ(run.window.LastHitIndex, 0);
    }
  }
}

TEST(StartButton, RunThatGotNoAnswerSaysSoInsteadOfClaimingAllRegistered) {
  struct Case {
    const char* what;
    void (*arrange)(FakeHttpSession&);
  };
  const Case cases[] = {
      {"submission failed", [](FakeHttpSession& s) {
         s.page = SelectionPage("");
         s.onSend = [](const FakeExchange& e) -> base::Status {
           if (e.method == u"POST") return base::Failure{"connection refused"};
           return base::Ok();
         };
       }},
      {"nothing reachable", [](FakeHttpSession& s) {
         s.onSend = [](const FakeExchange&) -> base::Status { return base::Failure{"refused"}; };
       }},
      {"page without the marker", [](FakeHttpSession& s) { s.page = "<html>busy</html>"; }},
      {"empty page", [](FakeHttpSession& s) { s.page = ""; }},
      {"no request object", [](FakeHttpSession& s) { s.refuseCreate = true; }},
  };
  for (const Case& c : cases) {
    QueryRun run(u"free.com\r\n");
    c.arrange(run.session);
    run.Click();
    EXPECT_EQ(run.window.text2, u"") << c.what;
    EXPECT_EQ(run.window.label3, kQueryFailed) << c.what;
    EXPECT_TRUE(run.window.command1Enabled) << c.what;
    EXPECT_TRUE(run.window.messages.empty()) << c.what;
  }
}

// A failed submission or removal does not undo the harvest: the names and the summary stand.
TEST(StartButton, NamesHarvestedDespiteAFailedSubmissionOrRemovalAreShown) {
  struct Case {
    const char* what;
    std::u16string input;
    std::u16string failingUrl;
    std::u16string failingMethod;
  };
  const Case cases[] = {
      {"submission", u"free.com\r\n", u"searchbulk.aspx", u"POST"},
      {"removal", u"free.com\r\nfree.net", u"removedomains", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QueryRun run(c.input);
    run.session.page = SelectionPage("<tr x' id='FREE.COM' 1.0/>");
    run.session.onSend = [&c](const FakeExchange& e) -> base::Status {
      const bool failing = e.url.find(c.failingUrl) != std::u16string::npos &&
                           (c.failingMethod.empty() || e.method == c.failingMethod);
      return failing ? base::Status(base::Failure{"refused"}) : base::Ok();
    };
    run.Click();
    EXPECT_EQ(run.window.text2, u"free.com\r\n");
    EXPECT_EQ(run.window.label3, u"共输入2个，其中1个可以注册");
  }
}

TEST(StartButton, TooManyEntriesOnThePageFailTheRunWithoutTouchingTheCounters) {
  QueryRun run(u"free.com\r\n");
  std::string rows;
  for (int i = 0; i < 40000; ++i) rows += "x' id='n.com' ";
  run.session.page = SelectionPage(rows);
  run.Click();
  EXPECT_EQ(run.window.text2, u"");
  EXPECT_EQ(run.window.label3, kQueryFailed);
  EXPECT_EQ(run.window.LastHitIndex, 0);
  EXPECT_TRUE(run.window.command1Enabled);
}

TEST(StartButton, WindowClosedDuringTheWaitEndsTheRunWithoutFurtherWork) {
  QueryRun run(u"free.com\r\n");
  run.session.page = SelectionPage("<tr x' id='FREE.COM' 1.0/>");
  run.session.readsBeforeComplete = 1000;
  run.window.OnPump = [](MemoryWindow& w) {
    if (w.pumps == 5) w.gone = true;
  };
  run.Click();
  EXPECT_EQ(run.window.pumps, 5);
  EXPECT_EQ(run.window.text2, u"");
  EXPECT_EQ(run.window.label3, kWaiting);
  EXPECT_EQ(run.session.sent.size(), 2u);
}

TEST(StartButton, OtherHandlersMayRunDuringTheWait) {
  QueryRun run(u"free.com\r\n");
  run.session.page = SelectionPage("");
  run.session.readsBeforeComplete = 2;
  run.window.OnPump = [](MemoryWindow& w) {
    EXPECT_FALSE(w.command1Enabled);
    w.text1 = u"";
  };
  run.Click();
  EXPECT_EQ(run.window.text1, u"");
  EXPECT_EQ(run.window.text2, kAllRegistered);
}

TEST(StartButton, AMarkerThatEndsThePageMeansEverythingIsRegistered) {
  QueryRun run(u"taken.com\r\n");
  run.session.page = "<html><body>My Selected Domain Names";
  run.Click();
  EXPECT_EQ(run.window.text2, kAllRegistered);
  EXPECT_EQ(run.window.label3, u".");
  EXPECT_EQ(run.window.LastHitIndex, 0);
  EXPECT_TRUE(run.window.command1Enabled);
  EXPECT_EQ(run.session.sent.size(), 2u);
}

TEST(StartButton, ReleasesFromSixCharactersInTheResultBoxNotFromFive) {
  struct Case {
    const char* entry;
    std::u16string_view text2;
    bool released;
  };
  const Case cases[] = {
      {"<tr x' id='A.B' 1.0/>", u"a.b\r\n", false},
      {"<tr x' id='AB.C' 1.0/>", u"ab.c\r\n", true},
  };
  for (const Case& c : cases) {
    QueryRun run(u"free.com\r\n");
    run.session.page = SelectionPage(c.entry);
    run.Click();
    EXPECT_EQ(run.window.text2, c.text2);
    const FakeExchange* removal = run.Find(
        u"POST",
        u"/domains/actions/json/removedomainsfrompending.aspx?TargetDivID=xRemoveAll=true");
    EXPECT_EQ(removal != nullptr, c.released) << c.entry;
    EXPECT_EQ(run.window.label3, c.released ? u"共输入2个，其中1个可以注册" : u".") << c.entry;
  }
}

TEST(StartButton, TheRemovalIsSentSynchronouslyAfterTheHarvest) {
  QueryRun run(u"free.com\r\n");
  run.session.page = SelectionPage("<tr x' id='FREE.COM' 1.0/>");
  run.session.readsBeforeComplete = 2;
  // What the window showed, and how often it had let messages run, when the removal went out.
  int pumpsAtRemoval = -1;
  std::u16string statusAtRemoval;
  run.session.onSend = [&](const FakeExchange& e) -> base::Status {
    if (e.url.find(u"removedomains") != std::u16string::npos) {
      pumpsAtRemoval = run.window.pumps;
      statusAtRemoval = run.window.label3;
    }
    return base::Ok();
  };
  run.Click();
  // No message ran from the removal on, and the summary came after it.
  EXPECT_GE(pumpsAtRemoval, 2);
  EXPECT_EQ(run.window.pumps, pumpsAtRemoval);
  EXPECT_EQ(statusAtRemoval, kWaiting);
  EXPECT_EQ(run.window.label3, u"共输入2个，其中1个可以注册");
  ASSERT_EQ(run.session.sent.size(), 3u);
  EXPECT_EQ(run.session.sent[1].method, u"GET");
  EXPECT_TRUE(run.session.sent[1].async);
  const FakeExchange& removal = run.session.sent[2];
  EXPECT_EQ(removal.method, u"POST");
  EXPECT_EQ(removal.url, kBase +
                             u"/domains/actions/json/removedomainsfrompending.aspx"
                             u"?TargetDivID=xRemoveAll=true");
  EXPECT_FALSE(removal.async);
  using Header = std::pair<std::u16string, std::u16string>;
  const std::vector<Header> headers{{u"Content-Type", u"application/x-www-form-urlencoded"}};
  EXPECT_EQ(removal.headers, headers);
  EXPECT_TRUE(run.session.sent[1].headers.empty());
}

// The box shows the same text whether or not it is given it again; only a changing step writes.
TEST(StartButton, GivesTheInputBoxItsTextOnlyWhenACleaningStepChangesIt) {
  QueryRun clean(Lines(600, u"\r\n"));
  clean.Click();
  EXPECT_EQ(clean.window.messages, std::vector<std::u16string>{u"数量不能大于490个"});
  EXPECT_EQ(clean.window.text1Writes, 0);
  EXPECT_EQ(clean.window.text1, Lines(600, u"\r\n"));

  QueryRun prefixed(u"www.abc.com\r\nwww.def.net\r\n");
  prefixed.Click();
  EXPECT_EQ(prefixed.window.text1Writes, 1);
  EXPECT_EQ(prefixed.window.text1, u"abc.com\r\ndef.net\r\n");
}
