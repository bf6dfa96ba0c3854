#include "check/RegistrySource.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "base/Text.h"
#include "check/RetryAfter.h"
#include "check/dns/DnsRoute.h"
#include "check/rdap/DomainReply.h"
#include "names/ALabel.h"
#include "names/PublicSuffix.h"
#include "names/SuffixServices.h"

namespace check {
namespace {

struct Job {
  std::size_t index = 0;  // the name's place among those taken from the feed
  std::string aLabel{};
  Route route = Route::Dns;
  std::string host{};  // of the server whose pace it keeps; empty for DNS lookups
  std::string url{};   // RDAP
  std::shared_ptr<const WhoisTarget> whois{};
  int tries = 0;
  // Not a name's question but the look-up of its suffix's WHOIS server (whois.iana.org).
  bool referral = false;
  // The question to the name's zone's servers, before any registry's.
  bool delegation = false;
  // The name as written is not its A-label, which its answer then names.
  bool idn = false;
  // Its for-sale signs, read with its delegation, for the registry's answer.
  std::vector<std::u16string> forSale{};
};

// The WHOIS servers found for suffixes, by the thread that looks them up, for the loop.
struct Referrals {
  std::mutex mutex;
  std::map<std::string, std::shared_ptr<const WhoisTarget>> found;  // by suffix
  std::vector<std::string> warnings;
};

std::string SuffixOf(const std::string& aLabel) {
  return aLabel.substr(aLabel.find('.') + 1);
}

// Where answers of blocking work (DNS lookups, WHOIS questions) meet the loop that waits for
// them, along with the HTTP client's.
struct Completion {
  std::mutex mutex;
  std::condition_variable ended;
  std::vector<std::pair<Job, Answer>> done;
  std::function<void()> wake;
  bool interrupted = false;
};

// Blocking work on a few threads of its own. A thread inside a question when the run ends
// finishes it on its own (every question is bounded) and then lets go of the shared state;
// waiting for it would delay a stop by seconds.
class Lookups {
 public:
  using Settle = std::function<Answer(const Job&, std::stop_token)>;

  Lookups(Settle settle, std::size_t threads, std::shared_ptr<Completion> completion)
      : shared_(std::make_shared<Shared>()), threads_(std::max<std::size_t>(threads, 1)) {
    shared_->settle = std::move(settle);
    shared_->completion = std::move(completion);
  }

  ~Lookups() {
    {
      std::lock_guard lock(shared_->mutex);
      shared_->stopped = true;
    }
    shared_->stop.request_stop();
    shared_->work.notify_all();
    for (std::thread& thread : running_) thread.detach();
  }

  void Add(Job job) {
    std::lock_guard lock(shared_->mutex);
    shared_->todo.push_back(std::move(job));
    if (running_.size() < threads_) running_.emplace_back(&Lookups::Work, shared_);
    shared_->work.notify_one();
  }

 private:
  struct Shared {
    std::mutex mutex;
    std::condition_variable work;
    std::deque<Job> todo;
    Settle settle;
    std::shared_ptr<Completion> completion;
    std::stop_source stop;
    bool stopped = false;
  };

  static void Work(std::shared_ptr<Shared> shared) {
    std::unique_lock lock(shared->mutex);
    for (;;) {
      shared->work.wait(lock, [&] { return shared->stopped || !shared->todo.empty(); });
      if (shared->stopped) return;
      Job job = std::move(shared->todo.front());
      shared->todo.pop_front();
      lock.unlock();
      Answer answer = shared->settle(job, shared->stop.get_token());
      lock.lock();
      if (shared->stopped) return;
      Completion& completion = *shared->completion;
      std::lock_guard done(completion.mutex);
      completion.done.emplace_back(std::move(job), std::move(answer));
      completion.ended.notify_all();
      if (completion.wake) completion.wake();
    }
  }

