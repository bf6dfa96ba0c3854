// WHOIS: the table's reading of genuine recorded answers, IANA's referrals, each server's pace,
// and the route against the simulated servers over loopback.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>
#include <tuple>

#include "check/Pace.h"
#include "check/RegistrySource.h"
#include "check/whois/WhoisRoute.h"
#include "check/whois/WhoisTable.h"
#include "sim/RdapSim.h"
#include "sim/WhoisSim.h"
#include "web/TcpQuery.h"

namespace {

using namespace std::chrono_literals;
using check::Status;

std::string Recording(const std::string& file) {
  // The build copies tests/data beside the tests' working folder.
  std::ifstream in(std::filesystem::path("data/whois") / file, std::ios::binary);
  EXPECT_TRUE(in) << file;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Every recording, read by the table's entry for the server that gave it. A free name is
// available only in the server's own words; throttles and texts the table does not know are
// unknown, never available.
TEST(WhoisAnswers, EachRecordingReadsAsWhatItSays) {
  struct Case {
    std::string file;  // under tests/data/whois/
    std::string name;  // asked for
    Status status;
    std::string_view reason = "";
    std::u16string registrar = u"";
    std::u16string expires = u"";
  };
  const Case cases[] = {
      {"whois.cnnic.cn/available-u34jedzcq.cn", "u34jedzcq.cn", Status::Available},
      {"whois.cnnic.cn/available-likexian-have-no-money-to-register.cn",
       "likexian-have-no-money-to-register.cn", Status::Available},
      {"whois.cnnic.cn/available-likexian-have-no-money-to-register.xn--fiqs8s",
       "likexian-have-no-money-to-register.xn--fiqs8s", Status::Available},
      {"whois.cnnic.cn/registered-google.cn", "google.cn", Status::Registered, "",
       u"MarkMonitor Inc.", u"2017-03-17 12:48:36"},
      {"whois.cnnic.cn/registered-xn--6qq79v.xn--fiqs8s", "xn--6qq79v.xn--fiqs8s",
       Status::Registered, "", u"厦门易名科技股份有限公司", u"2021-08-08 22:27:10"},
      {"whois.cnnic.cn/reserved.cn", "x.cn", Status::Reserved},
      {"whois.cnnic.cn/reserved-list.cn", "x.cn", Status::Reserved},
      // The same server's answer about another name is not this name's record.
      {"whois.cnnic.cn/registered-google.cn", "gooogle.cn", Status::Unknown, "protocol"},
      {"whois.denic.de/available-u34jedzcq.de", "u34jedzcq.de", Status::Available},
      {"whois.denic.de/available-likexian-have-no-money-to-register.de",
       "likexian-have-no-money-to-register.de", Status::Available},
      {"whois.denic.de/registered-google.de", "google.de", Status::Registered},
      {"whois.denic.de/registered-failed-msens.de", "msens.de", Status::Registered},
      {"whois.denic.de/invalid-googlededewdedewdewde.foo.de", "googlededewdedewdewde.foo.de",
       Status::Unknown, "protocol"},
      {"whois.denic.de/throttled.de", "x.de", Status::Unknown, "rate-limited"},
      {"whois.eu/available-u34jedzcq.eu", "u34jedzcq.eu", Status::Available},
      {"whois.eu/available-likexian-have-no-money-to-register.eu",
       "likexian-have-no-money-to-register.eu", Status::Available},
      {"whois.eu/registered-google.eu", "google.eu", Status::Registered, "", u"MarkMonitor Inc."},
      {"whois.eu/throttled-wholesalegolfshop.eu", "wholesalegolfshop.eu", Status::Unknown,
       "rate-limited"},
      {"whois.jprs.jp/available-u34jedzcq.jp", "u34jedzcq.jp", Status::Available},
      {"whois.jprs.jp/available-likexian-have-no-money-to-register.jp",
       "likexian-have-no-money-to-register.jp", Status::Available},
      {"whois.jprs.jp/registered-google.jp", "google.jp", Status::Registered, "", u"",
       u"2014/05/31"},
      {"whois.jprs.jp/reserved-example.jp", "example.jp", Status::Reserved},
      {"whois.nic.io/available-u34jedzcq.io", "u34jedzcq.io", Status::Available},
      // Its terms mention that queries are throttled; that is not a throttle.
      {"whois.nic.io/available-likexian-have-no-money-to-register.io",
       "likexian-have-no-money-to-register.io", Status::Available},
      {"whois.nic.io/registered-redis.io", "redis.io", Status::Registered, "", u"Name.com LLC",
       u"2020-05-28T22:09:44Z"},
      {"whois.nic.io/reserved.io", "x.io", Status::Reserved},
      {"whois.nic.co/available-u34jedzcq.co", "u34jedzcq.co", Status::Available},
      {"whois.nic.co/available-likexian-have-no-money-to-register.co",
       "likexian-have-no-money-to-register.co", Status::Available},
      {"whois.nic.co/registered-t.co", "t.co", Status::Registered, "", u"CSC CORPORATE DOMAINS",
       u"Mon Apr 25 23:59:59 GMT 2016"},
      {"whois.nic.ch/available-u34jedzcq.ch", "u34jedzcq.ch", Status::Available},
      {"whois.nic.ch/available-likexian-have-no-money-to-register.ch",
       "likexian-have-no-money-to-register.ch", Status::Available},
      {"whois.nic.ch/registered-google.ch", "google.ch", Status::Registered},
      {"whois.nic.ch/registered-tabbed-google.ch", "google.ch", Status::Registered, "",
       u"MarkMonitor"},
      {"whois.iis.se/available-u34jedzcq.se", "u34jedzcq.se", Status::Available},
      {"whois.iis.se/available-likexian-have-no-money-to-register.se",
       "likexian-have-no-money-to-register.se", Status::Available},
      {"whois.iis.se/registered-google.se", "google.se", Status::Registered, "", u"MarkMonitor Inc",
       u"2014-10-20"},
      {"whois.pir.org/available-u34jedzcq.org", "u34jedzcq.org", Status::Available},
      {"whois.pir.org/registered-google.org", "google.org", Status::Registered, "",
       u"MarkMonitor Inc. (R37-LROR)", u"2014-10-20T04:00:00Z"},
      {"whois.pir.org/throttled.org", "x.org", Status::Unknown, "rate-limited"},
      {"whois.nic.uk/available-u34jedzcq.uk", "u34jedzcq.co.uk", Status::Available},
      {"whois.nic.uk/registered-google.uk", "google.co.uk", Status::Registered, "",
       u"Markmonitor Inc. t/a Markmonitor [Tag = MARKMONITOR]", u"14-Feb-2015"},
      {"whois.nic.uk/throttled-google.co.uk", "google.co.uk", Status::Unknown, "rate-limited"},
      {"whois.hkirc.hk/available-u34jedzcq.hk", "u34jedzcq.hk", Status::Available},
      {"whois.hkirc.hk/registered-google.hk", "google.hk", Status::Registered, "",
       u"MARKMONITOR INC.", u"31-03-2014"},
      {"whois.domain-registry.nl/available-likexian-have-no-money-to-register.nl",
       "likexian-have-no-money-to-register.nl", Status::Available},
      {"whois.domain-registry.nl/registered-google.nl", "google.nl", Status::Registered, "",
       u"MarkMonitor Inc."},
      {"whois.verisign-grs.com/available-u34jedzcq.com", "u34jedzcq.com", Status::Available},
      {"whois.verisign-grs.com/registered-google.com", "google.com", Status::Registered, "",
       u"MarkMonitor Inc.", u"2020-09-14T04:00:00Z"},
      {"whois.nic.me/available-u34jedzcq.me", "u34jedzcq.me", Status::Available},
      {"whois.nic.me/registered-google.me", "google.me", Status::Registered, "",
       u"MarkMonitor Inc R45-ME", u"13-Jun-2014 17:17:40 UTC"},
      // International names, recorded as each registry writes them.
      {"whois.denic.de/registered-xn--fw-via.de", "xn--fw-via.de", Status::Registered},
      {"whois.iis.se/registered-xn--fl-fka.se", "xn--fl-fka.se", Status::Registered, "",
       u"Rymdweb AB", u"2023-12-29"},
      {"whois.domain-registry.nl/throttled.nl", "x.nl", Status::Unknown, "rate-limited"},
      {"whois.pir.org/registered-likexian-github.org", "github.org", Status::Registered, "",
       u"ENOM, INC.", u"2020-02-09T02:07:00.00Z"},
      {"whois.nic.me/registered-likexian-google.me", "google.me", Status::Registered, "",
       u"MarkMonitor Inc.", u"2020-06-13T17:17:40Z"},
      {"whois.nic.co/registered-likexian-google.co", "google.co", Status::Registered, "",
       u"MarkMonitor, Inc.", u"2020-02-24T23:59:59Z"},
      // A server's answer read by another server's entry says nothing it recognises.
      {"whois.denic.de/available-u34jedzcq.de", "u34jedzcq.de", Status::Unknown, "protocol"},
  };
  const check::WhoisTable& table = check::WhoisTable::BuiltIn();
  for (const Case& c : cases) {
    const std::string host = c.file.substr(0, c.file.find('/'));
    const bool misread = &c == &cases[std::size(cases) - 1];
    const check::WhoisServer server = table.ServerFor(misread ? "whois.cnnic.cn" : host);
    const check::Answer answer = check::ReadWhoisAnswer(server, c.name, Recording(c.file));
    EXPECT_EQ(answer.status, c.status)
        << c.file << ": " << std::string(check::StatusName(answer.status));
    EXPECT_EQ(answer.reason ? base::KindName(*answer.reason) : "", c.reason) << c.file;
    EXPECT_EQ(answer.registrar, c.registrar) << c.file;
    EXPECT_EQ(answer.expires, c.expires) << c.file;
  }
}

// Names on their way out, as their registries wrote them: the statuses as given, the phase, and
// the earliest release counted from the last change by the published timeline (30 days of
// redemption, then 5 of pending delete), or the registry's own release date where it gives one.
TEST(WhoisAnswers, RecordingsOfLeavingNamesGiveTheirPhaseAndEarliestRelease) {
  struct Case {
    std::string file;
    std::string name;
    std::vector<std::u16string> statuses;
    check::Phase phase;
    std::u16string releases = u"";
  };
  const Case cases[] = {
      {"whois.cira.ca/grace-abbylane.pe.ca",
       "abbylane.pe.ca",
       {u"auto-renew grace"},
       check::Phase::Grace},
      // Updated 2010/12/04: 35 days on.
      {"whois.cira.ca/redemption-glu.ca",
       "glu.ca",
       {u"redemption"},
       check::Phase::Redemption,
       u"2011-01-08"},
      // Updated 2013/07/31: 5 days on.
      {"whois.cira.ca/pending-delete-sagespa.ca",
       "sagespa.ca",
       {u"pending delete"},
       check::Phase::PendingDelete,
       u"2013-08-05"},
      {"whois.nic.it/grace-hotellagioconda.it",
       "hotellagioconda.it",
       {u"GRACE-PERIOD"},
       check::Phase::Grace},
      // Last Update 2011-02-11 15:38:31; both words on one line, redemption the later phase.
      {"whois.nic.it/redemption-concessionari-fiat.it",
       "concessionari-fiat.it",
       {u"pendingDelete / redemptionPeriod"},
       check::Phase::Redemption,
       u"2011-03-18"},
      {"whois.nic.it/pending-delete-cartucceweb.it",
       "cartucceweb.it",
       {u"pendingDelete / pendingDelete"},
       check::Phase::PendingDelete,
       u"2011-07-02"},
      {"whois.nic.it/registered-google.it", "google.it", {u"ok"}, check::Phase::Active},
      // SIDN says when quarantine ends.
      {"whois.domain-registry.nl/redemption-martijn-webdesign.nl",
       "martijn-webdesign.nl",
       {u"in quarantine"},
       check::Phase::Redemption,
       u"2010-10-02"},
      {"whois.verisign-grs.com/registered-google.com",
       "google.com",
       {u"clientDeleteProhibited https://icann.org/epp#clientDeleteProhibited",
        u"clientTransferProhibited https://icann.org/epp#clientTransferProhibited",
        u"clientUpdateProhibited https://icann.org/epp#clientUpdateProhibited",
        u"serverDeleteProhibited https://icann.org/epp#serverDeleteProhibited",
        u"serverTransferProhibited https://icann.org/epp#serverTransferProhibited",
        u"serverUpdateProhibited https://icann.org/epp#serverUpdateProhibited"},
       check::Phase::Active},
  };
  const check::WhoisTable& table = check::WhoisTable::BuiltIn();
  for (const Case& c : cases) {
    const check::WhoisServer server = table.ServerFor(c.file.substr(0, c.file.find('/')));
    const check::Answer answer = check::ReadWhoisAnswer(server, c.name, Recording(c.file));
    EXPECT_EQ(answer.status, Status::Registered) << c.file;
    EXPECT_EQ(answer.statuses, c.statuses) << c.file;
    EXPECT_EQ(answer.phase, c.phase) << c.file;
    EXPECT_EQ(answer.releases, c.releases) << c.file;
  }
  EXPECT_EQ(check::ReadWhoisAnswer(table.ServerFor("whois.nic.it"), "u34jedzcq.it",
                                   Recording("whois.nic.it/available-u34jedzcq.it"))
                .status,
            Status::Available);
}

// A registrant writes some lines of a record. None of them, nor a free text inside a line,
// turns the record of the name asked for into anything but a registration.
TEST(WhoisAnswers, TheRecordOfTheNameWinsOverAnyOtherLine) {
  const auto edited = [](std::string recording, std::string_view line, std::string_view with) {
    const std::size_t at = recording.find(line);
    EXPECT_NE(at, std::string::npos) << line;
    return recording.replace(at, line.size(), with);
  };
  const check::WhoisTable& table = check::WhoisTable::BuiltIn();
  struct Case {
    std::string host, name, answer;
  };
  const Case cases[] = {
      {"whois.pir.org", "google.org",
       edited(Recording("whois.pir.org/registered-google.org"),
              "Registrant Organization:Google Inc.", "Registrant Organization:Page Not Found Ltd")},
      {"whois.pir.org", "google.org",
       edited(Recording("whois.pir.org/registered-google.org"),
              "Registrant Organization:Google Inc.",
              "Registrant Organization:Google Inc.\r\nNOT FOUND\r\nWHOIS LIMIT EXCEEDED - SEE "
              "WWW.PIR.ORG/WHOIS FOR DETAILS")},
      {"whois.nic.io", "redis.io",
       edited(Recording("whois.nic.io/registered-redis.io"),
              "Registrant Organization: ", "Registrant Organization: Reserved by Registry ")},
      {"whois.verisign-grs.com", "google.com",
       edited(Recording("whois.verisign-grs.com/registered-google.com"), ">>> Last update",
              "No match for \"GOOGLE.COM\".\r\n>>> Last update")},
  };
  for (const Case& c : cases) {
    const check::Answer answer = check::ReadWhoisAnswer(table.ServerFor(c.host), c.name, c.answer);
    EXPECT_EQ(answer.status, Status::Registered)
        << c.host << ": " << check::StatusName(answer.status);
  }
  // The texts are whole lines: a line that only holds one says nothing.
  EXPECT_EQ(check::ReadWhoisAnswer(table.ServerFor("whois.pir.org"), "x.org",
                                   "Domain Status: NOT FOUND yet\r\n")
                .reason,
            base::FailureKind::Protocol);
}

TEST(WhoisAnswers, QueriesAndTextsAsTheServersWantThem) {
  const check::WhoisTable& table = check::WhoisTable::BuiltIn();
  EXPECT_EQ(check::WhoisQuery(table.ServerFor("whois.denic.de"), "xn--mnchen-3ya.de"),
            "-T dn,ace xn--mnchen-3ya.de\r\n");
  EXPECT_EQ(check::WhoisQuery(table.ServerFor("whois.jprs.jp"), "abc.jp"), "abc.jp/e\r\n");
  EXPECT_EQ(check::WhoisQuery(table.ServerFor("whois.verisign-grs.com"), "abc.com"),
            "domain abc.com\r\n");
  EXPECT_EQ(check::WhoisQuery(table.ServerFor("whois.unlisted.example"), "abc.test"),
            "abc.test\r\n");
  EXPECT_EQ(table.HostFor("abc.com.cn"), "whois.cnnic.cn");
  EXPECT_EQ(table.HostFor("abc.nosuchtld"), std::nullopt);
  // Line ends, tabs, runs of spaces and typographic apostrophes do not change a match.
  check::WhoisServer server;
  server.available = {u"we don't know {name}"};
  EXPECT_EQ(check::ReadWhoisAnswer(server, "a.test", "We  don\xE2\x80\x99t\r\nknow").status,
            Status::Unknown);
  EXPECT_EQ(
      check::ReadWhoisAnswer(server, "a.test", "  We\tdon\xE2\x80\x99t know  A.TEST\r\n").status,
      Status::Available);
  // Bytes that are not UTF-8 neither match nor break the reading.
  EXPECT_EQ(check::ReadWhoisAnswer(server, "a.test", "\xff\xfe\r\nwe don't know a.test").status,
            Status::Available);
}

TEST(WhoisAnswers, IanaNamesTheServerOfATld) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"% IANA WHOIS server\nrefer:        whois.nic.io\n\ndomain:       IO\n\nwhois:        "
       "whois.nic.io\n",
       "whois.nic.io"},
      {"domain:       TEST\r\nrefer:        Whois.Nic.Test\r\n", "whois.nic.test"},
      {"domain:       X\nwhois:        whois.x.example\n", "whois.x.example"},
      {"% IANA WHOIS server\n% This query returned 0 objects.\n", std::nullopt},
      {"refer: not a host; rm -rf\nrefer:\n", std::nullopt},
      {Recording("whois.iana.org/int-nato.int"), std::nullopt},
      {Recording("whois.iana.org/tld-not-assigned-eh"), std::nullopt},
  };
  for (const auto& [answer, server] : cases) {
    EXPECT_EQ(check::ReadIanaReferral(answer), server) << answer;
  }
}

