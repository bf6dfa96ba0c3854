// One bulk availability query, run from the start button on a window state: check and clean the
// input box, submit the names to the registrar's bulk search, harvest the names it lists as
// available into the result box, release them from its pending selection, and write the summary.
// It does not know which front end shows the window, and it never shows a network failure as a
// message: a failed run ends with a short failure text in the status line instead.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "WindowState.h"
#include "web/HttpRequest.h"

namespace query {

// Scheme and host of the registrar's site. Tests pass the simulator's address instead.
inline constexpr std::u16string_view kRegistrarBase = u"http://www.godaddy.com";

// The texts a run leaves in the window.
inline constexpr std::u16string_view kWaiting = u"查询中,请稍等....";
inline constexpr std::u16string_view kAllRegistered = u"您查询的域名全部已经被注册!!";
inline constexpr std::u16string_view kQueryFailed = u"查询失败,请检查网络连接后重试";
inline constexpr std::u16string_view kIdle = u".";

// The start button's checks before any request, whichever source answers: the line-break test,
// the busy state, the format test, the cleaning of the input box and the bound of 491 elements.
// Answers the submitted list (the cleaned names joined by ","), or nothing when the run was
// refused with its message (the window is then idle again, or was never touched).
std::optional<std::u16string> PrepareRun(WindowState& window);

class BulkQuery {
 public:
  BulkQuery(WindowState& window, web::HttpSession& session,
            std::u16string registrarBase = std::u16string(kRegistrarBase));

  // The start button's handler. Returns once the run has ended, or at once after the window went
  // away while the run waited for the selection page.
  void Command1_Click();

 private:
  struct Harvest;
  Harvest CollectAvailable();
  base::Status ReleasePending();
  base::Status PostForm(std::u16string_view path, std::u16string_view body);

  WindowState& window_;
  web::HttpSession& session_;
  std::u16string registrarBase_;
};

}  // namespace query