  std::shared_ptr<Shared> shared_;
  std::size_t threads_;
  std::vector<std::thread> running_;
};

// What a run has given out and what it owes: each server's queue and pace, the names taken
// and which of them are answered. In-flight transfers hold it weakly: after a stop they find it
// gone and do nothing.
struct Ledger {
  struct Server {
    // By the name's position in the list: the earliest goes first, also when the names come
    // back from their zone's servers out of order, so answers can be written as they come.
    std::map<std::size_t, Job> waiting;
    Pace& pace;               // the source's, which outlives the run
    std::size_t started = 0;  // and not yet ended
    // The host could not be found: its names waiting get this answer at once, rather than each
    // waiting its turn to learn the same.
    std::optional<Answer> unfound;
  };

  const Source::Report* report = nullptr;
  std::map<std::string, Server> servers;
  std::size_t remaining = 0;
  int maxTries = 3;
  // The ids of the names taken from the feed, from the earliest not yet answered on, and which
  // of them are answered.
  std::deque<std::size_t> ids;
  std::deque<bool> answered;
  std::size_t firstOpen = 0;  // the place of ids.front()

  std::size_t Take(std::size_t id) {
    ids.push_back(id);
    answered.push_back(false);
    ++remaining;
    return firstOpen + ids.size() - 1;
  }

  void Finish(const Job& job, Answer answer) {
    answer.source = job.route;
    if (!job.forSale.empty()) answer.forSale = job.forSale;
    if (job.idn) answer.aLabel = base::FromUtf8(job.aLabel);
    --remaining;
    const std::size_t at = job.index - firstOpen;
    answered[at] = true;
    (*report)(ids[at], std::move(answer));
    while (!answered.empty() && answered.front()) {
      answered.pop_front();
      ids.pop_front();
      ++firstOpen;
    }
  }

  // The host could not be found; its waiting names are answered so at once, and the person
  // hears of it once.
  void Unfound(const std::string& host, const Answer& answer) {
    Server& server = servers.at(host);
    if (server.unfound) return;
    server.unfound = answer;
    unfoundHosts.push_back(host + " (" + base::Utf16ToUtf8(answer.detail) + ")");
  }
  std::vector<std::string> unfoundHosts;  // not yet told

  // A refusal: the server pauses, and the name waits its turn again unless its tries are spent.
  void Refused(Job job, std::string_view retryAfter) {
    Server& server = servers.at(job.host);
    const auto wait = RetryWait(retryAfter, job.tries, std::chrono::system_clock::now());
    const auto now = Steady::now();
    server.pace.Refused(now, now + wait);
    if (job.tries >= maxTries) {
      return Finish(job, Unknown(u"rate-limited", base::FailureKind::RateLimited));
    }
    const std::size_t index = job.index;
    server.waiting.emplace(index, std::move(job));
  }
};

}  // namespace

RegistrySource::RegistrySource(Bootstrap bootstrap, std::unique_ptr<web::HttpClient> client,
                               std::shared_ptr<NsResolver> resolver,
                               std::shared_ptr<WhoisRoute> whois, RegistryOptions options)
    : bootstrap_(std::move(bootstrap)),
      client_(std::move(client)),
      resolver_(std::move(resolver)),
      whois_(std::move(whois)),
      options_(std::move(options)),
      paused_(std::make_shared<std::atomic<std::size_t>>(0)) {}

RegistrySource::~RegistrySource() = default;

std::size_t RegistrySource::PausedNames() const {
  return paused_->load();
}

// A run, event by event: names taken from the feed go to their zone's servers, then to their
// registry's route (RDAP, the suffix's WHOIS server once looked up, or DNS); the loop starts what
// each server's pace allows and takes what comes back.
class RegistrySource::RegistryRun {
 public:
  RegistryRun(RegistrySource& source, NameFeed& names, const Report& report, std::stop_token stop)
      : source_(source),
        options_(source.options_),
        names_(names),
        report_(report),
        stop_(std::move(stop)),
        client_(*source.client_),
        window_(std::max<std::size_t>(options_.window, 1)) {
    ledger_->report = &report;
    ledger_->maxTries = options_.maxTries;
    completion_->wake = [&client = client_] { client.Wake(); };
    if (source.whois_) source.whois_->NewRun();
  }

