// Running a dialog: what the callback sees, the keys, the close box, the
// loop's end, message results, message boxes and ending twice.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

constexpr ByteLiteral Caption("Run test");
constexpr ByteLiteral Option("Option");
constexpr ByteLiteral Go("&Go");
constexpr ByteLiteral Cancel("&Cancel");
constexpr ByteLiteral BoxText("Resistance: 4.7 k ohm, 5%");
constexpr ByteLiteral BoxCaption("Selected value");
constexpr ByteLiteral NoCaption("");

constexpr UINT Finish = WM_APP;         // posted by a test: the callback ends the dialog
constexpr UINT Probe = WM_APP + 1;      // answered 1234 by the callback
constexpr UINT Unhandled = WM_APP + 2;  // left to the system
constexpr INT_PTR ProbeAnswer = 1234;

struct Event {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool visible;
};

// What the callbacks of one test saw; reset by the fixture.
struct Seen {
  std::vector<Event> events;
  std::vector<int> commands;
  int closes = 0;
};
Seen seen;

void Record(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  seen.events.push_back(
      {message, wParam, lParam, dialog != nullptr && IsWindowVisible(dialog) != 0});
  if (message == WM_COMMAND) seen.commands.push_back(LOWORD(wParam));
  if (message == WM_CLOSE) ++seen.closes;
}

// Records everything; ends with result 5 on Finish; answers Probe.
INT_PTR CALLBACK RecordingCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  Record(dialog, message, wParam, lParam);
  if (message == Finish) {
    EndDialogWithResult(dialog, 5);
    return 1;
  }
  if (message == Probe) return ProbeAnswer;
  return 0;
}

class ModalRun : public testing::Test {
 protected:
  void SetUp() override {
    seen = Seen{};
    dialog_ = CreateDialogWindow(UnitsDialog, nullptr, Caption, 10, 10, 200, 120, 0x90C80054, 0);
    ASSERT_NE(dialog_, nullptr);
    // An option first in the tab order, so the focus is not on a push button.
    AddDialogControl(dialog_, ControlKind::OptionButton, 101, Option, 10, 10, 60, 10, 0x50030000,
                     0);
    AddDialogControl(dialog_, ControlKind::PushButton, 1001, Go, 10, 40, 50, 14, 0, 0);
    AddDialogControl(dialog_, ControlKind::PushButton, 2, Cancel, 70, 40, 50, 14, 0, 0);
  }
  void TearDown() override {
    if (IsWindow(dialog_)) DestroyWindow(dialog_);
    EXPECT_TRUE(RegistryRecords().empty());
  }
  HWND dialog_ = nullptr;
};

TEST_F(ModalRun, InitDialogThenSizeBeforeVisible) {
  RECT client;
  GetClientRect(dialog_, &client);
  PostMessageA(dialog_, Finish, 0, 0);
  std::int32_t result = 77;
  ASSERT_TRUE(RunDialogWithDeadline(dialog_, RecordingCallback, &result));
  EXPECT_EQ(result, 5);
  ASSERT_GE(seen.events.size(), 3u);
  const Event& init = seen.events[0];
  EXPECT_EQ(init.message, static_cast<UINT>(WM_INITDIALOG));
  EXPECT_EQ(init.wParam, reinterpret_cast<WPARAM>(dialog_));
  EXPECT_EQ(init.lParam, 0);
  EXPECT_FALSE(init.visible);
  const Event& size = seen.events[1];
  EXPECT_EQ(size.message, static_cast<UINT>(WM_SIZE));
  EXPECT_EQ(size.wParam, static_cast<WPARAM>(SIZE_RESTORED));
  EXPECT_EQ(size.lParam, MAKELPARAM(client.right, client.bottom));
  EXPECT_FALSE(size.visible);
  int initCount = 0;
  for (const Event& e : seen.events) initCount += e.message == WM_INITDIALOG;
  EXPECT_EQ(initCount, 1);
  // The dialog was shown by the time the posted message came.
  for (const Event& e : seen.events) {
    if (e.message == Finish) {
      EXPECT_TRUE(e.visible);
    }
  }
  EXPECT_FALSE(IsWindow(dialog_));
}

