// Form1 holds the main window's handlers, written once for every front end: start-up attaches
// the skin, closing asks for confirmation, a click into the input box clears the usage hint,
// the buttons start a query, clear both boxes or copy the result names, and the link label opens
// the maker's latest-version page. It reads and writes the window only through the window state
// and reaches the system only through Platform; it creates no widgets.
//
// A handler that a failing platform step ends early answers that failure, with a message for the
// user in UTF-8; the steps after it have not run. The front end shows the message in the
// program's message box. The handlers themselves show only the messages of the product.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "Platform.h"
#include "RegistryQuery.h"
#include "base/Result.h"
#include "query/BulkQuery.h"
#include "query/WindowState.h"
#include "web/HttpRequest.h"

namespace app {

inline constexpr std::u16string_view kHintMarker = u"一行一个";
inline constexpr std::u16string_view kNothingToCopy = u"无结果，请先查询";
inline constexpr std::u16string_view kCopied = u"全部域名复制成功，您可以粘贴到任意处！";
inline constexpr std::u16string_view kExitPrompt = u"真的退出吗?";
inline constexpr std::u16string_view kExitCaption = u"退出";
inline constexpr std::u16string_view kSkinFile = u"/XinChunDaJie.she";
// Show-window code 1: normal size and position, activated.
inline constexpr int kShowNormal = 1;

// "http://" + the maker's host + "/Brelka/plzc.html".
std::u16string LatestVersionAddress();
// "explorer.exe " followed by the latest-version address.
std::u16string LatestVersionCommandLine();

class Form1 {
 public:
  Form1(query::WindowState& window, Platform& platform, web::HttpSession& session,
        std::u16string registrarBase = std::u16string(query::kRegistrarBase));
  // The start button asks the registries that `registries` opens instead of the registrar; the
  // front end answers each call of wake with OnRunEvent on the window's thread.
  Form1(query::WindowState& window, Platform& platform, web::HttpSession& session,
        SourceOpener registries, std::function<void()> wake);

  // Runs once before the window is first shown. A failure (no skin library, no entry point)
  // means the program must end without showing the window.
  base::Status Form_Load();
  // cancel is 0 on entry; set to -1 it keeps the window open.
  void Form_Unload(std::int16_t& cancel);
  void Text1_Click();
  void Command1_Click();
  // A run of the registries has news for the window.
  void OnRunEvent();
  void Command2_Click();
  base::Status Command3_Click();
  base::Status Label6_Click(std::int16_t index);

 private:
  query::WindowState& window_;
  Platform& platform_;
  query::BulkQuery query_;
  std::unique_ptr<RegistryQuery> registries_;
};

}  // namespace app
