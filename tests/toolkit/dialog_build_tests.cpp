// Building a dialog: its template as the system read it, its styles and
// placement, controls, pictures and option groups.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "test_support.h"

namespace {

constexpr ByteLiteral Caption("Toolkit test");
constexpr ByteLiteral Empty("");
constexpr ByteLiteral Picture104("#104");
constexpr ByteLiteral NamedPicture("TestPicture");
constexpr ByteLiteral MissingPicture("#999");
constexpr ByteLiteral Option("Option");

// Each test leaves no dialog behind.
class DialogBuild : public testing::Test {
 protected:
  void TearDown() override {
    for (HWND dialog : dialogs_) {
      if (IsWindow(dialog)) DestroyWindow(dialog);
    }
    EXPECT_TRUE(RegistryRecords().empty());
  }
  HWND Make(ByteView caption, int x = 10, int y = 10, DWORD style = 0x90C80054) {
    HWND dialog = CreateDialogWindow(UnitsDialog, nullptr, caption, x, y, 200, 120, style, 0);
    dialogs_.push_back(dialog);
    return dialog;
  }

 private:
  std::vector<HWND> dialogs_;
};

std::string WindowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)); }

LOGFONTA FontOf(HWND window) {
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

int FontHeightForPoints(int points) {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return height;
}

// ---- template ----------------------------------------------------------------

TEST_F(DialogBuild, CaptionAsWritten) {
  EXPECT_EQ(WindowText(Make(Caption)), "Toolkit test");
  EXPECT_EQ(WindowText(Make(Empty)), " ");
  TestText longCaption(std::string(250, 'a') + std::string(50, 'b'));
  EXPECT_EQ(WindowText(Make(longCaption)), std::string(250, 'a') + "bbbbbb");
}

TEST_F(DialogBuild, CaptionBytesAboveAsciiKept) {
  // Widened byte by byte; Wine passes a caption through the ANSI code page on
  // its way to the window, so only bytes that map to themselves are checked.
  TestText caption("Caf\xE9 \xC0");
  wchar_t text[16] = {};
  GetWindowTextW(Make(caption), text, 16);
  EXPECT_EQ(std::wstring(text), std::wstring(L"Caf\u00E9 \u00C0"));
}

TEST_F(DialogBuild, FontFromThreadSettings) {
  HWND standard = Make(Caption);
  EXPECT_STREQ(FontOf(standard).lfFaceName, "MS Sans Serif");
  EXPECT_EQ(FontOf(standard).lfHeight, FontHeightForPoints(8));
  EXPECT_EQ(FindWindowRecord(standard)->font,
            reinterpret_cast<HFONT>(SendMessageA(standard, WM_GETFONT, 0, 0)));

  DialogFontSetting& setting = CurrentThreadSettings()->dialogFont;
  const DialogFontSetting saved = setting;
  std::strcpy(setting.faceName, "Courier New");
  setting.pointSize = 12;
  HWND changed = Make(Caption);
  setting = saved;
  EXPECT_STREQ(FontOf(changed).lfFaceName, "Courier New");
  EXPECT_EQ(FontOf(changed).lfHeight, FontHeightForPoints(12));
}

// ---- styles and placement --------------------------------------------------

TEST_F(DialogBuild, DialogStyleAndRecord) {
  HWND dialog = Make(Caption, 10, 10, 0);
  // The system adds WS_CLIPSIBLINGS to every top-level window.
  EXPECT_EQ(StyleOf(dialog) & ~WS_CLIPSIBLINGS, 0x80C000D4u);
  const WindowRecord* record = FindWindowRecord(dialog);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->style, 0x80C000D4u);
  EXPECT_EQ(record->flags, 0x4001u);
  EXPECT_EQ(record->showCommand, SW_SHOW);
  EXPECT_EQ(record->kind, 0);
  EXPECT_EQ(record->owner, nullptr);
  EXPECT_EQ(record->backgroundColor, ColorNotSet);
  EXPECT_EQ(record->textColor, ColorNotSet);
}

TEST_F(DialogBuild, VisibleStyleNeverShowsBeforeTheRun) {
  HWND dialog = Make(Caption, 10, 10, 0x90C80054);
  EXPECT_FALSE(IsWindowVisible(dialog));
  EXPECT_EQ(StyleOf(dialog) & WS_VISIBLE, 0u);
  EXPECT_EQ(FindWindowRecord(dialog)->style, 0x80C80054u);
}