TEST_F(ModalRun, EscapeAndEnterArriveAsCommands) {
  SendWindowMessage(dialog_, DM_SETDEFID, 1001, 0);
  PostMessageA(dialog_, WM_KEYDOWN, VK_RETURN, 0);
  PostMessageA(dialog_, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageA(dialog_, Finish, 0, 0);
  std::int32_t result = 0;
  ASSERT_TRUE(RunDialogWithDeadline(dialog_, RecordingCallback, &result));
  EXPECT_EQ(seen.commands, (std::vector<int>{1001, 2}));
}

TEST_F(ModalRun, CloseBoxEndsWithResultZero) {
  PostMessageA(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
  std::int32_t result = 77;
  ASSERT_TRUE(RunDialogWithDeadline(dialog_, RecordingCallback, &result));
  EXPECT_EQ(result, 0);
  EXPECT_EQ(seen.closes, 1);
  EXPECT_FALSE(IsWindow(dialog_));
}

INT_PTR CALLBACK QuitThenFinishLater(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  Record(dialog, message, wParam, lParam);
  if (message == WM_INITDIALOG) {
    PostQuitMessage(3);
    SetTimer(dialog, 1, 100, nullptr);  // well after the loop has taken WM_QUIT
  }
  if (message == WM_TIMER) {
    KillTimer(dialog, 1);
    EndDialogWithResult(dialog, 6);
    return 1;
  }
  return 0;
}

TEST_F(ModalRun, PostedQuitDoesNotEndTheLoop) {
  std::int32_t result = 0;
  ASSERT_TRUE(RunDialogWithDeadline(dialog_, QuitThenFinishLater, &result));
  EXPECT_EQ(result, 6);
  MSG left;
  EXPECT_FALSE(PeekMessageA(&left, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // the loop took it
}

struct ResultChecks {
  INT_PTR first = 0, firstMessageResult = 0;
  INT_PTR second = 0, secondMessageResult = 0;
  LRESULT sent = 0;
  INT_PTR unhandled = -1, unhandledMessageResult = -1;
};
ResultChecks resultChecks;

INT_PTR CALLBACK CheckResults(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == Probe) return ProbeAnswer;
  if (message != Finish) return 0;
  ResultChecks& r = resultChecks;
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
  r.first = ToolkitDialogProc(dialog, Probe, 0, 0);
  r.firstMessageResult = GetWindowLongPtrA(dialog, DWLP_MSGRESULT);
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 55);
  r.second = ToolkitDialogProc(dialog, Probe, 0, 0);
  r.secondMessageResult = GetWindowLongPtrA(dialog, DWLP_MSGRESULT);
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
  r.sent = SendWindowMessage(dialog, Probe, 0, 0);  // through the system's dialog handling
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
  r.unhandled = ToolkitDialogProc(dialog, Unhandled, 0, 0);
  r.unhandledMessageResult = GetWindowLongPtrA(dialog, DWLP_MSGRESULT);
  EndDialogWithResult(dialog, 1);
  return 1;
}

TEST_F(ModalRun, NonZeroCallbackResultIsTheProcedureResult) {
  resultChecks = ResultChecks{};
  PostMessageA(dialog_, Finish, 0, 0);
  std::int32_t result = 0;
  ASSERT_TRUE(RunDialogWithDeadline(dialog_, CheckResults, &result));
  EXPECT_EQ(resultChecks.first, ProbeAnswer);
  EXPECT_EQ(resultChecks.firstMessageResult, ProbeAnswer);
  EXPECT_EQ(resultChecks.second, ProbeAnswer);
  EXPECT_EQ(resultChecks.secondMessageResult, 55);  // not 0 before: left alone
  EXPECT_EQ(resultChecks.sent, ProbeAnswer);
  EXPECT_EQ(resultChecks.unhandled, 0);
  EXPECT_EQ(resultChecks.unhandledMessageResult, 0);
}

// ---- message boxes --------------------------------------------------------------

struct BoxSeen {
  HWND dialog = nullptr;
  HWND box = nullptr;
  bool dialogEnabledWhileUp = true;
  std::string text;
  std::vector<std::string> captions;
  int answer = 0, emptyCaptionAnswer = 0;
  bool dialogEnabledAfter = false;
};
BoxSeen boxSeen;
HHOOK boxHook = nullptr;

// Reads the box and closes it with "No" (or OK), once the box has its text.
void CALLBACK ReadAndCloseBox(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  HWND box = boxSeen.box;
  char text[256] = {}, caption[256] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  GetWindowTextA(box, caption, sizeof caption);
  boxSeen.text = text;
  boxSeen.captions.push_back(caption);
  boxSeen.dialogEnabledWhileUp = IsWindowEnabled(boxSeen.dialog) != 0;
  PostMessageA(box, WM_COMMAND, GetDlgItem(box, IDNO) != nullptr ? IDNO : IDOK, 0);
}

LRESULT CALLBACK WatchForBox(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && reinterpret_cast<HWND>(wParam) != boxSeen.dialog) {
    boxSeen.box = reinterpret_cast<HWND>(wParam);
    SetTimer(nullptr, 0, 0, ReadAndCloseBox);
  }
  return CallNextHookEx(boxHook, code, wParam, lParam);
}

INT_PTR CALLBACK ShowBoxes(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != Finish) return 0;
  boxSeen.answer = ShowMessageBox(BoxText, MB_TASKMODAL | MB_YESNO, BoxCaption);
  boxSeen.dialogEnabledAfter = IsWindowEnabled(dialog) != 0;
  boxSeen.emptyCaptionAnswer = ShowMessageBox(BoxText, MB_TASKMODAL, NoCaption);
  EndDialogWithResult(dialog, 1);
  return 1;
}

