#include "BulkQuery.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "Cleaning.h"
#include "Harvesting.h"
#include "base/LowerCase.h"
#include "RegistrarRequests.h"
#include "Splitting.h"

namespace query {
namespace {

constexpr std::u16string_view kNoLineBreak = u"查询必须大于2个,小于500个!";
constexpr std::u16string_view kBadFormat = u"域名格式错误";
constexpr std::u16string_view kTooMany = u"数量不能大于490个";

// The highest element index a query may hold: 491 elements, empty ones included.
constexpr std::int16_t kHighestElementIndex = 490;

}  // namespace

// How the harvest ended, for telling a failed run from one that found nothing.
struct BulkQuery::Harvest {
  bool pageRead = false;
};

BulkQuery::BulkQuery(WindowState& window, web::HttpSession& session, std::u16string registrarBase)
    : window_(window), session_(session), registrarBase_(std::move(registrarBase)) {}

std::optional<std::u16string> PrepareRun(WindowState& window) {
  // 1. The one test made before the window turns busy.
  if (!Contains(window.Text1(), u"\r\n")) {
    window.ShowMessage(kNoLineBreak);
    return std::nullopt;
  }

  // 2-5. Busy.
  window.SetCommand1Enabled(false);
  window.SetText2(u"");
  window.SetLabel3(kWaiting);
  window.LastNameIndex = 0;
  window.LastHitIndex = 0;

  auto refuse = [&window](std::u16string_view message) {
    window.ShowMessage(message);
    window.SetCommand1Enabled(true);
    window.SetLabel3(kIdle);
  };

  // 6. Format test on the text as the user left it.
  if (const std::u16string input = window.Text1(); !Contains(input, u".") || input.size() < 5) {
    refuse(kBadFormat);
    return std::nullopt;
  }

  // 7-10. Clean in place, one step at a time, so the box shows each step's result. A step that
  // changed nothing leaves the box alone: it would show the same text, and a text box given a
  // long text anew takes its time over every line.
  for (const Replacement& step : kCleaningSteps) {
    const std::u16string before = window.Text1();
    if (std::u16string cleaned = ReplaceAll(before, step.what, step.with); cleaned != before) {
      window.SetText1(cleaned);
    }
  }

  // 11-13. The submitted list and its bound.
  const std::u16string list = SubmittedList(window.Text1());
  const std::size_t elements = CountPieces(list, u",", kHighestElementIndex + 2);
  if (elements > static_cast<std::size_t>(kHighestElementIndex) + 1) {
    window.LastNameIndex = kHighestElementIndex;
    refuse(kTooMany);
    return std::nullopt;
  }
  if (elements > 0) window.LastNameIndex = static_cast<std::int16_t>(elements - 1);

  return list;
}

void BulkQuery::Command1_Click() {
  // 1-13.
  const std::optional<std::u16string> list = PrepareRun(window_);
  if (!list) return;

  // 14-20. From here no failure stops the run; each one only shapes its ending.
  const base::Status submitted = PostForm(kSearchPath, SearchBody(*list));
  const Harvest harvest = CollectAvailable();
  if (window_.WindowGone()) return;

  // 21-23. Idle again. A run that never got an answer says so, rather than claiming that every
  // name is taken.
  window_.SetCommand1Enabled(true);
  if (window_.Text2().size() < 2) {
    if (!submitted || !harvest.pageRead) {
      window_.SetLabel3(kQueryFailed);
      return;
    }
    window_.SetText2(kAllRegistered);
  }
  if (window_.Label3() == kWaiting) window_.SetLabel3(kIdle);
}

BulkQuery::Harvest BulkQuery::CollectAvailable() {
  Harvest harvest;
  // 1. The selection page; the registrar knows the query by its cookies.
  const base::Result<std::u16string> page =
      web::FetchText(session_, registrarBase_ + std::u16string(kSearchPath), window_);
  if (window_.WindowGone()) return harvest;

  // 2-5. Any failure here ends the harvest with the window as it was; a failed fetch is the
  // empty text.
  auto names = HarvestNames(page ? page.value() : std::u16string());
  if (!names) return harvest;
  harvest.pageRead = true;
  if (names.value().lastHit) window_.LastHitIndex = *names.value().lastHit;

  // 6-7.
  window_.SetText2(base::ToLower(names.value().lines));
  if (window_.Text2().size() > 5) (void)ReleasePending();
  return harvest;
}

base::Status BulkQuery::ReleasePending() {
  // 1-3. Without a name to release there is no request and no summary.
  auto body = RemovalBody(window_.Text2());
  if (!body) return base::Failure{body.error()};

  // 4-9. Whatever the registrar makes of the removal, the summary follows.
  (void)PostForm(kRemovePath, body.value());

  // 10.
  auto summary = Summary(window_.LastNameIndex, window_.LastHitIndex);
  if (!summary) return base::Failure{summary.error()};
  window_.SetLabel3(summary.value());
  return base::Ok();
}

base::Status BulkQuery::PostForm(std::u16string_view path, std::u16string_view body) {
  return query::PostForm(session_, registrarBase_ + std::u16string(path), body);
}

}  // namespace query