TEST_F(DialogBuild, MinusOneCentres) {
  RECT workArea;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
  const LONG centreX = (workArea.left + workArea.right) / 2;
  const LONG centreY = (workArea.top + workArea.bottom) / 2;
  for (auto [x, y] : {std::pair{-1, 10}, std::pair{10, -1}}) {
    HWND dialog = Make(Caption, x, y);
    EXPECT_TRUE(StyleOf(dialog) & DS_CENTER);
    RECT rect;
    GetWindowRect(dialog, &rect);
    EXPECT_NEAR((rect.left + rect.right) / 2, centreX, 1) << x << "," << y;
    EXPECT_NEAR((rect.top + rect.bottom) / 2, centreY, 1) << x << "," << y;
  }
  EXPECT_FALSE(StyleOf(Make(Caption, 10, 10)) & DS_CENTER);
}

TEST_F(DialogBuild, ControlStylesAsCreated) {
  HWND dialog = Make(Caption);
  HWND option =
      AddDialogControl(dialog, ControlKind::OptionButton, 101, Option, 10, 10, 60, 10, 0, 0);
  HWND first = AddDialogControl(dialog, ControlKind::OptionButton, 102, Option, 10, 20, 60, 10,
                                0x50030100, 0);
  HWND frame = AddDialogControl(dialog, ControlKind::Frame, 103, Option, 5, 5, 100, 80,
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_GROUPBOX, 0);
  EXPECT_EQ(StyleOf(option), 0x50010009u);
  EXPECT_EQ(StyleOf(first), 0x50030109u);
  EXPECT_EQ(StyleOf(frame), 0x50000007u);
  const WindowRecord* record = FindWindowRecord(option);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->flags, 0x2001u);
  EXPECT_EQ(record->owner, dialog);
  EXPECT_EQ(record->kind, 7);
  EXPECT_EQ(SendMessageA(option, WM_GETFONT, 0, 0), SendMessageA(dialog, WM_GETFONT, 0, 0));
}

TEST_F(DialogBuild, GeometryFromDialogUnits) {
  // The test display's dialog font, "MS Sans Serif" at 8 points under Wine
  // at 96 dots per inch, has the base units 6 x 12 pixels (measured): x pixels
  // are x * 6 / 4 and y pixels y * 12 / 8, halves rounded up.
  HWND dialog = Make(Caption);
  HWND control = AddDialogControl(dialog, ControlKind::PushButton, 1, Option, 7, 9, 50, 14, 0, 0);
  const RECT actual = RectInParent(control);
  EXPECT_EQ(actual.left, 11);    // 7 * 6 / 4 = 10.5
  EXPECT_EQ(actual.top, 14);     // 9 * 12 / 8 = 13.5
  EXPECT_EQ(actual.right, 86);   // (7 + 50) * 6 / 4 = 85.5
  EXPECT_EQ(actual.bottom, 35);  // (9 + 14) * 12 / 8 = 34.5
}

TEST_F(DialogBuild, DefaultPushButtonBecomesTheDefaultIdentifier) {
  HWND dialog = Make(Caption);
  AddDialogControl(dialog, ControlKind::PushButton, 1001, Option, 7, 9, 50, 14,
                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0);
  EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(1001, DC_HASDEFID));
}

TEST_F(DialogBuild, NothingMadeWithoutADialogRecord) {
  EXPECT_EQ(AddDialogControl(nullptr, ControlKind::Label, 1, Option, 0, 0, 10, 10, 0, 0), nullptr);
  HWND dialog = Make(Caption);
  EXPECT_EQ(AddDialogControl(dialog, static_cast<ControlKind>(2), 1, Option, 0, 0, 10, 10, 0, 0),
            nullptr);
}

// ---- pictures ----------------------------------------------------------------