  void Execute();

 private:
  Ledger::Server& ServerFor(const std::string& host, Protocol protocol);
  void TakeNames();
  void ToRegistry(Job job);
  void ToWhois(Job job, const std::shared_ptr<const WhoisTarget>& target);
  void ReleaseInOrder();
  void OnLookup(Job job, Answer answer);
  void OnDelegation(Job job, Answer answer);
  void OnReferral(const Job& lookUp);
  void OnWhoisAnswer(Job job, Answer answer);
  static void OnReply(const std::weak_ptr<Ledger>& weak, Job job, web::Reply reply);
  // Starts what each server's pace allows; the earliest time a pace allows more.
  Steady::time_point StartWhatIsDue();
  // Waits until something comes back, the stop, or `until`.
  void Wait(Steady::time_point until);

  RegistrySource& source_;
  const RegistryOptions& options_;
  NameFeed& names_;
  const Report& report_;
  std::stop_token stop_;
  web::HttpClient& client_;
  const std::size_t window_;
  std::shared_ptr<Ledger> ledger_ = std::make_shared<Ledger>();
  std::shared_ptr<Completion> completion_ = std::make_shared<Completion>();
  std::shared_ptr<DnsRoute> dnsRoute_ = std::make_shared<DnsRoute>(
      source_.resolver_, !source_.whois_          ? u"RDAP"
                         : options_.useRdap ? u"RDAP or WHOIS"
                                            : u"WHOIS");
  Lookups dns_{[route = dnsRoute_](const Job& job, std::stop_token) {
                 return route->Settle(job.aLabel);
               },
               options_.dnsLookups, completion_};
  // Each suffix's server is looked up on a thread of its own, one suffix after another (IANA
  // is one shared server), while the names of other routes go on.
  std::shared_ptr<Referrals> referred_ = std::make_shared<Referrals>();
  Lookups referrals_{
      [whois = source_.whois_, referred = referred_](const Job& job, std::stop_token stopped) {
        auto found = whois->TargetFor(job.aLabel, std::chrono::system_clock::now(), stopped);
        std::vector<std::string> warnings = whois->TakeWarnings();
        std::lock_guard lock(referred->mutex);
        referred->found[SuffixOf(job.aLabel)] =
            found ? std::make_shared<const WhoisTarget>(std::move(*found)) : nullptr;
        referred->warnings.insert(referred->warnings.end(), warnings.begin(), warnings.end());
        return Answer{};
      },
      1, completion_};
  Lookups whoisQuestions_{[whois = source_.whois_](const Job& job, std::stop_token stopped) {
                   return whois->Ask(*job.whois, job.aLabel, stopped);
                 },
                 options_.whoisLookups, completion_};
  Lookups delegations_{
      [proving = options_.delegation, forSale = options_.forSale](const Job& job,
                                                                   std::stop_token stopped) {
        auto proof = proving->Prove(job.aLabel, stopped);
        if (!proof) return Answer{};
        Answer answer =
            WithStatus(Status::Registered, u"delegated by " + base::FromUtf8(proof->server) +
                                               u", a server of " + base::FromUtf8(proof->zone));
        if (forSale) {
          const ForSaleReading reading = proving->ReadForSale(*proof, job.aLabel, stopped);
          for (const std::string& sign : reading.signs) {
            answer.forSale.push_back(base::FromUtf8(sign));
          }
          if (!reading.failure.empty()) {
            answer.forSale.push_back(
                base::FromUtf8(std::string(kForSaleUnknown) + reading.failure));
          }
        }
        return answer;
      },
      options_.delegationLookups, completion_};
  std::map<std::string, std::vector<Job>> awaiting_;  // by suffix, until its server is known
  // Names come back from their zones' servers in any order; they go on to their registries in
  // the list's order, so that no later name takes a registry's turn before an earlier one.
  std::deque<std::size_t> proving_;                   // places, in the list's order
  std::map<std::size_t, std::optional<Job>> proved_;  // by place; nothing: settled
  bool fed_ = false;                                  // the feed has no more names
};

// Each server's pace carries over from one run to the next, as the server sees one client.
Ledger::Server& RegistrySource::RegistryRun::ServerFor(const std::string& host,
                                                       Protocol protocol) {
  auto found = ledger_->servers.find(host);
  if (found == ledger_->servers.end()) {
    auto pace = source_.paces_.find(host);
    if (pace == source_.paces_.end()) {
      pace = source_.paces_.emplace(host, Pace(options_.paces.For(host, protocol))).first;
    }
    found = ledger_->servers.emplace(host, Ledger::Server{{}, pace->second, 0, std::nullopt}).first;
  }
  return found->second;
}

// Names from the feed while the window has room, each to its zone's servers, to its registry,
// or straight to its answer.
void RegistrySource::RegistryRun::TakeNames() {
  while (!fed_ && ledger_->ids.size() < window_ && !stop_.stop_requested()) {
    std::optional<NameFeed::Name> name = names_.Next();
    if (!name) {
      fed_ = true;
      break;
    }
    // A feed that judged the name hands its A-label on.
    base::Result<std::string> aLabel =
        name->aLabel.empty() ? names::ToALabel(name->text) : std::move(name->aLabel);
    if (!aLabel) {
      report_(name->id, WithStatus(Status::Invalid, base::FromUtf8(aLabel.error())));
      continue;
    }
    // A registry holds only the names one label above a public suffix; asked about any other
    // name it says it has none, which is no answer about that name.
    if (auto reason = names::UnregistrableReason(aLabel.value())) {
      report_(name->id, WithStatus(Status::Invalid, std::move(*reason)));
      continue;
    }
    const bool idn = base::FromUtf8(aLabel.value()) != name->text;
    Job job{.index = ledger_->Take(name->id), .aLabel = std::move(aLabel.value()), .idn = idn};
    if (options_.delegation) {
      job.delegation = true;
      proving_.push_back(job.index);
      delegations_.Add(std::move(job));
    } else {
      ToRegistry(std::move(job));
    }
  }
}

// A name to its registry's route: an RDAP server's queue, its suffix's WHOIS look-up (or that
// server's queue once known), or DNS.
void RegistrySource::RegistryRun::ToRegistry(Job job) {
  job.route = Route::Dns;
  // A suffix run apart from its TLD (ac.uk, uk.com): never the TLD's service.
  const names::SuffixService* apart = names::SuffixServices::BuiltIn().For(job.aLabel);
  if (apart && (!apart->whois || !source_.whois_)) {
    const std::u16string suffix = base::FromUtf8(apart->suffix);
    return ledger_->Finish(
        job, Unknown(apart->whois ? suffix + u"'s registry answers over WHOIS only (" +
                                        base::FromUtf8(*apart->whois) + u"), which is not asked"
                                  : u"no registry service known for " + suffix,
                     base::FailureKind::Other));
  }
  if (const std::optional<Service> service =
          options_.useRdap && !apart ? source_.bootstrap_.ServiceFor(job.aLabel) : std::nullopt) {
    job.route = Route::Rdap;
    job.url = service->baseUrl + "domain/" + job.aLabel;
    job.host = web::HostOf(service->baseUrl);
    const std::size_t index = job.index;
    ServerFor(job.host, Protocol::Rdap).waiting.emplace(index, std::move(job));
    return;
  }
  if (!source_.whois_) return dns_.Add(std::move(job));
  const std::string suffix = SuffixOf(job.aLabel);
  std::vector<Job>& waiting = awaiting_[suffix];
  if (waiting.empty()) {
    {
      std::lock_guard lock(referred_->mutex);
      if (const auto found = referred_->found.find(suffix); found != referred_->found.end()) {
        return ToWhois(std::move(job), found->second);
      }
    }
    referrals_.Add(Job{.index = job.index, .aLabel = job.aLabel, .route = Route::Whois,
                       .referral = true});
  }
  waiting.push_back(std::move(job));
}

// A name whose suffix's WHOIS server is known goes to that server's queue, else to DNS.
void RegistrySource::RegistryRun::ToWhois(Job job,
                                          const std::shared_ptr<const WhoisTarget>& target) {
  if (!target) return dns_.Add(std::move(job));
  job.route = Route::Whois;
  job.whois = target;
  // Each server keeps its own pace: two on one host (a mirror on another port) do not share
  // one. A figure given for the host alone still holds for both.
  job.host = target->address.port == kWhoisPort
                 ? target->host
                 : target->host + ":" + std::to_string(target->address.port);
  const std::size_t index = job.index;
  ServerFor(job.host, Protocol::Whois).waiting.emplace(index, std::move(job));
}

void RegistrySource::RegistryRun::ReleaseInOrder() {
  while (!proving_.empty()) {
    const auto found = proved_.find(proving_.front());
    if (found == proved_.end()) break;
    if (found->second) ToRegistry(std::move(*found->second));
    proved_.erase(found);
    proving_.pop_front();
  }
}

// What a thread of blocking work gave back: a suffix's server, a delegation, a WHOIS or DNS
// answer.
void RegistrySource::RegistryRun::OnLookup(Job job, Answer answer) {
  if (job.referral) return OnReferral(job);
  if (job.delegation) return OnDelegation(std::move(job), std::move(answer));
  if (job.route == Route::Dns) return ledger_->Finish(job, std::move(answer));
  OnWhoisAnswer(std::move(job), std::move(answer));
}

// Delegated: registered, its registry not asked unless asked for details. Else on to the
// registry, in the list's order.
void RegistrySource::RegistryRun::OnDelegation(Job job, Answer answer) {
  job.delegation = false;
  const std::size_t index = job.index;
  if (answer.status == Status::Registered && options_.delegationSettles) {
    ledger_->Finish(job, std::move(answer));
    proved_.emplace(index, std::nullopt);
  } else {
    job.forSale = std::move(answer.forSale);
    proved_.emplace(index, std::move(job));
  }
  ReleaseInOrder();
}

// A suffix's server is known: its names join that server's queue, or DNS.
void RegistrySource::RegistryRun::OnReferral(const Job& lookUp) {
  const std::string suffix = SuffixOf(lookUp.aLabel);
  std::shared_ptr<const WhoisTarget> target;
  std::vector<std::string> warnings;
  {
    std::lock_guard lock(referred_->mutex);
    target = referred_->found[suffix];
    warnings = std::exchange(referred_->warnings, {});
  }
  if (options_.warn) {
    for (const std::string& warning : warnings) options_.warn(warning);
  }
  for (Job& job : std::exchange(awaiting_[suffix], {})) ToWhois(std::move(job), target);
}

void RegistrySource::RegistryRun::OnWhoisAnswer(Job job, Answer answer) {
  Ledger::Server& server = ledger_->servers.at(job.host);
  --server.started;
  if (answer.status == Status::Unknown && answer.reason == base::FailureKind::RateLimited) {
    return ledger_->Refused(std::move(job), "");
  }
  if (answer.status == Status::Unknown && answer.reason != base::FailureKind::Protocol) {
    server.pace.Ended();
    if (answer.reason == base::FailureKind::Dns) ledger_->Unfound(job.host, answer);
  } else {
    server.pace.Answered(Steady::now());
  }
  ledger_->Finish(job, std::move(answer));
}

void RegistrySource::RegistryRun::OnReply(const std::weak_ptr<Ledger>& weak, Job job,
                                          web::Reply reply) {
  const std::shared_ptr<Ledger> ledger = weak.lock();
  if (!ledger) return;
  Ledger::Server& server = ledger->servers.at(job.host);
  --server.started;
  Pace& pace = server.pace;
  if (!reply.ok()) {
    pace.Ended();
    Answer failed = Unknown(base::FromUtf8(reply.failure->message), reply.failure->kind);
    if (reply.failure->kind == base::FailureKind::Dns) ledger->Unfound(job.host, failed);
    return ledger->Finish(job, std::move(failed));
  }
  if (reply.status == 429 || reply.status == 503) {
    return ledger->Refused(std::move(job), reply.Header("retry-after"));
  }
  pace.Answered(Steady::now());
  if (reply.status == 404 && web::HostOf(reply.url) != job.host) {
    return ledger->Finish(job, Unknown(u"redirected to another service, which answered 404",
                                       base::FailureKind::Protocol));
  }
  ledger->Finish(
      job, ReadDomainReply(job.aLabel, reply.status, reply.Header("content-type"), reply.body));
}

// Scheduling here rather than in the client keeps a paused server's names out of its queue.
Steady::time_point RegistrySource::RegistryRun::StartWhatIsDue() {
  const auto now = Steady::now();
  auto next = now + kMaxRetryWait;
  std::size_t paused = 0;
  for (auto& [host, server] : ledger_->servers) {
    while (server.unfound && !server.waiting.empty()) {
      Job job = std::move(server.waiting.begin()->second);
      server.waiting.erase(server.waiting.begin());
      ledger_->Finish(job, *server.unfound);
    }
    while (!server.waiting.empty()) {
      const auto start = server.pace.NextStart(now);
      if (start > now) {
        next = std::min(next, start);
        if (server.pace.Paused(now)) paused += server.waiting.size();
        break;
      }
      Job job = std::move(server.waiting.begin()->second);
      server.waiting.erase(server.waiting.begin());
      server.pace.Started(now);
      ++server.started;
      ++job.tries;
      if (job.route == Route::Whois) {
        whoisQuestions_.Add(std::move(job));
        continue;
      }
      web::Get request{job.url, {{"Accept", "application/rdap+json"}}};
      client_.Start(std::move(request),
                    [weak = std::weak_ptr<Ledger>(ledger_), job](web::Reply reply) mutable {
                      OnReply(weak, std::move(job), std::move(reply));
                    });
    }
  }
  source_.paused_->store(paused);
  for (const std::string& host : std::exchange(ledger_->unfoundHosts, {})) {
    if (options_.warn) {
      options_.warn("the network seems down: " + host +
                    " cannot be found, and its other names are not asked" +
                    options_.offlineAdvice);
    }
  }
  return next;
}

void RegistrySource::RegistryRun::Wait(Steady::time_point until) {
  if (client_.Pending() > 0) return client_.Run(until);
  std::unique_lock lock(completion_->mutex);
  completion_->ended.wait_until(lock, until, [&] {
    return !completion_->done.empty() || std::exchange(completion_->interrupted, false);
  });
}

void RegistrySource::RegistryRun::Execute() {
  const std::stop_callback onStop(stop_, [&client = client_, completion = completion_] {
    client.Wake();
    {
      std::lock_guard lock(completion->mutex);
      completion->interrupted = true;
    }
    completion->ended.notify_all();
  });
  for (TakeNames(); (ledger_->remaining > 0 || !fed_) && !stop_.stop_requested(); TakeNames()) {
    const Steady::time_point next = StartWhatIsDue();
    std::vector<std::pair<Job, Answer>> done;
    {
      std::lock_guard lock(completion_->mutex);
      done = std::exchange(completion_->done, {});
    }
    for (auto& [job, answer] : done) OnLookup(std::move(job), std::move(answer));
    if (!done.empty()) continue;  // a pace may allow more now
    if (ledger_->remaining == 0 || stop_.stop_requested()) break;
    Wait(next);
  }
  source_.paused_->store(0);
  // Requests a stop left behind end without an answer as far as the paces go, which the next
  // run keeps.
  for (auto& [host, server] : ledger_->servers) {
    for (; server.started > 0; --server.started) server.pace.Ended();
  }
}

void RegistrySource::Check(NameFeed& names, const Report& report, std::stop_token stop) {
  RegistryRun(*this, names, report, std::move(stop)).Execute();
}

}  // namespace check