// How --whois-server and the SOCKS proxy's address are read: a port of 1-65535 in digits only,
// IPv6 in brackets.
TEST(HostPort, ReadsHostAndPortOrRefusesThem) {
  const std::tuple<std::string, std::string, int> good[] = {
      {"whois.cnnic.cn", "whois.cnnic.cn", 43},
      {"whois.cnnic.cn:4343", "whois.cnnic.cn", 4343},
      {"[::1]:4343", "::1", 4343},
      {"[2001:db8::43]", "2001:db8::43", 43},
      {"2001:db8::43", "2001:db8::43", 43},
      {"127.0.0.1:65535", "127.0.0.1", 65535},
  };
  for (const auto& [text, host, port] : good) {
    const auto parsed = web::ParseHostPort(text, 43);
    ASSERT_TRUE(parsed) << text << ": " << parsed.error();
    EXPECT_EQ(parsed.value().host, host) << text;
    EXPECT_EQ(parsed.value().port, port) << text;
  }
  for (const char* bad : {"", ":43", "host:", "host:0", "host:65536", "host:+43", "host:4x", "[::1",
                          "[::1]43", "[::1]:"}) {
    EXPECT_FALSE(web::ParseHostPort(bad, 43)) << bad;
  }
}

// The user's figures: a rate for a host holds on each of its ports unless one is named, and the
// cap on requests in flight holds for every RDAP server, under the server's own figure.
TEST(Pace, TheUsersFiguresHoldByHostOrHostAndPortAndUnderEachServersOwn) {
  check::PaceTable table = check::PaceTable::BuiltIn();
  for (const char* rate : {"127.0.0.1=5/s", "127.0.0.1:8443=2/s", "[::1]:8443=3"}) {
    const auto parsed = check::ParseRate(rate);
    ASSERT_TRUE(parsed) << rate;
    table.SetRate(parsed.value().host, parsed.value().perSecond);
  }
  EXPECT_EQ(table.For("127.0.0.1:9000", check::Protocol::Rdap).perSecond, 5);
  EXPECT_EQ(table.For("127.0.0.1:8443", check::Protocol::Rdap).perSecond, 2);
  EXPECT_EQ(table.For("[::1]:8443", check::Protocol::Rdap).perSecond, 3);
  EXPECT_FALSE(check::ParseRate("[::1=3/s"));
  table.SetRdapInFlight(3);
  EXPECT_EQ(table.For("rdap.example", check::Protocol::Rdap).inFlight, 3u);
  EXPECT_EQ(table.For("rdap.centralnic.com", check::Protocol::Rdap).inFlight, 2u);
  table.SetRdapInFlight(1);
  EXPECT_EQ(table.For("rdap.centralnic.com", check::Protocol::Rdap).inFlight, 1u);
}