TEST_F(ModalRun, TaskModalBoxDisablesTheDialogAndReturnsItsButton) {
  boxSeen = BoxSeen{};
  boxSeen.dialog = dialog_;
  boxHook = SetWindowsHookExA(WH_CBT, WatchForBox, nullptr, GetCurrentThreadId());
  ASSERT_NE(boxHook, nullptr);
  PostMessageA(dialog_, Finish, 0, 0);
  std::int32_t result = 0;
  const bool inTime = RunDialogWithDeadline(dialog_, ShowBoxes, &result);
  UnhookWindowsHookEx(boxHook);
  ASSERT_TRUE(inTime);
  EXPECT_EQ(boxSeen.answer, IDNO);
  EXPECT_EQ(boxSeen.emptyCaptionAnswer, IDOK);
  EXPECT_FALSE(boxSeen.dialogEnabledWhileUp);
  EXPECT_TRUE(boxSeen.dialogEnabledAfter);
  EXPECT_EQ(boxSeen.text, "Resistance: 4.7 k ohm, 5%");
  EXPECT_EQ(boxSeen.captions, (std::vector<std::string>{"Selected value", "Message"}));
}

// ---- ending -------------------------------------------------------------------

TEST_F(ModalRun, NoDialogMakesTheTwoCallsAndReturns) {
  std::int32_t result = 42;
  RunDialogModal(nullptr, RecordingCallback, &result);
  EXPECT_EQ(result, 42);
  ASSERT_EQ(seen.events.size(), 2u);
  EXPECT_EQ(seen.events[0].message, static_cast<UINT>(WM_INITDIALOG));
  EXPECT_EQ(seen.events[0].wParam, 0u);
  EXPECT_EQ(seen.events[0].lParam, 0);
  EXPECT_EQ(seen.events[1].message, static_cast<UINT>(WM_SIZE));
  EXPECT_EQ(seen.events[1].wParam, static_cast<WPARAM>(SIZE_RESTORED));
  EXPECT_EQ(seen.events[1].lParam, 0);
}

INT_PTR CALLBACK EndAgainWhileClosing(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  Record(dialog, message, wParam, lParam);
  if (message == WM_CLOSE) {
    EndDialogWithResult(dialog, 9);  // while the dialog is already ending
    return 1;
  }
  if (message == Finish) {
    EndDialogWithResult(dialog, 3);
    return 1;
  }
  return 0;
}

TEST_F(ModalRun, EndingAgainDuringCloseIsIgnored) {
  PostMessageA(dialog_, Finish, 0, 0);
  std::int32_t result = 0;
  ASSERT_TRUE(RunDialogWithDeadline(dialog_, EndAgainWhileClosing, &result));
  EXPECT_EQ(seen.closes, 1);
  EXPECT_EQ(result, 3);  // the first call's result stands
  EXPECT_FALSE(IsWindow(dialog_));
}

TEST_F(ModalRun, RecordsReleasedWhenTheRunEnds) {
  SetControlColors(dialog_, 101, 0, RGB(255, 0, 0));
  HBRUSH brush = FindWindowRecord(GetDlgItem(dialog_, 101))->brush;
  PostMessageA(dialog_, Finish, 0, 0);
  std::int32_t result = 0;
  ASSERT_TRUE(RunDialogWithDeadline(dialog_, RecordingCallback, &result));
  EXPECT_TRUE(RegistryRecords().empty());
  EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_EQ(seen.events.back().message, static_cast<UINT>(WM_NCDESTROY));
}

}  // namespace
