// Colouring controls: shared brushes, their release, and the answers to the
// colour messages.
#include <gtest/gtest.h>

#include "test_support.h"

namespace {

constexpr ByteLiteral Caption("Colour test");
constexpr ByteLiteral Option("Option");
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Green = RGB(0, 128, 0);

class Colours : public testing::Test {
 protected:
  void SetUp() override {
    dialog_ = CreateDialogWindow(UnitsDialog, nullptr, Caption, 10, 10, 200, 120, 0x90C80054, 0);
    ASSERT_NE(dialog_, nullptr);
    for (int id = 101; id <= 104; ++id) {
      AddDialogControl(dialog_, ControlKind::OptionButton, id, Option, 10, 10 * (id - 100), 60, 10,
                       0, 0);
    }
  }
  void TearDown() override {
    if (IsWindow(dialog_)) DestroyWindow(dialog_);
    EXPECT_TRUE(RegistryRecords().empty());
  }
  const WindowRecord& RecordOf(int identifier) { return RecordOf(GetDlgItem(dialog_, identifier)); }
  // A window without a record fails the test that asks for it, which goes
  // on reading an empty record instead of stopping the whole program.
  static const WindowRecord& RecordOf(HWND window) {
    static const WindowRecord kMissing{};
    const WindowRecord* record = FindWindowRecord(window);
    if (record != nullptr) return *record;
    ADD_FAILURE() << "the toolkit has no record of window " << window;
    return kMissing;
  }

