#include "band_window.h"

#include "float_control.h"
#include "number_text.h"

namespace {

// "#104": the name under which the toolkit finds a numbered picture resource.
ByteString ResourceName(int resourceNumber) {
  static constexpr ByteLiteral kNumberSign("#");
  return ConcatText(kNumberSign, NumberText(resourceNumber, 7));
}

std::int32_t ColourOf(const std::optional<Rgb>& rgb) {
  return rgb ? MakeColor(rgb->red, rgb->green, rgb->blue) : ColorSystem;
}

void AddOption(HWND dialog, const WindowRow& row) {
  const BandColourInfo& colour = ColourInfo(row.colour);
  AddDialogControl(dialog, ControlKind::OptionButton, row.identifier, colour.buttonText, row.x,
                   row.y, row.width, row.height, row.style, 0);
  if (colour.background) {
    SetControlColors(dialog, row.identifier, ColourOf(colour.textColour),
                     ColourOf(colour.background));
  }
}

void WalkRow(HWND dialog, const WindowRow& row) {
  switch (row.row) {
    case RowKind::Control:
      AddDialogControl(dialog, row.kind, row.identifier, row.text, row.x, row.y, row.width,
                       row.height, row.style, 0);
      break;
    case RowKind::Option: AddOption(dialog, row); break;
    case RowKind::Picture:
      AddDialogControl(dialog, ControlKind::Image, row.identifier, ResourceName(row.resourceNumber),
                       row.x, row.y, row.width, row.height, row.style, 0);
      break;
    case RowKind::CheckStep:
      CheckOptionInRange(dialog, row.rangeFirst, row.rangeLast, row.identifier);
      break;
    case RowKind::MessageStep:
      SendWindowMessage(dialog, row.message, row.wParam, row.lParam);
      break;
  }
}

}  // namespace

HWND BuildWindow(HWND parent, const DialogProperties& properties, std::span<const WindowRow> rows) {
  HWND dialog = CreateDialogWindow(UnitsDialog, parent, properties.caption, properties.x,
                                   properties.y, properties.width, properties.height,
                                   properties.style, properties.extendedStyle);
  for (const WindowRow& row : rows) WalkRow(dialog, row);
  return dialog;
}

namespace {

// The control that had the keyboard focus when the dialog was last
// deactivated (while the result box is up, or while another program is
// active); one per process, like the window.
HWND savedFocus = nullptr;

void RememberFocus() {
  savedFocus = GetFocus();
  LoadFloatControlWord(ExtendedFloatControlWord);  // the system may leave it changed
}

void GiveFocusBack() {
  if (savedFocus == nullptr) return;
  SetFocus(savedFocus);
  LoadFloatControlWord(ExtendedFloatControlWord);
  savedFocus = nullptr;
}

void OnCommand(HWND dialog, int identifier, int notification, ShowReadingRoutine showReading) {
  if (identifier == IDOK && notification == BN_CLICKED) {
    showReading(dialog);
  } else if (identifier == IDCANCEL && (notification == BN_CLICKED || notification == 1)) {
    EndDialogWithResult(dialog, 0);
  }
}

}  // namespace

void ShowReadingText(ByteView text) { ShowMessageBox(text, MB_TASKMODAL, "Selected value"_text); }

void HandleBandWindowMessage(HWND dialog, UINT message, WPARAM wParam,
                             ShowReadingRoutine showReading) {
  switch (message) {
    case WM_NCACTIVATE:
      if (wParam == 0) {
        RememberFocus();
      } else {
        GiveFocusBack();
      }
      break;
    case WM_COMMAND: OnCommand(dialog, LOWORD(wParam), HIWORD(wParam), showReading); break;
  }
}