TEST(Pace, KeepsTheRateHalvesItOnARefusalAndRegainsIt) {
  check::Pace pace({1, 2, 1});  // one in flight, two a second, no burst
  const auto t0 = check::Steady::now();
  EXPECT_EQ(pace.NextStart(t0), t0);
  pace.Started(t0);
  EXPECT_EQ(pace.NextStart(t0), check::Steady::time_point::max());  // one in flight
  pace.Answered(t0);
  EXPECT_EQ(pace.NextStart(t0), t0 + 500ms);
  pace.Started(t0 + 500ms);
  pace.Refused(t0 + 500ms, t0 + 3s);
  EXPECT_TRUE(pace.Paused(t0 + 2s));
  EXPECT_EQ(pace.NextStart(t0 + 2s), t0 + 3s);
  EXPECT_DOUBLE_EQ(pace.PerSecond(), 1);
  EXPECT_EQ(pace.NextStart(t0 + 3s), t0 + 4s);  // a token at the new rate
  for (int i = 0; i < 10; ++i) {
    pace.Started(t0 + 10s);
    pace.Answered(t0 + 10s);
  }
  EXPECT_DOUBLE_EQ(pace.PerSecond(), 1.2);

  check::PaceTable table = check::PaceTable::BuiltIn();
  EXPECT_EQ(table.For("whois.hkirc.hk", check::Protocol::Whois).perSecond, 0.1);
  EXPECT_EQ(table.For("rdap.example", check::Protocol::Rdap).inFlight, 4u);
  EXPECT_EQ(table.For("whois.example", check::Protocol::Whois).perSecond, 1);
  table.SetRate("WHOIS.example", 5);
  EXPECT_EQ(table.For("whois.example", check::Protocol::Whois).perSecond, 5);
}

