// The smallest dialog program built the way fiveband and fourband are (the
// same toolkit, start-up and static linking): a caption and one "&Cancel"
// button. The start-up benchmark compares the programs against it.
#include <windows.h>

#include "byte_string.h"
#include "toolkit.h"

namespace {

INT_PTR MinimalCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM) noexcept {
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialogWithResult(dialog, 0);
  return 0;
}

int MinimalMain(HINSTANCE, HINSTANCE, char*, int) {
  static constexpr ByteLiteral kCaption("Minimal dialog");
  static constexpr ByteLiteral kCancel("&Cancel");
  std::int32_t result = 0;
  HWND dialog =
      CreateDialogWindow(UnitsDialog, nullptr, kCaption, 118, 124, 120, 40,
                         WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, WS_EX_CONTROLPARENT);
  AddDialogControl(dialog, ControlKind::PushButton, IDCANCEL, kCancel, 35, 10, 50, 20, 0, 0);
  RunDialogModal(dialog, &MinimalCallback, &result);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { StartProcess(&MinimalMain); }
