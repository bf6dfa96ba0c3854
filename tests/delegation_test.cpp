// A name's delegation at its zone's servers: the DNS message reader, what an answer proves, and
// the check over real UDP and TCP against the simulated name servers, alone and before the
// registries; and the for-sale sign read at the name's own servers.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "check/OpenRegistries.h"
#include "check/dns/Delegation.h"
#include "check/dns/DnsMessage.h"
#include "check/dns/ForSale.h"
#include "sim/DemoRegistries.h"
#include "sim/RdapSim.h"
#include "sim/ZoneSim.h"

namespace {

using check::DelegationReading;
using check::DnsMessage;
using check::DnsRecord;

std::string U16(unsigned value) {
  return {char(value >> 8), char(value & 0xFF)};
}

// A response's header, saying it holds one question.
std::string Header(unsigned flags, int answers, int authority, int additional) {
  return U16(0x1234) + U16(0x8000 | flags) + U16(1) + U16(answers) + U16(authority) +
         U16(additional);
}

// Five labels of 63 bytes: 320 bytes, more than a name may have.
std::string LongName() {
  std::string name;
  for (int i = 0; i < 5; ++i) name += '\x3F' + std::string(63, 'a');
  return name + '\0' + U16(2) + U16(1);
}

std::optional<DnsMessage> Read(const std::string& bytes) {
  return check::ReadDnsMessage(
      std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

TEST(DnsMessage, ReadsNamesThroughPointersAndRefusesWhatCouldNotEnd) {
  // "ABC.com" NS, a referral: the owner points at the question, the server's tail at "com".
  const std::string question = std::string("\3ABC\3com\0", 9) + U16(2) + U16(1);
  const std::string referral =
      Header(0, 0, 1, 1) + question + std::string("\xC0\x0C", 2) + U16(2) + U16(1) + U16(0) +
      U16(60) + U16(6) + std::string("\3ns1\xC0\x10", 6) + std::string("\xC0\x25", 2) + U16(1) +
      U16(1) + U16(0) + U16(60) + U16(4) + std::string("\xC0\x00\x02\x01", 4);
  const auto read = Read(referral);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->question, "abc.com");
  ASSERT_EQ(read->authority.size(), 1u);
  EXPECT_EQ(read->authority[0].owner, "abc.com");
  EXPECT_EQ(read->authority[0].data, "ns1.com");
  ASSERT_EQ(read->additional.size(), 1u);
  EXPECT_EQ(read->additional[0].owner, "ns1.com");
  EXPECT_EQ(read->additional[0].data, "192.0.2.1");

  const std::string header = Header(0, 0, 0, 0);
  const struct {
    const char* what;
    std::string bytes;
    bool read;
  } cases[] = {
      {"a pointer to itself", header + std::string("\xC0\x0C", 2) + U16(2) + U16(1), false},
      {"a pointer forward", header + std::string("\xC0\x20", 2) + U16(2) + U16(1), false},
      {"a name longer than 255 bytes", header + LongName(), false},
      {"a record cut short", Header(0, 1, 0, 0) + question + std::string("\xC0\x0C\x00", 3), false},
      {"a record cut short, said to be", Header(0x0200, 1, 0, 0) + question + "\xC0", true},
      {"a dot inside a label", header + std::string("\3a.b\3com\0", 9) + U16(2) + U16(1), true},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.bytes).has_value(), c.read) << c.what;
  EXPECT_EQ(Read(cases[5].bytes)->question, "a\\046b.com");

  const std::string query = check::BuildDnsQuery("Example.COM", check::DnsType::Ns, 7, false);
  const auto asked = Read(query);
  ASSERT_TRUE(asked);
  EXPECT_EQ(asked->question, "example.com");
  EXPECT_EQ(asked->questionType, 2);
  EXPECT_EQ(query[2] & 0x01, 0) << "no recursion asked of an authoritative server";
  EXPECT_TRUE(check::BuildDnsQuery("a..com", check::DnsType::Ns, 7, false).empty());
}

TEST(ReadDelegation, OnlyTheNameItselfDelegatedIsProof) {
  const auto ns = [](std::string owner, std::string server) {
    return DnsRecord{std::move(owner), 2, std::move(server), 0};
  };
  // The cn servers asked about abc.com.cn.
  const DnsRecord soa{"cn", 6, "a.dns.cn", 2026120801};
  const DnsRecord glue{"a.dns.com.cn", 1, "192.0.2.7", 0};
  const auto message = [](int rcode, std::vector<DnsRecord> answers,
                          std::vector<DnsRecord> authority, std::vector<DnsRecord> additional) {
    DnsMessage m;
    m.response = true;
    m.rcode = rcode;
    m.answers = std::move(answers);
    m.authority = std::move(authority);
    m.additional = std::move(additional);
    return m;
  };
  using Kind = DelegationReading::Kind;
  const struct {
    const char* what;
    DnsMessage answer;
    Kind kind;
  } cases[] = {
      {"a referral for the name", message(0, {}, {ns("abc.com.cn", "ns1.host.net")}, {}),
       Kind::Delegated},
      {"NS records of the name itself", message(0, {ns("abc.com.cn", "ns1.host.net")}, {}, {}),
       Kind::Delegated},
      {"a referral to a zone between", message(0, {}, {ns("com.cn", "a.dns.com.cn")}, {glue}),
       Kind::Referral},
      {"no such name", message(3, {}, {soa}, {}), Kind::NotProven},
      {"no data", message(0, {}, {soa}, {}), Kind::NotProven},
      {"a referral upward", message(0, {}, {ns("", "a.root-servers.net")}, {}), Kind::NotProven},
      {"a subdomain's NS records", message(0, {ns("www.abc.com.cn", "ns1.host.net")}, {}, {}),
       Kind::NotProven},
      {"another name's referral", message(0, {}, {ns("abd.com.cn", "ns1.host.net")}, {}),
       Kind::NotProven},
      {"a refusal", message(5, {}, {}, {}), Kind::Failed},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(check::ReadDelegation(c.answer, "abc.com.cn", "cn").kind, c.kind) << c.what;
  }
  const DelegationReading referral = check::ReadDelegation(cases[2].answer, "abc.com.cn", "cn");
  EXPECT_EQ(referral.zone, "com.cn");
  EXPECT_EQ(referral.serverNames, std::vector<std::string>{"a.dns.com.cn"});
  ASSERT_EQ(referral.glue.size(), 1u);
  // A delegation names the name's own servers, for what is read at the name later.
  const DelegationReading delegated = check::ReadDelegation(
      message(0, {}, {ns("abc.com.cn", "ns1.host.net"), ns("abc.com.cn", "ns.abc.com.cn")},
              {DnsRecord{"ns.abc.com.cn", 1, "192.0.2.8", 0}, glue}),
      "abc.com.cn", "cn");
  EXPECT_EQ(delegated.serverNames, (std::vector<std::string>{"ns1.host.net", "ns.abc.com.cn"}));
  ASSERT_EQ(delegated.glue.size(), 1u);
  EXPECT_EQ(delegated.glue[0].data, "192.0.2.8");
}

TEST(DnsMessage, ReadsATxtRecordsStringsAsOneTextAndRefusesOneRunningPastItsEnd) {
  const std::string question = std::string("\x09_for-sale\3abc\3com\0", 19) + U16(16) + U16(1);
  const auto txt = [&](std::size_t length, const std::string& data) {
    return Header(0x0400, 1, 0, 0) + question + std::string("\xC0\x0C", 2) + U16(16) + U16(1) +
           U16(0) + U16(60) + U16(unsigned(length)) + data;
  };
  const std::string strings = std::string("\x0Bv=FORSALE1;\x0A", 13) + "fval=USD15" + '\0';
  const auto read = Read(txt(strings.size(), strings));
  ASSERT_TRUE(read);
  ASSERT_EQ(read->answers.size(), 1u);
  EXPECT_EQ(read->answers[0].owner, "_for-sale.abc.com");
  EXPECT_EQ(read->answers[0].data, "v=FORSALE1;fval=USD15");
  EXPECT_FALSE(Read(txt(5, "\x09v=FORS")));  // a string of nine bytes in a record of five
}

// A sign is what the name's own zone says at _for-sale.NAME, under the version tag; its text
// comes out as safe to print and to store, whatever bytes it had.
TEST(ReadForSale, OnlyTaggedRecordsAtTheNameFromItsZoneAreSignsAndTheirBytesAreShownSafely) {
  const auto answer = [](int rcode, bool authoritative, std::vector<DnsRecord> answers) {
    DnsMessage m;
    m.response = true;
    m.rcode = rcode;
    m.authoritative = authoritative;
    m.answers = std::move(answers);
    return m;
  };
  const auto txt = [](std::string data, std::string owner = "_for-sale.abc.com") {
    return DnsRecord{std::move(owner), 16, std::move(data), 0};
  };
  const struct {
    const char* what;
    DnsMessage answer;
    std::vector<std::string> signs;
    std::string failure;
  } cases[] = {
      {"no such name", answer(3, true, {}), {}, ""},
      {"a price and a link",
       answer(0, true, {txt("v=FORSALE1;fval=USD1500"), txt("v=FORSALE1;furi=https://x.example")}),
       {"v=FORSALE1;fval=USD1500", "v=FORSALE1;furi=https://x.example"},
       ""},
      {"no tag, another case, another name, another type",
       answer(0, true,
              {txt("v=spf1 -all"), txt("V=FORSALE1;fval=EUR1"),
               txt("v=FORSALE1;fval=EUR2", "_for-sale.abd.com"),
               DnsRecord{"_for-sale.abc.com", 1, "v=FORSALE1;", 0}}),
       {},
       ""},
      {"bytes that are not UTF-8, a backslash, Chinese, a terminal's escape",
       answer(0, true, {txt("v=FORSALE1;ftxt=\xFF\xC3(\\065 出售\x1B[2J")}),
       {"v=FORSALE1;ftxt=\\255\\195(\\\\065 出售\x1B[2J"},
       ""},
      {"a failure code", answer(2, true, {}), {}, "the name's server answered with code 2"},
      {"a server that does not hold the zone", answer(0, false, {txt("v=FORSALE1;")}), {},
       "the name's server does not hold its zone"},
  };
  for (const auto& c : cases) {
    const check::ForSaleReading reading = check::ReadForSale(c.answer, "abc.com");
    EXPECT_EQ(reading.signs, c.signs) << c.what;
    EXPECT_EQ(reading.failure, c.failure) << c.what;
  }
  // A long record is cut, and a flood of records kept to a few.
  std::vector<DnsRecord> flood(20, txt("v=FORSALE1;ftxt=" + std::string(600, 'x')));
  const check::ForSaleReading flooded = check::ReadForSale(answer(0, true, flood), "abc.com");
  ASSERT_EQ(flooded.signs.size(), check::kMaxForSaleSigns);
  EXPECT_EQ(flooded.signs[0], "v=FORSALE1;ftxt=" + std::string(512 - 16, 'x') + "...");
}

class DelegationTest : public ::testing::Test {
 protected:
  check::DelegationCheck Check(std::chrono::milliseconds tryTime = std::chrono::seconds(2)) {
    check::DelegationSetup setup;
    setup.resolver = rdap_.DnsServer();
    setup.tryTime = tryTime;
    for (const std::string& zone : zones_.Zones()) {
      for (const std::string& server : zones_.Servers(zone)) {
        setup.zoneServers[zone].push_back(*check::ParseDnsServer(server));
        setup.paces.SetRate(server, 1000);
      }
    }
    return check::DelegationCheck(std::move(setup));
  }