// The route against the simulated servers: what each server receives, and what the program
// makes of every way a server can fail.
class WhoisRouteTest : public ::testing::Test {
 protected:
  WhoisRouteTest() {
    cache_ = std::filesystem::path(::testing::TempDir()) /
             ("brelka-whois-" + std::to_string(std::random_device{}()) + ".tsv");
  }
  ~WhoisRouteTest() override { std::filesystem::remove(cache_); }

  check::WhoisSettings Settings() {
    check::WhoisSettings settings;
    settings.iana = web::ParseHostPort(whois.IanaAddress(), 0).value();
    for (const auto& [host, suffixes] : sim::WhoisSim::kServers) {
      settings.connectTo[host] = web::ParseHostPort(whois.Address(host), 0).value();
    }
    settings.cacheFile = cache_;
    settings.limits.connect = 2s;
    settings.limits.whole = 2s;
    return settings;
  }

  std::vector<check::Answer> Check(std::shared_ptr<check::WhoisRoute> route,
                                   const std::vector<std::u16string>& names,
                                   check::RegistryOptions options = {}) {
    check::RegistrySource source({}, web::OpenHttpClient({}),
                                 check::OpenNsResolver(dns.DnsServer()), std::move(route),
                                 std::move(options));
    std::vector<check::Answer> answers(names.size(), check::WithStatus(Status::Unknown, u"none"));
    source.Check(names, [&](std::size_t i, check::Answer a) { answers.at(i) = std::move(a); }, {});
    return answers;
  }

