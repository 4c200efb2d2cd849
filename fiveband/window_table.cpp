#include "window_table.h"

#include <cstring>

#include "number_text.h"

namespace {

// A table text in the programs' text type; empty when there is no storage.
ByteString TextOf(std::string_view text) {
  ByteString copy = ByteString::Allocate(static_cast<std::uint32_t>(text.size()));
  if (copy.data() != nullptr) std::memcpy(copy.data(), text.data(), text.size());
  return copy;
}

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
  if (row.painting == Painting::Painted) {
    SetControlColors(dialog, row.identifier, ColourOf(colour.textColour),
                     ColourOf(colour.background));
  }
}

void WalkRow(HWND dialog, const WindowRow& row) {
  switch (row.row) {
    case RowKind::Control:
      AddDialogControl(dialog, row.kind, row.identifier, TextOf(row.text), row.x, row.y,
                       row.width, row.height, row.style, 0);
      break;
    case RowKind::Option:
      AddOption(dialog, row);
      break;
    case RowKind::Picture:
      AddDialogControl(dialog, ControlKind::Image, row.identifier,
                       ResourceName(row.resourceNumber), row.x, row.y, row.width, row.height,
                       row.style, 0);
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

HWND BuildWindow(HWND parent, const DialogProperties& properties,
                 std::span<const WindowRow> rows) {
  HWND dialog = CreateDialogWindow(UnitsDialog, parent, TextOf(properties.caption), properties.x,
                                   properties.y, properties.width, properties.height,
                                   properties.style, properties.extendedStyle);
  for (const WindowRow& row : rows) WalkRow(dialog, row);
  return dialog;
}
