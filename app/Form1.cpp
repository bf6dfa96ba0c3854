#include "Form1.h"

#include <utility>

#include "Form1Layout.h"
#include "query/Splitting.h"

namespace app {
namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";
constexpr std::size_t kCopyThreshold = 5;
// The line walk of the copy command counts with a signed 16-bit index.
constexpr std::size_t kMaxLines = 32767;

base::Status Failed(std::string_view what, const base::Status& cause) {
  return base::Failure{std::string(what) + cause.error()};
}

}  // namespace

std::u16string LatestVersionAddress() {
  std::u16string address = u"http://";
  address += kMakerHost;
  address += u"/Brelka/plzc.html";
  return address;
}

std::u16string LatestVersionCommandLine() {
  return u"explorer.exe " + LatestVersionAddress();
}

Form1::Form1(query::WindowState& window, Platform& platform, web::HttpSession& session,
             std::u16string registrarBase)
    : window_(window), platform_(platform), query_(window, session, std::move(registrarBase)) {}

Form1::Form1(query::WindowState& window, Platform& platform, web::HttpSession& session,
             SourceOpener registries, std::function<void()> wake)
    : Form1(window, platform, session) {
  registries_ = std::make_unique<RegistryQuery>(window, std::move(registries), std::move(wake));
}

base::Status Form1::Form_Load() {
  // The folder and the file name are joined as they stand: no separator is added or removed.
  const std::u16string skinPath = platform_.ProgramFolder() + std::u16string(kSkinFile);
  const base::Result<int> attached =
      platform_.SkinH_AttachEx(platform_.ToAnsi(skinPath), platform_.ToAnsi(u""));
  if (!attached) return base::Failure{attached.error()};
  // What the skin library answers is of no consequence: the window opens either way.
  return base::Ok();
}

void Form1::Form_Unload(std::int16_t& cancel) {
  if (platform_.ConfirmOkCancel(kExitPrompt, kExitCaption)) {
    platform_.CloseAllWindows();
  } else {
    cancel = -1;
  }
}

void Form1::Text1_Click() {
  if (window_.Text1().find(kHintMarker) != std::u16string::npos) window_.SetText1(u"");
}

void Form1::Command1_Click() {
  if (registries_) {
    registries_->Command1_Click();
  } else {
    query_.Command1_Click();
  }
}

void Form1::OnRunEvent() {
  if (registries_) registries_->OnRunEvent();
}

void Form1::Command2_Click() {
  window_.SetText1(u"");
  window_.SetText2(u"");
}

base::Status Form1::Command3_Click() {
  if (window_.Text2().size() < kCopyThreshold) {
    window_.ShowMessage(kNothingToCopy);
    return base::Ok();
  }
  if (base::Status emptied = platform_.EmptyClipboard(); !emptied) {
    return Failed("无法清空剪贴板: ", emptied);
  }

  // Only CR LF separates lines here; a lone CR or LF stays inside its line.
  const std::u16string result = window_.Text2();
  if (query::CountPieces(result, kLineBreak, kMaxLines + 1) > kMaxLines) {
    return base::Failure{"结果框超过32767行, 无法逐行复制; 剪贴板已被清空"};
  }
  std::u16string copy;
  for (std::u16string_view line : query::Split(result, kLineBreak)) {
    if (query::Contains(line, u".")) copy.append(line).append(kLineBreak);
  }

  if (base::Status written = platform_.SetClipboardText(copy); !written) {
    return Failed("无法写入剪贴板: ", written);
  }
  window_.ShowMessage(kCopied);
  return base::Ok();
}

base::Status Form1::Label6_Click(std::int16_t index) {
  if (index != 1) return base::Ok();
  if (base::Status started = platform_.StartProgram(LatestVersionCommandLine(), kShowNormal);
      !started) {
    return Failed("无法打开最新版本网页: ", started);
  }
  return base::Ok();
}

}  // namespace app
