#include "RegistrarSource.h"

#include <algorithm>
#include <optional>
#include <unordered_set>
#include <utility>

#include "base/LowerCase.h"
#include "query/Cleaning.h"
#include "query/Harvesting.h"
#include "query/RegistrarRequests.h"
#include "query/Splitting.h"
#include "web/Module1.h"

namespace check {
namespace {

// The web layer's and the query's failure messages are ASCII.
std::u16string Reason(std::u16string_view what, const std::string& why) {
  return std::u16string(what) + std::u16string(why.begin(), why.end());
}

}  // namespace

// What the query's waits need of their caller: there is no window here, only the request to
// stop, which ends a wait as if the window had gone. Each read of a request's state itself waits
// briefly for the network, so nothing spins.
class RegistrarSource::StopPump final : public web::MessagePump {
 public:
  explicit StopPump(std::stop_token stop) : stop_(std::move(stop)) {}
  void ProcessPendingMessages() override {}
  bool WindowGone() const override { return stop_.stop_requested(); }

 private:
  std::stop_token stop_;
};

RegistrarSource::RegistrarSource(web::HttpSession& session, std::u16string registrarBase)
    : session_(session), registrarBase_(std::move(registrarBase)) {}

void RegistrarSource::Check(NameFeed& names, const Report& report, std::stop_token stop) {
  StopPump pump(stop);
  std::vector<NameFeed::Name> chunk;
  while (!stop.stop_requested()) {
    chunk.clear();
    while (chunk.size() < kChunkSize) {
      std::optional<NameFeed::Name> name = names.Next();
      if (!name) break;
      chunk.push_back(std::move(*name));
    }
    if (chunk.empty()) return;
    CheckChunk(chunk, report, pump);
  }
}

void RegistrarSource::CheckChunk(const std::vector<NameFeed::Name>& chunk, const Report& report,
                                 StopPump& pump) {
  // A failure while stopping is the stop, not the registrar's: those names stay unanswered.
  auto answer = [&](std::size_t i, Answer found) {
    found.source = Route::Registrar;
    report(chunk[i].id, std::move(found));
  };
  auto fail = [&](std::u16string detail, base::FailureKind reason) {
    if (pump.WindowGone()) return;
    for (std::size_t i = 0; i < chunk.size(); ++i) answer(i, Unknown(detail, reason));
  };

  // The chunk as the window's input box would hold it, then as the window submits it.
  std::u16string text;
  for (const NameFeed::Name& name : chunk) text.append(name.text).append(u"\r\n");
  text.resize(text.size() - 2);
  const std::u16string searchUrl = registrarBase_ + std::u16string(query::kSearchPath);
  if (base::Status searched = query::PostForm(session_, searchUrl,
                                             query::SearchBody(query::SubmittedList(text)), &pump);
      !searched) {
    return fail(Reason(u"search failed: ", searched.error()), searched.failure().kind);
  }

  const base::Result<std::u16string> page = web::FetchText(session_, searchUrl, pump);
  if (!page) {
    return fail(u"the selection page could not be fetched", page.failure().kind);
  }
  auto harvested = query::HarvestNames(page.value());
  if (!harvested) {
    return fail(Reason(u"the selection page could not be read: ", harvested.error()),
                base::FailureKind::Protocol);
  }

  const std::u16string listed = base::ToLower(harvested.value().lines);
  std::unordered_set<std::u16string_view> available;
  for (std::u16string_view line : query::Split(listed, u"\r\n")) available.insert(line);
  for (std::size_t i = 0; i < chunk.size(); ++i) {
    const bool free = available.contains(chunk[i].text);
    answer(i, WithStatus(free ? Status::Available : Status::Registered));
  }

  // The answers stand whatever the removal does; it only keeps the registrar's pending
  // selection from growing with every chunk.
  if (pump.WindowGone()) return;
  if (auto body = query::RemovalBody(listed)) {
    (void)query::PostForm(session_, registrarBase_ + std::u16string(query::kRemovePath),
                          body.value(), &pump);
  }
}

}  // namespace check
