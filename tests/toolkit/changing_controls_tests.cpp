// The controls that change while the dialog runs (edit box, drawing, text
// line) and the waiting run: how they are made, their UTF-8 texts, the
// drawing's WM_DRAWITEM, shortcut keys, and a loop that sleeps when idle.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

constexpr ByteLiteral Caption("Changing controls");
constexpr int EditId = 301, DrawingId = 302, LineId = 303;
// "4.7 kΩ" with the Greek capital omega (U+03A9) in UTF-8.
constexpr char OhmText[] = "4.7 k\xCE\xA9";

std::string StringOf(std::span<const char> buffer, std::size_t size) {
  return std::string(buffer.data(), size);
}

class ChangingControls : public testing::Test {
 protected:
  void SetUp() override {
    dialog_ = MakeTestDialog(Caption);
    ASSERT_NE(dialog_, nullptr);
  }
  void TearDown() override {
    if (IsWindow(dialog_)) DestroyWindow(dialog_);
    EXPECT_TRUE(RegistryRecords().empty());
  }
  HWND dialog_ = nullptr;
};

TEST_F(ChangingControls, MadeAsUnicodeWindowsOfTheirClassAndStyle) {
  struct Case {
    ControlKind kind;
    int identifier;
    const char* className;
    DWORD style;
  };
  const Case cases[] = {
      {ControlKind::EditBox, EditId, "Edit", 0x50010080},
      {ControlKind::Drawing, DrawingId, "Static", 0x5000000D},
      {ControlKind::TextLine, LineId, "Static", 0x50000080},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    HWND control = AddUnicodeControl(dialog_, c.kind, c.identifier, "x", 10, 20, 40, 12, 0, 0);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(IsWindowUnicode(control));
    char name[32] = {};
    GetClassNameA(control, name, sizeof name);
    EXPECT_STREQ(name, c.className);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE)), c.style);
    EXPECT_EQ(GetDlgCtrlID(control), c.identifier);
    RECT want{10, 20, 50, 32};
    MapDialogRect(dialog_, &want);
    const RECT rect = RectInParent(control);
    EXPECT_EQ(rect.left, want.left);
    EXPECT_EQ(rect.top, want.top);
    EXPECT_EQ(rect.right, want.right);
    EXPECT_EQ(rect.bottom, want.bottom);
    const WindowRecord* record = FindWindowRecord(control);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->kind, static_cast<std::int32_t>(c.kind));
    EXPECT_EQ(record->owner, dialog_);
    EXPECT_EQ(record->flags, RecordControl | RecordUnitsDialog);
    // The dialog's font, as the classic kinds get it.
    EXPECT_EQ(SendMessageA(control, WM_GETFONT, 0, 0), SendMessageA(dialog_, WM_GETFONT, 0, 0));
  }
}

TEST_F(ChangingControls, EachFunctionMakesOnlyItsOwnKinds) {
  EXPECT_EQ(AddDialogControl(dialog_, ControlKind::EditBox, EditId, "x"_text, 0, 0, 10, 10, 0, 0),
            nullptr);
  EXPECT_EQ(AddUnicodeControl(dialog_, ControlKind::Label, LineId, "x", 0, 0, 10, 10, 0, 0),
            nullptr);
  EXPECT_EQ(GetWindow(dialog_, GW_CHILD), nullptr);
}

TEST_F(ChangingControls, TextsGoInAndComeOutAsUtf8) {
  AddUnicodeControl(dialog_, ControlKind::EditBox, EditId, OhmText, 10, 10, 80, 12, 0, 0);
  AddUnicodeControl(dialog_, ControlKind::TextLine, LineId, "", 10, 30, 80, 10, 0, 0);
  wchar_t wide[32] = {};
  GetWindowTextW(GetDlgItem(dialog_, EditId), wide, 32);
  EXPECT_EQ(std::wstring(wide), L"4.7 k\u03A9");

  SetControlText(dialog_, LineId, "R = 10 \xE2\x84\xA6 & more");  // U+2126 OHM SIGN
  GetWindowTextW(GetDlgItem(dialog_, LineId), wide, 32);
  EXPECT_EQ(std::wstring(wide), L"R = 10 \u2126 & more");

  char buffer[64];
  std::size_t size = GetControlText(dialog_, EditId, buffer);
  EXPECT_EQ(StringOf(buffer, size), OhmText);
  EXPECT_EQ(buffer[size], '\0');
}

