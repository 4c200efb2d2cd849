// End-to-end tests of fiveband and fourband. Each test starts the real
// program and drives its window from this process: it reads the controls
// back, looks at the colours on the screen, presses "&Ok" and Enter, clicks
// band selections and reads the result box, and ends the program the three
// ways a user can.
//
// Usage: program_window_test <fiveband|fourband> <path of the program> [gtest flags]

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "dialog_test.h"
#include "expected_windows.h"
#include "window_driver.h"

namespace {

const ExpectedWindow* expected = nullptr;
std::string programPath;

std::string Hex(DWORD value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
  return text;
}

std::string Rgb(COLORREF colour) {
  char text[32];
  std::snprintf(text, sizeof text, "%d,%d,%d", GetRValue(colour), GetGValue(colour),
                GetBValue(colour));
  return text;
}

// The kind of control a user sees, from its class and button or static type.
std::optional<Kind> KindOf(HWND control) {
  const std::string name = ClassName(control);
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
  if (_stricmp(name.c_str(), "Button") == 0) {
    switch (style & BS_TYPEMASK) {
      case BS_GROUPBOX: return Kind::Frame;
      case BS_AUTORADIOBUTTON: return Kind::Option;
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON: return Kind::PushButton;
    }
  } else if (_stricmp(name.c_str(), "Static") == 0) {
    switch (style & SS_TYPEMASK) {
      case SS_BITMAP: return Kind::Image;
      case SS_LEFT: return Kind::Label;
    }
  }
  return std::nullopt;
}

// The colours an option of each band colour is painted in, as the colour
// code prescribes; the system's colours for Grey and None and for the text
// of a Violet option.
struct OptionPaint {
  const char* text;
  std::optional<COLORREF> background;  // none: the system's button face
  std::optional<COLORREF> textColour;  // none: the system's colour (see below)
};

constexpr OptionPaint Paints[] = {
    {"Black", RGB(0, 0, 0), RGB(255, 255, 255)},  {"Brown", RGB(128, 0, 0), RGB(255, 255, 255)},
    {"Red", RGB(255, 0, 0), RGB(0, 0, 0)},        {"Orange", RGB(255, 128, 0), RGB(0, 0, 0)},
    {"Yellow", RGB(255, 255, 0), RGB(0, 0, 0)},   {"Green", RGB(0, 128, 0), RGB(255, 255, 255)},
    {"Blue", RGB(0, 0, 255), RGB(255, 255, 255)}, {"Violet", RGB(255, 0, 255), std::nullopt},
    {"Grey", std::nullopt, std::nullopt},         {"White", RGB(255, 255, 255), RGB(0, 0, 0)},
    {"Silver", RGB(219, 219, 219), RGB(0, 0, 0)}, {"Gold", RGB(239, 184, 16), RGB(0, 0, 0)},
    {"None", std::nullopt, std::nullopt},
};

const OptionPaint* PaintOf(const std::string& text) {
  for (const OptionPaint& paint : Paints) {
    if (text == paint.text) return &paint;
  }
  return nullptr;
}

bool IsCheckedAtOpening(int identifier) {
  return std::find(expected->checkedAtOpening.begin(), expected->checkedAtOpening.end(),
                   identifier) != expected->checkedAtOpening.end();
}

// One started program with its dialog found.
class ProgramWindow : public DialogTest {
 protected:
  void SetUp() override { Open(programPath, expected->caption); }

  // Waits until the result box is up with its text, checks the dialog is
  // disabled meanwhile, closes the box and waits until the dialog is usable
  // again; gives the box's text, or "" when no box came. The box is hidden
  // some milliseconds before it is destroyed, and its destruction takes the
  // activation away (no window manager hands it on): the wait is for the
  // destruction, so that an activation made afterwards is not lost to it.
  std::string ReadResultBox() {
    HWND box = nullptr;
    std::string text;
    const bool shown = WaitFor([&] {
      box = program_->FindMessageBox(dialog_);
      if (box == nullptr) return false;
      char buffer[256] = {};  // a result line is under 40 bytes
      GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
      text = buffer;
      return !text.empty();
    });
    if (!shown) {
      ADD_FAILURE() << "no result box with a text";
      return "";
    }
    EXPECT_EQ(WindowText(box), "Selected value");
    EXPECT_FALSE(IsWindowEnabled(dialog_)) << "the dialog takes input while the box is up";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); })) << "the result box did not close";
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(dialog_) != FALSE; }))
        << "the dialog stayed disabled";
    return text;
  }

  // "&Ok" as a click: posted, since the box it opens holds a sent message.
  std::string PressOk() {
    PostMessageA(Control(IDOK), BM_CLICK, 0, 0);
    return ReadResultBox();
  }

  void ClickOption(int identifier) { SendMessageA(Control(identifier), BM_CLICK, 0, 0); }

  void PostKey(HWND target, WPARAM key) {
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
  }

  // After the result box: the dialog, activated again, gives the focus back
  // to the control that had it.
  void ExpectFocusBackOn(HWND control) {
    EXPECT_TRUE(Activate());
    ExpectFocusOn(control);
  }

  void ExpectFocusOn(HWND control) {
    EXPECT_TRUE(WaitFor([&] { return FocusedControl(dialog_) == control; }))
        << "focus is on control " << GetDlgCtrlID(FocusedControl(dialog_)) << ", not on "
        << GetDlgCtrlID(control);
  }

  void ExpectExitCodeZero() {
    EXPECT_EQ(program_->WaitForExitCode(), 0) << "the program did not end with exit code 0";
  }
};

