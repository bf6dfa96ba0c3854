// Form1Layout describes the main window as data: its caption, client size and default font, and
// every control with its kind, container, place and size in twips, text, font, colour and flags,
// plus the keyboard focus order. Each front end builds its window from this description. It
// creates no window, converts no text and knows no platform.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// The maker's web host: the caption shows it and the latest-version page lives on it.
inline constexpr std::u16string_view kMakerHost = u"brelka.example.com";
inline constexpr std::u16string_view kMakerName = u"Brelka工作室";
inline constexpr std::u16string_view kSupportNumber = u"800012345";
// The caption of every message box of the program.
inline constexpr std::u16string_view kAppTitle = u"Brelka";

// 1/1440 inch: the unit of every position and size in the description.
using Twips = int;

// Rounds to the nearest pixel; at 96 dots per inch 15 twips make one pixel.
int TwipsToPixels(Twips twips, double dotsPerInch);

enum class ControlKind { Label, LinkLabel, Frame, TextBox, Button };

// Which control a description entry is; front ends keep their widgets by this.
enum class ControlId {
  Label1_2,
  Label6_1,
  Frame1,
  Text1,
  Frame2,
  Text2,
  Label3,
  Command1,
  Command2,
  Command3,
  Frame3,
  Label1_8,
  Label2,
  Label1_7,
};

struct FontSpec {
  std::u16string family;
  double points = 9;
  bool bold = false;
  bool underline = false;
  int charset = 134;  // GB2312

  bool operator==(const FontSpec&) const = default;
};

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kRed{255, 0, 0};

struct TwipsRect {
  Twips left = 0;
  Twips top = 0;
  Twips width = 0;
  Twips height = 0;
};

struct ControlSpec {
  ControlId id;
  std::string_view name;  // "Label1", "Text1", ...
  std::int16_t index;     // element index within a control array, -1 for a single control
  ControlKind kind;
  std::optional<ControlId> container;  // a frame, or none for the window's client area
  TwipsRect place;                     // relative to the container's outer top-left corner
  std::u16string text;                 // caption, or the initial text of a text box
  FontSpec font;                       // the window's default font where the control has none
  std::optional<Rgb> colour;           // none: the platform's default text colour
  bool autoSize = false;               // a label sized to its caption, also when it changes
  bool multiLine = false;              // a text box with both scroll bars and no wrapping
};

struct FormSpec {
  std::u16string caption;
  Twips clientWidth = 0;
  Twips clientHeight = 0;
  FontSpec font;
  std::vector<ControlSpec> controls;  // top to bottom, frames before what they hold
  std::vector<ControlId> focusOrder;  // the controls that take the keyboard focus, in order
  ControlId initialFocus;
};

// "Brelka域名注册批量查询8.0", two blanks, the maker's web address, its name and support contact.
std::u16string Form1Caption();

// The usage hint that the input box shows at start; every line ends with CR LF.
std::u16string InputHint();

const FormSpec& Form1Layout();
const ControlSpec& Control(ControlId id);

}  // namespace app
