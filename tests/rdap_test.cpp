// The RDAP source's parts, and the source itself against the simulated registries and DNS
// responder over loopback.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "base/Text.h"
#include "check/Lifecycle.h"
#include "check/RegistrySource.h"
#include "check/RetryAfter.h"
#include "check/dns/DnsServer.h"
#include "check/rdap/Bootstrap.h"
#include "check/rdap/BootstrapCache.h"
#include "check/rdap/DomainReply.h"
#include "names/ALabel.h"
#include "sim/RdapSim.h"

namespace {

using namespace std::chrono_literals;
using check::Status;

TEST(Bootstrap, MatchesTheLongestSuffixAndPrefersHttps) {
  const auto bootstrap = check::Bootstrap::Parse(R"({"services": [
      [["com", "NET"], ["http://a.test/rdap", "https://a.test/rdap/"]],
      [["co.uk"], ["https://b.test/"]],
      [["uk"], ["http://c.test/"]],
      [["bad"], ["ftp://d.test/"]],
      "garbage", [[1, "ok"], []], [["ok"], [2, "https://e.test"]]]})");
  ASSERT_TRUE(bootstrap) << bootstrap.error();
  const std::map<std::string, std::string> expected = {{"abc.com", "https://a.test/rdap/"},
                                                       {"x.y.net", "https://a.test/rdap/"},
                                                       {"abc.co.uk", "https://b.test/"},
                                                       {"abc.uk", "http://c.test/"},
                                                       {"abc.ok", "https://e.test/"},
                                                       {"abc.bad", ""},
                                                       {"abc.org", ""},
                                                       {"com", ""}};
  for (const auto& [name, base] : expected) {
    const auto service = bootstrap.value().ServiceFor(name);
    EXPECT_EQ(service ? service->baseUrl : "", base) << name;
  }
  EXPECT_EQ(bootstrap.value().ServiceFor("abc.co.uk")->suffix, "co.uk");
}