  sim::WhoisSim whois;
  sim::RdapSim dns;  // for its DNS responder
  std::filesystem::path cache_;
};

TEST_F(WhoisRouteTest, EachServerGetsItsOwnQueryAndIanaIsAskedOncePerTld) {
  auto route = std::make_shared<check::WhoisRoute>(Settings());
  const auto answers = Check(route, {u"münchen.de", u"abc.jp", u"中文域名.中国", u"abc.cn",
                                     u"free.com.cn", u"free.nosuchtld"});
  const Status expected[] = {Status::Available,  Status::Registered, Status::Available,
                             Status::Registered, Status::Available,  Status::Unknown};
  for (std::size_t i = 0; i < answers.size(); ++i) {
    EXPECT_EQ(answers[i].status, expected[i]) << i;
    EXPECT_EQ(answers[i].source, i < 5 ? check::Route::Whois : check::Route::Dns) << i;
  }
  EXPECT_EQ(whois.Queries("whois.denic.de"),
            std::vector<std::string>{"-T dn,ace xn--mnchen-3ya.de"});
  EXPECT_EQ(whois.Queries("whois.jprs.jp"), std::vector<std::string>{"abc.jp/e"});
  EXPECT_EQ(whois.Queries("whois.cnnic.cn"),
            (std::vector<std::string>{"xn--fiq06l2rdsvs.xn--fiqs8s", "abc.cn", "free.com.cn"}));
  EXPECT_EQ(whois.Queries("whois.iana.org"),
            (std::vector<std::string>{"de", "jp", "xn--fiqs8s", "cn", "nosuchtld"}));

  // The referrals are kept: a later run asks IANA nothing, and a server the user names for a
  // suffix is asked without IANA.
  check::WhoisSettings settings = Settings();
  settings.servers["eu"] = web::ParseHostPort(whois.Address("whois.eu"), 0).value();
  const auto again =
      Check(std::make_shared<check::WhoisRoute>(settings), {u"abc.de", u"free.cn", u"abc.eu"});
  EXPECT_EQ(again[0].status, Status::Registered);
  EXPECT_EQ(again[1].status, Status::Available);
  EXPECT_EQ(again[2].status, Status::Registered);
  EXPECT_EQ(again[2].registrar, u"Simulated Registrar Ltd");  // read as whois.eu's answers
  EXPECT_EQ(whois.Queries("whois.iana.org").size(), 5u);
}