  sim::RdapSim rdap_;  // the resolver: it knows no zone's servers
  sim::ZoneSim zones_{{"com", "cn", "com.cn", "net"}};
};

TEST_F(DelegationTest, ProvesDelegatedNamesOnlyAndFollowsReferrals) {
  check::DelegationCheck check = Check();
  std::string why;
  const auto proof = check.Prove("abc.com", {}, &why);
  ASSERT_TRUE(proof) << why;
  EXPECT_EQ(proof->zone, "com");
  // Free, and registered but on hold: neither is in DNS, so neither is proven.
  EXPECT_FALSE(check.Prove("hello.com", {}, &why));
  EXPECT_EQ(why, "the com servers have no such name");
  EXPECT_FALSE(check.Prove("holdtaken.com", {}));

  // The cn servers refer com.cn names; the next com.cn name goes to com.cn's servers at once.
  const auto referred = check.Prove("abc.com.cn", {}, &why);
  ASSERT_TRUE(referred) << why;
  EXPECT_EQ(referred->zone, "com.cn");
  EXPECT_EQ(zones_.QueriesFor("abc.com.cn"), 2u);
  ASSERT_TRUE(check.Prove("xyz.com.cn", {}));
  EXPECT_EQ(zones_.QueriesFor("xyz.com.cn"), 1u);
}

TEST_F(DelegationTest, AnotherServerOrTcpAnswersAndAWildcardProvesNothing) {
  zones_.SetFault("abc.com", {.drop = true, .firstServerOnly = true});
  zones_.SetFault("xyz.com", {.rcode = 2, .firstServerOnly = true});
  zones_.SetFault("tcp.com", {.truncate = true});
  zones_.SetWildcard("net");
  check::DelegationCheck check = Check(std::chrono::milliseconds(300));
  for (const char* name : {"abc.com", "xyz.com", "abc.com", "xyz.com"}) {
    std::string why;
    EXPECT_TRUE(check.Prove(name, {}, &why)) << name << ": " << why;
  }
  std::string viaTcp;
  EXPECT_TRUE(check.Prove("tcp.com", {}, &viaTcp)) << viaTcp;
  EXPECT_EQ(zones_.TcpQueries(), 1u);

  std::string why;
  EXPECT_FALSE(check.Prove("abc.net", {}, &why));
  EXPECT_EQ(why, "the net zone has a wildcard");

  // A TLD the resolver does not know, and one whose servers it cannot name.
  EXPECT_FALSE(check.Prove("abc.nosuchtld", {}, &why));
  EXPECT_EQ(why, "no servers for nosuchtld");
  EXPECT_FALSE(check.Prove("abc.org", {}, &why));
  EXPECT_EQ(why, "no address for the org servers");
}

// A lame or hijacked server refers every name to servers of its own: its referrals prove
// nothing, whichever server the pace sends a name to, while the true server's still do.
TEST_F(DelegationTest, AServerThatDelegatesAMadeUpNameProvesNothing) {
  zones_.SetLame("com");
  check::DelegationCheck check = Check();
  for (const char* name : {"freename1.com", "freename2.com", "freename3.com", "freename4.com"}) {
    std::string why;
    EXPECT_FALSE(check.Prove(name, {}, &why)) << name << " " << why;
    EXPECT_TRUE(why == "the com servers have no such name" ||
                why == "127.0.0.1 delegates made-up names of com too")
        << why;
  }
  int proven = 0;
  for (int i = 0; i < 6; ++i) proven += check.Prove("abc.com", {}).has_value();
  EXPECT_GT(proven, 0);
}

TEST_F(DelegationTest, ServersThatNeverAnswerCostTwoBoundedTries) {
  zones_.SetFault("abc.com", {.drop = true});
  check::DelegationCheck check = Check(std::chrono::milliseconds(200));
  const auto start = std::chrono::steady_clock::now();
  std::string why;
  EXPECT_FALSE(check.Prove("abc.com", {}, &why));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(zones_.QueriesFor("abc.com"), 2u);
  EXPECT_NE(why.find("no answer"), std::string::npos) << why;
}

// The sign is asked of the name's own servers once its delegation is proven: over TCP when
// the answer is cut short, at another server when one is silent, and a failure when none
// answers.
TEST_F(DelegationTest, ReadsTheSignAtTheNamesOwnServers) {
  sim::ZoneSim own{{"host.net"}};
  own.SetTxt("_for-sale.abc.com", {{"v=FORSALE1;", "fval=USD1500"}, {"google-site-verification"}});
  own.SetTxt("_for-sale.xyz.com", {{"v=FORSALE1;ftxt=", std::string(200, 'y')}});
  own.SetFault("_for-sale.xyz.com", {.truncate = true});
  own.SetFault("_for-sale.one.com", {.drop = true, .firstServerOnly = true});
  own.SetTxt("_for-sale.one.com", {{"v=FORSALE1;fcod=NLFS-1"}});
  own.SetFault("_for-sale.silent.com", {.drop = true});
  check::DelegationSetup setup;
  setup.tryTime = std::chrono::milliseconds(300);
  for (const std::string& server : own.Servers("host.net")) {
    setup.ownServers.push_back(*check::ParseDnsServer(server));
    setup.paces.SetRate(server, 1000);
  }
  check::DelegationCheck check(std::move(setup));
  const check::DelegationCheck::Proof proof;
  const auto read = [&](const std::string& name) { return check.ReadForSale(proof, name, {}); };

  EXPECT_EQ(read("abc.com").signs, std::vector<std::string>{"v=FORSALE1;fval=USD1500"});
  EXPECT_EQ(read("xyz.com").signs,
            std::vector<std::string>{"v=FORSALE1;ftxt=" + std::string(200, 'y')});
  EXPECT_EQ(own.TcpQueries(), 1u);
  EXPECT_EQ(read("one.com").signs, std::vector<std::string>{"v=FORSALE1;fcod=NLFS-1"});
  const check::ForSaleReading none = read("nosign.com");
  EXPECT_TRUE(none.signs.empty());
  EXPECT_EQ(none.failure, "");
  const check::ForSaleReading silent = read("silent.com");
  EXPECT_EQ(own.QueriesFor("_for-sale.silent.com"), 2u);
  EXPECT_NE(silent.failure.find("the name's servers did not answer"), std::string::npos)
      << silent.failure;
}

// A stop ends a wait for a server that never answers at once, not at the end of its try.
TEST_F(DelegationTest, AStopEndsTheWaitAtOnce) {
  zones_.SetFault("abc.com", {.drop = true});
  check::DelegationCheck check = Check(std::chrono::seconds(30));
  ASSERT_FALSE(check.Prove("probe.com", {}));  // the zone found, its wildcard probe done
  std::stop_source stop;
  std::thread stopper([&stop] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    stop.request_stop();
  });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(check.Prove("abc.com", stop.get_token()));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  stopper.join();
}

