// The toolkit's rules that need no window, checked in both builds.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dialog_rules.h"

namespace {

std::vector<std::uint8_t> TemplateOf(std::uint32_t style, std::uint32_t extendedStyle, int x, int y,
                                     int width, int height, std::string_view caption, int pointSize,
                                     std::string_view faceName) {
  std::vector<std::uint8_t> bytes(DialogTemplateCapacity, 0xCC);
  bytes.resize(WriteDialogTemplate(bytes, style, extendedStyle, x, y, width, height, caption,
                                   pointSize, faceName));
  return bytes;
}

// The 16-bit characters of `text` followed by a 16-bit zero, as expected bytes.
std::vector<std::uint8_t> Wide(std::string_view text) {
  std::vector<std::uint8_t> bytes;
  for (char c : text) bytes.insert(bytes.end(), {static_cast<std::uint8_t>(c), 0});
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

std::vector<std::uint8_t> Join(std::initializer_list<std::vector<std::uint8_t>> parts) {
  std::vector<std::uint8_t> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// ---- template -------------------------------------------------------------

TEST(DialogTemplate, FieldsInOrderLittleEndian) {
  // clang-format off
  const std::vector<std::uint8_t> expected = {
      0x54, 0x00, 0xC8, 0x80,  // style 0x80C80054
      0x00, 0x01, 0x00, 0x00,  // extended style 0x100
      0x00, 0x00,              // no controls
      0x0A, 0x00, 0x14, 0x00,  // x 10, y 20
      0xC8, 0x00, 0x64, 0x00,  // cx 200, cy 100
      0x00, 0x00, 0x00, 0x00,  // no menu, system class
      'A', 0, 'b', 0, 0, 0,    // caption
      0x08, 0x00,              // 8 points
      'M', 0, 'S', 0, ' ', 0, 'S', 0, 'a', 0, 'n', 0, 's', 0, ' ', 0,
      'S', 0, 'e', 0, 'r', 0, 'i', 0, 'f', 0, 0, 0,
  };
  // clang-format on
  EXPECT_EQ(TemplateOf(0x80C80054, 0x100, 10, 20, 200, 100, "Ab", 8, "MS Sans Serif"), expected);
}

TEST(DialogTemplate, GeometryKeepsLow16Bits) {
  auto bytes = TemplateOf(0, 0, -1, 0x12345, 70000, -2, "A", 8, "F");
  const std::vector<std::uint8_t> geometry(bytes.begin() + 10, bytes.begin() + 18);
  EXPECT_EQ(geometry, (std::vector<std::uint8_t>{0xFF, 0xFF, 0x45, 0x23, 0x70, 0x11, 0xFE, 0xFF}));
}

TEST(DialogTemplate, CaptionBytesWidenedWithZeroHighByte) {
  auto bytes = TemplateOf(0, 0, 0, 0, 0, 0, "\x80\xE9\xFF", 8, "F");
  const std::vector<std::uint8_t> title(bytes.begin() + 22, bytes.begin() + 30);
  EXPECT_EQ(title, (std::vector<std::uint8_t>{0x80, 0, 0xE9, 0, 0xFF, 0, 0, 0}));
}

TEST(DialogTemplate, EmptyCaptionWrittenAsOneBlank) {
  auto bytes = TemplateOf(0, 0, 0, 0, 0, 0, "", 8, "F");
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 22, bytes.end()),
            Join({Wide(" "), {8, 0}, Wide("F")}));
}

TEST(DialogTemplate, CaptionOver256CharactersCut) {
  const std::string caption = std::string(250, 'a') + std::string(50, 'b');
  auto bytes = TemplateOf(0, 0, 0, 0, 0, 0, caption, 8, "F");
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 22, bytes.end()),
            Join({Wide(std::string(250, 'a') + "bbbbbb"), {8, 0}, Wide("F")}));
}

TEST(DialogTemplate, FontFromTheGivenSetting) {
  auto bytes = TemplateOf(0, 0, 0, 0, 0, 0, "A", 12, "Courier New");
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 26, bytes.end()),
            Join({{12, 0}, Wide("Courier New")}));
}

TEST(DialogTemplate, LargestTemplateFillsTheCapacity) {
  const std::string face(40, 'f');
  auto bytes = TemplateOf(0, 0, 0, 0, 0, 0, std::string(300, 'c'), 8, face);
  EXPECT_EQ(bytes.size(), 602u);
  EXPECT_EQ(DialogTemplateCapacity, 602u);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.end() - 64, bytes.end()), Wide(std::string(31, 'f')));
}