TEST_F(ProgramWindow, CaptionAndPlaceInDialogUnits) {
  const DialogBaseUnits units = MeasureDialogBaseUnits();
  EXPECT_EQ(WindowText(dialog_), expected->caption);
  // The position is that of the client area, from the screen's top left.
  RECT client;
  GetClientRect(dialog_, &client);
  POINT origin{0, 0};
  ClientToScreen(dialog_, &origin);
  EXPECT_EQ(HorizontalUnits(units, origin.x), expected->x);
  EXPECT_EQ(VerticalUnits(units, origin.y), expected->y);
  EXPECT_EQ(HorizontalUnits(units, client.right), expected->width);
  EXPECT_EQ(VerticalUnits(units, client.bottom), expected->height);
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(dialog_, GWL_STYLE));
  // Popup, visible, caption, close box, dialog font, no-fail creation, 3-D look.
  EXPECT_EQ(style & ~WS_CLIPSIBLINGS, 0x90C80054u) << Hex(style);
  const DWORD extended = static_cast<DWORD>(GetWindowLongPtrA(dialog_, GWL_EXSTYLE));
  EXPECT_TRUE(extended & WS_EX_CONTROLPARENT) << Hex(extended);
}

TEST_F(ProgramWindow, EveryControlInCreationOrder) {
  const DialogBaseUnits units = MeasureDialogBaseUnits();
  const std::vector<HWND> children = ChildrenInCreationOrder(dialog_);
  ASSERT_EQ(children.size(), expected->controls.size());
  for (std::size_t i = 0; i < children.size(); ++i) {
    const ExpectedControl& want = expected->controls[i];
    HWND control = children[i];
    SCOPED_TRACE("control #" + std::to_string(i + 1) + ", identifier " +
                 std::to_string(want.identifier));
    EXPECT_EQ(GetDlgCtrlID(control), want.identifier);
    EXPECT_EQ(KindOf(control), want.kind) << "class " << ClassName(control);
    EXPECT_EQ(WindowText(control), want.text);
    // Checking an option gives it the tab stop and takes the tab stop from
    // the other options of its range: the dialog manager's tab key goes to
    // the checked option of each group.
    DWORD wantStyle = want.style;
    if (want.kind == Kind::Option && !IsCheckedAtOpening(want.identifier)) wantStyle &= ~WS_TABSTOP;
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
    EXPECT_EQ(style, wantStyle) << Hex(style) << " instead of " << Hex(wantStyle);
    EXPECT_EQ(GetWindowLongPtrA(control, GWL_EXSTYLE), 0);
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&rect), 2);
    const int left = HorizontalUnits(units, rect.left);
    const int top = VerticalUnits(units, rect.top);
    EXPECT_EQ(left, want.x);
    EXPECT_EQ(top, want.y);
    EXPECT_EQ(HorizontalUnits(units, rect.right) - left, want.width);
    EXPECT_EQ(VerticalUnits(units, rect.bottom) - top, want.height);
  }
}

TEST_F(ProgramWindow, OpensWithOneOptionOfEveryGroupChecked) {
  for (const ExpectedControl& control : expected->controls) {
    if (control.kind != Kind::Option) continue;
    const bool wantChecked = IsCheckedAtOpening(control.identifier);
    EXPECT_EQ(SendMessageA(Control(control.identifier), BM_GETCHECK, 0, 0),
              wantChecked ? BST_CHECKED : BST_UNCHECKED)
        << "option " << control.identifier << " \"" << control.text << "\"";
  }
}

