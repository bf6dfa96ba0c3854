// The window's texts, places, sizes and fonts as the product has them, written out once for
// both platforms' tests and never taken from the window's description, so that a wrong
// character in the description fails the tests even where the window agrees with it.
#pragma once

#include <optional>
#include <string_view>

#include "app/Form1Layout.h"

namespace testing_support {

struct WindowFont {
  std::u16string_view family;
  double points;
  bool bold;
  bool underline;
};

inline constexpr WindowFont kSongTi{u"宋体", 9, false, false};
inline constexpr WindowFont kSongTiBold{u"宋体", 9, true, false};
inline constexpr WindowFont kHeiTi{u"黑体", 9, false, false};
inline constexpr WindowFont kYaHei{u"微软雅黑", 9, false, false};
inline constexpr WindowFont kYaHeiLink{u"微软雅黑", 10.5, true, true};

inline constexpr std::u16string_view kCaption =
    u"Brelka域名注册批量查询8.0  brelka.example.com Brelka工作室 错误处理800012345";
inline constexpr std::u16string_view kHint =
    u"数量必须大于2个,小于500个\r\n一行一个域名\r\n如：\r\n"
    u"qingshanhu.com\r\nbrelkamingzi.com\r\nxinchunkuaile.com\r\n";
inline constexpr std::u16string_view kSlogan = u"数秒内可查500个域名是否被注册,速度快,数据准确";
inline constexpr std::u16string_view kSuffixes =
    u"com|net|org|.com.co|co|info|me|mobi|us|biz|ca|mx|ws|asia|bz|net.co|nom.co|eu|in|com.mx|"
    u"nl|se";
inline constexpr std::u16string_view kWaiting = u"查询中,请稍等....";
inline constexpr std::u16string_view kAllRegistered = u"您查询的域名全部已经被注册!!";
inline constexpr std::u16string_view kQueryFailed = u"查询失败,请检查网络连接后重试";

enum class ControlKind { Label, Frame, TextBox, Button };

struct ExpectedControl {
  app::ControlId id;
  ControlKind kind;
  std::optional<app::ControlId> container;
  int left, top;      // twips from the container's outer top-left corner (else the client area's)
  int width, height;  // twips; 0 for a label sized to its caption
  std::u16string_view text;
  WindowFont font;
  bool red;
};

inline constexpr ExpectedControl kControls[] = {
    {app::ControlId::Label1_2, ControlKind::Label, {}, 120, 80, 0, 0,
     u"使用步骤: ①输入查询域名  ②点开始查询按钮 ", kSongTiBold, true},
    {app::ControlId::Label6_1, ControlKind::Label, {}, 7320, 0, 0, 0, u"最新版本", kYaHeiLink,
     true},
    {app::ControlId::Frame1, ControlKind::Frame, {}, 120, 360, 4335, 5175, u"输入查询域名:",
     kHeiTi, false},
    {app::ControlId::Text1, ControlKind::TextBox, app::ControlId::Frame1, 120, 240, 4095, 4815,
     kHint, kYaHei, false},
    {app::ControlId::Frame2, ControlKind::Frame, {}, 4680, 360, 4455, 5175, u"结果框:", kHeiTi,
     false},
    {app::ControlId::Text2, ControlKind::TextBox, app::ControlId::Frame2, 120, 240, 4215, 4815,
     u"", kSongTi, false},
    {app::ControlId::Label3, ControlKind::Label, {}, 120, 5640, 0, 0, kSlogan, kSongTiBold, true},
    {app::ControlId::Command1, ControlKind::Button, {}, 4680, 5640, 1095, 375, u"开始查询",
     kSongTi, false},
    {app::ControlId::Command2, ControlKind::Button, {}, 6000, 5640, 1095, 375, u"清空数据",
     kSongTi, false},
    {app::ControlId::Command3, ControlKind::Button, {}, 7320, 5640, 1095, 375, u"复制结果",
     kSongTi, false},
    {app::ControlId::Frame3, ControlKind::Frame, {}, 120, 6120, 9015, 1095, u"使用注意:", kHeiTi,
     false},
    {app::ControlId::Label1_8, ControlKind::Label, app::ControlId::Frame3, 120, 240, 0, 0,
     u"①支持查询后缀格式：", kSongTiBold, false},
    {app::ControlId::Label2, ControlKind::Label, app::ControlId::Frame3, 360, 480, 0, 0, kSuffixes,
     kSongTi, false},
    {app::ControlId::Label1_7, ControlKind::Label, app::ControlId::Frame3, 120, 750, 0, 0,
     u"②查询出现任何问题请：重新拨号，清空IE cookies", kSongTiBold, false},
};

// A control's place from the window's client area: a control inside a frame is at the frame's
// place plus its own.
inline constexpr std::pair<int, int> ClientPlace(const ExpectedControl& control) {
  if (!control.container) return {control.left, control.top};
  for (const ExpectedControl& frame : kControls) {
    if (frame.id == *control.container) {
      return {frame.left + control.left, frame.top + control.top};
    }
  }
  return {control.left, control.top};
}

}  // namespace testing_support