// The shipped services join IANA's file without overriding it; the user's extra ones override.
TEST(Bootstrap, TheSupplementFillsWhatIanasFileLeavesOutAndTheUsersReplaces) {
  auto supplement = check::Bootstrap::Parse(check::RdapSupplementJson());
  ASSERT_TRUE(supplement);
  for (const auto& [name, base] : {std::pair{"denic.de", "https://rdap.denic.de/"},
                                   {"switch.ch", "https://rdap.nic.ch/"},
                                   {"nic.li", "https://rdap.nic.li/"},
                                   {"arnes.si", "https://rdap.register.si/"}}) {
    const auto service = supplement.value().ServiceFor(name);
    ASSERT_TRUE(service) << name;
    EXPECT_EQ(service->baseUrl, base) << name;
  }
  auto iana = check::Bootstrap::Parse(R"({"services": [[["de", "com"], ["https://iana.test/"]]]})");
  ASSERT_TRUE(iana);
  check::Bootstrap merged = iana.value();
  merged.Merge(supplement.value(), false);
  EXPECT_EQ(merged.ServiceFor("a.de")->baseUrl, "https://iana.test/");
  EXPECT_EQ(merged.ServiceFor("a.ch")->baseUrl, "https://rdap.nic.ch/");
  auto extra = check::Bootstrap::Parse(R"({"services": [[["com"], ["https://extra.test/"]]]})");
  ASSERT_TRUE(extra);
  merged.Merge(extra.value(), true);
  EXPECT_EQ(merged.ServiceFor("a.com")->baseUrl, "https://extra.test/");
}

TEST(Bootstrap, RefusesWhatIsNotABootstrapFile) {
  EXPECT_EQ(check::Bootstrap::Parse("<html>").error(), "the bootstrap file is not JSON");
  EXPECT_EQ(check::Bootstrap::Parse(R"({"services": 1})").error(),
            "the bootstrap file has no list of services");
  EXPECT_EQ(check::Bootstrap::Parse(R"([1, 2])").error(),
            "the bootstrap file has no list of services");
}

TEST(RetryAfter, WaitsWhatTheServerSaysUpToAMinute) {
  const auto now = std::chrono::sys_days(std::chrono::year(2026) / 12 / 7) + 10h;
  EXPECT_EQ(check::RetryWait("7", 1, now), 7s);
  EXPECT_EQ(check::RetryWait(" 0 ", 1, now), 0s);
  EXPECT_EQ(check::RetryWait("3600", 1, now), 60s);
  EXPECT_EQ(check::RetryWait("99999999999999999999", 1, now), 60s);
  EXPECT_EQ(check::RetryWait("Mon, 07 Dec 2026 10:00:30 GMT", 1, now), 30s);
  EXPECT_EQ(check::RetryWait("Mon, 07 Dec 2026 09:00:00 GMT", 1, now), 0s);
  EXPECT_EQ(check::RetryWait("Tue, 08 Dec 2026 10:00:00 GMT", 1, now), 60s);
  // Without a usable header: 1, 2, 4 seconds.
  EXPECT_EQ(check::RetryWait("", 1, now), 1s);
  EXPECT_EQ(check::RetryWait("", 2, now), 2s);
  EXPECT_EQ(check::RetryWait("soon", 3, now), 4s);
  EXPECT_EQ(check::RetryWait("-5", 1, now), 1s);
  EXPECT_FALSE(check::ParseHttpDate("Mon, 31 Feb 2026 10:00:00 GMT"));
}

// Forty CJK characters: an A-label over 63 octets.
const std::u16string kLongLabel = [] {
  std::u16string name;
  for (char16_t i = 0; i < 40; ++i) name += char16_t(0x4E00 + 97 * i);
  return name + u".com";
}();

TEST(ALabel, ConvertsInternationalNamesByUts46) {
  const std::map<std::u16string, std::string> expected = {
      {u"abc.com", "abc.com"},
      {u"中文域名.com", "xn--fiq06l2rdsvs.com"},
      {u"bücher.de", "xn--bcher-kva.de"},
      {u"BÜCHER.de", "xn--bcher-kva.de"},  // mapped to lower case
      {u"例え.テスト", "xn--r8jz45g.xn--zckzah"},
  };
  for (const auto& [name, aLabel] : expected) {
    const auto converted = names::ToALabel(name);
    ASSERT_TRUE(converted) << converted.error();
    EXPECT_EQ(converted.value(), aLabel);
  }
}

// ß, ς and the joiners stay themselves where IDNA 2008 is followed to the letter; a system that
// maps them to other letters must refuse the name rather than ask about another one.
TEST(ALabel, NeverTurnsANameIntoAnother) {
  const std::map<std::u16string, std::string> expected = {
      {u"faß.de", "xn--fa-hia.de"},
      {u"ελλάς.gr", "xn--hxarsa0b.gr"},
  };
  for (const auto& [name, aLabel] : expected) {
    const auto converted = names::ToALabel(name);
    if (converted) {
      EXPECT_EQ(converted.value(), aLabel);
    } else {
      EXPECT_TRUE(converted.error().starts_with("cannot be an IDN: ")) << converted.error();
    }
  }
#ifndef _WIN32
  EXPECT_EQ(names::ToALabel(u"faß.de").value(), "xn--fa-hia.de");  // libidn2: non-transitional
#endif
}

TEST(ALabel, RefusesNamesIdnaDisallows) {
  for (const std::u16string& name : std::vector<std::u16string>{
           u"a\u200Db.com",  // a joiner outside its context
           kLongLabel,       // an A-label over 63 octets
  // Wine's IdnToAscii, which the Windows tests run on, still follows IDNA 2003 for these.
#ifndef _WIN32
           u"☃.com",          // a symbol
           u"\u0301abc.com",  // a leading combining mark
           u"abcא.com",       // left-to-right mixed with Hebrew
#endif
       }) {
    const auto converted = names::ToALabel(name);
    EXPECT_FALSE(converted) << converted.value();
    if (!converted) {
      EXPECT_TRUE(converted.error().starts_with("cannot be an IDN: ")) << converted.error();
    }
  }
}

// An A-label written by hand is taken only when IDNA would write the letters it stands for so.
TEST(ALabel, TakesAnALabelOnlyWhenIdnaWouldWriteItSo) {
  EXPECT_EQ(names::ToALabel(u"XN--Bcher-KVA.de").value(), "xn--bcher-kva.de");
  const auto upper = names::ToALabel(u"xn--bcher-2pa.de");  // "bÜcher": IDNA lower-cases the Ü
  ASSERT_FALSE(upper);
  EXPECT_EQ(upper.error(),
            "xn--bcher-2pa is not the A-label of its own letters (that is xn--bcher-kva)");
}

// RFC 8056's status values place a name in its life; the latest phase wins, and the release is
// counted from "last changed" by the timeline of RFC 3915 (30 days of redemption, 5 of pending
// delete). The answers are built in RFC 9083's shape: no public recording of an RDAP answer for
// a name in these phases was found.
TEST(DomainReply, StatusesGiveThePhaseAndTheEarliestRelease) {
  struct Case {
    std::string status;  // the JSON array
    std::string changed;
    check::Phase phase;
    std::u16string releases = u"";
  };
  const Case cases[] = {
      {R"(["active"])", "2020-01-01T00:00:00Z", check::Phase::Active},
      {R"(["client transfer prohibited", "auto renew period"])", "", check::Phase::Grace},
      {R"(["redemption period", "pending delete"])", "2026-11-20T10:00:00Z",
       check::Phase::Redemption, u"2026-12-25"},
      {R"(["pending delete"])", "2026-11-30T23:59:59Z", check::Phase::PendingDelete, u"2026-12-05"},
      // Without the date the phase stands, and no day is made up.
      {R"(["pending delete"])", "", check::Phase::PendingDelete},
      {R"(["pending delete"])", "last week", check::Phase::PendingDelete},
      {R"(["server hold", "client hold"])", "", check::Phase::Hold},
      {R"([])", "", check::Phase::None},
      {R"("pending delete")", "", check::Phase::None},
  };
  for (const Case& c : cases) {
    const std::string events =
        c.changed.empty() ? "[]"
                          : R"([{"eventAction":"last changed","eventDate":")" + c.changed + "\"}]";
    const std::string body = R"({"objectClassName":"domain","ldhName":"abc.com","status":)" +
                             c.status + R"(,"events":)" + events + "}";
    const check::Answer answer =
        check::ReadDomainReply("abc.com", 200, "application/rdap+json", body);
    EXPECT_EQ(answer.status, Status::Registered) << body;
    EXPECT_EQ(answer.phase, c.phase) << body;
    EXPECT_EQ(answer.releases, c.releases) << body;
  }
  // Dates as registries write them, and what is not one.
  for (const auto& [text, day] : std::initializer_list<std::pair<std::u16string, std::u16string>>{
           {u"2010/12/04", u"2010-12-04"},
           {u"2011-02-11 15:38:31", u"2011-02-11"},
           {u" 2024-02-29T00:00:00Z", u"2024-02-29"},
           // The day in UTC where the time has an offset.
           {u"2024-03-01T05:00+09:00", u"2024-02-29"},
           {u"2024-03-01T05:00:00.123-05:00", u"2024-03-01"},
           {u"2024-12-31T22:30:00-0200", u"2025-01-01"},
           {u"2024-03-01 05:00:00", u"2024-03-01"},
           {u"2023-02-29", u""},
           {u"2010-12/04", u""},
           {u"20101-12-04", u""},
           {u"04-12-2010", u""},
       }) {
    const auto read = check::ReadDay(text);
    EXPECT_EQ(read ? check::DayText(*read) : u"", day);
  }
}

// The variants member in the shape of RFC 9083's example (section 5.3), with entries a registry
// may get wrong: no names, a name that is not a string, a relation that is not a list.
TEST(DomainReply, ReadsTheVariantsTheRegistryNamesWithTheirRelations) {
  const std::string domain = R"({"objectClassName":"domain","ldhName":"xn--fo-5ja.example",
      "variants":[
        {"relation":["registered","conjoined"],
         "variantNames":[{"ldhName":"xn--fo-cka.example","unicodeName":"fóo.example"},
                         {"ldhName":"XN--FO-FKA.EXAMPLE.","unicodeName":"föo.example"}]},
        {"relation":["unregistered","registration restricted"],"idnTable":".EXAMPLE Swedish",
         "variantNames":[{"ldhName":"xn--fo-8ja.example","unicodeName":"fôo.example"}]},
        {"relation":"open registration","variantNames":[{"ldhName":"a.example"},{"ldhName":7}]},
        {"relation":["open registration"]}]})";
  const check::Answer answer =
      check::ReadDomainReply("xn--fo-5ja.example", 200, "application/rdap+json", domain);
  ASSERT_EQ(answer.status, Status::Registered);
  std::vector<std::string> read;
  for (const auto& variant : answer.variants) {
    std::string line = base::Utf16ToUtf8(variant.name) + ":";
    for (const auto& relation : variant.relations) line += " " + base::Utf16ToUtf8(relation);
    read.push_back(line);
  }
  EXPECT_EQ(read, (std::vector<std::string>{
                      "xn--fo-cka.example: registered conjoined",
                      "xn--fo-fka.example: registered conjoined",
                      "xn--fo-8ja.example: unregistered registration restricted", "a.example:"}));
}