// A suffix run apart from its TLD is asked of its own server, never of the TLD's; one with no
// known service is asked of none.
TEST_F(WhoisRouteTest, ASuffixRunApartFromItsTldIsAskedOfItsOwnServer) {
  check::WhoisSettings settings = Settings();
  // CentralNic's server stands in for uk.com here as another simulated server.
  settings.connectTo["whois.centralnic.net"] = settings.connectTo.at("whois.eu");
  const auto answers =
      Check(std::make_shared<check::WhoisRoute>(settings), {u"hotel.uk.com", u"ward.nhs.uk"});
  EXPECT_EQ(answers[0].source, check::Route::Whois);
  EXPECT_EQ(whois.Queries("whois.eu"), std::vector<std::string>{"hotel.uk.com"});
  EXPECT_EQ(answers[1].status, Status::Unknown);
  EXPECT_EQ(answers[1].detail, u"no registry service known for nhs.uk");
  EXPECT_TRUE(whois.Queries("whois.iana.org").empty());
}

TEST_F(WhoisRouteTest, AServerThatFailsGivesUnknownWithItsReason) {
  whois.SetFault("closed.cn", {.close = true});
  whois.SetFault("silent.cn", {.silent = true});
  whois.SetFault("garbled.cn", {.text = std::string("\x01\xff<html>busy</html>")});
  whois.SetFault("huge.cn", {.text = std::string(300 * 1024, 'x')});
  auto route = std::make_shared<check::WhoisRoute>(Settings());
  const auto answers =
      Check(route, {u"closed.cn", u"silent.cn", u"garbled.cn", u"huge.cn", u"free.cn"});
  const std::string_view reasons[] = {"connect", "timeout", "protocol", "too-large", ""};
  for (std::size_t i = 0; i < answers.size(); ++i) {
    EXPECT_EQ(answers[i].status, i < 4 ? Status::Unknown : Status::Available) << i;
    EXPECT_EQ(answers[i].reason ? base::KindName(*answers[i].reason) : "", reasons[i]) << i;
  }
  EXPECT_EQ(answers[0].detail,
            u"whois.cnnic.cn: the server closed the connection without an answer");
  EXPECT_EQ(answers[1].detail, u"whois.cnnic.cn: no whole answer within 2 s");
  EXPECT_EQ(answers[2].detail, u"whois.cnnic.cn gave an answer Brelka does not recognise");
}

