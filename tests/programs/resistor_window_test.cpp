// End-to-end tests of resistor. Each test starts the real program and works
// its window from this process: it reads the controls and their lines, clicks
// options, types values, copies, walks the keyboard, looks at the drawing on
// the screen and measures the layout.
//
// Usage: resistor_window_test <path of resistor.exe> [<DPI of the display>] [gtest flags]
// With a DPI given, the test first checks that the display has it (the
// 144-DPI run sets it in the Wine prefix before it starts).

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "colour_code/code.h"
#include "colour_code/colours.h"
#include "colour_code/wording.h"
#include "dialog_test.h"
#include "window_driver.h"

namespace {

std::string programPath;
int expectedDpi = 0;

// Identifiers of the window (resistor_window.h): the band groups are a frame
// and its options numbered on from it.
constexpr int CountGroup = 100, Picture = 110;
constexpr int FirstDigitGroup = 200, SecondDigitGroup = 220, ThirdDigitGroup = 240;
constexpr int MultiplierGroup = 260, ToleranceGroup = 280, CoefficientGroup = 300;
constexpr int ValueBox = 401, ApplyButton = 402, StatusLine = 403;
constexpr int LineIds[] = {410, 411, 412, 413, 414, 415};
constexpr int CopyButton = 420;
constexpr int ThreeBands = 101, FourBands = 102, FiveBands = 103, SixBands = 104, ZeroOhm = 105;

using enum colour_code::Colour;
using colour_code::Colour;

// What each group offers, top to bottom, as the option texts read.
const std::vector<std::string> DigitNames = {"Black", "Brown", "Red",    "Orange", "Yellow",
                                             "Green", "Blue",  "Violet", "Grey",   "White"};
const std::vector<std::string> MultiplierNames = {"Black",  "Brown", "Red",    "Orange", "Yellow",
                                                  "Green",  "Blue",  "Violet", "Grey",   "White",
                                                  "Silver", "Gold",  "Pink"};
const std::vector<std::string> ToleranceNames = {"None", "Brown",  "Red",    "Green",
                                                 "Blue", "Violet", "Orange", "Yellow",
                                                 "Grey", "Silver", "Gold"};
const std::vector<std::string> CoefficientNames = {"Black", "Brown", "Red",    "Orange", "Yellow",
                                                   "Green", "Blue",  "Violet", "Grey"};

struct Group {
  int frame;
  const char* title;
  const std::vector<std::string>* names;
  colour_code::Role role;
};
const Group Groups[] = {
    {FirstDigitGroup, "&1st digit", &DigitNames, colour_code::Role::Digit},
    {SecondDigitGroup, "&2nd digit", &DigitNames, colour_code::Role::Digit},
    {ThirdDigitGroup, "&3rd digit", &DigitNames, colour_code::Role::Digit},
    {MultiplierGroup, "&Multiplier", &MultiplierNames, colour_code::Role::Multiplier},
    {ToleranceGroup, "&Tolerance", &ToleranceNames, colour_code::Role::Tolerance},
    {CoefficientGroup, "Temp. co&eff.", &CoefficientNames, colour_code::Role::Coefficient},
};

// The option of `group` that shows `name`.
int OptionOf(int frame, const std::string& name) {
  for (const Group& group : Groups) {
    if (group.frame != frame) continue;
    const auto at = std::find(group.names->begin(), group.names->end(), name);
    if (at != group.names->end()) return frame + 1 + static_cast<int>(at - group.names->begin());
  }
  ADD_FAILURE() << "no option " << name << " in group " << frame;
  return 0;
}

Colour ColourNamed(const std::string& name) {
  std::string lower = name;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return *colour_code::ColourFromName(lower);
}

std::string Utf8(const wchar_t* text) {
  char bytes[4096] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
  return bytes;
}

std::wstring Wide(const std::string& utf8) {
  wchar_t text[1024] = {};
  MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, text, 1024);
  return text;
}

// A control's text as the program holds it, in UTF-8 (WM_GETTEXT crosses
// the process boundary; GetWindowText would not ask the control).
std::string TextOf(HWND control) {
  wchar_t text[2048] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(control, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_BLOCK,
                      StepDeadlineMs, &ignored);
  return Utf8(text);
}

