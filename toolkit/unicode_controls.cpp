// The controls that change while the dialog runs: made as Unicode windows,
// their texts set and read in UTF-8. A file of its own, so that a program
// that makes none of them links none of it.
#include <iterator>

#include "toolkit_internal.h"

namespace {

// UTF-16 text of at most MaxControlTextLength units and a zero.
struct WideText {
  wchar_t units[MaxControlTextLength + 1];
};

// The start of `utf8` that holds at most `count` bytes and ends at a
// character boundary.
std::string_view Utf8Prefix(std::string_view utf8, std::size_t count) {
  if (utf8.size() <= count) return utf8;
  while (count > 0 && (static_cast<unsigned char>(utf8[count]) & 0xC0) == 0x80) --count;
  return {utf8.data(), count};
}

// `utf8` in UTF-16, cut to fit: a character never takes more UTF-16 units
// than UTF-8 bytes, so MaxControlTextLength bytes always fit.
void Widen(std::string_view utf8, WideText& wide) {
  const std::string_view fitting = Utf8Prefix(utf8, MaxControlTextLength);
  int count = 0;
  if (!fitting.empty()) {
    count = MultiByteToWideChar(CP_UTF8, 0, fitting.data(), static_cast<int>(fitting.size()),
                                wide.units, static_cast<int>(MaxControlTextLength));
  }
  wide.units[count] = L'\0';
}

}  // namespace

HWND AddUnicodeControl(HWND dialog, ControlKind kind, int identifier, std::string_view text, int x,
                       int y, int width, int height, DWORD style, DWORD extendedStyle,
                       DialogCallback controlCallback) {
  WindowRecord* dialogRecord = FindWindowRecord(dialog);
  const ControlStyleRule* rule = FindUnicodeControlStyleRule(kind);
  if (dialogRecord == nullptr || rule == nullptr) return nullptr;

  RECT place{x, y, x + width, y + height};
  if (dialogRecord->flags & RecordUnitsDialog) MapDialogRect(dialog, &place);

  wchar_t className[8] = {};  // "STATIC", "EDIT": ASCII
  for (std::size_t i = 0; rule->className[i] != '\0' && i + 1 < std::size(className); ++i) {
    className[i] = static_cast<wchar_t>(rule->className[i]);
  }
  WideText wideText;
  Widen(text, wideText);
  HWND control = CreateWindowExW(
      extendedStyle, className, wideText.units, EffectiveControlStyle(*rule, style), place.left,
      place.top, place.right - place.left, place.bottom - place.top, dialog,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)), Process.instance, nullptr);
  if (control == nullptr) return nullptr;

  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(dialogRecord->font), 1);
  // As with the classic kinds, a control without a record still works; it
  // only cannot be coloured or have a callback.
  WindowRecord* record = NewWindowRecord();
  if (record != nullptr) {
    record->window = control;
    record->owner = dialog;
    record->kind = static_cast<std::int32_t>(kind);
    record->flags = RecordControl | (dialogRecord->flags & RecordUnitBits);
    record->callback = controlCallback;
    if (!RegisterWindowRecord(record)) FreeWindowRecord(record);
  }
  return control;
}

void SetControlText(HWND dialog, int identifier, std::string_view utf8) {
  WideText wide;
  Widen(utf8, wide);
  SetWindowTextW(GetDlgItem(dialog, identifier), wide.units);
}

std::size_t GetControlText(HWND dialog, int identifier, std::span<char> buffer) {
  if (buffer.empty()) return 0;
  buffer[0] = '\0';
  HWND control = GetDlgItem(dialog, identifier);
  if (control == nullptr) return 0;
  WideText wide;
  int units = GetWindowTextW(control, wide.units, static_cast<int>(std::size(wide.units)));
  const int room = static_cast<int>(buffer.size() - 1);
  // Whole characters are dropped from the end until the rest fits.
  while (units > 0 &&
         WideCharToMultiByte(CP_UTF8, 0, wide.units, units, nullptr, 0, nullptr, nullptr) > room) {
    --units;
    if (units > 0 && IS_HIGH_SURROGATE(wide.units[units - 1])) --units;
  }
  if (units == 0) return 0;
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, wide.units, units, buffer.data(), room, nullptr, nullptr);
  buffer[static_cast<std::size_t>(bytes)] = '\0';
  return static_cast<std::size_t>(bytes);
}

void EnableControl(HWND dialog, int identifier, bool enabled) {
  EnableWindow(GetDlgItem(dialog, identifier), enabled ? TRUE : FALSE);
}

void RedrawControl(HWND dialog, int identifier) {
  InvalidateRect(GetDlgItem(dialog, identifier), nullptr, FALSE);
}