TEST_F(DialogBuild, NumberedBitmapShown) {
  HWND dialog = Make(Caption);
  HWND image = AddDialogControl(dialog, ControlKind::Image, 104, Picture104, 5, 5, 20, 20, 0, 0);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(StyleOf(image), 0x5000000Eu);
  EXPECT_EQ(WindowText(image), "");
  const WindowRecord* record = FindWindowRecord(image);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->flags, 0x2201u);
  auto shown = reinterpret_cast<HBITMAP>(SendMessageA(image, STM_GETIMAGE, IMAGE_BITMAP, 0));
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(record->picture, shown);

  BITMAP bitmap{};
  ASSERT_EQ(GetObjectA(shown, sizeof bitmap, &bitmap), static_cast<int>(sizeof bitmap));
  EXPECT_EQ(bitmap.bmWidth, 4);
  EXPECT_EQ(bitmap.bmHeight, 4);
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(memory, shown);
  EXPECT_EQ(GetPixel(memory, 0, 0), RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(GetPixel(memory, 3, 3), RGB(0x12, 0x34, 0x56));
  SelectObject(memory, previous);
  DeleteDC(memory);
}

TEST_F(DialogBuild, NamedBitmapFoundWithLettersFolded) {
  HWND dialog = Make(Caption);
  HWND image = AddDialogControl(dialog, ControlKind::Image, 105, NamedPicture, 5, 5, 20, 20, 0, 0);
  EXPECT_EQ(FindWindowRecord(image)->flags, 0x2201u);
  EXPECT_NE(SendMessageA(image, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
}

TEST_F(DialogBuild, MissingPictureLeavesTheControlEmpty) {
  HWND dialog = Make(Caption);
  HWND image =
      AddDialogControl(dialog, ControlKind::Image, 106, MissingPicture, 5, 5, 20, 20, 0, 0);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(StyleOf(image), 0x50000003u);  // SS_ICON
  const WindowRecord* record = FindWindowRecord(image);
  EXPECT_EQ(record->flags, 0x2101u);
  EXPECT_EQ(record->picture, nullptr);
  EXPECT_EQ(SendMessageA(image, STM_GETIMAGE, IMAGE_ICON, 0), 0);
  EXPECT_EQ(SendMessageA(image, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
}

TEST_F(DialogBuild, PictureDestroyedWithTheDialog) {
  HWND dialog = Make(Caption);
  HWND image = AddDialogControl(dialog, ControlKind::Image, 104, Picture104, 5, 5, 20, 20, 0, 0);
  HANDLE picture = FindWindowRecord(image)->picture;
  ASSERT_EQ(GetObjectType(picture), static_cast<DWORD>(OBJ_BITMAP));
  EndDialogWithResult(dialog, 0);
  EXPECT_EQ(GetObjectType(picture), 0u);
}

// ---- options ------------------------------------------------------------------

TEST_F(DialogBuild, CheckOptionInRangeUnchecksTheRest) {
  HWND dialog = Make(Caption);
  for (int id = 101; id <= 105; ++id) {
    AddDialogControl(dialog, ControlKind::OptionButton, id, Option, 10, 10 * (id - 100), 60, 10,
                     id == 101 ? 0x50030000 : 0, 0);
  }
  SendWindowMessage(GetDlgItem(dialog, 105), BM_SETCHECK, BST_CHECKED, 0);  // outside 101..104
  CheckOptionInRange(dialog, 101, 104, 101);
  CheckOptionInRange(dialog, 101, 104, 102);
  EXPECT_EQ(GetCheckState(dialog, 101), 0);
  EXPECT_EQ(GetCheckState(dialog, 102), 1);
  EXPECT_EQ(GetCheckState(dialog, 105), 1);  // outside the range: left alone
  CheckOptionInRange(dialog, 101, 104, 104);
  const int expected[] = {0, 0, 0, 1, 1};
  for (int id = 101; id <= 105; ++id)
    EXPECT_EQ(GetCheckState(dialog, id), expected[id - 101]) << id;
}

TEST_F(DialogBuild, CheckStateOfNoControlIsZero) {
  HWND dialog = Make(Caption);
  EXPECT_EQ(GetCheckState(dialog, 999), 0);
  EXPECT_EQ(GetCheckState(nullptr, 1), 0);
}

TEST_F(DialogBuild, SendWindowMessageGivesTheAnswer) {
  HWND dialog = Make(Caption);
  HWND option =
      AddDialogControl(dialog, ControlKind::OptionButton, 101, Option, 10, 10, 60, 10, 0, 0);
  SendWindowMessage(option, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendWindowMessage(option, BM_GETCHECK, 0, 0), BST_CHECKED);
}

}  // namespace
