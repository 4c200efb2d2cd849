// The window of resistor: every resistor colour code in one window. The
// band count, one group of painted options per band role, the resistor
// drawn, a value box, and the lines read from the bands, which change with
// every click. Written as one table of its controls in creation order,
// which is also the tab order.
#include "resistor_window.h"

#include <cstdint>
#include <span>
#include <string_view>

#include "band_colour.h"
#include "byte_string.h"
#include "colour_code/colours.h"
#include "resistor_drawing.h"
#include "resistor_logic.h"
#include "toolkit.h"

namespace {

using enum ControlKind;
using namespace resistor_ids;
using colour_code::Colour;
using resistor::Selection;
using enum resistor::Slot;

// ---- The table --------------------------------------------------------------

enum class RowKind : std::uint8_t {
  Control,    // a classic control: frame, label or push button
  Changing,   // a control whose content changes: edit box, drawing, text line
  BandGroup,  // a frame and under it one painted option per colour its slot
              // offers, 10 units apart, the opening colour checked
  CheckStep,  // check one option of an identifier range, uncheck the others
  LimitStep,  // the most characters the user may type or paste into an edit box
};

// Small fields: the table is most of the program's constant data.
struct Row {
  RowKind row = RowKind::Control;
  ControlKind kind = Frame;
  Colour colour = Colour::Black;  // BandGroup rows: the colour checked at opening
  std::uint8_t slot = 0;          // BandGroup rows
  std::int16_t identifier = 0;    // for CheckStep the option to check
  std::int16_t x = 0, y = 0, width = 0, height = 0;  // dialog units
  std::int16_t rangeFirst = 0, rangeLast = 0;        // CheckStep rows
  DWORD style = 0;
  DWORD extendedStyle = 0;
  ByteView text = {};  // a literal ("&Bands"_text); UTF-8 for Changing rows
};

constexpr DWORD DefaultStyle = 0;
// The first option of a group starts the group for the dialog manager.
constexpr DWORD FirstOptionStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_LEFT;
// A control that ends the option group before it and takes the tab key.
constexpr DWORD GroupTabStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP;
constexpr DWORD ValueBoxStyle = GroupTabStyle | ES_AUTOHSCROLL;
constexpr DWORD LabelStartingGroup = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
// The picture and the text lines each stand alone for the arrow keys, which
// move the focus within a group: they end the group before them, and no
// arrow moves the focus onto them.
constexpr DWORD PictureStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_OWNERDRAW;
constexpr DWORD LineStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT | SS_NOPREFIX;

constexpr std::int16_t Small(int value) { return static_cast<std::int16_t>(value); }

// clang-format off
constexpr Row Control(ControlKind kind, int identifier, ByteView text, int x, int y, int width,
                      int height, DWORD style) {
  return {.row = RowKind::Control, .kind = kind, .identifier = Small(identifier), .x = Small(x),
          .y = Small(y), .width = Small(width), .height = Small(height), .style = style,
          .text = text};
}

constexpr Row Changing(ControlKind kind, int identifier, ByteView text, int x, int y, int width,
                       int height, DWORD style, DWORD extendedStyle) {
  return {.row = RowKind::Changing, .kind = kind, .identifier = Small(identifier), .x = Small(x),
          .y = Small(y), .width = Small(width), .height = Small(height), .style = style,
          .extendedStyle = extendedStyle, .text = text};
}

constexpr Row BandGroupRow(std::size_t slot, int frame, ByteView text, int x, int y, int width,
                           Colour opening) {
  return {.row = RowKind::BandGroup, .kind = Frame, .colour = opening,
          .slot = static_cast<std::uint8_t>(slot), .identifier = Small(frame), .x = Small(x),
          .y = Small(y), .width = Small(width), .text = text};
}

constexpr Row LimitText(int identifier, int characters) {
  return {.row = RowKind::LimitStep, .identifier = Small(identifier),
          .rangeLast = Small(characters)};
}

constexpr Row CheckOption(int checked, int first, int last) {
  return {.row = RowKind::CheckStep, .identifier = Small(checked), .rangeFirst = Small(first),
          .rangeLast = Small(last)};
}
// clang-format on

using enum Colour;

// The options of each band group, top to bottom; every colour of the
// group's role once (the window tests hold them to the library's roles).
constexpr Colour DigitOptions[] = {Black, Brown, Red,    Orange, Yellow,
                                   Green, Blue,  Violet, Grey,   White};
constexpr Colour MultiplierOptions[] = {Black,  Brown, Red,   Orange, Yellow, Green, Blue,
                                        Violet, Grey,  White, Silver, Gold,   Pink};
constexpr Colour ToleranceOptions[] = {None,   Brown,  Red,  Green,  Blue, Violet,
                                       Orange, Yellow, Grey, Silver, Gold};
constexpr Colour CoefficientOptions[] = {Black, Brown, Red,    Orange, Yellow,
                                         Green, Blue,  Violet, Grey};

struct BandGroup {
  int frame;  // the options follow it: frame + 1, frame + 2, ...
  std::span<const Colour> options;
};
// By slot: three digits, multiplier, tolerance, coefficient.
constexpr BandGroup BandGroups[resistor::SlotCount] = {
    {FirstDigitGroup, DigitOptions},    {SecondDigitGroup, DigitOptions},
    {ThirdDigitGroup, DigitOptions},    {MultiplierGroup, MultiplierOptions},
    {ToleranceGroup, ToleranceOptions}, {CoefficientGroup, CoefficientOptions},
};

// The most characters the value box takes: far more than any value or
// marking (the library refuses values longer than it reads).
constexpr int ValueBoxLimit = 100;

// Dialog units; the dialog is centred on the screen.
constexpr int DialogWidth = 345, DialogHeight = 376;

// clang-format off
constexpr Row ResistorWindow[] = {
    //      kind / id                text or colour              x    y    w    h   style
    Control(Frame, CountGroup, "&Bands"_text,                    5,   5,  60,  65, DefaultStyle),
    Control(OptionButton, CountGroup + 1, "3 bands"_text,        10,  17,  50,  10, FirstOptionStyle),
    Control(OptionButton, CountGroup + 2, "4 bands"_text,        10,  27,  50,  10, DefaultStyle),
    Control(OptionButton, CountGroup + 3, "5 bands"_text,        10,  37,  50,  10, DefaultStyle),
    Control(OptionButton, CountGroup + 4, "6 bands"_text,        10,  47,  50,  10, DefaultStyle),
    Control(OptionButton, CountGroup + 5, "Zero-ohm"_text,       10,  57,  50,  10, DefaultStyle),
    CheckOption(CountGroup + 2, CountGroup + 1, CountGroup + 5),
    Changing(Drawing, Picture, {},                               70,   8, 270,  62, PictureStyle, 0),

    //           slot             id                text                        x    y   w  opening
    BandGroupRow(FirstDigit,      FirstDigitGroup,  "&1st digit"_text,           5,  75, 55, Brown),
    BandGroupRow(SecondDigit,     SecondDigitGroup, "&2nd digit"_text,          60,  75, 55, Black),
    BandGroupRow(ThirdDigit,      ThirdDigitGroup,  "&3rd digit"_text,         115,  75, 55, Black),
    BandGroupRow(MultiplierSlot,  MultiplierGroup,  "&Multiplier"_text,        170,  75, 55, Red),
    BandGroupRow(ToleranceSlot,   ToleranceGroup,   "&Tolerance"_text,         225,  75, 55, Gold),
    BandGroupRow(CoefficientSlot, CoefficientGroup, "Temp. co&eff."_text,      280,  75, 60, Brown),

    Control(Label, ValueLabel, "&Value or marking:"_text,         5, 228,  68,  10, LabelStartingGroup),
    Changing(EditBox, ValueBox, {},                              75, 226, 100,  13, ValueBoxStyle, WS_EX_CLIENTEDGE),
    LimitText(ValueBox, ValueBoxLimit),
    Control(PushButton, ApplyButton, "&Apply"_text,             180, 225,  50,  15, GroupTabStyle),
    Changing(TextLine, StatusLine, {},                            5, 244, 335,  24, LineStyle, 0),
    Changing(TextLine, ReadingText, {},                           5, 272, 335,  10, LineStyle, 0),
    Changing(TextLine, RangeText, {},                             5, 282, 335,  10, LineStyle, 0),
    Changing(TextLine, SeriesText, {},                            5, 292, 335,  10, LineStyle, 0),
    Changing(TextLine, WarningText, {},                           5, 302, 335,  20, LineStyle, 0),
    Changing(TextLine, OtherEndText, {},                          5, 322, 335,  20, LineStyle, 0),
    Changing(TextLine, MarkingsText, {},                          5, 342, 335,  10, LineStyle, 0),
    Control(PushButton, CopyButton, "&Copy"_text,               230, 356,  50,  15, GroupTabStyle),
    Control(PushButton, IDCANCEL, "C&lose"_text,                290, 356,  50,  15, GroupTabStyle),
};
// clang-format on

// ---- Building ------------------------------------------------------------------

// The options' names as printed on them.
ByteView OptionText(Colour colour) {
  static constexpr ByteView Names[colour_code::ColourCount] = {
      "Black"_text,  "Brown"_text, "Red"_text,    "Orange"_text, "Yellow"_text,
      "Green"_text,  "Blue"_text,  "Violet"_text, "Grey"_text,   "White"_text,
      "Silver"_text, "Gold"_text,  "None"_text,   "Pink"_text,
  };
  return Names[static_cast<int>(colour)];
}

std::int32_t ColourOf(const std::optional<Rgb>& rgb) {
  return rgb ? MakeColor(rgb->red, rgb->green, rgb->blue) : ColorSystem;
}

// Options are painted as in the five- and four-band windows; pink, which
// they do not offer, in its paint with black text.
void PaintOption(HWND dialog, int identifier, Colour colour) {
  if (colour == Pink) {
    const colour_code::Rgb paint = colour_code::Info(Pink).paint;
    SetControlColors(dialog, identifier, MakeColor(0, 0, 0),
                     MakeColor(paint.red, paint.green, paint.blue));
    return;
  }
  const BandColourInfo& info = ColourInfo(static_cast<BandColour>(colour));
  if (info.background) {
    SetControlColors(dialog, identifier, ColourOf(info.textColour), ColourOf(info.background));
  }
}

// Options are 10 units high and 10 units narrower than their frame, 12
// units under its top and 5 in from its left.
void AddBandGroup(HWND dialog, const Row& row) {
  const BandGroup& group = BandGroups[row.slot];
  const int count = static_cast<int>(group.options.size());
  HWND frame = AddDialogControl(dialog, Frame, row.identifier, row.text, row.x, row.y, row.width,
                                15 + 10 * count, DefaultStyle, 0);
  // The frame ends the option group before it, so that the arrow keys wrap
  // around within that group instead of taking the focus to this frame.
  // The toolkit never makes a frame with WS_GROUP (the band windows keep
  // their styles as they are): the window adds it.
  if (frame != nullptr) {
    SetWindowLongPtrW(frame, GWL_STYLE, GetWindowLongPtrW(frame, GWL_STYLE) | WS_GROUP);
  }
  int opening = row.identifier + 1;
  for (int i = 0; i < count; ++i) {
    const Colour colour = group.options[i];
    AddDialogControl(dialog, OptionButton, row.identifier + 1 + i, OptionText(colour), row.x + 5,
                     row.y + 12 + 10 * i, row.width - 10, 10,
                     i == 0 ? FirstOptionStyle : DefaultStyle, 0);
    PaintOption(dialog, row.identifier + 1 + i, colour);
    if (colour == row.colour) opening = row.identifier + 1 + i;
  }
  CheckOptionInRange(dialog, row.identifier + 1, row.identifier + count, opening);
}

HWND BuildResistorWindow(HWND parent, DialogCallback drawingCallback) {
  HWND dialog = CreateDialogWindow(
      UnitsDialog, parent, "Resistor colour code"_text, -1, -1, DialogWidth, DialogHeight,
      WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK,
      WS_EX_CONTROLPARENT);
  for (const Row& row : ResistorWindow) {
    switch (row.row) {
      case RowKind::Control:
        AddDialogControl(dialog, row.kind, row.identifier, row.text, row.x, row.y, row.width,
                         row.height, row.style, row.extendedStyle);
        break;
      case RowKind::Changing:
        AddUnicodeControl(dialog, row.kind, row.identifier, row.text.view(), row.x, row.y,
                          row.width, row.height, row.style, row.extendedStyle,
                          row.kind == Drawing ? drawingCallback : nullptr);
        break;
      case RowKind::BandGroup: AddBandGroup(dialog, row); break;
      case RowKind::LimitStep:
        SendWindowMessage(GetDlgItem(dialog, row.identifier), EM_LIMITTEXT,
                          static_cast<WPARAM>(row.rangeLast), 0);
        break;
      case RowKind::CheckStep:
        CheckOptionInRange(dialog, row.rangeFirst, row.rangeLast, row.identifier);
        break;
    }
  }
  return dialog;
}

// ---- Reading and showing the selection ------------------------------------------

Selection ReadSelection(HWND dialog) {
  Selection selection;
  for (std::size_t i = 0; i < std::size(resistor::BandCounts); ++i) {
    if (GetCheckState(dialog, CountGroup + 1 + static_cast<int>(i)) == BST_CHECKED) {
      selection.bands = resistor::BandCounts[i];
    }
  }
  for (std::size_t slot = 0; slot < resistor::SlotCount; ++slot) {
    const BandGroup& group = BandGroups[slot];
    for (std::size_t i = 0; i < group.options.size(); ++i) {
      if (GetCheckState(dialog, group.frame + 1 + static_cast<int>(i)) == BST_CHECKED) {
        selection.slots[slot] = group.options[i];
      }
    }
  }
  return selection;
}

void CheckSelection(HWND dialog, const Selection& selection) {
  for (std::size_t i = 0; i < std::size(resistor::BandCounts); ++i) {
    if (resistor::BandCounts[i] == selection.bands) {
      CheckOptionInRange(dialog, CountGroup + 1, CountGroup + 5,
                         CountGroup + 1 + static_cast<int>(i));
    }
  }
  for (std::size_t slot = 0; slot < resistor::SlotCount; ++slot) {
    const BandGroup& group = BandGroups[slot];
    const int last = group.frame + static_cast<int>(group.options.size());
    for (std::size_t i = 0; i < group.options.size(); ++i) {
      if (group.options[i] == selection.slots[slot]) {
        CheckOptionInRange(dialog, group.frame + 1, last, group.frame + 1 + static_cast<int>(i));
      }
    }
  }
}

// The groups the count does not use are disabled and unpainted: grey on
// the button face, and skipped by Tab, the arrows and their mnemonics.
void EnableGroups(HWND dialog, std::size_t bands) {
  for (std::size_t slot = 0; slot < resistor::SlotCount; ++slot) {
    const BandGroup& group = BandGroups[slot];
    const bool used = resistor::SlotUsed(bands, slot);
    if (used == (IsWindowEnabled(GetDlgItem(dialog, group.frame)) != FALSE)) continue;
    EnableControl(dialog, group.frame, used);
    for (std::size_t i = 0; i < group.options.size(); ++i) {
      const int identifier = group.frame + 1 + static_cast<int>(i);
      if (used) {
        PaintOption(dialog, identifier, group.options[i]);
      } else {
        SetControlColors(dialog, identifier, ColorSystem, ColorSystem);
      }
      EnableControl(dialog, identifier, used);
    }
  }
}

constexpr int LineControls[resistor::LineCount] = {ReadingText, RangeText,    SeriesText,
                                                   WarningText, OtherEndText, MarkingsText};

// The lines and the picture of the window's bands, as they are now.
void ShowSelection(HWND dialog) {
  const Selection selection = ReadSelection(dialog);
  EnableGroups(dialog, selection.bands);
  const resistor::ShownLines lines = resistor::LinesOf(resistor::CodeOf(selection));
  for (std::size_t i = 0; i < resistor::LineCount; ++i) {
    SetControlText(dialog, LineControls[i], lines[i].View());
  }
  RedrawControl(dialog, Picture);
}

void EnterTypedValue(HWND dialog) {
  // ValueBoxLimit UTF-16 units take at most 3 bytes each in UTF-8 (a
  // surrogate pair, two units, takes 4): the whole text always fits, so
  // what is read is never a cut text that reads as something else.
  char typed[3 * ValueBoxLimit + 1];
  const std::size_t size = GetControlText(dialog, ValueBox, typed);
  const resistor::Entry entry =
      resistor::EnterValue(std::string_view(typed, size), ReadSelection(dialog));
  if (entry.changed) {
    CheckSelection(dialog, entry.selection);
    ShowSelection(dialog);
  }
  SetControlText(dialog, StatusLine, entry.message.View());
}

void CopyLines(HWND dialog) {
  // Ctrl+C in the value box with text selected copies that text, as anywhere else.
  HWND valueBox = GetDlgItem(dialog, ValueBox);
  if (GetFocus() == valueBox) {
    DWORD start = 0, end = 0;
    SendMessageW(valueBox, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    if (start != end) {
      SendMessageW(valueBox, WM_COPY, 0, 0);
      return;
    }
  }
  const resistor::ShownLines lines = resistor::LinesOf(resistor::CodeOf(ReadSelection(dialog)));
  CopyTextToClipboard(dialog, resistor::ClipboardText(lines).View());
}

bool IsBandOption(int identifier) {
  if (identifier > CountGroup && identifier <= CountGroup + 5) return true;
  for (const BandGroup& group : BandGroups) {
    if (identifier > group.frame &&
        identifier <= group.frame + static_cast<int>(group.options.size())) {
      return true;
    }
  }
  return false;
}

void OnCommand(HWND dialog, int identifier, int notification) {
  if (IsBandOption(identifier)) {
    if (notification == BN_CLICKED) {
      SetControlText(dialog, StatusLine, "");
      ShowSelection(dialog);
    }
    return;
  }
  switch (identifier) {
    // Enter: the dialog has no default button, so Enter anywhere arrives as
    // IDOK; it sets the bands only from the value box.
    case IDOK:
      if (GetFocus() == GetDlgItem(dialog, ValueBox)) EnterTypedValue(dialog);
      break;
    case ApplyButton:
      if (notification == BN_CLICKED) EnterTypedValue(dialog);
      break;
    case CopyButton:
      // A click, or Ctrl+C (notification 1, a shortcut).
      if (notification == BN_CLICKED || notification == 1) CopyLines(dialog);
      break;
    case IDCANCEL:
      if (notification == BN_CLICKED || notification == 1) EndDialogWithResult(dialog, 0);
      break;
  }
}

}  // namespace

INT_PTR ResistorDrawingCallback(HWND dialog, UINT message, WPARAM, LPARAM lParam) noexcept {
  if (message != WM_DRAWITEM) return 0;
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  DrawResistor(item.hDC, item.rcItem, resistor::CodeOf(ReadSelection(dialog)));
  return TRUE;
}

INT_PTR ResistorCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM) noexcept {
  switch (message) {
    case WM_INITDIALOG: ShowSelection(dialog); break;
    case WM_COMMAND: OnCommand(dialog, LOWORD(wParam), HIWORD(wParam)); break;
  }
  return 0;
}

std::int32_t ShowResistorWindow(HWND parent) {
  // Ctrl+C copies the lines from anywhere in the window.
  static constexpr ACCEL Shortcuts[] = {{FVIRTKEY | FCONTROL, 'C', CopyButton}};
  std::int32_t result = 0;
  HWND dialog = BuildResistorWindow(parent, &ResistorDrawingCallback);
  RunDialogWaiting(dialog, &ResistorCallback, &result, Shortcuts);
  return result;
}

int ResistorMain(HINSTANCE, HINSTANCE, char*, int) {
  ShowResistorWindow(nullptr);
  return 0;
}