  HWND dialog_ = nullptr;
};

COLORREF BrushColour(HBRUSH brush) {
  LOGBRUSH logBrush{};
  GetObjectA(brush, sizeof logBrush, &logBrush);
  return logBrush.lbColor;
}

bool IsBrush(HBRUSH brush) { return GetObjectType(brush) == OBJ_BRUSH; }

// ---- brushes --------------------------------------------------------------------

TEST_F(Colours, OneBrushPerColourShared) {
  SetControlColors(dialog_, 101, 0, Red);
  SetControlColors(dialog_, 102, 0, Red);
  SetControlColors(dialog_, 103, 0, Blue);
  EXPECT_EQ(RecordOf(101).brush, RecordOf(102).brush);
  EXPECT_NE(RecordOf(101).brush, RecordOf(103).brush);
  EXPECT_EQ(BrushColour(RecordOf(101).brush), Red);
  EXPECT_EQ(BrushColour(RecordOf(103).brush), Blue);
  EXPECT_EQ(RecordOf(101).backgroundColor, static_cast<std::int32_t>(Red));
  EXPECT_EQ(RecordOf(101).textColor, 0);
  EXPECT_EQ(RecordOf(104).brush, nullptr);
  EXPECT_EQ(RecordOf(104).backgroundColor, ColorNotSet);
}

TEST_F(Colours, RecolouringOneKeepsTheSharedBrushForTheOther) {
  SetControlColors(dialog_, 101, 0, Red);
  SetControlColors(dialog_, 102, 0, Red);
  HBRUSH red = RecordOf(101).brush;

  SetControlColors(dialog_, 101, 0, Green);
  EXPECT_TRUE(IsBrush(red));
  EXPECT_EQ(RecordOf(102).brush, red);
  EXPECT_EQ(BrushColour(RecordOf(101).brush), Green);

  SetControlColors(dialog_, 102, 0, Green);  // the last user of red goes
  EXPECT_FALSE(IsBrush(red));
  EXPECT_EQ(RecordOf(101).brush, RecordOf(102).brush);
}

TEST_F(Colours, SameColourAgainKeepsTheBrush) {
  SetControlColors(dialog_, 101, 0, Red);
  HBRUSH red = RecordOf(101).brush;
  SetControlColors(dialog_, 101, Blue, Red | 0x7F000000);  // top byte ignored
  EXPECT_EQ(RecordOf(101).brush, red);
  EXPECT_TRUE(IsBrush(red));
  EXPECT_EQ(RecordOf(101).textColor, static_cast<std::int32_t>(Blue));
}

TEST_F(Colours, SentinelBackgroundsHaveNoBrush) {
  SetControlColors(dialog_, 101, 0, Red);
  HBRUSH red = RecordOf(101).brush;
  SetControlColors(dialog_, 101, -7, ColorTransparent);
  EXPECT_FALSE(IsBrush(red));
  EXPECT_EQ(RecordOf(101).brush, nullptr);
  EXPECT_EQ(RecordOf(101).textColor, ColorSystem);
  EXPECT_EQ(RecordOf(101).backgroundColor, ColorTransparent);
  SetControlColors(dialog_, 101, 0, ColorNotSet);
  EXPECT_EQ(RecordOf(101).backgroundColor, ColorSystem);
}

TEST_F(Colours, DialogItselfAndUnknownIdentifiers) {
  SetControlColors(dialog_, DialogItself, 0, Blue);
  EXPECT_EQ(RecordOf(dialog_).backgroundColor, static_cast<std::int32_t>(Blue));
  SetControlColors(dialog_, 999, 0, Red);  // no such control: nothing happens
  for (const WindowRecord* record : RegistryRecords()) {
    EXPECT_NE(record->backgroundColor, static_cast<std::int32_t>(Red));
  }
}

TEST_F(Colours, EndingTheDialogDeletesEveryBrushAndRecord) {
  SetControlColors(dialog_, 101, 0, Red);
  SetControlColors(dialog_, 102, 0, Red);
  SetControlColors(dialog_, 103, 0, Blue);
  SetControlColors(dialog_, DialogItself, 0, Green);
  const HBRUSH brushes[] = {RecordOf(101).brush, RecordOf(103).brush, RecordOf(dialog_).brush};
  EXPECT_EQ(RegistryRecords().size(), 5u);
  for (HBRUSH brush : brushes) EXPECT_TRUE(IsBrush(brush));

  EndDialogWithResult(dialog_, 0);
  EXPECT_FALSE(IsWindow(dialog_));
  EXPECT_TRUE(RegistryRecords().empty());
  for (HBRUSH brush : brushes) EXPECT_FALSE(IsBrush(brush));
}

// ---- colour messages ----------------------------------------------------------

// The system colour entries of each colour message, as Win32 numbers them.
struct ColourMessageCase {
  UINT message;
  int textEntry;
  int backgroundEntry;
};
constexpr ColourMessageCase ColourMessages[] = {
    {WM_CTLCOLORMSGBOX, COLOR_MENUTEXT, COLOR_MENU},
    {WM_CTLCOLOREDIT, COLOR_WINDOWTEXT, COLOR_WINDOW},
    {WM_CTLCOLORLISTBOX, COLOR_WINDOWTEXT, COLOR_WINDOW},
    {WM_CTLCOLORBTN, COLOR_BTNTEXT, COLOR_BTNFACE},
    {WM_CTLCOLORDLG, COLOR_WINDOWTEXT, COLOR_BTNFACE},
    {WM_CTLCOLORSCROLLBAR, COLOR_WINDOWTEXT, COLOR_SCROLLBAR},
    {WM_CTLCOLORSTATIC, COLOR_WINDOWTEXT, COLOR_BTNFACE},
};

constexpr COLORREF UntouchedText = RGB(1, 1, 1);
constexpr COLORREF UntouchedBackground = RGB(2, 2, 2);

// A memory device context with known colours and an opaque background.
struct AnswerProbe {
  HDC dc = CreateCompatibleDC(nullptr);
  ~AnswerProbe() { DeleteDC(dc); }
  HBRUSH Answer(UINT message, HWND control) {
    SetTextColor(dc, UntouchedText);
    SetBkColor(dc, UntouchedBackground);
    SetBkMode(dc, OPAQUE);
    return AnswerColorMessage(message, dc, control);
  }
};

TEST_F(Colours, AnswerForAColour) {
  SetControlColors(dialog_, 101, RGB(10, 20, 30), RGB(200, 150, 100));
  AnswerProbe probe;
  for (const auto& c : ColourMessages) {
    EXPECT_EQ(probe.Answer(c.message, GetDlgItem(dialog_, 101)), RecordOf(101).brush) << c.message;
    EXPECT_EQ(GetTextColor(probe.dc), RGB(10, 20, 30)) << c.message;
    EXPECT_EQ(GetBkColor(probe.dc), RGB(200, 150, 100)) << c.message;
    EXPECT_EQ(GetBkMode(probe.dc), OPAQUE) << c.message;
  }
}

TEST_F(Colours, AnswerForColorSystem) {
  SetControlColors(dialog_, 101, ColorSystem, ColorSystem);
  AnswerProbe probe;
  for (const auto& c : ColourMessages) {
    EXPECT_EQ(probe.Answer(c.message, GetDlgItem(dialog_, 101)),
              GetSysColorBrush(c.backgroundEntry))
        << c.message;
    EXPECT_EQ(GetTextColor(probe.dc), GetSysColor(c.textEntry)) << c.message;
    EXPECT_EQ(GetBkColor(probe.dc), GetSysColor(c.backgroundEntry)) << c.message;
  }
}

TEST_F(Colours, AnswerForColorTransparent) {
  SetControlColors(dialog_, 101, RGB(10, 20, 30), ColorTransparent);
  AnswerProbe probe;
  for (const auto& c : ColourMessages) {
    EXPECT_EQ(probe.Answer(c.message, GetDlgItem(dialog_, 101)), GetStockObject(NULL_BRUSH))
        << c.message;
    EXPECT_EQ(GetTextColor(probe.dc), RGB(10, 20, 30)) << c.message;
    EXPECT_EQ(GetBkColor(probe.dc), UntouchedBackground) << c.message;
    EXPECT_EQ(GetBkMode(probe.dc), TRANSPARENT) << c.message;
  }
}

TEST_F(Colours, NoAnswerForColorNotSetOrNoRecord) {
  AnswerProbe probe;
  for (const auto& c : ColourMessages) {
    EXPECT_EQ(probe.Answer(c.message, GetDlgItem(dialog_, 101)), nullptr) << c.message;
    EXPECT_EQ(GetTextColor(probe.dc), UntouchedText) << c.message;
    EXPECT_EQ(GetBkColor(probe.dc), UntouchedBackground) << c.message;
    EXPECT_EQ(probe.Answer(c.message, GetDesktopWindow()), nullptr) << c.message;
  }
}

TEST_F(Colours, DialogProcedureAnswersThroughTheSystem) {
  SetControlColors(dialog_, 102, RGB(10, 20, 30), Green);
  SetControlColors(dialog_, DialogItself, ColorSystem, Blue);
  AnswerProbe probe;
  HWND option = GetDlgItem(dialog_, 102);
  EXPECT_EQ(SendMessageA(dialog_, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(probe.dc),
                         reinterpret_cast<LPARAM>(option)),
            reinterpret_cast<LRESULT>(RecordOf(102).brush));
  EXPECT_EQ(GetTextColor(probe.dc), RGB(10, 20, 30));
  EXPECT_EQ(SendMessageA(dialog_, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(probe.dc),
                         reinterpret_cast<LPARAM>(dialog_)),
            reinterpret_cast<LRESULT>(RecordOf(dialog_).brush));
  EXPECT_EQ(GetTextColor(probe.dc), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(GetWindowLongPtrA(dialog_, DWLP_MSGRESULT), 0);
}

}  // namespace