TEST_F(ChangingControls, ReadTextIsCutAtACharacterBoundary) {
  AddUnicodeControl(dialog_, ControlKind::EditBox, EditId, OhmText, 10, 10, 80, 12, 0, 0);
  // "4.7 kΩ" is 7 bytes: 6 bytes of room hold "4.7 k" and not half the omega.
  char six[7];
  std::size_t size = GetControlText(dialog_, EditId, six);
  EXPECT_EQ(StringOf(six, size), "4.7 k");
  EXPECT_EQ(six[size], '\0');
  // U+1D6C0 (outside the 16-bit plane, a surrogate pair) is 4 bytes.
  SetControlText(dialog_, EditId, "ab\xF0\x9D\x9B\x80");
  char five[6];
  size = GetControlText(dialog_, EditId, five);
  EXPECT_EQ(StringOf(five, size), "ab");
  char seven[7];
  size = GetControlText(dialog_, EditId, seven);
  EXPECT_EQ(StringOf(seven, size), "ab\xF0\x9D\x9B\x80");
  // No such control: nothing.
  char other[8] = "stale";
  EXPECT_EQ(GetControlText(dialog_, 999, other), 0u);
  EXPECT_EQ(other[0], '\0');
}

TEST_F(ChangingControls, TextsLongerThanTheLimitAreCut) {
  AddUnicodeControl(dialog_, ControlKind::TextLine, LineId, "", 10, 30, 80, 10, 0, 0);
  // MaxControlTextLength - 1 ASCII letters and one omega (2 bytes): the omega
  // would end past the limit's bytes, so it is dropped whole.
  std::string text(MaxControlTextLength - 1, 'a');
  text += "\xCE\xA9";
  SetControlText(dialog_, LineId, text);
  EXPECT_EQ(GetWindowTextLengthW(GetDlgItem(dialog_, LineId)),
            static_cast<int>(MaxControlTextLength - 1));
}

TEST_F(ChangingControls, EnableControlDisablesAndEnables) {
  HWND edit = AddUnicodeControl(dialog_, ControlKind::EditBox, EditId, "", 10, 10, 80, 12, 0, 0);
  EnableControl(dialog_, EditId, false);
  EXPECT_FALSE(IsWindowEnabled(edit));
  EnableControl(dialog_, EditId, true);
  EXPECT_TRUE(IsWindowEnabled(edit));
}

TEST_F(ChangingControls, CopiedTextIsOnTheClipboardAsUnicode) {
  ASSERT_TRUE(CopyTextToClipboard(dialog_, "Resistance: 4.7 k\xCE\xA9\r\n"));
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(GlobalLock(data))),
            L"Resistance: 4.7 k\u03A9\r\n");
  GlobalUnlock(data);
  CloseClipboard();
  // An empty text empties what was there.
  ASSERT_TRUE(CopyTextToClipboard(dialog_, ""));
  ASSERT_TRUE(OpenClipboard(nullptr));
  data = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(GlobalLock(data))), L"");
  GlobalUnlock(data);
  CloseClipboard();
}

// ---- drawing and the waiting run -------------------------------------------

constexpr UINT Finish = WM_APP;      // the callback ends the dialog with result 7
constexpr UINT Redraw = WM_APP + 1;  // the callback asks the drawing to redraw
constexpr int ShortcutCommand = 4321;

struct Seen {
  std::vector<UINT> messages;
  std::vector<int> drawnBy;  // the identifier in each WM_DRAWITEM the drawing's callback saw
  std::vector<std::pair<int, int>> commands;  // identifier, notification
};
Seen seen;

INT_PTR CALLBACK DrawingCallback(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_DRAWITEM) return 0;
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  seen.drawnBy.push_back(static_cast<int>(wParam));
  FillRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  return TRUE;
}

INT_PTR CALLBACK DialogCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  seen.messages.push_back(message);
  if (message == WM_COMMAND) seen.commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
  if (message == Redraw) RedrawControl(dialog, DrawingId);
  if (message == Finish) {
    EndDialogWithResult(dialog, 7);
    return 1;
  }
  return 0;
}

class WaitingRun : public ChangingControls {
 protected:
  void SetUp() override {
    ChangingControls::SetUp();
    seen = Seen{};
  }
};

TEST_F(WaitingRun, EndsWithTheResultAndAnnouncesTheDialogFirst) {
  PostMessageA(dialog_, Finish, 0, 0);
  std::int32_t result = 0;
  ASSERT_TRUE(RunWaitingWithDeadline(dialog_, DialogCallback, &result));
  EXPECT_EQ(result, 7);
  EXPECT_FALSE(IsWindow(dialog_));
  ASSERT_GE(seen.messages.size(), 2u);
  EXPECT_EQ(seen.messages[0], static_cast<UINT>(WM_INITDIALOG));
  EXPECT_EQ(seen.messages[1], static_cast<UINT>(WM_SIZE));
}