std::string ClipboardText() {
  std::string text;
  for (int attempt = 0; attempt < 50 && !OpenClipboard(nullptr); ++attempt) Sleep(20);
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = Utf8(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

void EmptyTheClipboard() {
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
}

class ResistorWindow : public DialogTest {
 protected:
  void SetUp() override { Open(programPath, "Resistor colour code"); }

  void Click(int identifier) { SendMessageA(Control(identifier), BM_CLICK, 0, 0); }
  bool Checked(int identifier) const {
    return SendMessageA(Control(identifier), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (int identifier : LineIds) lines.push_back(TextOf(Control(identifier)));
    return lines;
  }

  // Clicks the count, then each band's colour in its group.
  void ChooseCode(int count, const std::vector<std::pair<int, std::string>>& bands) {
    Click(count);
    for (const auto& [frame, name] : bands) Click(OptionOf(frame, name));
  }

  // The band colours the window shows checked, in band order, for its count.
  colour_code::Code CheckedCode() const {
    std::vector<int> frames;
    if (Checked(ZeroOhm)) return colour_code::Code::Of(std::vector<Colour>{Black});
    frames = {FirstDigitGroup, SecondDigitGroup};
    if (Checked(FiveBands) || Checked(SixBands)) frames.push_back(ThirdDigitGroup);
    frames.push_back(MultiplierGroup);
    if (!Checked(ThreeBands)) frames.push_back(ToleranceGroup);
    if (Checked(SixBands)) frames.push_back(CoefficientGroup);
    std::vector<Colour> colours;
    for (int frame : frames) {
      for (const Group& group : Groups) {
        if (group.frame != frame) continue;
        for (std::size_t i = 0; i < group.names->size(); ++i) {
          if (Checked(frame + 1 + static_cast<int>(i)))
            colours.push_back(ColourNamed((*group.names)[i]));
        }
      }
    }
    return colour_code::Code::Of(colours);
  }

  // Types `text` into the value box and presses Apply.
  void Enter(const std::string& text) {
    const std::wstring wide = Wide(text);
    SendMessageW(Control(ValueBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    Click(ApplyButton);
  }

  void ExpectFocusOn(int identifier) {
    EXPECT_TRUE(WaitFor([&] { return FocusedControl(dialog_) == Control(identifier); }))
        << "focus is on " << GetDlgCtrlID(FocusedControl(dialog_)) << ", not on " << identifier;
  }
};

// ---- what the window holds ------------------------------------------------------

TEST_F(ResistorWindow, CountAndGroupsOfferExactlyTheirRolesColours) {
  EXPECT_EQ(TextOf(dialog_), "Resistor colour code");
  EXPECT_EQ(TextOf(Control(CountGroup)), "&Bands");
  const char* counts[] = {"3 bands", "4 bands", "5 bands", "6 bands", "Zero-ohm"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(TextOf(Control(CountGroup + 1 + i)), counts[i]);
  for (const Group& group : Groups) {
    SCOPED_TRACE(group.title);
    EXPECT_EQ(TextOf(Control(group.frame)), group.title);
    const std::size_t count = group.names->size();
    for (std::size_t i = 0; i < count; ++i) {
      HWND option = Control(group.frame + 1 + static_cast<int>(i));
      ASSERT_NE(option, nullptr);
      EXPECT_EQ(TextOf(option), (*group.names)[i]);
      EXPECT_EQ(GetWindowLongPtrA(option, GWL_STYLE) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
    }
    // No option past the last.
    EXPECT_EQ(Control(group.frame + 1 + static_cast<int>(count)), nullptr);
    // The same colours as the library's role, each once.
    std::vector<Colour> shown, role;
    for (const std::string& name : *group.names) shown.push_back(ColourNamed(name));
    for (Colour colour : colour_code::RoleColours(group.role)) role.push_back(colour);
    std::sort(shown.begin(), shown.end());
    std::sort(role.begin(), role.end());
    EXPECT_EQ(shown, role);
  }
  EXPECT_EQ(ClassName(Control(Picture)), "Static");
  EXPECT_EQ(GetWindowLongPtrA(Control(Picture), GWL_STYLE) & SS_TYPEMASK, SS_OWNERDRAW);
  EXPECT_EQ(ClassName(Control(ValueBox)), "Edit");
  for (int identifier : LineIds) EXPECT_EQ(ClassName(Control(identifier)), "Static");
  EXPECT_EQ(TextOf(Control(CopyButton)), "&Copy");
  EXPECT_EQ(TextOf(Control(IDCANCEL)), "C&lose");
}

TEST_F(ResistorWindow, OpensWithFourBandsAndTheirLines) {
  EXPECT_TRUE(Checked(FourBands));
  EXPECT_TRUE(Checked(OptionOf(FirstDigitGroup, "Brown")));
  EXPECT_TRUE(Checked(OptionOf(SecondDigitGroup, "Black")));
  EXPECT_TRUE(Checked(OptionOf(MultiplierGroup, "Red")));
  EXPECT_TRUE(Checked(OptionOf(ToleranceGroup, "Gold")));
  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         "Resistance: 1.0 k ohm, 5%", "Range: 0.95 k ohm to 1.05 k ohm",
                         "Series: E3 E6 E12 E24 E48 E96 E192", "", "", "SMD: 102, 1001, 01B"}));
}

// ---- the lines --------------------------------------------------------------------

struct CodeLines {
  int count;
  std::vector<std::pair<int, std::string>> bands;
  std::vector<std::string> lines;
};

TEST_F(ResistorWindow, LinesOfCodesClickedMatchTheHandWrittenTable) {
  const CodeLines cases[] = {
      {ThreeBands,
       {{FirstDigitGroup, "Yellow"}, {SecondDigitGroup, "Violet"}, {MultiplierGroup, "Orange"}},
       {"Resistance: 47 k ohm, 20%", "Range: 37.6 k ohm to 56.4 k ohm",
        "Series: E3 E6 E12 E24 E192", "",
        "From the other end: Resistance: 370 k ohm, 20%; Series: E192", "SMD: 473, 4702"}},
      {FourBands,
       {{FirstDigitGroup, "Yellow"},
        {SecondDigitGroup, "Blue"},
        {MultiplierGroup, "Red"},
        {ToleranceGroup, "Gold"}},
       {"Resistance: 4.6 k ohm, 5%", "Range: 4.37 k ohm to 4.83 k ohm", "Series: none",
        "Not in E24, the series of a 5% tolerance: the nearest standard values are 4.3 k ohm and "
        "4.7 k ohm; a colour may be misread",
        "", "SMD: 462, 4601"}},
      {FourBands,
       {{FirstDigitGroup, "Yellow"},
        {SecondDigitGroup, "Violet"},
        {MultiplierGroup, "Pink"},
        {ToleranceGroup, "Gold"}},
       {"Resistance: 0.047 ohm, 5%", "Range: 0.04465 ohm to 0.04935 ohm",
        "Series: E3 E6 E12 E24 E192", "", "", "SMD: R047"}},
      {FiveBands,
       {{FirstDigitGroup, "Brown"},
        {SecondDigitGroup, "Black"},
        {ThirdDigitGroup, "Black"},
        {MultiplierGroup, "Brown"},
        {ToleranceGroup, "Red"}},
       {"Resistance: 1.00 k ohm, 2%", "Range: 0.98 k ohm to 1.02 k ohm",
        "Series: E3 E6 E12 E24 E48 E96 E192", "",
        "From the other end: Resistance: 210 ohm, 1%; Series: E96 E192", "SMD: 102, 1001, 01B"}},
      {SixBands,
       {{FirstDigitGroup, "Orange"},
        {SecondDigitGroup, "Orange"},
        {ThirdDigitGroup, "Black"},
        {MultiplierGroup, "Brown"},
        {ToleranceGroup, "Blue"},
        {CoefficientGroup, "Red"}},
       {"Resistance: 3.30 k ohm, 0.25%, 50 ppm/K", "Range: 3.29175 k ohm to 3.30825 k ohm",
        "Series: E6 E12 E24",
        "Not in E192, the series of a 0.25% tolerance: the nearest standard values are 3.28 k ohm "
        "and 3.32 k ohm; a colour may be misread",
        "From the other end: Resistance: 261 ohm, 0.05%, 15 ppm/K; Series: E48 E96 E192",
        "SMD: 332, 3301"}},
      {ZeroOhm, {}, {"Resistance: 0 ohm", "", "Series: none", "", "", "SMD: 0R, 000"}},
  };
  for (const CodeLines& c : cases) {
    SCOPED_TRACE(c.lines[0]);
    ChooseCode(c.count, c.bands);
    EXPECT_EQ(Lines(), c.lines);
  }
}

// Every colour in every role it has: clicked in six bands, where every
// group is in use, the reading line is the library's for the code shown.
TEST_F(ResistorWindow, EveryColourInEveryRoleReadsAsTheLibraryReadsIt) {
  Click(SixBands);
  for (const Group& group : Groups) {
    for (std::size_t i = 0; i < group.names->size(); ++i) {
      const int option = group.frame + 1 + static_cast<int>(i);
      SCOPED_TRACE(std::string(group.title) + ": " + (*group.names)[i]);
      Click(option);
      ASSERT_TRUE(Checked(option));
      const colour_code::Code code = CheckedCode();
      const colour_code::ReadOutcome reading = colour_code::ReadCode(code.Bands());
      ASSERT_TRUE(reading.Ok());
      EXPECT_EQ(TextOf(Control(LineIds[0])), colour_code::ReadingLine(*reading).View());
      EXPECT_EQ(TextOf(Control(LineIds[5])),
                colour_code::MarkingsLine(colour_code::MarkingsOf(reading->Value())).View());
    }
  }
}

// ---- the band count ----------------------------------------------------------------

TEST_F(ResistorWindow, TheCountEnablesExactlyTheGroupsItUses) {
  struct Case {
    int count;
    bool used[6];  // 1st, 2nd, 3rd digit, multiplier, tolerance, coefficient
  };
  const Case cases[] = {
      {SixBands, {true, true, true, true, true, true}},
      {ThreeBands, {true, true, false, true, false, false}},
      {FiveBands, {true, true, true, true, true, false}},
      {ZeroOhm, {false, false, false, false, false, false}},
      {FourBands, {true, true, false, true, true, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    Click(c.count);
    for (int g = 0; g < 6; ++g) {
      const Group& group = Groups[g];
      EXPECT_EQ(IsWindowEnabled(Control(group.frame)) != FALSE, c.used[g]) << group.title;
      for (std::size_t i = 0; i < group.names->size(); ++i) {
        EXPECT_EQ(IsWindowEnabled(Control(group.frame + 1 + static_cast<int>(i))) != FALSE,
                  c.used[g])
            << group.title << " " << (*group.names)[i];
      }
    }
  }
}

// ---- typed values and markings -------------------------------------------------------

struct Typed {
  const char* text;
  int count;                         // the count checked afterwards
  std::vector<std::string> checked;  // colours checked in the used groups, in band order
  const char* status;
};

TEST_F(ResistorWindow, TypedValuesAndMarkingsSetTheBandsOrSayWhyNot) {
  const Typed cases[] = {
      {"4.7k", FourBands, {"Yellow", "Violet", "Red", "Gold"}, "4 bands: yellow violet red gold"},
      {"4.7 k\xCE\xA9",
       FourBands,
       {"Yellow", "Violet", "Red", "Gold"},
       "4 bands: yellow violet red gold"},
      {"0.047",
       FourBands,
       {"Yellow", "Violet", "Pink", "Gold"},
       "4 bands: yellow violet pink gold"},
      {"472",
       FourBands,
       {"Yellow", "Violet", "Red", "Gold"},
       "SMD marking 472 (three digits): Resistance: 4.7 k ohm. 4 bands: yellow violet red gold"},
      {"01C",
       FourBands,
       {"Brown", "Black", "Orange", "Brown"},
       "SMD marking 01C (EIA-96): Resistance: 10.0 k ohm, 1%. 4 bands: brown black orange brown"},
      {"4.75k",
       FiveBands,
       {"Yellow", "Violet", "Green", "Brown", "Brown"},
       "5 bands: yellow violet green brown brown. With 4 bands: cannot encode 4.75 k ohm: it has 3 "
       "significant digits, the code shows only 2"},
      // What cannot be shown leaves the bands as they were.
      {"4.751k",
       FiveBands,
       {"Yellow", "Violet", "Green", "Brown", "Brown"},
       "cannot encode 4.751 k ohm: it has 4 significant digits, the code shows only 3"},
      {"4,7k",
       FiveBands,
       {"Yellow", "Violet", "Green", "Brown", "Brown"},
       "a comma may be a decimal point or a thousands separator and is not guessed at; write 4.7k "
       "or 4k7"},
      {"0",
       ZeroOhm,
       {},
       "1 band: black. With 5 bands: 0 ohm is marked by one black band, the "
       "zero-ohm link"},
      {"2.2G",
       ThreeBands,
       {"Red", "Red", "Grey"},
       "3 bands: red red grey. With 1 band: cannot encode 2.2 G ohm: one band marks only 0 ohm, "
       "the zero-ohm link"},
  };
  for (const Typed& c : cases) {
    SCOPED_TRACE(c.text);
    Enter(c.text);
    EXPECT_EQ(TextOf(Control(StatusLine)), c.status);
    EXPECT_TRUE(Checked(c.count));
    const colour_code::Code code = CheckedCode();
    std::vector<std::string> names;
    if (c.count != ZeroOhm) {
      for (Colour colour : code.Bands()) {
        std::string name(colour_code::Info(colour).name);
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        names.push_back(name);
      }
    }
    EXPECT_EQ(names, c.checked);
  }
}

// The value box takes at most 100 characters, so what the window reads is
// always the whole text: 4.7k and 146 blanks pasted leave "4.7k" and 96
// blanks, which read as 4.7 k; "x" after them never arrives to be refused.
TEST_F(ResistorWindow, TheValueBoxTakesAHundredCharacters) {
  const std::wstring pasted = L"4.7k" + std::wstring(146, L' ') + L"x";
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL storage = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
  std::memcpy(GlobalLock(storage), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(storage);
  SetClipboardData(CF_UNICODETEXT, storage);
  CloseClipboard();
  SendMessageW(Control(ValueBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  SendMessageW(Control(ValueBox), WM_PASTE, 0, 0);
  EXPECT_EQ(SendMessageW(Control(ValueBox), WM_GETTEXTLENGTH, 0, 0), 100);
  Click(ApplyButton);
  EXPECT_EQ(TextOf(Control(StatusLine)), "4 bands: yellow violet red gold");
}

TEST_F(ResistorWindow, EnterInTheValueBoxSetsTheBands) {
  RECT box;
  GetWindowRect(Control(ValueBox), &box);
  ClickAt({(box.left + box.right) / 2, (box.top + box.bottom) / 2});
  ExpectFocusOn(ValueBox);
  SendMessageW(Control(ValueBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"4k7"));
  ASSERT_TRUE(Activate());
  ASSERT_TRUE(PressKeys("Enter"));
  EXPECT_TRUE(WaitFor([&] { return Checked(OptionOf(SecondDigitGroup, "Violet")); }));
  EXPECT_EQ(TextOf(Control(LineIds[0])), "Resistance: 4.7 k ohm, 5%");
  EXPECT_EQ(TextOf(Control(StatusLine)), "4 bands: yellow violet red gold");
  EXPECT_TRUE(IsWindowVisible(dialog_));
}

// ---- Copy ---------------------------------------------------------------------------------

TEST_F(ResistorWindow, CopyAndCtrlCPutTheShownLinesOnTheClipboard) {
  const std::string expected =
      "Resistance: 47 k ohm, 20%\r\nRange: 37.6 k ohm to 56.4 k ohm\r\n"
      "Series: E3 E6 E12 E24 E192\r\n"
      "From the other end: Resistance: 370 k ohm, 20%; Series: E192\r\nSMD: 473, 4702\r\n";
  ChooseCode(
      ThreeBands,
      {{FirstDigitGroup, "Yellow"}, {SecondDigitGroup, "Violet"}, {MultiplierGroup, "Orange"}});
  EmptyTheClipboard();
  Click(CopyButton);
  EXPECT_EQ(ClipboardText(), expected);

  // Ctrl+C with the focus on an option.
  EmptyTheClipboard();
  Click(OptionOf(FirstDigitGroup, "Yellow"));
  ExpectFocusOn(OptionOf(FirstDigitGroup, "Yellow"));
  ASSERT_TRUE(Activate());
  ASSERT_TRUE(PressKeys("Ctrl+C"));
  EXPECT_TRUE(WaitFor([&] { return ClipboardText() == expected; })) << ClipboardText();
}

// ---- the keyboard ----------------------------------------------------------------------------

struct KeyStep {
  const char* keys;
  int focus;
  int checks;  // an option the key checks, or 0
};

TEST_F(ResistorWindow, KeyboardWalkFollowsTheHandWrittenTable) {
  const int brown1 = FirstDigitGroup + 2, black2 = SecondDigitGroup + 1;
  const int black3 = ThirdDigitGroup + 1, red = MultiplierGroup + 3;
  const int gold = ToleranceGroup + 11, brownCoefficient = CoefficientGroup + 2;
  const KeyStep steps[] = {
      // Four bands: the third digit and the coefficient are skipped.
      {"Tab", brown1, 0},
      {"Tab", black2, 0},
      {"Tab", red, 0},
      {"Tab", gold, 0},
      {"Tab", ValueBox, 0},
      {"Tab", ApplyButton, 0},
      {"Tab", CopyButton, 0},
      {"Tab", IDCANCEL, 0},
      {"Tab", FourBands, 0},
      {"Shift+Tab", IDCANCEL, 0},
      {"Tab", FourBands, 0},
      // Arrows move the count within its group; six bands bring both back.
      {"Down", FiveBands, FiveBands},
      {"Down", SixBands, SixBands},
      {"Tab", brown1, 0},
      {"Tab", black2, 0},
      {"Tab", black3, 0},
      {"Tab", red, 0},
      {"Tab", gold, 0},
      {"Tab", brownCoefficient, 0},
      {"Tab", ValueBox, 0},
      // Mnemonics: the groups go to their checked option.
      {"Alt+M", red, 0},
      // The arrows wrap around within a group, past neither frame.
      {"Up", MultiplierGroup + 2, MultiplierGroup + 2},
      {"Up", MultiplierGroup + 1, MultiplierGroup + 1},
      {"Up", MultiplierGroup + 13, MultiplierGroup + 13},
      {"Down", MultiplierGroup + 1, MultiplierGroup + 1},
      {"Right", MultiplierGroup + 2, MultiplierGroup + 2},
      {"Down", MultiplierGroup + 3, MultiplierGroup + 3},
      {"Down", MultiplierGroup + 4, MultiplierGroup + 4},
      {"Alt+3", black3, 0},
      {"Alt+V", ValueBox, 0},
      {"Alt+A", ApplyButton, 0},
      // On a push button the arrows stay: the lines after it take no focus.
      {"Right", ApplyButton, 0},
      {"Alt+C", CopyButton, 0},
      {"Down", CopyButton, 0},
      // From the last count option the arrows wrap, not into the picture.
      {"Alt+B", SixBands, 0},
      {"Down", ZeroOhm, ZeroOhm},
      {"Down", ThreeBands, ThreeBands},
      {"Up", ZeroOhm, ZeroOhm},
      {"Up", SixBands, SixBands},
      {"Alt+B", SixBands, 0},
      {"Up", FiveBands, FiveBands},
      {"Alt+L", IDCANCEL, 0},
  };
  Click(FourBands);
  ExpectFocusOn(FourBands);
  int number = 0;
  for (const KeyStep& step : steps) {
    SCOPED_TRACE("step " + std::to_string(++number) + ": " + step.keys);
    ASSERT_TRUE(Activate());
    ASSERT_TRUE(PressKeys(step.keys));
    if (step.focus == IDCANCEL && std::strcmp(step.keys, "Alt+L") == 0) {
      // Close's mnemonic presses it.
      EXPECT_EQ(program_->WaitForExitCode(), 0);
      return;
    }
    ExpectFocusOn(step.focus);
    if (step.checks != 0) {
      EXPECT_TRUE(WaitFor([&] { return Checked(step.checks); }));
    }
  }
}

// Keys posted to the control with the focus, as the soak benchmark sends
// them: after Copy, Tab goes on to Close and the window stays.
TEST_F(ResistorWindow, TabAfterCopyKeepsTheWindow) {
  Click(ZeroOhm);
  Click(CopyButton);
  ExpectFocusOn(CopyButton);
  PostMessageA(Control(CopyButton), WM_KEYDOWN, VK_TAB, 1);
  PostMessageA(Control(CopyButton), WM_KEYUP, VK_TAB, 0xC0000001);
  ExpectFocusOn(IDCANCEL);
  Sleep(500);
  EXPECT_TRUE(IsWindow(dialog_));
  EXPECT_EQ(program_->WaitForExitCode(0), -1);
}

TEST_F(ResistorWindow, EscapeEndsTheProgramWithExitCodeZero) {
  Click(FiveBands);
  ASSERT_TRUE(Activate());
  ASSERT_TRUE(PressKeys("Escape"));
  EXPECT_EQ(program_->WaitForExitCode(), 0);
}

TEST_F(ResistorWindow, CloseBoxEndsTheProgramWithExitCodeZero) {
  RECT window;
  GetWindowRect(dialog_, &window);
  const POINT closeBox{
      window.right - GetSystemMetrics(SM_CXDLGFRAME) - GetSystemMetrics(SM_CXSIZE) / 2,
      window.top + GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
  ASSERT_EQ(SendMessageA(dialog_, WM_NCHITTEST, 0, MAKELPARAM(closeBox.x, closeBox.y)), HTCLOSE);
  ClickAt(closeBox);
  EXPECT_EQ(program_->WaitForExitCode(), 0);
}

// ---- the drawing ---------------------------------------------------------------------------

// One band as found on the screen: its colour and its columns.
struct BandRun {
  COLORREF colour;
  int left, right;
};

// The bands along the middle row of the picture: runs of colours that are
// neither the body, its outline, the leads nor the background.
std::vector<BandRun> BandsOnScreen(HWND picture) {
  RECT rect;
  GetWindowRect(picture, &rect);
  const int width = rect.right - rect.left;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP row = CreateCompatibleBitmap(screen, width, 1);
  HGDIOBJ previous = SelectObject(memory, row);
  BitBlt(memory, 0, 0, width, 1, screen, rect.left, (rect.top + rect.bottom) / 2, SRCCOPY);
  std::vector<BandRun> runs;
  const COLORREF ignored[] = {RGB(222, 196, 145), RGB(90, 70, 40), RGB(170, 170, 170),
                              GetSysColor(COLOR_BTNFACE)};
  for (int x = 0; x < width; ++x) {
    const COLORREF colour = GetPixel(memory, x, 0);
    if (std::find(std::begin(ignored), std::end(ignored), colour) != std::end(ignored)) continue;
    if (!runs.empty() && runs.back().colour == colour && runs.back().right == x) {
      runs.back().right = x + 1;
    } else {
      runs.push_back({colour, x, x + 1});
    }
  }
  SelectObject(memory, previous);
  DeleteObject(row);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return runs;
}

COLORREF Paint(Colour colour) {
  const colour_code::Rgb rgb = colour_code::Info(colour).paint;
  return RGB(rgb.red, rgb.green, rgb.blue);
}

struct Drawn {
  int count;
  std::vector<std::pair<int, std::string>> bands;
  std::vector<Colour> seen;  // the painted bands left to right (an empty band shows none)
  int toleranceRun;          // the index in `seen` of the tolerance band, or -1
};

TEST_F(ResistorWindow, TheDrawingShowsEveryBandInItsPaintInItsPlace) {
  const Drawn cases[] = {
      {FourBands, {}, {Brown, Black, Red, Gold}, 3},
      {ThreeBands,
       {{FirstDigitGroup, "Yellow"}, {SecondDigitGroup, "Violet"}, {MultiplierGroup, "Orange"}},
       {Yellow, Violet, Orange},
       -1},
      {FiveBands,
       {{ThirdDigitGroup, "White"}, {MultiplierGroup, "Silver"}, {ToleranceGroup, "Green"}},
       {Yellow, Violet, White, Silver, Green},
       4},
      {SixBands,
       {{MultiplierGroup, "Pink"}, {ToleranceGroup, "Grey"}, {CoefficientGroup, "Blue"}},
       {Yellow, Violet, White, Pink, Grey, Blue},
       4},
      // The empty tolerance band: the bare body, no paint.
      {FourBands, {{ToleranceGroup, "None"}}, {Yellow, Violet, Pink}, -1},
      {ZeroOhm, {}, {Black}, -1},
  };
  for (const Drawn& c : cases) {
    SCOPED_TRACE(c.count);
    ChooseCode(c.count, c.bands);
    std::vector<COLORREF> want;
    for (Colour colour : c.seen) want.push_back(Paint(colour));
    std::vector<BandRun> runs;
    const bool drawn = WaitFor([&] {
      runs = BandsOnScreen(Control(Picture));
      std::vector<COLORREF> colours;
      for (const BandRun& run : runs) colours.push_back(run.colour);
      return colours == want;
    });
    ASSERT_TRUE(drawn) << runs.size() << " bands on the screen";
    // Bands are equally wide; the tolerance band stands apart from the one
    // before it by more than twice the gap between the first two.
    for (const BandRun& run : runs) {
      EXPECT_LE(std::abs((run.right - run.left) - (runs[0].right - runs[0].left)), 1);
    }
    if (c.toleranceRun > 0) {
      const int gap = runs[1].left - runs[0].right;
      const int toleranceGap = runs[c.toleranceRun].left - runs[c.toleranceRun - 1].right;
      EXPECT_GT(toleranceGap, 2 * gap);
    }
  }
}

// ---- the layout at the display's DPI --------------------------------------------------------

// A font like the dialog's, at this display's DPI (the driver is DPI-aware).
HFONT DialogFont() {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                     L"MS Sans Serif");
}

RECT InDialog(HWND dialog, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool Overlap(const RECT& a, const RECT& b) {
  RECT both;
  return IntersectRect(&both, &a, &b) != FALSE;
}

TEST_F(ResistorWindow, NoTextClippedAndNothingOverlapping) {
  if (expectedDpi != 0) {
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), expectedDpi) << "the display's DPI";
    ReleaseDC(nullptr, screen);
  }
  // The longest lines: six bands with a warning and the other end, and a
  // long message in the status line.
  ChooseCode(SixBands, {{FirstDigitGroup, "Orange"},
                        {SecondDigitGroup, "Orange"},
                        {ThirdDigitGroup, "Black"},
                        {MultiplierGroup, "Brown"},
                        {ToleranceGroup, "Blue"},
                        {CoefficientGroup, "Red"}});
  Enter("0,047 k\xCE\xA9");

  // The dialog fits on the screen, and its size follows the dialog units.
  RECT window;
  GetWindowRect(dialog_, &window);
  EXPECT_GE(window.left, 0);
  EXPECT_GE(window.top, 0);
  EXPECT_LE(window.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_LE(window.bottom, GetSystemMetrics(SM_CYSCREEN));
  const DialogBaseUnits units = MeasureDialogBaseUnits();
  RECT client;
  GetClientRect(dialog_, &client);
  EXPECT_EQ(HorizontalUnits(units, client.right), 345);
  EXPECT_EQ(VerticalUnits(units, client.bottom), 376);

  HFONT font = DialogFont();
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  const std::vector<HWND> children = ChildrenInCreationOrder(dialog_);
  for (std::size_t i = 0; i < children.size(); ++i) {
    HWND control = children[i];
    const int id = GetDlgCtrlID(control);
    SCOPED_TRACE("control " + std::to_string(id) + " \"" + TextOf(control) + "\"");
    const RECT rect = InDialog(dialog_, control);
    EXPECT_TRUE(Inside(rect, client));
    const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    const bool isFrame = ClassName(control) == "Button" && (style & BS_TYPEMASK) == BS_GROUPBOX;
    for (std::size_t j = i + 1; j < children.size(); ++j) {
      const RECT other = InDialog(dialog_, children[j]);
      const LONG_PTR otherStyle = GetWindowLongPtrA(children[j], GWL_STYLE);
      const bool otherIsFrame =
          ClassName(children[j]) == "Button" && (otherStyle & BS_TYPEMASK) == BS_GROUPBOX;
      // A frame holds its options; nothing else meets.
      if ((isFrame && Inside(other, rect)) || (otherIsFrame && Inside(rect, other))) continue;
      EXPECT_FALSE(Overlap(rect, other)) << "overlaps control " << GetDlgCtrlID(children[j]);
    }
    // The text fits: on one line in buttons, options and frames (beside the
    // option's circle, inside the frame's corners), wrapped in the lines.
    const std::wstring text = Wide(TextOf(control));
    if (text.empty() || id == Picture || id == ValueBox) continue;
    RECT need{0, 0, rect.right - rect.left, 0};
    const bool isLine = ClassName(control) == "Static";
    DrawTextW(dc, text.c_str(), -1, &need,
              DT_CALCRECT | (isLine ? DT_WORDBREAK | DT_NOPREFIX : DT_SINGLELINE));
    int room = rect.right - rect.left;
    if (!isLine) {
      if (isFrame) {
        room -= 2 * MulDiv(8, units.x, 4);
      } else if ((style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
        room -= GetSystemMetrics(SM_CXMENUCHECK) + 4;
      } else {
        room -= 6;
      }
    }
    EXPECT_LE(need.right - need.left, room) << "text too wide";
    if (isLine) {
      EXPECT_LE(need.bottom - need.top, rect.bottom - rect.top) << "text too tall";
    }
  }
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
}

// ---- the program file ------------------------------------------------------------------------

TEST(ResistorFile, ManifestDeclaresSystemDpiAwarenessWithoutCommonControls6) {
  HMODULE file = LoadLibraryExA(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(file, nullptr);
  HRSRC resource = FindResourceA(file, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
  ASSERT_NE(resource, nullptr) << "no application manifest";
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(file, resource)));
  const std::string manifest(bytes, SizeofResource(file, resource));
  EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos) << manifest;
  EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos) << manifest;
  EXPECT_NE(FindResourceA(file, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)), nullptr)
      << "no icon group 1";
  EXPECT_EQ(FindResourceA(file, MAKEINTRESOURCEA(104), MAKEINTRESOURCEA(2)), nullptr)
      << "a bitmap: the picture is drawn";
  FreeLibrary(file);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s <resistor.exe> [<DPI>] [gtest flags]\n", argv[0]);
    return 2;
  }
  // Pixels as they are: the layout checks measure at the display's DPI.
  SetProcessDPIAware();
  programPath = WindowsPath(argv[1]);
  if (argc == 3) expectedDpi = std::atoi(argv[2]);
  return RUN_ALL_TESTS();
}