// The registries' source asks a registry only about names the zones do not delegate, unless
// every name's details are wanted.
TEST(DelegationFirst, DelegatedNamesReachNoRegistry) {
  const std::vector<std::u16string> names = {u"abc.com", u"hello.com", u"holdtaken.com",
                                             u"abc.com.cn"};
  for (const bool details : {false, true}) {
    sim::DemoRegistries demo = sim::StartDemoRegistries();
    demo.setup.details = details;
    demo.setup.options.forSale = true;
    auto source = check::OpenRegistrySource(demo.setup, {});
    ASSERT_TRUE(source) << source.error();
    std::vector<check::Answer> answers(names.size());
    source.value()->Check(
        names, [&](std::size_t i, check::Answer answer) { answers[i] = std::move(answer); }, {});
    std::vector<std::string> asked;
    for (const sim::RdapArrival& arrival : demo.rdap->Arrivals()) asked.push_back(arrival.name);
    // The demo's abc.com is for sale; with details too, its delegation leads to its sign.
    EXPECT_EQ(answers[0].forSale,
              (std::vector<std::u16string>{u"v=FORSALE1;fval=USD1500",
                                           u"v=FORSALE1;furi=https://sale.example/abc.com"}));
    EXPECT_TRUE(answers[1].forSale.empty());
    EXPECT_TRUE(answers[3].forSale.empty());
    if (details) {
      EXPECT_EQ(answers[0].source, check::Route::Rdap);
      EXPECT_EQ(answers[0].registrar, u"Simulated Registrar Ltd");
      EXPECT_EQ(asked.size(), 3u);
      continue;
    }
    EXPECT_EQ(answers[0].status, check::Status::Registered);
    EXPECT_EQ(answers[0].source, check::Route::Dns);
    EXPECT_EQ(answers[0].detail, u"delegated by 127.0.0.1, a server of com");
    EXPECT_EQ(answers[1].status, check::Status::Available);
    EXPECT_EQ(answers[2].status, check::Status::Registered);
    EXPECT_EQ(answers[2].source, check::Route::Rdap);
    EXPECT_EQ(answers[3].detail, u"delegated by 127.0.0.1, a server of com.cn");
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, (std::vector<std::string>{"hello.com", "holdtaken.com"}));
  }
}

}  // namespace