TEST_F(WaitingRun, ADrawingIsDrawnByItsOwnCallback) {
  AddUnicodeControl(dialog_, ControlKind::Drawing, DrawingId, "", 10, 10, 60, 30, 0, 0,
                    DrawingCallback);
  // Shown, the drawing is drawn once; asked to, once more; then the end.
  SetTimer(dialog_, 1, 300, nullptr);
  auto callback = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == WM_TIMER) {
      KillTimer(dialog, 1);
      const std::size_t before = seen.drawnBy.size();
      RedrawControl(dialog, DrawingId);
      UpdateWindow(GetDlgItem(dialog, DrawingId));
      EXPECT_EQ(seen.drawnBy.size(), before + 1) << "RedrawControl drew nothing";
      PostMessageA(dialog, Finish, 0, 0);
      return 1;
    }
    return DialogCallback(dialog, message, wParam, lParam);
  };
  std::int32_t result = 0;
  ASSERT_TRUE(RunWaitingWithDeadline(dialog_, callback, &result));
  ASSERT_GE(seen.drawnBy.size(), 2u);
  for (int identifier : seen.drawnBy) EXPECT_EQ(identifier, DrawingId);
  // The dialog's callback saw no WM_DRAWITEM: the drawing's answered it.
  for (UINT message : seen.messages) EXPECT_NE(message, static_cast<UINT>(WM_DRAWITEM));
}

TEST_F(WaitingRun, ShortcutKeysArriveAsCommandsWithNotificationOne) {
  const ACCEL shortcuts[] = {{FVIRTKEY, VK_F5, ShortcutCommand}};
  // The key is posted to the dialog: no modifier is needed for F5.
  PostMessageW(dialog_, WM_KEYDOWN, VK_F5, 1);
  PostMessageW(dialog_, WM_KEYDOWN, VK_F6, 1);  // no shortcut
  PostMessageW(dialog_, Finish, 0, 0);
  std::int32_t result = 0;
  ASSERT_TRUE(RunWaitingWithDeadline(dialog_, DialogCallback, &result, shortcuts));
  EXPECT_EQ(seen.commands, (std::vector<std::pair<int, int>>{{ShortcutCommand, 1}}));
}

TEST_F(WaitingRun, APostedQuitDoesNotEndTheRun) {
  PostQuitMessage(3);
  SetTimer(dialog_, 2, 100, nullptr);
  auto callback = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == WM_TIMER) {
      KillTimer(dialog, 2);
      EndDialogWithResult(dialog, 9);
      return 1;
    }
    return DialogCallback(dialog, message, wParam, lParam);
  };
  std::int32_t result = 0;
  ASSERT_TRUE(RunWaitingWithDeadline(dialog_, callback, &result));
  EXPECT_EQ(result, 9);
}

TEST_F(WaitingRun, CharactersTypedOutsideTheAnsiCodePageArriveWhole) {
  AddUnicodeControl(dialog_, ControlKind::EditBox, EditId, "4.7 k", 10, 10, 80, 12, 0, 0);
  HWND edit = GetDlgItem(dialog_, EditId);
  // Posted: showing the dialog focuses the edit box, which selects it all.
  PostMessageW(edit, EM_SETSEL, 5, 5);
  PostMessageW(edit, WM_CHAR, 0x03A9, 1);  // as a Greek keyboard types it
  PostMessageW(dialog_, Finish, 0, 0);
  // The text is read at the end of the run, before the dialog goes.
  static std::string text;
  text.clear();
  auto callback = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == Finish) {
      char buffer[32];
      text.assign(buffer, GetControlText(dialog, EditId, buffer));
    }
    return DialogCallback(dialog, message, wParam, lParam);
  };
  std::int32_t result = 0;
  ASSERT_TRUE(RunWaitingWithDeadline(dialog_, callback, &result));
  EXPECT_EQ(text, OhmText);
}

ULONGLONG ThreadCpuMilliseconds() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  auto ticks = [](const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return (ticks(kernel) + ticks(user)) / 10000;
}

TEST_F(WaitingRun, AnIdleDialogTakesNoProcessorTime) {
  // One second with nothing to do, then a timer ends the run.
  SetTimer(dialog_, 3, 1000, nullptr);
  auto callback = [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
    if (message == WM_TIMER) {
      KillTimer(dialog, 3);
      EndDialogWithResult(dialog, 0);
      return 1;
    }
    return 0;
  };
  const ULONGLONG cpuBefore = ThreadCpuMilliseconds();
  const ULONGLONG wallBefore = GetTickCount64();
  std::int32_t result = 1;
  ASSERT_TRUE(RunWaitingWithDeadline(dialog_, callback, &result));
  const ULONGLONG wall = GetTickCount64() - wallBefore;
  const ULONGLONG cpu = ThreadCpuMilliseconds() - cpuBefore;
  EXPECT_GE(wall, 1000u);
  // Showing and painting the dialog takes some; waiting takes none. The
  // polling run wakes a thousand times a second instead.
  EXPECT_LT(cpu, 100u) << cpu << " ms of processor time in " << wall << " ms";
}

}  // namespace
