#include "test_support.h"

#include <cstring>

namespace {

bool deadlinePassed = false;

// Closes what is still open on the thread: message boxes first, then the
// toolkit dialogs, so the modal loop and any message box loop end.
BOOL CALLBACK CloseThreadWindow(HWND window, LPARAM) {
  if (FindWindowRecord(window) != nullptr) {
    DestroyWindow(window);
  } else {
    EndDialog(window, IDABORT);
  }
  return TRUE;
}

void CALLBACK DeadlinePassed(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  deadlinePassed = true;
  EnumThreadWindows(GetCurrentThreadId(), CloseThreadWindow, 0);
}

}  // namespace

TestText::TestText(std::string_view text) : storage_(4 + text.size() + 1, '\0') {
  const auto length = static_cast<std::uint32_t>(text.size());
  std::memcpy(storage_.data(), &length, sizeof length);
  std::memcpy(storage_.data() + 4, text.data(), text.size());
}

TestText::operator ByteView() const {
  return ByteView(storage_.size() > 5 ? storage_.data() + 4 : nullptr);
}

std::vector<WindowRecord*> RegistryRecords() {
  std::vector<WindowRecord*> records;
  for (WindowRecord* r = Process.registry.head; r != nullptr; r = r->next) records.push_back(r);
  return records;
}

HWND MakeTestDialog(ByteView caption) {
  return CreateDialogWindow(UnitsDialog, nullptr, caption, 10, 10, 200, 120, 0x90C80054, 0);
}

bool RunDialogWithDeadline(HWND dialog, DialogCallback callback, std::int32_t* result,
                           unsigned milliseconds) {
  deadlinePassed = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, milliseconds, DeadlinePassed);
  RunDialogModal(dialog, callback, result);
  KillTimer(nullptr, timer);
  return !deadlinePassed;
}

bool RunWaitingWithDeadline(HWND dialog, DialogCallback callback, std::int32_t* result,
                            std::span<const ACCEL> shortcuts, unsigned milliseconds) {
  deadlinePassed = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, milliseconds, DeadlinePassed);
  RunDialogWaiting(dialog, callback, result, shortcuts);
  KillTimer(nullptr, timer);
  return !deadlinePassed;
}

RECT RectInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}
