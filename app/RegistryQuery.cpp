#include "RegistryQuery.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <unordered_set>
#include <utility>

#include "base/LowerCase.h"
#include "base/Text.h"
#include "names/NameRules.h"
#include "query/BulkQuery.h"
#include "query/Splitting.h"

namespace app {
namespace {

// The least time between two progress texts.
constexpr std::chrono::milliseconds kProgressInterval{100};

std::u16string Number(std::size_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

// A name counts as answered when a registry said what it is.
bool Answered(check::Status status) {
  return status == check::Status::Available || status == check::Status::Registered ||
         status == check::Status::Reserved;
}

}  // namespace

// What the run's threads and the window's thread share, under the mutex.
struct RegistryQuery::Shared {
  std::mutex mutex;
  std::condition_variable_any changed;
  std::vector<check::Status> statuses;  // by position among the names sent
  std::size_t done = 0;
  bool ended = false;
  std::optional<std::string> failure;     // why the source could not be opened
  std::shared_ptr<check::Source> source;  // the source, once opened
};

std::u16string ProgressText(std::size_t done, std::size_t total) {
  return std::u16string(query::kWaiting) + u"(" + Number(done) + u"/" + Number(total) + u")";
}

std::u16string RegistrySummary(std::size_t entered, std::size_t available, std::size_t unanswered) {
  std::u16string text =
      u"共输入" + Number(entered) + u"个，其中" + Number(available) + u"个可以注册";
  if (unanswered > 0) text += u"，" + Number(unanswered) + u"个未能查询";
  return text;
}

RegistryQuery::RegistryQuery(query::WindowState& window, SourceOpener open,
                             std::function<void()> wake)
    : window_(window), open_(std::move(open)), wake_(std::move(wake)) {}

// The threads stop and are joined by their own destructors, the ticker first.
RegistryQuery::~RegistryQuery() = default;

void RegistryQuery::Command1_Click() {
  if (shared_) return;  // a run is under way; the button is disabled meanwhile
  const std::optional<std::u16string> list = query::PrepareRun(window_);
  if (!list) return;

  // Each name once, where it first appears; the registries judge only the names that can be
  // domain names.
  names_.clear();
  statuses_.clear();
  sent_.clear();
  std::vector<std::u16string> valid;
  std::unordered_set<std::u16string> seen;
  for (std::u16string_view element : query::Split(*list, u",")) {
    std::u16string name = base::ToLower(element);
    if (name.empty() || !seen.insert(name).second) continue;
    const bool invalid = names::InvalidReason(name).has_value();
    statuses_.push_back(invalid ? check::Status::Invalid : check::Status::Unknown);
    if (!invalid) {
      sent_.push_back(names_.size());
      valid.push_back(name);
    }
    names_.push_back(std::move(name));
  }

  shared_ = std::make_shared<Shared>();
  shared_->statuses.assign(valid.size(), check::Status::Unknown);
  shownDone_ = names_.size() - valid.size();
  window_.SetLabel3(ProgressText(shownDone_, names_.size()));

  worker_ = std::jthread([shared = shared_, open = open_, source = source_,
                          valid = std::move(valid)](std::stop_token stop) mutable {
    if (!source && !valid.empty()) {
      auto opened = open(stop);
      if (!opened) {
        std::lock_guard lock(shared->mutex);
        shared->failure = opened.error();
        shared->ended = true;
        shared->changed.notify_all();
        return;
      }
      source = std::move(opened.value());
    }
    if (!valid.empty()) {
      source->Check(
          valid,
          [&shared](std::size_t index, check::Answer answer) {
            std::lock_guard lock(shared->mutex);
            shared->statuses[index] = answer.status;
            ++shared->done;
          },
          stop);
    }
    std::lock_guard lock(shared->mutex);
    shared->source = std::move(source);
    shared->ended = true;
    shared->changed.notify_all();
  });

  // Wakes the window's thread when more names are done, at most every kProgressInterval, and
  // at once when the run has ended; not when the run is stopped, since the window is going.
  ticker_ = std::jthread([shared = shared_, wake = wake_](std::stop_token stop) {
    std::size_t shown = 0;
    std::unique_lock lock(shared->mutex);
    for (;;) {
      shared->changed.wait_for(lock, stop, kProgressInterval, [&] { return shared->ended; });
      if (stop.stop_requested()) return;
      if (shared->ended) break;
      if (shared->done != shown) {
        shown = shared->done;
        lock.unlock();
        wake();
        lock.lock();
      }
    }
    lock.unlock();
    wake();
  });
}

void RegistryQuery::OnRunEvent() {
  if (!shared_) return;
  std::unique_lock lock(shared_->mutex);
  if (!shared_->ended) {
    const std::size_t done = names_.size() - sent_.size() + shared_->done;
    lock.unlock();
    if (done != shownDone_) {
      shownDone_ = done;
      window_.SetLabel3(ProgressText(done, names_.size()));
    }
    return;
  }
  lock.unlock();
  worker_.join();
  ticker_.join();
  const std::shared_ptr<Shared> shared = std::move(shared_);
  Finish(*shared);
}

void RegistryQuery::Finish(const Shared& shared) {
  if (shared.source) source_ = shared.source;
  for (std::size_t k = 0; k < sent_.size(); ++k) statuses_[sent_[k]] = shared.statuses[k];

  window_.SetCommand1Enabled(true);
  std::size_t answered = 0;
  std::size_t available = 0;
  std::u16string result;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (!Answered(statuses_[i])) continue;
    ++answered;
    if (statuses_[i] != check::Status::Available) continue;
    ++available;
    result += names_[i] + u"\r\n";
  }

  // Names were sent and none came back: the network (or the bootstrap) failed the whole run.
  if (!sent_.empty() && answered == 0) {
    window_.SetText2(u"");
    window_.SetLabel3(query::kQueryFailed);
    if (shared.failure && !failureShown_) {
      failureShown_ = true;
      window_.ShowMessage(u"无法取得各注册局的查询地址: " + base::FromUtf8(*shared.failure));
    }
    return;
  }
  const std::size_t unanswered = names_.size() - answered;
  if (available == 0 && unanswered == 0 && !names_.empty()) {
    result = query::kAllRegistered;
  }
  window_.SetText2(result);
  window_.SetLabel3(RegistrySummary(names_.size(), available, unanswered));
}

}  // namespace app