TEST_F(ProgramWindow, OptionsArePaintedInTheirBandColours) {
  const COLORREF buttonFace = GetSysColor(COLOR_BTNFACE);
  const COLORREF buttonText = GetSysColor(COLOR_BTNTEXT);
  const COLORREF systemText = GetSysColor(COLOR_WINDOWTEXT);
  for (const ExpectedControl& control : expected->controls) {
    if (control.kind != Kind::Option) continue;
    const OptionPaint* paint = PaintOf(control.text);
    ASSERT_NE(paint, nullptr) << control.text;
    const COLORREF background = paint->background.value_or(buttonFace);
    const COLORREF text = paint->textColour.value_or(paint->background ? systemText : buttonText);
    SCOPED_TRACE("option " + std::to_string(control.identifier) + " \"" + control.text + "\"");
    RECT rect;
    GetWindowRect(Control(control.identifier), &rect);
    // Right of the text there is only background.
    const POINT blank{rect.right - 2, (rect.top + rect.bottom) / 2};
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(blank) == background; }))
        << "background " << Rgb(ScreenPixel(blank)) << " instead of " << Rgb(background);
    // The text stands right of the option's circle; some of its pixels have
    // the full colour once the text is drawn over the background.
    EXPECT_TRUE(WaitFor([&] {
      for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left + 16; x < rect.right - 2; ++x) {
          if (ScreenPixel({x, y}) == text) return true;
        }
      }
      return false;
    })) << "no text pixel of "
        << Rgb(text);
  }
}

