// A name's delegation at its zone's servers: the DNS message reader, what an answer proves, and
// the check over real UDP and TCP against the simulated name servers, alone and before the
// registries.
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
    auto source = check::OpenRegistrySource(demo.setup, {});
    ASSERT_TRUE(source) << source.error();
    std::vector<check::Answer> answers(names.size());
    source.value()->Check(
        names, [&](std::size_t i, check::Answer answer) { answers[i] = std::move(answer); }, {});
    std::vector<std::string> asked;
    for (const sim::RdapArrival& arrival : demo.rdap->Arrivals()) asked.push_back(arrival.name);
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
