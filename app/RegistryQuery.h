// The start button's second route: the registries instead of the registrar. The checks, the
// messages, the cleaning of the input box and the bound of 490 names are the registrar route's
// own; then the names go to a check::Source on a thread of the run's own, while the window stays
// free. The run tells the window's thread how far it got at most ten times a second, and once
// more when it has ended, through the front end's wake-up; nothing is sent to the registrar.
//
// At the end the result box holds the available names, lower-cased, one per line, in input order,
// and the status line the count of names entered and of names that can be registered, with the
// names that could not be answered when there are any. A name is available only when its
// registry says so: DNS's "likely available" and names that are not domain names count among
// those not answered.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "base/Result.h"
#include "check/Answer.h"
#include "check/Source.h"
#include "query/WindowState.h"

namespace app {

// Opens the registries' source; runs on the run's thread and may take a while (the RDAP
// bootstrap may need fetching). A stop ends it early.
using SourceOpener =
    std::function<base::Result<std::unique_ptr<check::Source>>(std::stop_token stop)>;

// "查询中,请稍等....(done/total)".
std::u16string ProgressText(std::size_t done, std::size_t total);
// "共输入N个，其中M个可以注册", and "，U个未能查询" when U is not 0.
std::u16string RegistrySummary(std::size_t entered, std::size_t available, std::size_t unanswered);

class RegistryQuery {
 public:
  // wake is called from the run's threads; the front end answers it by calling OnRunEvent on the
  // window's thread. Calls may come before an earlier one was answered: one OnRunEvent answers
  // every call before it.
  RegistryQuery(query::WindowState& window, SourceOpener open, std::function<void()> wake);
  // Ends a run that is still going, at once, and waits for its threads.
  ~RegistryQuery();
  RegistryQuery(const RegistryQuery&) = delete;
  RegistryQuery& operator=(const RegistryQuery&) = delete;

  // Checks and cleans the input box, then starts the run and returns.
  void Command1_Click();
  // On the window's thread: shows the progress, or ends the run.
  void OnRunEvent();

 private:
  struct Shared;
  void Finish(const Shared& shared);

  query::WindowState& window_;
  SourceOpener open_;
  std::function<void()> wake_;
  // Kept from one run to the next once opened, so that each server's pace carries over.
  std::shared_ptr<check::Source> source_;
  bool failureShown_ = false;

  // The run under way.
  std::vector<std::u16string> names_;    // distinct, lower-cased, in input order
  std::vector<check::Status> statuses_;  // by position in names_
  std::vector<std::size_t> sent_;        // positions of the names the source checks
  std::shared_ptr<Shared> shared_;
  std::size_t shownDone_ = 0;
  std::jthread worker_;
  std::jthread ticker_;
};

}  // namespace app