// ---- styles -----------------------------------------------------------------

struct DialogStyleCase {
  std::uint32_t style;
  int x, y;
  std::uint32_t expected;
};

TEST(DialogStyles, EffectiveStyle) {
  const DialogStyleCase cases[] = {
      {0x00000000, 0, 0, 0x80C000D4},    // the default
      {0x90C80054, 10, 10, 0x80C80054},  // as both programs pass it: WS_VISIBLE dropped
      {0x80000002, 0, 0, 0x80000054},    // DS_SYSMODAL dropped, the font bits added
      {0x90C80054, -1, 10, 0x80C80854},  // centred by x
      {0x90C80054, 10, -1, 0x80C80854},  // centred by y
      {0x00000000, -2, 0, 0x80C000D4},   // only -1 centres
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EffectiveDialogStyle(c.style, c.x, c.y), c.expected) << std::hex << c.style;
  }
}

TEST(DialogStyles, ShowCommandFromStyle) {
  EXPECT_EQ(ShowCommandForStyle(0x80C80054), 5);
  EXPECT_EQ(ShowCommandForStyle(0x81C80054), 3);  // WS_MAXIMIZE
  EXPECT_EQ(ShowCommandForStyle(0xA0C80054), 6);  // WS_MINIMIZE
  EXPECT_EQ(ShowCommandForStyle(0xA1C80054), 3);  // both: maximize wins
}

struct ControlStyleCase {
  ControlKind kind;
  std::uint32_t style;
  std::uint32_t expected;
};

TEST(ControlStyles, EffectiveStyle) {
  const ControlStyleCase cases[] = {
      {ControlKind::PushButton, 0, 0x50010000},
      {ControlKind::PushButton, 0x00010001, 0x50010001},  // BS_DEFPUSHBUTTON kept
      {ControlKind::Frame, 0, 0x50000007},
      {ControlKind::Frame, 0x50030007, 0x50000007},  // WS_GROUP and WS_TABSTOP lost
      {ControlKind::Frame, 0x08002300, 0x58002307},  // disabled, centred, multiline kept
      {ControlKind::Label, 0, 0x50000000},
      {ControlKind::Label, 0x00000001, 0x50000001},
      {ControlKind::OptionButton, 0, 0x50010009},
      {ControlKind::OptionButton, 0x50030100, 0x50030109},  // first option of a group
      {ControlKind::OptionButton, 0x00000003, 0x50000009},  // always an automatic radio button
      {ControlKind::OptionButton, 0x00F00020,
       0x50000029},  // BS_LEFTTEXT kept; scroll bars, border lost
      {ControlKind::Image, 0, 0x5000000E},
  };
  for (const auto& c : cases) {
    const ControlStyleRule* rule = FindControlStyleRule(c.kind);
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(EffectiveControlStyle(*rule, c.style), c.expected)
        << static_cast<int>(c.kind) << " " << std::hex << c.style;
  }
}

TEST(ControlStyles, WindowClassByKind) {
  EXPECT_STREQ(FindControlStyleRule(ControlKind::PushButton)->className, "BUTTON");
  EXPECT_STREQ(FindControlStyleRule(ControlKind::Frame)->className, "BUTTON");
  EXPECT_STREQ(FindControlStyleRule(ControlKind::Label)->className, "STATIC");
  EXPECT_STREQ(FindControlStyleRule(ControlKind::OptionButton)->className, "BUTTON");
  EXPECT_STREQ(FindControlStyleRule(ControlKind::Image)->className, "STATIC");
  EXPECT_EQ(FindControlStyleRule(static_cast<ControlKind>(2)), nullptr);
  EXPECT_EQ(FindControlStyleRule(static_cast<ControlKind>(11)), nullptr);
}

