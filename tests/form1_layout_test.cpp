#include "app/Form1Layout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using app::Control;
using app::ControlId;
using app::ControlKind;
using app::Form1Layout;

app::TwipsRect InWindow(const app::ControlSpec& control) {
  app::TwipsRect rect = control.place;
  if (control.container) {
    rect.left += Control(*control.container).place.left;
    rect.top += Control(*control.container).place.top;
  }
  return rect;
}

bool Overlap(const app::TwipsRect& a, const app::TwipsRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

TEST(Form1Layout, ClientAreaIs617By485PixelsAt96Dpi) {
  EXPECT_EQ(app::TwipsToPixels(Form1Layout().clientWidth, 96), 617);
  EXPECT_EQ(app::TwipsToPixels(Form1Layout().clientHeight, 96), 485);
  EXPECT_EQ(app::TwipsToPixels(Form1Layout().clientWidth, 144), 926);
  EXPECT_EQ(app::TwipsToPixels(80, 96), 5);
}

TEST(Form1Layout, CaptionStartsWithTheProductNameAndShowsTheMakersHost) {
  const std::u16string caption = Form1Layout().caption;
  EXPECT_EQ(caption.rfind(u"Brelka域名注册批量查询8.0  ", 0), 0u);
  EXPECT_NE(caption.find(app::kMakerHost), std::u16string::npos);
  EXPECT_NE(caption.find(u"错误处理"), std::u16string::npos);
}

TEST(Form1Layout, NoControlOverlapsAnotherAndFramesHoldTheirControls) {
  const auto& controls = Form1Layout().controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const app::ControlSpec& a = controls[i];
    if (a.container) {
      const app::TwipsRect frame = Control(*a.container).place;
      EXPECT_LE(a.place.left + a.place.width, frame.width) << a.name << a.index;
      EXPECT_LE(a.place.top + a.place.height, frame.height) << a.name << a.index;
    }
    const app::TwipsRect outer = InWindow(a);
    EXPECT_LE(outer.left + outer.width, Form1Layout().clientWidth) << a.name << a.index;
    EXPECT_LE(outer.top + outer.height, Form1Layout().clientHeight) << a.name << a.index;
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      const app::ControlSpec& b = controls[j];
      if (a.id == b.container || b.id == a.container) continue;
      EXPECT_FALSE(Overlap(outer, InWindow(b))) << a.name << a.index << " " << b.name << b.index;
    }
  }
}

TEST(Form1Layout, OnlyButtonsAndTextBoxesTakeTheFocusStartingOnCommand1) {
  const std::vector<ControlId> expected = {ControlId::Command1, ControlId::Command2,
                                           ControlId::Command3, ControlId::Text1, ControlId::Text2};
  EXPECT_EQ(Form1Layout().focusOrder, expected);
  EXPECT_EQ(Form1Layout().initialFocus, ControlId::Command1);
}

TEST(Form1Layout, InputHintHasSixLinesEachEndingInCrLfWithTheMarkerAndThreeComNames) {
  const std::u16string hint = app::InputHint();
  EXPECT_EQ(Control(ControlId::Text1).text, hint);
  EXPECT_EQ(hint.rfind(u"数量必须大于2个,小于500个\r\n一行一个域名\r\n如：\r\n", 0), 0u);
  std::vector<std::u16string> lines;
  for (std::size_t start = 0; start < hint.size();) {
    const std::size_t end = hint.find(u"\r\n", start);
    ASSERT_NE(end, std::u16string::npos) << "every line ends with CR LF";
    lines.push_back(hint.substr(start, end - start));
    start = end + 2;
  }
  ASSERT_EQ(lines.size(), 6u);
  for (std::size_t i = 3; i < 6; ++i) {
    EXPECT_TRUE(lines[i].ends_with(u".com")) << i;
    EXPECT_EQ(lines[i].find_first_of(u"\r\n "), std::u16string::npos);
  }
}

TEST(Form1Layout, FontsUseTheGb2312CharsetAndOnlyTheLinkIsUnderlined) {
  for (const app::ControlSpec& control : Form1Layout().controls) {
    EXPECT_EQ(control.font.charset, 134) << control.name;
    EXPECT_EQ(control.font.underline, control.kind == ControlKind::LinkLabel) << control.name;
  }
  EXPECT_EQ(Control(ControlId::Label6_1).font, (app::FontSpec{u"微软雅黑", 10.5, true, true}));
  EXPECT_EQ(Control(ControlId::Text2).font, Form1Layout().font);
  EXPECT_EQ(Form1Layout().font, (app::FontSpec{u"宋体", 9}));
}

}  // namespace
