// Running a toolkit dialog modally, routing its messages to the program's
// callback, ending it, and message boxes.
#include "toolkit_internal.h"

namespace {

constexpr char DefaultMessageBoxCaption[] = "Message";

HWND OwnerOf(HWND dialog) {
  return reinterpret_cast<HWND>(GetWindowLongPtrA(dialog, GWLP_HWNDPARENT));
}

WPARAM SizeKindForShowCommand(int showCommand) {
  switch (showCommand) {
    case SW_MAXIMIZE: return SIZE_MAXIMIZED;
    case SW_MINIMIZE: return SIZE_MINIMIZED;
    default: return SIZE_RESTORED;
  }
}

// The program learns of its dialog as if the system had just made it: one
// WM_INITDIALOG and one WM_SIZE, before the dialog is shown.
void AnnounceDialog(HWND dialog, DialogCallback callback) {
  const WindowRecord* record = FindWindowRecord(dialog);
  const int showCommand = record != nullptr ? record->showCommand : SW_SHOW;
  RECT client{};
  GetClientRect(dialog, &client);
  callback(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(dialog), 0);
  callback(dialog, WM_SIZE, SizeKindForShowCommand(showCommand),
           MAKELPARAM(client.right - client.left, client.bottom - client.top));
}

// Polls the thread's queue until `dialog` no longer exists; never blocks.
void RunMessageLoop(HWND dialog, HWND owner) {
  MSG message;
  for (;;) {
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (owner != nullptr) {
        SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
      }
      Sleep(1);
      continue;
    }
    if (!IsWindow(dialog)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
      return;
    }
    if (!IsDialogMessageA(dialog, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (!IsWindow(dialog)) return;
  }
}

// The control a WM_COMMAND or scroll message is about, or 0.
HWND ControlOfMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL: return reinterpret_cast<HWND>(lParam);
    case WM_COMMAND: return GetDlgItem(dialog, LOWORD(wParam));
    // An owner-drawn control's own callback draws it; 0 stands for a menu.
    case WM_DRAWITEM: return wParam != 0 ? GetDlgItem(dialog, static_cast<int>(wParam)) : nullptr;
    default: return nullptr;
  }
}

INT_PTR CallControlCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND control = ControlOfMessage(dialog, message, wParam, lParam);
  const WindowRecord* record = control != nullptr ? FindWindowRecord(control) : nullptr;
  if (record == nullptr || record->callback == nullptr) return 0;
  return record->callback(dialog, message, wParam, lParam);
}

INT_PTR CallDialogCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  const WindowRecord* record = FindWindowRecord(dialog);
  if (record == nullptr || record->callback == nullptr) return 0;
  return record->callback(dialog, message, wParam, lParam);
}

INT_PTR AnswerHandled(HWND dialog, INT_PTR result) {
  if (GetWindowLongPtrA(dialog, DWLP_MSGRESULT) == 0) {
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
  }
  return result;
}

INT_PTR OnColorMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return reinterpret_cast<INT_PTR>(
      AnswerColorMessage(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
}

INT_PTR OnSystemCommand(HWND dialog, WPARAM wParam) {
  if ((wParam & 0xFFFF) != SC_CLOSE) return 0;
  EndDialogWithResult(dialog, 0);
  return 1;
}

}  // namespace

INT_PTR CALLBACK ToolkitDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR result = CallControlCallback(dialog, message, wParam, lParam);
  if (result == 0) result = CallDialogCallback(dialog, message, wParam, lParam);
  if (message == WM_NCDESTROY) ReleaseDialogRecords(dialog);
  if (result != 0) return AnswerHandled(dialog, result);
  if (IsColorMessage(message)) return OnColorMessage(message, wParam, lParam);
  if (message == WM_SYSCOMMAND) return OnSystemCommand(dialog, wParam);
  return 0;
}

void RunDialogModal(HWND dialog, DialogCallback callback, std::int32_t* result) {
  if (callback != nullptr) AnnounceDialog(dialog, callback);
  WindowRecord* record = FindWindowRecord(dialog);
  if (record == nullptr) return;
  record->callback = callback;
  record->flags |= RecordShownModally;
  record->resultDestination = result;

  HWND owner = OwnerOf(dialog);
  if (owner != nullptr) {
    SendMessageA(owner, WM_CANCELMODE, 0, 0);
    EnableWindow(owner, FALSE);
  }
  ShowWindow(dialog, record->showCommand);
  RunMessageLoop(dialog, owner);
  if (owner != nullptr) SetFocus(owner);
}

// The same steps as RunDialogModal's before its loop. RunDialogModal keeps
// its own copy: shared, the two band programs would be built differently.
bool BeginModalRun(HWND dialog, DialogCallback callback, std::int32_t* result, HWND& owner) {
  if (callback != nullptr) AnnounceDialog(dialog, callback);
  WindowRecord* record = FindWindowRecord(dialog);
  if (record == nullptr) return false;
  record->callback = callback;
  record->flags |= RecordShownModally;
  record->resultDestination = result;

  owner = OwnerOf(dialog);
  if (owner != nullptr) {
    SendMessageA(owner, WM_CANCELMODE, 0, 0);
    EnableWindow(owner, FALSE);
  }
  ShowWindow(dialog, record->showCommand);
  return true;
}

void EndDialogWithResult(HWND dialog, std::int32_t result) {
  // A dialog already ending (this call came from its WM_CLOSE) is left to
  // the call that is ending it, whose result stands.
  if (WindowRecord* record = FindWindowRecord(dialog)) {
    if (record->flags & RecordEnding) return;
    record->flags |= RecordEnding;
  }
  SendMessageA(dialog, WM_CLOSE, 0, 0);

  HWND owner = OwnerOf(dialog);
  const bool ownerWasDisabled = owner != nullptr && EnableWindow(owner, TRUE) != 0;
  // Looked up again: the callback may have destroyed the dialog in WM_CLOSE.
  if (WindowRecord* record = FindWindowRecord(dialog); record && record->resultDestination) {
    *record->resultDestination = result;
  }
  if (!DestroyWindow(dialog)) {
    if (ownerWasDisabled) EnableWindow(owner, FALSE);
    if (WindowRecord* record = FindWindowRecord(dialog)) record->flags &= ~RecordEnding;
  }
}

int ShowMessageBox(ByteView text, UINT style, ByteView caption) {
  const char* shownCaption = caption.empty() ? DefaultMessageBoxCaption : caption.c_str();
  Sleep(5);
  return MessageBoxA(nullptr, text.c_str(), shownCaption, style);
}