TEST(DomainReply, ReadsOnlyWhatTheRegistrySaysPlainly) {
  const std::string domain =
      R"({"objectClassName":"domain","ldhName":"ABC.COM","events":[
          {"eventAction":"registration","eventDate":"2001-01-01T00:00:00Z"},
          {"eventAction":"expiration","eventDate":"2030-05-06T07:08:09Z"}],
          "entities":[{"roles":["technical"],"vcardArray":["vcard",[["fn",{},"text","Tech"]]]},
                      {"roles":["registrar"],"vcardArray":["vcard",[["version",{},"text","4.0"],
                        ["fn",{},"text","Example Registrar, Inc."]]]}]})";
  const check::Answer registered =
      check::ReadDomainReply("abc.com", 200, "application/rdap+json", domain);
  EXPECT_EQ(registered.status, Status::Registered);
  EXPECT_EQ(registered.registrar, u"Example Registrar, Inc.");
  EXPECT_EQ(registered.expires, u"2030-05-06T07:08:09Z");

  struct Case {
    int status;
    std::string type;
    std::string body;
    Status expected;
    std::u16string detail;
  };
  const Case cases[] = {
      // A 404 is the registry's "no such name" only as the RDAP service gives it: an error
      // object (RFC 9083 section 6) or nothing; a proxy's or CDN's page says nothing.
      {404, "application/rdap+json", R"({"errorCode":404,"title":"Not Found"})", Status::Available,
       u""},
      {404, "", "\r\n", Status::Available, u""},
      {404, "text/html", "<html><body>404 Not Found</body></html>", Status::Unknown,
       u"the answer 404 did not come from an RDAP service: <html><body>404 Not "
       u"Found</body></html>"},
      // A web gateway's own JSON in front of the RDAP path knows nothing of the name.
      {404, "application/json", R"({"message":"Not Found"})", Status::Unknown,
       uR"(the answer 404 did not come from an RDAP service: {"message":"Not Found"})"},
      {404, "application/json", "[]", Status::Unknown,
       u"the answer 404 did not come from an RDAP service: []"},
      {200, "application/rdap+json", R"({"objectClassName":"domain","ldhName":"abc.com."})",
       Status::Registered, u""},
      {200, "text/html; charset=utf-8", domain, Status::Unknown,
       u"the registry answered with a web page, not RDAP"},
      {200, "application/rdap+json", R"({"objectClassName":"domain","ldh)", Status::Unknown,
       u"the registry's answer is not valid JSON"},
      {200, "application/rdap+json", R"({"objectClassName":"entity"})", Status::Unknown,
       u"the registry's answer is not an RDAP domain object"},
      {200, "application/json", R"([1])", Status::Unknown,
       u"the registry's answer is not an RDAP domain object"},
      {200, "application/rdap+json", R"({"objectClassName":"domain","ldhName":"xyz.com"})",
       Status::Unknown, u"the registry answered for another name (xyz.com)"},
      {200, "application/rdap+json", R"({"objectClassName":"domain"})", Status::Unknown,
       u"the registry answered for another name ()"},
      {500, "application/rdap+json", "{}", Status::Unknown, u"the registry answered HTTP 500"},
      {302, "text/html", "", Status::Unknown, u"the registry answered HTTP 302"},
  };
  for (const Case& c : cases) {
    const check::Answer answer = check::ReadDomainReply("abc.com", c.status, c.type, c.body);
    EXPECT_EQ(answer.status, c.expected) << c.status << " " << c.body;
    EXPECT_EQ(answer.detail, c.detail) << c.status << " " << c.body;
  }
}