// The kinds that change while the dialog runs, kept apart from the
// classic ones: each family finds only its own.
TEST(ControlStyles, UnicodeKindsEffectiveStyle) {
  const ControlStyleCase cases[] = {
      // Edit box: child, visible, tab stop, ES_AUTOHSCROLL by default.
      {ControlKind::EditBox, 0, 0x50010080},
      {ControlKind::EditBox, 0x00800000, 0x50800000},  // a border kept
      {ControlKind::EditBox, 0x00011004, 0x50010000},  // ES_MULTILINE and ES_WANTRETURN lost
      {ControlKind::EditBox, 0x88000000, 0x58000000},  // WS_POPUP lost, WS_DISABLED kept
      // Drawing: always the owner-drawn static type, never a tab stop.
      {ControlKind::Drawing, 0, 0x5000000D},
      {ControlKind::Drawing, 0x5001000E, 0x5000000D},  // a bitmap type and the tab stop lost
      {ControlKind::Drawing, 0x00000100, 0x5000010D},  // SS_NOTIFY kept
      // Text line: no mnemonics, text types only, never a tab stop.
      {ControlKind::TextLine, 0, 0x50000080},
      {ControlKind::TextLine, 0x00000001, 0x50000081},  // centred
      {ControlKind::TextLine, 0x00000002, 0x50000082},  // right
      {ControlKind::TextLine, 0x0001000E, 0x50000082},  // bits from 0x04 and the tab stop lost
  };
  for (const auto& c : cases) {
    const ControlStyleRule* rule = FindUnicodeControlStyleRule(c.kind);
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(EffectiveControlStyle(*rule, c.style), c.expected)
        << static_cast<int>(c.kind) << " " << std::hex << c.style;
  }
}

TEST(ControlStyles, EachFamilyFindsOnlyItsOwnKinds) {
  EXPECT_STREQ(FindUnicodeControlStyleRule(ControlKind::EditBox)->className, "EDIT");
  EXPECT_STREQ(FindUnicodeControlStyleRule(ControlKind::Drawing)->className, "STATIC");
  EXPECT_STREQ(FindUnicodeControlStyleRule(ControlKind::TextLine)->className, "STATIC");
  for (ControlKind classic : {ControlKind::PushButton, ControlKind::Frame, ControlKind::Label,
                              ControlKind::OptionButton, ControlKind::Image}) {
    EXPECT_EQ(FindUnicodeControlStyleRule(classic), nullptr) << static_cast<int>(classic);
  }
  for (ControlKind changing : {ControlKind::EditBox, ControlKind::Drawing, ControlKind::TextLine}) {
    EXPECT_EQ(FindControlStyleRule(changing), nullptr) << static_cast<int>(changing);
  }
  EXPECT_EQ(FindUnicodeControlStyleRule(static_cast<ControlKind>(11)), nullptr);
}

TEST(ControlStyles, ImageWithoutBitmapBecomesIcon) {
  EXPECT_EQ(IconImageStyle(0x5000000E), 0x50000003u);
  EXPECT_EQ(IconImageStyle(0x5080020E), 0x50800203u);
}

// ---- colours ----------------------------------------------------------------

TEST(Colours, MakeColorClampsEachComponent) {
  struct Case {
    int red, green, blue;
    std::int32_t expected;
  };
  const Case cases[] = {
      {300, -5, 128, 0x008000FF}, {0, 0, 0, 0x00000000},    {255, 255, 255, 0x00FFFFFF},
      {1, 2, 3, 0x00030201},      {-1, 256, 0, 0x0000FF00}, {0, 0, 1000, 0x00FF0000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MakeColor(c.red, c.green, c.blue), c.expected)
        << c.red << "," << c.green << "," << c.blue;
  }
}

TEST(Colours, TextColourNormalised) {
  EXPECT_EQ(NormalTextColor(0x00123456), 0x00123456);
  EXPECT_EQ(NormalTextColor(0x7F123456), 0x00123456);  // top byte cleared
  EXPECT_EQ(NormalTextColor(ColorSystem), ColorSystem);
  EXPECT_EQ(NormalTextColor(ColorTransparent), ColorSystem);  // no transparent text
  EXPECT_EQ(NormalTextColor(ColorNotSet), ColorSystem);
  EXPECT_EQ(NormalTextColor(INT32_MIN), ColorSystem);
}

TEST(Colours, BackgroundColourNormalised) {
  EXPECT_EQ(NormalBackgroundColor(0x00123456), 0x00123456);
  EXPECT_EQ(NormalBackgroundColor(0x7F000000), 0x00000000);
  EXPECT_EQ(NormalBackgroundColor(ColorSystem), ColorSystem);
  EXPECT_EQ(NormalBackgroundColor(ColorTransparent), ColorTransparent);
  EXPECT_EQ(NormalBackgroundColor(ColorNotSet), ColorSystem);
  EXPECT_EQ(NormalBackgroundColor(-100), ColorSystem);
}

