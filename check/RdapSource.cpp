#include "check/RdapSource.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "check/ALabel.h"
#include "check/DomainReply.h"
#include "check/RetryAfter.h"
#include "check/Utf8.h"

namespace check {
namespace {

using Steady = std::chrono::steady_clock;

struct Job {
  std::size_t index = 0;
  std::string aLabel;
  std::string host;  // of the registry's service; empty for DNS lookups
  std::string url;
  int tries = 0;
};

Answer DnsUnknown(std::u16string detail) {
  return Unknown(std::move(detail), web::FailureKind::Dns);
}

std::string LastLabel(const std::string& name) {
  return name.substr(name.rfind('.') + 1);
}

// What DNS says of a name whose suffix has no RDAP service. The suffix itself is looked up
// first (once), so that a name under a suffix that does not exist is not "likely available".
class DnsLookups {
 public:
  DnsLookups(std::shared_ptr<NsResolver> resolver, std::size_t threads)
      : shared_(std::make_shared<Shared>()), threads_(std::max<std::size_t>(threads, 1)) {
    shared_->resolver = std::move(resolver);
  }

  ~DnsLookups() {
    {
      std::lock_guard lock(shared_->mutex);
      shared_->stopped = true;
      shared_->wake = nullptr;
    }
    shared_->work.notify_all();
    // A thread inside a lookup finishes it on its own (the lookup is bounded) and then lets
    // go of the shared state; waiting for it would delay a stop by seconds.
    for (std::thread& thread : running_) thread.detach();
  }

  void Add(Job job, std::function<void()> wake) {
    std::lock_guard lock(shared_->mutex);
    shared_->wake = std::move(wake);
    shared_->todo.push_back(std::move(job));
    if (running_.size() < threads_) running_.emplace_back(&DnsLookups::Work, shared_);
    shared_->work.notify_one();
  }

  std::vector<std::pair<Job, Answer>> TakeDone() {
    std::lock_guard lock(shared_->mutex);
    return std::exchange(shared_->done, {});
  }

  // Returns when a lookup has ended, at the deadline, or when interrupted.
  void WaitForDone(Steady::time_point deadline) {
    std::unique_lock lock(shared_->mutex);
    shared_->ended.wait_until(lock, deadline, [this] {
      return !shared_->done.empty() || std::exchange(shared_->interrupted, false);
    });
  }

  void Interrupt() {
    {
      std::lock_guard lock(shared_->mutex);
      shared_->interrupted = true;
    }
    shared_->ended.notify_all();
  }

 private:
  struct Shared {
    std::mutex mutex;
    std::condition_variable work;
    std::condition_variable ended;
    std::deque<Job> todo;
    std::vector<std::pair<Job, Answer>> done;
    std::map<std::string, NsAnswer> suffixes;
    std::function<void()> wake;
    std::shared_ptr<NsResolver> resolver;
    bool stopped = false;
    bool interrupted = false;
  };

  static void Work(std::shared_ptr<Shared> shared);
  static Answer Settle(Shared& shared, const Job& job);

  std::shared_ptr<Shared> shared_;
  std::size_t threads_;
  std::vector<std::thread> running_;
};

void DnsLookups::Work(std::shared_ptr<Shared> shared) {
  std::unique_lock lock(shared->mutex);
  for (;;) {
    shared->work.wait(lock, [&] { return shared->stopped || !shared->todo.empty(); });
    if (shared->stopped) return;
    Job job = std::move(shared->todo.front());
    shared->todo.pop_front();
    lock.unlock();
    Answer answer = Settle(*shared, job);
    lock.lock();
    if (shared->stopped) return;
    shared->done.emplace_back(std::move(job), std::move(answer));
    shared->ended.notify_all();
    if (shared->wake) shared->wake();
  }
}

Answer DnsLookups::Settle(Shared& shared, const Job& job) {
  const std::string suffix = LastLabel(job.aLabel);
  const std::u16string noRdap = u"no RDAP service for ." + FromUtf8(suffix);
  std::optional<NsAnswer> zone;
  {
    std::lock_guard lock(shared.mutex);
    if (const auto found = shared.suffixes.find(suffix); found != shared.suffixes.end()) {
      zone = found->second;
    }
  }
  if (!zone) {
    zone = shared.resolver->LookUpNs(suffix);
    std::lock_guard lock(shared.mutex);
    shared.suffixes.emplace(suffix, *zone);
  }
  if (zone->kind == NsAnswer::Kind::NoSuchName) {
    return DnsUnknown(noRdap + u", and DNS does not know the suffix");
  }
  if (zone->kind == NsAnswer::Kind::Failed) {
    return DnsUnknown(noRdap + u", and DNS failed: " + FromUtf8(zone->reason));
  }
  const NsAnswer name = shared.resolver->LookUpNs(job.aLabel);
  switch (name.kind) {
    case NsAnswer::Kind::Delegated:
      return WithStatus(Status::Registered, noRdap + u"; DNS delegates the name");
    case NsAnswer::Kind::NoSuchName:
      return WithStatus(Status::LikelyAvailable, noRdap + u"; DNS has no such name");
    case NsAnswer::Kind::NoRecords:
      return DnsUnknown(noRdap + u"; DNS knows the name but has no NS records for it");
    case NsAnswer::Kind::Failed:
      break;
  }
  return DnsUnknown(noRdap + u", and DNS failed: " + FromUtf8(name.reason));
}

// One run of Check: the names' jobs per registry host, and what is in flight.
struct Run {
  struct Host {
    std::deque<Job> waiting;
    std::size_t inFlight = 0;
    Steady::time_point notBefore{};  // paused until then after a 429 or 503
  };