// Real servers' 404s, as recorded (tests/data/rdap/README.md): each is the service's own word.
TEST(DomainReply, RecordedNotFoundAnswersAreTheRegistrysWord) {
  const struct {
    const char* file;
    Status status;
    std::u16string detail;
  } cases[] = {
      {"404-nicmx-rdap-server.json", Status::Available, u""},
      {"404-nicmx-rdap-server-description.json", Status::Available, u""},
      {"404-reserved-jailbreaks.fun.json", Status::Reserved,
       u"Not Found Domain Name: jailbreaks.fun This name is not available for registration: "
       u"Registry Reserved"},
  };
  for (const auto& c : cases) {
    std::ifstream in(std::filesystem::path("data/rdap") / c.file, std::ios::binary);
    ASSERT_TRUE(in) << c.file;
    const std::string body{std::istreambuf_iterator<char>(in), {}};
    const check::Answer answer =
        check::ReadDomainReply("jailbreaks.fun", 404, "application/rdap+json", body);
    EXPECT_EQ(answer.status, c.status) << c.file;
    EXPECT_EQ(answer.detail, c.detail) << c.file;
  }
}

TEST(DnsServer, ReadsIpv4AndIpv6WithAnOptionalPort) {
  const struct {
    const char* text;
    const char* address;
    bool ipv6;
    std::uint16_t port;
  } cases[] = {
      {"192.0.2.53", "192.0.2.53", false, 53},
      {"127.0.0.1:5353", "127.0.0.1", false, 5353},
      {"[2001:db8::53]:5353", "2001:db8::53", true, 5353},
      {"[::1]", "::1", true, 53},
      {"2001:db8:0:0:0:0:0:53", "2001:db8:0:0:0:0:0:53", true, 53},
      {"[::ffff:192.0.2.1]:65535", "::ffff:192.0.2.1", true, 65535},
  };
  for (const auto& c : cases) {
    const std::optional<check::DnsServer> server = check::ParseDnsServer(c.text);
    ASSERT_TRUE(server) << c.text;
    EXPECT_EQ(server->address, c.address) << c.text;
    EXPECT_EQ(server->ipv6, c.ipv6) << c.text;
    EXPECT_EQ(server->port, c.port) << c.text;
  }
}

