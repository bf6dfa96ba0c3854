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
  std::string aLabel;
  Route route = Route::Dns;
  std::string host;  // of the server whose pace it keeps; empty for DNS lookups
  std::string url;   // RDAP
  std::shared_ptr<const WhoisTarget> whois;
  int tries = 0;
  // Not a name's question but the look-up of its suffix's WHOIS server (whois.iana.org).
  bool referral = false;
  // The question to the name's zone's servers, before any registry's.
  bool delegation = false;
  // The name as written is not its A-label, which its answer then names.
  bool idn = false;
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

// One run of Check: each server's queue and pace, and how many names are left.
struct Run {
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

void RegistrySource::Check(NameFeed& names, const Report& report, std::stop_token stop) {
  // Callbacks of transfers still in flight after a stop find the run gone and do nothing.
  auto run = std::make_shared<Run>();
  run->report = &report;
  run->maxTries = options_.maxTries;
  web::HttpClient& client = *client_;
  auto completion = std::make_shared<Completion>();
  completion->wake = [&client] { client.Wake(); };
  auto dnsRoute = std::make_shared<DnsRoute>(resolver_, !whois_            ? u"RDAP"
                                                        : options_.useRdap ? u"RDAP or WHOIS"
                                                                           : u"WHOIS");
  Lookups dns([dnsRoute](const Job& job, std::stop_token) { return dnsRoute->Settle(job.aLabel); },
              options_.dnsLookups, completion);
  std::shared_ptr<WhoisRoute> whoisRoute = whois_;
  // Each suffix's server is looked up on a thread of its own, one suffix after another (IANA
  // is one shared server), while the names of other routes go on.
  auto referred = std::make_shared<Referrals>();
  Lookups referrals(
      [whoisRoute, referred](const Job& job, std::stop_token stopped) {
        auto found = whoisRoute->TargetFor(job.aLabel, std::chrono::system_clock::now(), stopped);
        std::vector<std::string> warnings = whoisRoute->TakeWarnings();
        std::lock_guard lock(referred->mutex);
        referred->found[SuffixOf(job.aLabel)] =
            found ? std::make_shared<const WhoisTarget>(std::move(*found)) : nullptr;
        referred->warnings.insert(referred->warnings.end(), warnings.begin(), warnings.end());
        return Answer{};
      },
      1, completion);
  Lookups whois(
      [whoisRoute](const Job& job, std::stop_token stopped) {
        return whoisRoute->Ask(*job.whois, job.aLabel, stopped);
      },
      options_.whoisLookups, completion);
  if (whois_) whois_->NewRun();
  // Each server's pace carries over from one run to the next, as the server sees one client.
  const auto serverFor = [&](const std::string& host, Protocol protocol) -> Run::Server& {
    auto found = run->servers.find(host);
    if (found == run->servers.end()) {
      auto pace = paces_.find(host);
      if (pace == paces_.end()) {
        pace = paces_.emplace(host, Pace(options_.paces.For(host, protocol))).first;
      }
      found = run->servers.emplace(host, Run::Server{{}, pace->second, 0, std::nullopt}).first;
    }
    return found->second;
  };

  // A name whose suffix's WHOIS server is known goes to that server's queue, else to DNS.
  const auto toWhois = [&](Job job, const std::shared_ptr<const WhoisTarget>& target) {
    if (!target) return dns.Add(std::move(job));
    job.route = Route::Whois;
    job.whois = target;
    // Each server keeps its own pace: two on one host (a mirror on another port) do not share
    // one. A figure given for the host alone still holds for both.
    job.host = target->address.port == kWhoisPort
                   ? target->host
                   : target->host + ":" + std::to_string(target->address.port);
    const std::size_t index = job.index;
    serverFor(job.host, Protocol::Whois).waiting.emplace(index, std::move(job));
  };

  // A name to its registry's route: an RDAP server's queue, its suffix's WHOIS look-up (or that
  // server's queue once known), or DNS.
  std::map<std::string, std::vector<Job>> awaiting;  // by suffix, until its server is known
  const auto toRegistry = [&](Job job) {
    job.route = Route::Dns;
    // A suffix run apart from its TLD (ac.uk, uk.com): never the TLD's service.
    const names::SuffixService* apart = names::SuffixServices::BuiltIn().For(job.aLabel);
    if (apart && (!apart->whois || !whois_)) {
      const std::u16string suffix = base::FromUtf8(apart->suffix);
      return run->Finish(
          job, Unknown(apart->whois ? suffix + u"'s registry answers over WHOIS only (" +
                                          base::FromUtf8(*apart->whois) + u"), which is not asked"
                                    : u"no registry service known for " + suffix,
                       base::FailureKind::Other));
    }
    if (const std::optional<Service> service =
            options_.useRdap && !apart ? bootstrap_.ServiceFor(job.aLabel) : std::nullopt) {
      job.route = Route::Rdap;
      job.url = service->baseUrl + "domain/" + job.aLabel;
      job.host = web::HostOf(service->baseUrl);
      const std::size_t index = job.index;
      serverFor(job.host, Protocol::Rdap).waiting.emplace(index, std::move(job));
      return;
    }
    if (!whois_) return dns.Add(std::move(job));
    const std::string suffix = SuffixOf(job.aLabel);
    std::vector<Job>& waiting = awaiting[suffix];
    if (waiting.empty()) {
      {
        std::lock_guard lock(referred->mutex);
        if (const auto found = referred->found.find(suffix); found != referred->found.end()) {
          return toWhois(std::move(job), found->second);
        }
      }
      Job lookUp{job.index, job.aLabel, Route::Whois, {}, {}, nullptr, 0, true, false, false};
      referrals.Add(std::move(lookUp));
    }
    waiting.push_back(std::move(job));
  };

  Lookups delegations(
      [proving = options_.delegation](const Job& job, std::stop_token stopped) {
        auto proof = proving->Prove(job.aLabel, stopped);
        if (!proof) return Answer{};
        return WithStatus(Status::Registered, u"delegated by " + base::FromUtf8(proof->server) +
                                                  u", a server of " + base::FromUtf8(proof->zone));
      },
      options_.delegationLookups, completion);

  // Names come back from their zones' servers in any order; they go on to their registries in
  // the list's order, so that no later name takes a registry's turn before an earlier one.
  std::deque<std::size_t> proving;                   // places, in the list's order
  std::map<std::size_t, std::optional<Job>> proved;  // by place; nothing: settled
  const auto releaseInOrder = [&] {
    while (!proving.empty()) {
      const auto found = proved.find(proving.front());
      if (found == proved.end()) break;
      if (found->second) toRegistry(std::move(*found->second));
      proved.erase(found);
      proving.pop_front();
    }
  };

  // 1. Names from the feed while the window has room, each to its zone's servers, to its
  // registry, or straight to its answer.
  bool fed = false;
  const std::size_t window = std::max<std::size_t>(options_.window, 1);
  const auto takeNames = [&] {
    while (!fed && run->ids.size() < window && !stop.stop_requested()) {
      std::optional<NameFeed::Name> name = names.Next();
      if (!name) {
        fed = true;
        break;
      }
      base::Result<std::string> aLabel = names::ToALabel(name->text);
      if (!aLabel) {
        report(name->id, WithStatus(Status::Invalid, base::FromUtf8(aLabel.error())));
        continue;
      }
      // A registry holds only the names one label above a public suffix; asked about any other
      // name it says it has none, which is no answer about that name.
      if (auto reason = names::UnregistrableReason(aLabel.value())) {
        report(name->id, WithStatus(Status::Invalid, std::move(*reason)));
        continue;
      }
      const bool idn = base::FromUtf8(aLabel.value()) != name->text;
      Job job{run->Take(name->id),
              std::move(aLabel.value()),
              Route::Dns,
              {},
              {},
              nullptr,
              0,
              false,
              false,
              idn};
      if (options_.delegation) {
        job.delegation = true;
        proving.push_back(job.index);
        delegations.Add(std::move(job));
      } else {
        toRegistry(std::move(job));
      }
    }
  };

  const std::stop_callback onStop(stop, [&client, completion] {
    client.Wake();
    {
      std::lock_guard lock(completion->mutex);
      completion->interrupted = true;
    }
    completion->ended.notify_all();
  });

  const auto onReply = [weak = std::weak_ptr<Run>(run)](Job job, web::Reply reply) {
    const std::shared_ptr<Run> run = weak.lock();
    if (!run) return;
    Run::Server& server = run->servers.at(job.host);
    --server.started;
    Pace& pace = server.pace;
    if (!reply.ok()) {
      pace.Ended();
      Answer failed = Unknown(base::FromUtf8(reply.failure->message), reply.failure->kind);
      if (reply.failure->kind == base::FailureKind::Dns) run->Unfound(job.host, failed);
      return run->Finish(job, std::move(failed));
    }
    if (reply.status == 429 || reply.status == 503) {
      return run->Refused(std::move(job), reply.Header("retry-after"));
    }
    pace.Answered(Steady::now());
    if (reply.status == 404 && web::HostOf(reply.url) != job.host) {
      return run->Finish(job, Unknown(u"redirected to another service, which answered 404",
                                      base::FailureKind::Protocol));
    }
    run->Finish(
        job, ReadDomainReply(job.aLabel, reply.status, reply.Header("content-type"), reply.body));
  };

  // A suffix's server is known: its names join that server's queue, or DNS.
  const auto onReferral = [&](const Job& lookUp) {
    const std::string suffix = SuffixOf(lookUp.aLabel);
    std::shared_ptr<const WhoisTarget> target;
    std::vector<std::string> warnings;
    {
      std::lock_guard lock(referred->mutex);
      target = referred->found[suffix];
      warnings = std::exchange(referred->warnings, {});
    }
    if (options_.warn) {
      for (const std::string& warning : warnings) options_.warn(warning);
    }
    for (Job& job : std::exchange(awaiting[suffix], {})) toWhois(std::move(job), target);
  };

  const auto onWhoisAnswer = [&](Job job, Answer answer) {
    if (job.referral) return onReferral(job);
    if (job.delegation) {
      job.delegation = false;
      const std::size_t index = job.index;
      if (answer.status == Status::Registered) {
        run->Finish(job, std::move(answer));
        proved.emplace(index, std::nullopt);
      } else {
        proved.emplace(index, std::move(job));
      }
      return releaseInOrder();
    }
    if (job.route == Route::Dns) return run->Finish(job, std::move(answer));
    Run::Server& server = run->servers.at(job.host);
    --server.started;
    Pace& pace = server.pace;
    if (answer.status == Status::Unknown && answer.reason == base::FailureKind::RateLimited) {
      return run->Refused(std::move(job), "");
    }
    if (answer.status == Status::Unknown && answer.reason != base::FailureKind::Protocol) {
      pace.Ended();
      if (answer.reason == base::FailureKind::Dns) run->Unfound(job.host, answer);
    } else {
      pace.Answered(Steady::now());
    }
    run->Finish(job, std::move(answer));
  };

  // 2. Start what each server's pace allows; wait for what comes back. Scheduling here rather
  // than in the client keeps a paused server's names out of its queue.
  for (takeNames(); (run->remaining > 0 || !fed) && !stop.stop_requested(); takeNames()) {
    const auto now = Steady::now();
    auto next = now + kMaxRetryWait;
    std::size_t paused = 0;
    for (auto& [host, server] : run->servers) {
      while (server.unfound && !server.waiting.empty()) {
        Job job = std::move(server.waiting.begin()->second);
        server.waiting.erase(server.waiting.begin());
        run->Finish(job, *server.unfound);
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
          whois.Add(std::move(job));
          continue;
        }
        web::Get request{job.url, {{"Accept", "application/rdap+json"}}};
        client.Start(std::move(request), [onReply, job](web::Reply reply) mutable {
          onReply(std::move(job), std::move(reply));
        });
      }
    }
    paused_->store(paused);
    for (const std::string& host : std::exchange(run->unfoundHosts, {})) {
      if (options_.warn) {
        options_.warn("the network seems down: " + host +
                      " cannot be found, and its other names are not asked" +
                      options_.offlineAdvice);
      }
    }
    std::vector<std::pair<Job, Answer>> done;
    {
      std::lock_guard lock(completion->mutex);
      done = std::exchange(completion->done, {});
    }
    for (auto& [job, answer] : done) onWhoisAnswer(std::move(job), std::move(answer));
    if (!done.empty()) continue;  // a pace may allow more now
    if (run->remaining == 0 || stop.stop_requested()) break;
    if (client.Pending() > 0) {
      client.Run(next);
    } else {
      std::unique_lock lock(completion->mutex);
      completion->ended.wait_until(lock, next, [&] {
        return !completion->done.empty() || std::exchange(completion->interrupted, false);
      });
    }
  }
  paused_->store(0);
  // Requests a stop left behind end without an answer as far as the paces go, which the next
  // run keeps.
  for (auto& [host, server] : run->servers) {
    for (; server.started > 0; --server.started) server.pace.Ended();
  }
}

}  // namespace check
