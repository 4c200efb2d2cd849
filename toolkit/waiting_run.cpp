// The second way to run a dialog: the loop waits for its messages instead
// of polling. A file of its own, so that the programs of the polling run
// link nothing of it (not even its imports).
#include "toolkit_internal.h"

namespace {

// Waits for each message until `dialog` no longer exists: an idle dialog
// takes no processor time. Before it waits on an empty queue it tells the
// owner, as the polling loop does each time it finds the queue empty.
void WaitForMessages(HWND dialog, HWND owner, HACCEL accelerators) {
  MSG message;
  for (;;) {
    if (owner != nullptr && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      SendMessageW(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
    }
    // -1 comes only for arguments that are not valid, never for these; a
    // WM_QUIT (0) gets no special treatment, as in the polling loop.
    if (GetMessageW(&message, nullptr, 0, 0) == -1) return;
    if (!IsWindow(dialog)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
      return;
    }
    const bool isShortcut =
        accelerators != nullptr && TranslateAcceleratorW(dialog, accelerators, &message) != 0;
    if (!isShortcut && !IsDialogMessageW(dialog, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (!IsWindow(dialog)) return;
  }
}

}  // namespace

void RunDialogWaiting(HWND dialog, DialogCallback callback, std::int32_t* result,
                      std::span<const ACCEL> shortcuts) {
  HWND owner = nullptr;
  if (!BeginModalRun(dialog, callback, result, owner)) return;
  // The table lives for the run only; without one (none given, or no
  // memory for it) the dialog runs without shortcuts.
  HACCEL accelerators = nullptr;
  if (!shortcuts.empty()) {
    accelerators = CreateAcceleratorTableW(const_cast<ACCEL*>(shortcuts.data()),
                                           static_cast<int>(shortcuts.size()));
  }
  WaitForMessages(dialog, owner, accelerators);
  if (accelerators != nullptr) DestroyAcceleratorTable(accelerators);
  if (owner != nullptr) SetFocus(owner);
}