  std::span<const std::u16string> names;
  const Source::Report* report = nullptr;
  std::map<std::string, Host> hosts;
  std::size_t remaining = 0;

  void Finish(const Job& job, Answer answer) {
    answer.source = job.host.empty() ? Route::Dns : Route::Rdap;
    if (!job.aLabel.empty() && FromUtf8(job.aLabel) != names[job.index]) {
      answer.aLabel = FromUtf8(job.aLabel);
    }
    --remaining;
    (*report)(job.index, std::move(answer));
  }
};

}  // namespace

RdapSource::RdapSource(Bootstrap bootstrap, std::unique_ptr<web::HttpClient> client,
                       std::shared_ptr<NsResolver> resolver, RdapOptions options)
    : bootstrap_(std::move(bootstrap)),
      client_(std::move(client)),
      resolver_(std::move(resolver)),
      options_(options) {}

RdapSource::~RdapSource() = default;

void RdapSource::Check(std::span<const std::u16string> names, const Report& report,
                       std::stop_token stop) {
  // Callbacks of transfers still in flight after a stop find the run gone and do nothing.
  auto run = std::make_shared<Run>();
  run->names = names;
  run->report = &report;
  DnsLookups dns(resolver_, options_.dnsLookups);
  web::HttpClient& client = *client_;

  // 1. Each name to its registry's queue, to DNS, or straight to its answer.
  for (std::size_t i = 0; i < names.size(); ++i) {
    web::Result<std::string> aLabel = ToALabel(names[i]);
    if (!aLabel) {
      report(i, WithStatus(Status::Invalid, FromUtf8(aLabel.error())));
      continue;
    }
    Job job{i, std::move(aLabel.value()), {}, {}, 0};
    ++run->remaining;
    if (const std::optional<Service> service = bootstrap_.ServiceFor(job.aLabel)) {
      job.url = service->baseUrl + "domain/" + job.aLabel;
      job.host = web::HostOf(service->baseUrl);
      run->hosts[job.host].waiting.push_back(std::move(job));
    } else {
      dns.Add(std::move(job), [&client] { client.Wake(); });
    }
  }

  const std::stop_callback onStop(stop, [&client, &dns] {
    client.Wake();
    dns.Interrupt();
  });

  const auto onReply = [this, weak = std::weak_ptr<Run>(run)](Job job, web::Reply reply) {
    const std::shared_ptr<Run> run = weak.lock();
    if (!run) return;
    Run::Host& host = run->hosts[job.host];
    --host.inFlight;
    if (!reply.ok()) {
      return run->Finish(job, Unknown(FromUtf8(reply.failure->message), reply.failure->kind));
    }
    if (reply.status == 429 || reply.status == 503) {
      if (job.tries >= options_.maxTries) {
        return run->Finish(job, Unknown(u"rate-limited", web::FailureKind::RateLimited));
      }
      const auto wait =
          RetryWait(reply.Header("retry-after"), job.tries, std::chrono::system_clock::now());
      host.notBefore = std::max(host.notBefore, Steady::now() + wait);
      host.waiting.push_front(std::move(job));
      return;
    }
    if (reply.status == 404 && web::HostOf(reply.url) != job.host) {
      return run->Finish(job, Unknown(u"redirected to another service, which answered 404",
                                      web::FailureKind::Protocol));
    }
    run->Finish(
        job, ReadDomainReply(job.aLabel, reply.status, reply.Header("content-type"), reply.body));
  };

  // 2. Feed each host up to the client's cap, unless it asked for a pause; wait for what comes
  // back. Scheduling here rather than in the client keeps a paused host's names out of its queue.
  const std::size_t perHost = client.PerHost();
  while (run->remaining > 0 && !stop.stop_requested()) {
    const auto now = Steady::now();
    auto next = now + kMaxRetryWait;
    for (auto& [name, host] : run->hosts) {
      while (host.inFlight < perHost && !host.waiting.empty()) {
        if (host.notBefore > now) {
          next = std::min(next, host.notBefore);
          break;
        }
        Job job = std::move(host.waiting.front());
        host.waiting.pop_front();
        ++host.inFlight;
        ++job.tries;
        web::Get request{job.url, {{"Accept", "application/rdap+json"}}};
        client.Start(std::move(request), [onReply, job](web::Reply reply) mutable {
          onReply(std::move(job), std::move(reply));
        });
      }
    }
    for (auto& [job, answer] : dns.TakeDone()) run->Finish(job, std::move(answer));
    if (run->remaining == 0 || stop.stop_requested()) break;
    if (client.Pending() > 0) {
      client.Run(next);
    } else {
      dns.WaitForDone(next);
    }
  }
}

}  // namespace check