// A chosen server is asked over UDP on whichever address family it has.
TEST(NsResolver, AsksAChosenServerOverIpv4AndIpv6) {
  sim::RdapSim sim;
  std::vector<std::string> servers = {sim.DnsServer()};
  if (!sim.DnsServer6().empty()) servers.push_back(sim.DnsServer6());
  using Kind = check::NsAnswer::Kind;
  for (const std::string& server : servers) {
    auto resolver = check::OpenNsResolver(server);
    EXPECT_EQ(resolver->LookUpNs("de").kind, Kind::Delegated) << server;
    EXPECT_EQ(resolver->LookUpNs("xyz.de").kind, Kind::Delegated) << server;
    EXPECT_EQ(resolver->LookUpNs("free.de").kind, Kind::NoSuchName) << server;
    EXPECT_EQ(resolver->LookUpNs("nobody.zz").reason, "DNS failed or did not answer") << server;
  }
  EXPECT_GE(sim.DnsQueries(), 4 * servers.size());
  if (servers.size() == 1) GTEST_SKIP() << "no IPv6 loopback on this machine";
}

// A client whose every request fails as a host that cannot be found does.
class UnfoundHostClient final : public web::HttpClient {
 public:
  void Start(web::Get request, Done done) override {
    ++started;
    web::Reply reply;
    reply.failure =
        base::Failure{"could not resolve host " + web::HostOf(request.url), base::FailureKind::Dns};
    queued_.emplace_back(std::move(done), std::move(reply));
  }
  void Run(std::chrono::steady_clock::time_point) override {
    for (auto& [done, reply] : std::exchange(queued_, {})) done(std::move(reply));
  }
  std::size_t Pending() const override { return queued_.size(); }
  void Wake() override {}
  std::size_t started = 0;

 private:
  std::vector<std::pair<Done, web::Reply>> queued_;
};

