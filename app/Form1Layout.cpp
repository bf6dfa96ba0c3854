#include "Form1Layout.h"

#include <cassert>
#include <cmath>

namespace app {

int TwipsToPixels(Twips twips, double dotsPerInch) {
  return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

std::u16string Form1Caption() {
  std::u16string caption = u"Brelka域名注册批量查询8.0  ";
  caption += kMakerHost;
  caption += u" ";
  caption += kMakerName;
  caption += u" 错误处理";
  caption += kSupportNumber;
  return caption;
}

std::u16string InputHint() {
  return u"数量必须大于2个,小于500个\r\n"
         u"一行一个域名\r\n"
         u"如：\r\n"
         u"qingshanhu.com\r\n"
         u"brelkamingzi.com\r\n"
         u"xinchunkuaile.com\r\n";
}

namespace {

const FontSpec kSongTi{u"宋体", 9};
const FontSpec kSongTiBold{u"宋体", 9, true};
const FontSpec kHeiTi{u"黑体", 9};
const FontSpec kYaHei{u"微软雅黑", 9};
const FontSpec kYaHeiLink{u"微软雅黑", 10.5, true, true};

FormSpec MakeForm1() {
  using enum ControlId;
  using enum ControlKind;
  FormSpec form;
  form.caption = Form1Caption();
  form.clientWidth = 9255;
  form.clientHeight = 7275;
  form.font = kSongTi;
  // One row per control, in the order of the window's table; kept as a table on purpose.
  // clang-format off
  form.controls = {
      {Label1_2, "Label1", 2, Label, {}, {120, 80, 4230, 180},
       u"使用步骤: ①输入查询域名  ②点开始查询按钮 ", kSongTiBold, kRed, true},
      {Label6_1, "Label6", 1, LinkLabel, {}, {7320, 0, 840, 285}, u"最新版本", kYaHeiLink, kRed,
       true},
      {Frame1, "Frame1", -1, Frame, {}, {120, 360, 4335, 5175}, u"输入查询域名:", kHeiTi, {}},
      {Text1, "Text1", -1, TextBox, Frame1, {120, 240, 4095, 4815}, InputHint(), kYaHei, {},
       false, true},
      {Frame2, "Frame2", -1, Frame, {}, {4680, 360, 4455, 5175}, u"结果框:", kHeiTi, {}},
      {Text2, "Text2", -1, TextBox, Frame2, {120, 240, 4215, 4815}, u"", kSongTi, {}, false,
       true},
      {Label3, "Label3", -1, Label, {}, {120, 5640, 4425, 180},
       u"数秒内可查500个域名是否被注册,速度快,数据准确", kSongTiBold, kRed, true},
      {Command1, "Command1", -1, Button, {}, {4680, 5640, 1095, 375}, u"开始查询", kSongTi, {}},
      {Command2, "Command2", -1, Button, {}, {6000, 5640, 1095, 375}, u"清空数据", kSongTi, {}},
      {Command3, "Command3", -1, Button, {}, {7320, 5640, 1095, 375}, u"复制结果", kSongTi, {}},
      {Frame3, "Frame3", -1, Frame, {}, {120, 6120, 9015, 1095}, u"使用注意:", kHeiTi, {}},
      {Label1_8, "Label1", 8, Label, Frame3, {120, 240, 1950, 180}, u"①支持查询后缀格式：",
       kSongTiBold, {}, true},
      {Label2, "Label2", -1, Label, Frame3, {360, 480, 8280, 180},
       u"com|net|org|.com.co|co|info|me|mobi|us|biz|ca|mx|ws|asia|bz|net.co|nom.co|eu|in|com.mx|"
       u"nl|se",
       kSongTi, {}, true},
      {Label1_7, "Label1", 7, Label, Frame3, {120, 750, 4560, 180},
       u"②查询出现任何问题请：重新拨号，清空IE cookies", kSongTiBold, {}, true},
  };
  // clang-format on
  form.focusOrder = {Command1, Command2, Command3, Text1, Text2};
  form.initialFocus = Command1;
  return form;
}

}  // namespace

const FormSpec& Form1Layout() {
  static const FormSpec form = MakeForm1();
  return form;
}

const ControlSpec& Control(ControlId id) {
  for (const ControlSpec& control : Form1Layout().controls) {
    if (control.id == id) return control;
  }
  assert(!"every control id has an entry");
  return Form1Layout().controls.front();
}

}  // namespace app