// A record cut off by a reset may lack the very lines that make it one. (Wine closes a socket
// gracefully even with a zero linger, so its simulator cannot cut an answer that way.)
#ifndef _WIN32
TEST_F(WhoisRouteTest, AnAnswerCutOffByAResetIsAFailure) {
  whois.SetFault("abc.cn", {.reset = true});
  const auto answers = Check(std::make_shared<check::WhoisRoute>(Settings()), {u"abc.cn"});
  EXPECT_EQ(answers[0].status, Status::Unknown);
  EXPECT_EQ(answers[0].reason, base::FailureKind::Connect);
}
#endif

TEST_F(WhoisRouteTest, IanaOutOfReachLeavesTheBuiltInTableWithAWarning) {
  check::WhoisSettings settings = Settings();
  settings.iana = {"127.0.0.1", 9};  // nothing listens there
  std::vector<std::string> warnings;
  check::RegistryOptions options;
  options.warn = [&warnings](const std::string& warning) { warnings.push_back(warning); };
  const auto answers =
      Check(std::make_shared<check::WhoisRoute>(settings), {u"free.eu", u"abc.eu"}, options);
  EXPECT_EQ(answers[0].status, Status::Available);
  EXPECT_EQ(answers[1].status, Status::Registered);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_TRUE(warnings[0].starts_with("127.0.0.1 cannot be reached (")) << warnings[0];
}

// A referral older than 30 days is asked again; when IANA cannot answer, the old one serves,
// with a warning.
// A suffix's WHOIS server is looked up beside the run: a registry's names are answered while
// whois.iana.org still holds the question (here it never answers; the limit is 2 s).
TEST_F(WhoisRouteTest, ARegistrysNamesGoOnWhileAWhoisServerIsLookedUp) {
  whois.SetFault("iana:eu", {.silent = true});
  auto bootstrap = check::Bootstrap::Parse(dns.BootstrapJson());
  ASSERT_TRUE(bootstrap);
  check::RegistrySource source(std::move(bootstrap.value()), web::OpenHttpClient({}),
                               check::OpenNsResolver(dns.DnsServer()),
                               std::make_shared<check::WhoisRoute>(Settings()));
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::chrono::steady_clock::duration> after(2);
  std::vector<check::Answer> answers(2);
  const std::vector<std::u16string> names = {u"abc.eu", u"hello.com"};
  source.Check(names,
               [&](std::size_t i, check::Answer a) {
                 after.at(i) = std::chrono::steady_clock::now() - start;
                 answers.at(i) = std::move(a);
               },
               {});
  EXPECT_EQ(answers[1].status, Status::Available);
  EXPECT_LT(after[1], 1s);
  // With no word from IANA, the built-in table's server answers for .eu.
  EXPECT_EQ(answers[0].status, Status::Registered);
  EXPECT_GE(after[0], 2s);
}

// Whatever a caller built, a question that is not one line of ASCII never leaves the machine.
TEST_F(WhoisRouteTest, AQueryThatIsNotOneLineOfAsciiIsRefusedBeforeSending) {
  const web::HostPort server = web::ParseHostPort(whois.Address("whois.cnnic.cn"), 0).value();
  for (const std::string& query :
       {std::string("abc.cn\r\nfree.cn\r\n"), std::string("abc.cn"), std::string("ab\0c.cn\r\n", 9),
        std::string("\xe4\xb8\xad.cn\r\n")}) {
    const auto answer = web::AskOverTcp(server.host, server.port, query);
    ASSERT_FALSE(answer);
    EXPECT_EQ(answer.failure().kind, base::FailureKind::Request);
  }
  EXPECT_TRUE(whois.Queries("whois.cnnic.cn").empty());
}