// Offline, a registry's host cannot be found: its other names learn so at once, not each at
// its pace, and the person hears it once.
TEST(RegistrySourceOffline, AHostThatCannotBeFoundFailsItsOtherNamesAtOnce) {
  auto client = std::make_unique<UnfoundHostClient>();
  const UnfoundHostClient& seen = *client;
  check::RegistryOptions options;
  options.paces.SetRate("rdap.example", 0.001);  // one question in 1,000 seconds
  std::vector<std::string> warnings;
  options.warn = [&warnings](const std::string& warning) { warnings.push_back(warning); };
  options.offlineAdvice = "; try the demo";
  auto bootstrap = check::Bootstrap::Parse(R"({"services":[[["com"],["https://rdap.example/"]]]})");
  ASSERT_TRUE(bootstrap);
  check::RegistrySource source(std::move(bootstrap.value()), std::move(client), nullptr, nullptr,
                               std::move(options));
  const std::vector<std::u16string> names = {u"one.com", u"two.com", u"three.com"};
  std::vector<check::Answer> answers(names.size());
  source.Check(names, [&](std::size_t i, check::Answer a) { answers[i] = std::move(a); }, {});
  EXPECT_EQ(seen.started, 1u);
  for (const check::Answer& answer : answers) {
    EXPECT_EQ(answer.status, Status::Unknown);
    EXPECT_EQ(answer.detail, u"could not resolve host rdap.example");
  }
  EXPECT_EQ(warnings, std::vector<std::string>{
                          "the network seems down: rdap.example (could not resolve host "
                          "rdap.example) cannot be found, and its other names are not asked; try "
                          "the demo"});
}

// The source against the simulator, with the simulator's own bootstrap and DNS responder.
class RdapSourceTest : public ::testing::Test {
 protected:
  std::unique_ptr<check::RegistrySource> Source(std::size_t perHost = 4,
                                                std::size_t window = 65536) {
    web::ClientOptions client;
    client.userAgent = "brelka-test/1.0";
    client.perHost = 64;  // the source's pace owns the cap
    client.requestTimeout = 2s;
    check::RegistryOptions options;
    options.paces.SetRdapInFlight(perHost);
    options.window = window;
    auto bootstrap = check::Bootstrap::Parse(sim.BootstrapJson());
    EXPECT_TRUE(bootstrap);
    return std::make_unique<check::RegistrySource>(
        std::move(bootstrap.value()), web::OpenHttpClient(client),
        check::OpenNsResolver(sim.DnsServer()), nullptr, options);
  }

  std::vector<check::Answer> Check(check::Source& source, const std::vector<std::u16string>& names,
                                   std::stop_token stop = {}) {
    std::vector<check::Answer> answers(names.size(),
                                       check::WithStatus(Status::Unknown, u"not reported"));
    std::vector<int> reports(names.size(), 0);
    source.Check(
        names,
        [&](std::size_t i, check::Answer a) {
          answers.at(i) = std::move(a);
          ++reports.at(i);
        },
        stop);
    for (std::size_t i = 0; i < names.size() && !stop.stop_possible(); ++i) {
      EXPECT_EQ(reports[i], 1) << i;
    }
    return answers;
  }

  sim::RdapSim sim;
};

TEST_F(RdapSourceTest, EachAnswerFromItsCause) {
  sim.SetFault("html.com", {.body = "<html>busy</html>", .contentType = "text/html"});
  sim.SetFault("brokenjson.net", {.body = R"({"objectClassName": "dom)"});
  sim.SetFault("other.org", {.otherName = "another.org"});
  sim.SetFault("fails.info", {.status = 500});
  sim.SetFault("loop.com", {.redirectLoop = true});
  sim.SetFault("cut.com", {.cutMidBody = true});
  sim.SetFault("stall.com", {.stall = true});
  const std::vector<std::u16string> names = {
      u"hello.com",  u"abc.com",     u"html.com",  u"brokenjson.net", u"other.org",
      u"fails.info", u"loop.com",    u"cut.com",   u"stall.com",      u"free.de",
      u"xyz.de",     u"nobody.zz",   u"nobody.qq", u"中文域名.com",   kLongLabel,
      u"abc.co.uk",  u"hello.co.uk", u"foo.dnt",   u"foo.wld"};
  auto source = Source();
  const auto answers = Check(*source, names);
  struct Expected {
    Status status;
    std::u16string detail;
    std::string_view reason;  // of an unknown answer
  };
  const std::vector<Expected> expected = {
      {Status::Available, u"", ""},
      {Status::Registered, u"", ""},
      {Status::Unknown, u"the registry answered with a web page, not RDAP", "protocol"},
      {Status::Unknown, u"the registry's answer is not valid JSON", "protocol"},
      {Status::Unknown, u"the registry answered for another name (another.org)", "protocol"},
      {Status::Unknown, u"the registry answered HTTP 500", "http"},
      {Status::Unknown, u"too many redirects", "redirects"},
      {Status::Unknown, u"", "connect"},  // the platform's words for the cut
      {Status::Unknown, u"timed out", "timeout"},
      {Status::LikelyAvailable, u"no RDAP service for .de; DNS has no such name", ""},
      {Status::Registered, u"no RDAP service for .de; DNS delegates the name", ""},
      {Status::Unknown, u"no RDAP service for .zz, and DNS failed: DNS failed or did not answer",
       "dns"},
      {Status::Unknown, u"no RDAP service for .qq, and DNS does not know the suffix", "dns"},
      {Status::Available, u"", ""},
      {Status::Invalid, u"", ""},
      {Status::Registered, u"", ""},
      {Status::Available, u"", ""},
      // Another name's NS records, and a wildcard's, say nothing of the name.
      {Status::Unknown,
       u"no RDAP service for .dnt; DNS knows the name but has no NS records for it", "dns"},
      {Status::Unknown,
       u"no RDAP service for .wld; DNS delegates made-up names under .wld too (a wildcard), so it "
       u"proves nothing",
       "dns"},
  };
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(answers[i].status, expected[i].status) << i;
    if (!expected[i].detail.empty()) {
      EXPECT_EQ(answers[i].detail, expected[i].detail) << i;
    }
    EXPECT_EQ(answers[i].reason ? base::KindName(*answers[i].reason) : "", expected[i].reason) << i;
  }
  EXPECT_FALSE(answers[7].detail.empty());
  // Which route answered: the registry, DNS for a suffix without RDAP, none for an invalid name.
  EXPECT_EQ(answers[2].source, check::Route::Rdap);
  EXPECT_EQ(answers[9].source, check::Route::Dns);
  EXPECT_EQ(answers[14].source, std::nullopt);
  EXPECT_TRUE(answers[14].detail.starts_with(u"cannot be an IDN: "));
  EXPECT_EQ(answers[1].registrar, u"Simulated Registrar Ltd");
  EXPECT_EQ(answers[1].expires, u"2031-02-03T04:05:06Z");
  EXPECT_EQ(answers[13].aLabel, u"xn--fiq06l2rdsvs.com");
  EXPECT_EQ(answers[0].aLabel, u"");
  // co.uk is the first registry's even though uk is the second's.
  for (const auto& arrival : sim.Arrivals()) {
    if (arrival.name == "abc.co.uk") {
      EXPECT_EQ(arrival.registry, 0u);
    }
    EXPECT_EQ(arrival.userAgent, "brelka-test/1.0");
    EXPECT_EQ(arrival.accept, "application/rdap+json");
  }
}

// ac.uk's names are not the uk registry's, whose 404 would say nothing of them.
TEST_F(RdapSourceTest, ASuffixRunApartFromItsTldIsNeverAskedOfTheTldsService) {
  auto source = Source();
  const auto answers = Check(*source, {u"foo.ac.uk", u"ward.nhs.uk", u"hello.co.uk"});
  EXPECT_EQ(answers[0].status, Status::Unknown);
  EXPECT_EQ(answers[0].detail,
            u"ac.uk's registry answers over WHOIS only (whois.ja.net), which is not asked");
  EXPECT_EQ(answers[1].detail, u"no registry service known for nhs.uk");
  EXPECT_EQ(answers[2].status, Status::Available);
  ASSERT_EQ(sim.Arrivals().size(), 1u);
  EXPECT_EQ(sim.Arrivals()[0].name, "hello.co.uk");
}

TEST_F(RdapSourceTest, KeepsToTheCapPerRegistry) {
  sim.SetLatency(20ms);
  std::vector<std::u16string> names;
  for (int i = 0; i < 90; ++i) {
    const std::u16string number(1, char16_t(u'a' + i % 26));
    names.push_back(u"name" + number + std::u16string(i / 26 + 1, u'x') +
                    std::u16string(i < 45 ? u".com" : u".org"));
  }
  names.push_back(u"extra.info");
  auto source = Source(3);
  const auto answers = Check(*source, names);
  for (const auto& answer : answers) EXPECT_EQ(answer.status, Status::Available);
  EXPECT_LE(sim.MaxInFlight(0), 3u);
  EXPECT_LE(sim.MaxInFlight(1), 3u);
}

// A feed that counts how far ahead of the earliest name not yet answered it has been drawn.
class CountingFeed final : public check::NameFeed {
 public:
  explicit CountingFeed(std::size_t names) : answered_(names, false) {}
  std::optional<Name> Next() override {
    if (next_ == answered_.size()) return std::nullopt;
    while (earliest_ < answered_.size() && answered_[earliest_]) ++earliest_;
    furthest_ = std::max(furthest_, next_ + 1 - earliest_);
    const std::size_t id = next_++;
    return Name{id, u"name" + std::u16string(1, char16_t(u'a' + id % 26)) +
                        std::u16string(id / 26 + 1, u'x') + u".com"};
  }
  void Answered(std::size_t id) { answered_.at(id) = true; }
  std::size_t Furthest() const { return furthest_; }

 private:
  std::vector<bool> answered_;
  std::size_t next_ = 0, earliest_ = 0, furthest_ = 0;
};

TEST_F(RdapSourceTest, DrawsNamesNoFurtherAheadThanItsWindow) {
  sim.SetLatency(5ms);
  sim.SetFault("nameaxx.com", {.status = 429, .retryAfter = "1"});  // the 27th waits a second
  CountingFeed feed(60);
  auto source = Source(4, 8);
  std::size_t answered = 0;
  source->Check(feed,
                [&](std::size_t id, check::Answer) {
                  feed.Answered(id);
                  ++answered;
                },
                {});
  EXPECT_EQ(answered, 60u);
  EXPECT_EQ(feed.Furthest(), 8u);
}

// A feed that has made a name's A-label hands it on, and the registry is asked about that
// A-label; a name handed on without one gets its own.
TEST_F(RdapSourceTest, AnALabelTheFeedMadeIsTheOneAsked) {
  class JudgedFeed final : public check::NameFeed {
   public:
    std::optional<Name> Next() override {
      if (next_ == 2) return std::nullopt;
      ++next_;
      return next_ == 1 ? Name{0, u"as the user wrote it", "handed.com"} : Name{1, u"ownname.com"};
    }

   private:
    int next_ = 0;
  } feed;
  auto source = Source();
  std::map<std::size_t, check::Answer> answers;
  source->Check(feed, [&](std::size_t id, check::Answer answer) { answers[id] = answer; }, {});
  EXPECT_EQ(answers[0].status, Status::Available);
  EXPECT_EQ(answers[0].aLabel, u"handed.com");  // differs from the text: named in the answer
  EXPECT_EQ(answers[1].status, Status::Available);
  // Both are in flight at once, so they may arrive in either order.
  std::set<std::string> asked;
  for (const auto& arrival : sim.Arrivals()) asked.insert(arrival.name);
  EXPECT_EQ(asked, (std::set<std::string>{"handed.com", "ownname.com"}));
}

TEST_F(RdapSourceTest, WaitsTheRetryAfterTimeAndGivesUpAfterThreeTries) {
  sim.SetFault("busy.com", {.status = 429, .retryAfter = "1", .times = 1});
  sim.SetFault("down.net", {.status = 503, .times = 1});
  sim.SetFault("never.org", {.status = 429, .retryAfter = "0"});
  auto source = Source();
  const auto answers = Check(*source, {u"busy.com", u"down.net", u"never.org"});
  EXPECT_EQ(answers[0].status, Status::Available);
  EXPECT_EQ(answers[1].status, Status::Available);
  EXPECT_EQ(answers[2].status, Status::Unknown);
  EXPECT_EQ(answers[2].detail, u"rate-limited");
  EXPECT_EQ(answers[2].reason, base::FailureKind::RateLimited);

  std::map<std::string, std::vector<std::chrono::steady_clock::time_point>> times;
  for (const auto& arrival : sim.Arrivals()) times[arrival.name].push_back(arrival.at);
  ASSERT_EQ(times["busy.com"].size(), 2u);
  EXPECT_GE(times["busy.com"][1] - times["busy.com"][0], 1s);
  // Without the header: a second's backoff.
  ASSERT_EQ(times["down.net"].size(), 2u);
  EXPECT_GE(times["down.net"][1] - times["down.net"][0], 1s);
  EXPECT_EQ(times["never.org"].size(), 3u);
}

TEST_F(RdapSourceTest, StopsSoonWithoutGuessing) {
  sim.SetFault("slow.com", {.delay = 20s});
  auto source = Source();
  std::stop_source stop;
  // Long enough for the first answer, even on Wine, whose first request is slow.
  std::thread stopper([&stop] {
    std::this_thread::sleep_for(1500ms);
    stop.request_stop();
  });
  const auto started = std::chrono::steady_clock::now();
  std::vector<std::size_t> reported;
  const std::vector<std::u16string> names = {u"hello.com", u"slow.com"};
  source->Check(
      names, [&](std::size_t i, check::Answer) { reported.push_back(i); }, stop.get_token());
  stopper.join();
  EXPECT_LT(std::chrono::steady_clock::now() - started, 6s);
  EXPECT_EQ(reported, std::vector<std::size_t>{0});
  // Nor does letting go of the source wait for the unanswered request.
  const auto released = std::chrono::steady_clock::now();
  source.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - released, 5s);
}