TEST_F(ProgramWindow, ShowsTheResistorPicture) {
  HMODULE file = LoadLibraryExA(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(file, nullptr);
  HBITMAP picture = static_cast<HBITMAP>(
      LoadImageA(file, MAKEINTRESOURCEA(104), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(picture, nullptr) << "no bitmap 104 in the program";
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(memory, picture);
  // The picture is centred in the image control: find it on the screen by
  // a few of its pixels, allowing one pixel either way for the rounding.
  HWND image = nullptr;
  for (const ExpectedControl& control : expected->controls) {
    if (control.kind == Kind::Image) image = Control(control.identifier);
  }
  ASSERT_NE(image, nullptr);
  RECT rect;
  GetWindowRect(image, &rect);
  const POINT samples[] = {{49, 49}, {34, 49}, {20, 40}, {70, 55}, {5, 5}, {90, 90}};
  const int left = (rect.left + rect.right - 98) / 2;
  const int top = (rect.top + rect.bottom - 98) / 2;
  auto shownAt = [&](int dx, int dy) {
    for (const POINT& p : samples) {
      if (ScreenPixel({left + dx + p.x, top + dy + p.y}) != GetPixel(memory, p.x, p.y))
        return false;
    }
    return true;
  };
  const bool found = WaitFor([&] {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (shownAt(dx, dy)) return true;
      }
    }
    return false;
  });
  EXPECT_TRUE(found) << "the picture of bitmap 104 is not shown in the image control";
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(picture);
  FreeLibrary(file);
}

TEST_F(ProgramWindow, OkRightAfterOpeningShowsTheOpeningReading) {
  EXPECT_EQ(PressOk(), expected->openingText);
  // The click gave "&Ok" the focus; it is given back there after the box.
  ExpectFocusBackOn(Control(IDOK));
  // The dialog stays open.
  EXPECT_TRUE(IsWindowVisible(dialog_));
}

TEST_F(ProgramWindow, TwoPressesGiveTheSameText) {
  const std::string first = PressOk();
  const std::string second = PressOk();
  EXPECT_EQ(first, expected->openingText);
  EXPECT_EQ(second, first);
}

TEST_F(ProgramWindow, EnterInAnOptionShowsTheReadingAndKeepsTheDialog) {
  // Clicking the checked option of the first band gives it the focus and
  // leaves the selection as it was.
  HWND option = Control(expected->checkedAtOpening[0]);
  ClickOption(expected->checkedAtOpening[0]);
  ExpectFocusOn(option);
  PostKey(option, VK_RETURN);
  EXPECT_EQ(ReadResultBox(), expected->openingText);
  ExpectFocusBackOn(option);
  EXPECT_TRUE(IsWindowVisible(dialog_));
  // And again, now from the tolerance group.
  HWND tolerance = Control(expected->checkedAtOpening.back());
  ClickOption(expected->checkedAtOpening.back());
  ExpectFocusOn(tolerance);
  PostKey(tolerance, VK_RETURN);
  EXPECT_EQ(ReadResultBox(), expected->openingText);
  ExpectFocusBackOn(tolerance);
}

TEST_F(ProgramWindow, BandSelectionsClickedGiveTheirReadings) {
  for (const ExpectedReading& reading : expected->readings) {
    SCOPED_TRACE(reading.bands);
    for (int option : reading.clicks) ClickOption(option);
    for (int option : reading.clicks) {
      EXPECT_EQ(SendMessageA(Control(option), BM_GETCHECK, 0, 0), BST_CHECKED) << option;
    }
    EXPECT_EQ(PressOk(), reading.text);
  }
}

TEST_F(ProgramWindow, AMouseClickOnAnOptionAndOnOk) {
  // Real mouse input through the system's input queue: pick the first
  // reading's colours, then click "&Ok".
  const ExpectedReading& reading = expected->readings[0];
  auto centre = [&](int identifier) {
    RECT rect;
    GetWindowRect(Control(identifier), &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  };
  for (int option : reading.clicks) {
    ClickAt(centre(option));
    EXPECT_TRUE(WaitFor([&] {
      return SendMessageA(Control(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
    })) << "option "
        << option << " not checked by the click";
  }
  ClickAt(centre(IDOK));
  EXPECT_EQ(ReadResultBox(), reading.text);
}

TEST_F(ProgramWindow, CancelEndsTheProgramWithExitCodeZero) {
  PostMessageA(Control(IDCANCEL), BM_CLICK, 0, 0);
  ExpectExitCodeZero();
}

TEST_F(ProgramWindow, EscapeEndsTheProgramWithExitCodeZero) {
  HWND option = Control(expected->checkedAtOpening[0]);
  ClickOption(expected->checkedAtOpening[0]);
  ExpectFocusOn(option);
  PostKey(option, VK_ESCAPE);
  ExpectExitCodeZero();
}

TEST_F(ProgramWindow, CloseBoxEndsTheProgramWithExitCodeZero) {
  // The close box is the rightmost button of the caption.
  RECT window;
  GetWindowRect(dialog_, &window);
  const int frame = GetSystemMetrics(SM_CXDLGFRAME);
  const POINT closeBox{
      window.right - frame - GetSystemMetrics(SM_CXSIZE) / 2,
      window.top + GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
  ASSERT_EQ(SendMessageA(dialog_, WM_NCHITTEST, 0, MAKELPARAM(closeBox.x, closeBox.y)), HTCLOSE);
  ClickAt(closeBox);
  ExpectExitCodeZero();
}

// The keyboard as a user presses it, through the input queue.
class ProgramKeyboard : public ProgramWindow {
 protected:
  std::vector<int> CheckedOptions() const {
    std::vector<int> checked;
    for (const ExpectedControl& control : expected->controls) {
      if (control.kind == Kind::Option &&
          SendMessageA(Control(control.identifier), BM_GETCHECK, 0, 0) == BST_CHECKED) {
        checked.push_back(control.identifier);
      }
    }
    return checked;
  }

  // Keys go to the active window; with no window manager nothing else
  // keeps the dialog active.
  bool PressKeysInDialog(const char* keys) {
    if (!Activate()) {
      ADD_FAILURE() << "the dialog cannot be made the active window";
      return false;
    }
    return PressKeys(keys);
  }

  // Starts at the first band's checked option, as after a click on it.
  void StartAtFirstBand() {
    ClickOption(expected->checkedAtOpening[0]);
    ExpectFocusOn(Control(expected->checkedAtOpening[0]));
  }
};

TEST_F(ProgramKeyboard, TabShiftTabArrowsAndAltOFollowTheTables) {
  StartAtFirstBand();
  int number = 0;
  for (const KeyStep& step : expected->keyboardWalk) {
    SCOPED_TRACE("step " + std::to_string(++number) + ": " + step.keys);
    const std::vector<int> before = CheckedOptions();
    ASSERT_TRUE(PressKeysInDialog(step.keys));
    if (step.reading != nullptr) {
      EXPECT_EQ(ReadResultBox(), step.reading);
      EXPECT_TRUE(Activate());
    }
    ExpectFocusOn(Control(step.focus));
    if (step.checks != 0) {
      EXPECT_TRUE(WaitFor([&] {
        return SendMessageA(Control(step.checks), BM_GETCHECK, 0, 0) == BST_CHECKED;
      })) << "option "
          << step.checks << " is not checked";
      // One option per group stays checked.
      EXPECT_EQ(CheckedOptions().size(), before.size());
    } else {
      EXPECT_EQ(CheckedOptions(), before);
    }
  }
}

TEST_F(ProgramKeyboard, AltCEndsTheProgramWithExitCodeZero) {
  StartAtFirstBand();
  ASSERT_TRUE(PressKeysInDialog("Tab"));
  ASSERT_TRUE(PressKeysInDialog("Alt+C"));
  ExpectExitCodeZero();
}

TEST_F(ProgramKeyboard, EscapeKeyEndsTheProgramWithExitCodeZero) {
  StartAtFirstBand();
  ASSERT_TRUE(PressKeysInDialog("Down"));
  ASSERT_TRUE(PressKeysInDialog("Escape"));
  ExpectExitCodeZero();
}

// What the program file itself carries.
TEST(ProgramFile, BitmapResource104IsA98By98PictureOf24Bits) {
  HMODULE file = LoadLibraryExA(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(file, nullptr);
  HRSRC resource = FindResourceA(file, MAKEINTRESOURCEA(104), MAKEINTRESOURCEA(2));  // RT_BITMAP
  ASSERT_NE(resource, nullptr);
  const auto* header =
      static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(file, resource)));
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header->biWidth, 98);
  EXPECT_EQ(header->biHeight, 98);
  EXPECT_EQ(header->biBitCount, 24);
  EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));
  EXPECT_EQ(header->biClrUsed, 0u);  // no colour table: shown unchanged
  FreeLibrary(file);
}

// The icon Explorer shows for the file: one group (resource 1) of 32-bit
// images at 16, 32 and 48 pixels, each loadable, opaque at its centre (the
// resistor's body) and transparent in the corners off its leads.
TEST(ProgramFile, IconIsTheResistorAt16_32And48Pixels) {
  HMODULE file = LoadLibraryExA(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(file, nullptr);
  HRSRC resource = FindResourceA(file, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(resource, nullptr) << "no icon group 1";
  const auto* group = static_cast<const std::uint8_t*>(LockResource(LoadResource(file, resource)));
  ASSERT_NE(group, nullptr);
  auto word = [group](int offset) { return group[offset] | group[offset + 1] << 8; };
  ASSERT_EQ(word(2), 1) << "not an icon group";
  ASSERT_EQ(word(4), 3) << "image count";
  const int kSizes[] = {16, 32, 48};
  for (int i = 0; i < 3; ++i) {
    const int entry = 6 + 14 * i;  // width, height, colours, reserved, planes, bits, bytes, id
    EXPECT_EQ(group[entry], kSizes[i]);
    EXPECT_EQ(group[entry + 1], kSizes[i]);
    EXPECT_EQ(word(entry + 6), 32) << "bits per pixel";
  }
  for (const int size : kSizes) {
    HICON icon =
        static_cast<HICON>(LoadImageA(file, MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = size;
    format.bmiHeader.biHeight = -size;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(size * size);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDIBits(screen, info.hbmColor, 0, size, pixels.data(), &format, DIB_RGB_COLORS),
              size);
    ReleaseDC(nullptr, screen);
    auto alpha = [&](int x, int y) { return pixels[y * size + x] >> 24; };
    EXPECT_EQ(alpha(size / 2, size / 2), 255u) << size;
    EXPECT_EQ(alpha(0, 0), 0u) << size;
    EXPECT_EQ(alpha(size - 1, size - 1), 0u) << size;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
  FreeLibrary(file);
}

std::string VersionString(const std::vector<char>& info, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
    return "(missing)";
  }
  return std::string(value, strnlen(value, length));
}

TEST(ProgramFile, VersionResource) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(programPath.c_str(), &ignored);
  if (!expected->hasVersionResource) {
    EXPECT_EQ(size, 0u) << expected->program << " carries a version resource";
    return;
  }
  ASSERT_NE(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(programPath.c_str(), 0, size, info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);  // 1.0
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);  // .0.1
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
  EXPECT_EQ(VersionString(info, "FileVersion"), "1.00.0001");
  EXPECT_EQ(VersionString(info, "ProductVersion"), "1.00.0001");
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 3 ||
      (std::strcmp(argv[1], "fiveband") != 0 && std::strcmp(argv[1], "fourband") != 0)) {
    std::fprintf(stderr, "usage: %s <fiveband|fourband> <program path> [gtest flags]\n", argv[0]);
    return 2;
  }
  expected = std::strcmp(argv[1], "fiveband") == 0 ? &FiveBandExpected : &FourBandExpected;
  programPath = WindowsPath(argv[2]);
  return RUN_ALL_TESTS();
}