// A referral is kept for a month, so only IANA's record of the TLD is kept, and a kept one is
// checked as a fresh one would be. A window's next run asks again where IANA gave nothing.
TEST_F(WhoisRouteTest, OnlyIanasRecordOfATldIsKeptAndReadBackWithTheSameChecks) {
  const auto now = std::chrono::duration_cast<std::chrono::seconds>(
                       std::chrono::system_clock::now().time_since_epoch())
                       .count();
  std::ofstream(cache_) << "eu\tnot a host!\t" << now - 86400 << "\n"
                        << "cn\twhois.cnnic.cn\t" << now + 86400 * 365 << "\n";
  whois.SetFault("iana:jp", {.text = std::string("% This query returned 0 objects.\n")});
  auto route = std::make_shared<check::WhoisRoute>(Settings());
  for (int run = 0; run < 2; ++run) {
    const auto answers = Check(route, {u"abc.eu", u"abc.cn", u"abc.jp"});
    for (const check::Answer& answer : answers) EXPECT_EQ(answer.status, Status::Registered);
  }
  // eu and cn once each (then from the cache), jp on each run; the built-in table served it.
  EXPECT_EQ(whois.Queries("whois.iana.org"), (std::vector<std::string>{"eu", "cn", "jp", "jp"}));
  std::ifstream in(cache_);
  std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(kept.find("eu\twhois.eu\t"), std::string::npos) << kept;
  EXPECT_NE(kept.find("cn\twhois.cnnic.cn\t"), std::string::npos) << kept;
  EXPECT_EQ(kept.find("jp\t"), std::string::npos) << kept;
}

TEST_F(WhoisRouteTest, AStaleReferralServesWithAWarningWhenIanaIsOutOfReach) {
  const auto asked = std::chrono::duration_cast<std::chrono::seconds>(
      (std::chrono::system_clock::now() - std::chrono::hours(24 * 40)).time_since_epoch());
  std::ofstream(cache_) << "eu\twhois.eu\t" << asked.count() << "\n"
                        << "garbage line\n";
  check::WhoisSettings settings = Settings();
  settings.iana = {"127.0.0.1", 9};
  std::vector<std::string> warnings;
  check::RegistryOptions options;
  options.warn = [&warnings](const std::string& warning) { warnings.push_back(warning); };
  const auto answers = Check(std::make_shared<check::WhoisRoute>(settings), {u"abc.eu"}, options);
  EXPECT_EQ(answers[0].status, Status::Registered);
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_EQ(warnings[1],
            "the WHOIS server for .eu was learnt more than 30 days ago and could not "
            "be checked");
}

// A stop while a server keeps silent ends the run at once, and the name is left out rather than
// guessed.
TEST_F(WhoisRouteTest, AStopDuringASilentServerEndsTheRunWithoutGuessing) {
  whois.SetFault("silent.cn", {.silent = true});
  check::WhoisSettings settings = Settings();
  settings.limits.whole = 20s;
  check::RegistrySource source({}, web::OpenHttpClient({}), check::OpenNsResolver(dns.DnsServer()),
                               std::make_shared<check::WhoisRoute>(settings));
  std::stop_source stop;
  std::thread stopper([&stop] {
    std::this_thread::sleep_for(500ms);
    stop.request_stop();
  });
  std::vector<std::size_t> reported;
  const auto started = std::chrono::steady_clock::now();
  const std::vector<std::u16string> names = {u"silent.cn"};
  source.Check(
      names, [&](std::size_t i, check::Answer) { reported.push_back(i); }, stop.get_token());
  const auto took = std::chrono::steady_clock::now() - started;
  stopper.join();
  EXPECT_TRUE(reported.empty());
  EXPECT_LT(took, 5s);
}

// A server that throttles a client asking more often than every 300 ms: the pace slows down
// after each refusal and every name is answered by the registry's own word.
TEST_F(WhoisRouteTest, AThrottledServerIsPausedAndAskedAgain) {
  whois.SetMinimumInterval("whois.cnnic.cn", 300ms);
  check::RegistryOptions options;
  options.paces.SetRate("whois.cnnic.cn", 20);
  std::vector<std::u16string> names;
  for (int i = 0; i < 8; ++i) names.push_back(u"free" + std::u16string(1, u'a' + i) + u".cn");
  const auto answers = Check(std::make_shared<check::WhoisRoute>(Settings()), names, options);
  for (const auto& answer : answers) EXPECT_EQ(answer.status, Status::Available);
  EXPECT_GE(whois.Throttled("whois.cnnic.cn"), 1u);
}

}  // namespace