TEST(Colours, SystemColourEntriesByMessage) {
  struct Case {
    unsigned message;
    int text, background;
  };
  const Case cases[] = {
      {0x132, 7, 4},    // WM_CTLCOLORMSGBOX: COLOR_MENUTEXT, COLOR_MENU
      {0x133, 8, 5},    // WM_CTLCOLOREDIT: COLOR_WINDOWTEXT, COLOR_WINDOW
      {0x134, 8, 5},    // WM_CTLCOLORLISTBOX
      {0x135, 18, 15},  // WM_CTLCOLORBTN: COLOR_BTNTEXT, COLOR_BTNFACE
      {0x136, 8, 15},   // WM_CTLCOLORDLG
      {0x137, 8, 0},    // WM_CTLCOLORSCROLLBAR: COLOR_SCROLLBAR
      {0x138, 8, 15},   // WM_CTLCOLORSTATIC
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(IsColorMessage(c.message));
    EXPECT_EQ(SystemColorEntriesFor(c.message).text, c.text) << std::hex << c.message;
    EXPECT_EQ(SystemColorEntriesFor(c.message).background, c.background) << std::hex << c.message;
  }
  EXPECT_FALSE(IsColorMessage(0x131));
  EXPECT_FALSE(IsColorMessage(0x139));
}

// Where the preconditions are checked (the native build under the
// sanitizers), breaking one stops the program instead of reading or writing
// outside a table or a buffer.
#ifndef NDEBUG
TEST(RulesPreconditionsDeathTest, ColourEntriesOnlyForColourMessages) {
  EXPECT_DEATH(SystemColorEntriesFor(0x131), "IsColorMessage");
  EXPECT_DEATH(SystemColorEntriesFor(0x139), "IsColorMessage");
}

TEST(RulesPreconditionsDeathTest, TemplateBufferHoldsTheLargestTemplate) {
  // A short caption would fit, but the buffer must hold any template.
  std::vector<std::uint8_t> bytes(DialogTemplateCapacity - 1);
  EXPECT_DEATH(WriteDialogTemplate(bytes, 0, 0, 0, 0, 0, 0, "A", 8, "MS Sans Serif"),
               "DialogTemplateCapacity");
}
#endif

// ---- resource names --------------------------------------------------------

TEST(ResourceNames, NumberAfterHash) {
  EXPECT_TRUE(IsNumberedResourceName("#104"));
  EXPECT_FALSE(IsNumberedResourceName("104"));
  EXPECT_FALSE(IsNumberedResourceName(""));
  EXPECT_EQ(ResourceNumber("#104"), 104u);
  EXPECT_EQ(ResourceNumber("#00104"), 104u);
  EXPECT_EQ(ResourceNumber("#104567"), 10456u);  // five characters read at most
  EXPECT_EQ(ResourceNumber("#12a4"), 12u);
  EXPECT_EQ(ResourceNumber("#"), 0u);
}

TEST(ResourceNames, AsciiLettersFoldedToUpperCase) {
  EXPECT_TRUE(SameResourceName("Picture", "PICTURE"));
  EXPECT_TRUE(SameResourceName("a_1", "A_1"));
  EXPECT_FALSE(SameResourceName("Pict", "PICTURE"));
  EXPECT_FALSE(SameResourceName("\xE4", "\xC4"));  // only ASCII letters fold
}

// ---- argument text --------------------------------------------------------

TEST(ArgumentText, AfterTheProgramName) {
  struct Case {
    const char* commandLine;
    const char* arguments;
  };
  const Case cases[] = {
      {"\"C:\\some dir\\prog.exe\"   abc", "abc"},
      {"prog.exe", ""},
      {"\"prog.exe\"", ""},
      {"prog.exe abc  def", "abc  def"},
      {"prog.exe    abc ", "abc "},
      {"prog.exe   ", ""},
      {"\"C:\\unterminated abc", ""},
      {"\"a b\"abc", "abc"},
      {"prog.exe\tabc", "\tabc"},  // the name ends at the tab; only blanks are skipped
      {"\"prog\"\t x", "\t x"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(c.commandLine + ArgumentTextOffset(c.commandLine), c.arguments) << c.commandLine;
  }
}

}  // namespace