class BootstrapCacheTest : public ::testing::Test {
 protected:
  BootstrapCacheTest() {
    cache.url = sim.BootstrapUrl();
    cache.folder = std::filesystem::path(::testing::TempDir()) /
                   ("brelka-cache-" + std::to_string(std::random_device{}()));
    std::filesystem::remove_all(cache.folder);
  }
  ~BootstrapCacheTest() override { std::filesystem::remove_all(cache.folder); }

  base::Result<check::LoadedBootstrap> Load(std::chrono::system_clock::time_point now) {
    auto client = web::OpenHttpClient({});
    return check::LoadCachedBootstrap(cache, *client, now);
  }

  sim::RdapSim sim;
  check::BootstrapCache cache;
  std::chrono::system_clock::time_point t0 = std::chrono::system_clock::now();
};

TEST_F(BootstrapCacheTest, WritesReusesAndRefreshesConditionally) {
  auto first = Load(t0);
  ASSERT_TRUE(first) << first.error();
  EXPECT_EQ(first.value().warning, "");
  EXPECT_TRUE(first.value().bootstrap.ServiceFor("abc.com"));
  EXPECT_TRUE(std::filesystem::exists(cache.folder / "dns.json"));
  EXPECT_EQ(sim.BootstrapRequests(), 1u);

  ASSERT_TRUE(Load(t0 + 23h));  // young enough: not asked for
  EXPECT_EQ(sim.BootstrapRequests(), 1u);

  ASSERT_TRUE(Load(t0 + 25h));  // old: confirmed by a 304
  EXPECT_EQ(sim.BootstrapRequests(), 2u);
  EXPECT_EQ(sim.BootstrapNotModified(), 1u);
  ASSERT_TRUE(Load(t0 + 26h));  // the confirmation counts as fresh
  EXPECT_EQ(sim.BootstrapRequests(), 2u);

  sim.BumpBootstrapVersion();
  ASSERT_TRUE(Load(t0 + 50h));  // changed: fetched whole and kept
  EXPECT_EQ(sim.BootstrapRequests(), 3u);
  EXPECT_EQ(sim.BootstrapNotModified(), 1u);
  std::ifstream kept(cache.folder / "dns.json");
  const std::string text((std::istreambuf_iterator<char>(kept)), {});
  EXPECT_EQ(text, sim.BootstrapJson());
}

TEST_F(BootstrapCacheTest, UsesAStaleCopyWithAWarningWhenTheRefreshFails) {
  ASSERT_TRUE(Load(t0));
  sim.SetBootstrapStatus(500);
  auto stale = Load(t0 + 30h);
  ASSERT_TRUE(stale);
  EXPECT_EQ(stale.value().warning, "cannot refresh the RDAP bootstrap from " + cache.url +
                                       " (HTTP 500); using the copy from 30 hours ago");
  EXPECT_TRUE(stale.value().bootstrap.ServiceFor("abc.org"));
}

TEST_F(BootstrapCacheTest, SaysWhatToDoWhenThereIsNone) {
  sim.SetBootstrapStatus(503);
  cache.advice = "; download it and pass it with --bootstrap FILE";
  auto none = Load(t0);
  ASSERT_FALSE(none);
  EXPECT_EQ(none.error(), "cannot get the RDAP bootstrap from " + cache.url +
                              " (HTTP 503); download it and pass it with --bootstrap FILE");
  // A damaged copy counts as none.
  std::filesystem::create_directories(cache.folder);
  std::ofstream(cache.folder / "dns.json") << "{\"serv";
  EXPECT_FALSE(Load(t0));
}

}  // namespace
