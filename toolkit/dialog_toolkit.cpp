// Building a dialog and its controls in code, and colouring them.
#include <cstring>

#include "toolkit_internal.h"

namespace {

// Looks for a bitmap resource of the program named `name` (a "#" number or
// a name compared with ASCII letters folded to upper case).
struct BitmapSearch {
  std::string_view name;
  bool found;
};

BOOL CALLBACK MatchBitmapName(HMODULE, LPCSTR, LPSTR resourceName, LONG_PTR searchAddress) {
  auto& search = *reinterpret_cast<BitmapSearch*>(searchAddress);
  if (IS_INTRESOURCE(resourceName)) {
    search.found = IsNumberedResourceName(search.name) &&
                   ResourceNumber(search.name) == reinterpret_cast<ULONG_PTR>(resourceName);
  } else {
    search.found =
        !IsNumberedResourceName(search.name) && SameResourceName(search.name, resourceName);
  }
  return !search.found;  // stop at the first match
}

bool HasBitmapResource(std::string_view name) {
  BitmapSearch search{name, false};
  EnumResourceNamesA(Process.instance, RT_BITMAP, MatchBitmapName,
                     reinterpret_cast<LONG_PTR>(&search));
  return search.found;
}

// Loads the picture named by the Image control's text and hands it to the
// control; the record (if the control has one) keeps it for its release.
void ShowPicture(HWND control, WindowRecord* controlRecord, ByteView name, bool isIcon) {
  const UINT type = isIcon ? IMAGE_ICON : IMAGE_BITMAP;
  HANDLE picture = LoadImageA(Process.instance, name.c_str(), type, 0, 0, LR_LOADMAP3DCOLORS);
  if (picture == nullptr) return;
  if (controlRecord != nullptr) controlRecord->picture = picture;
  auto previous = reinterpret_cast<HANDLE>(
      SendMessageA(control, STM_SETIMAGE, type, reinterpret_cast<LPARAM>(picture)));
  if (previous == nullptr) return;
  if (isIcon) {
    DestroyIcon(static_cast<HICON>(previous));
  } else {
    DeleteObject(previous);
  }
}

bool IsRgbColor(std::int32_t color) { return color >= 0; }

}  // namespace

HWND CreateDialogWindow(std::uint32_t units, HWND parent, ByteView caption, int x, int y, int width,
                        int height, DWORD style, DWORD extendedStyle) {
  ThreadSettings* settings = CurrentThreadSettings();
  if (settings == nullptr) return nullptr;
  const std::uint32_t effectiveStyle = EffectiveDialogStyle(style, x, y);

  // The template: DialogTemplateCapacity bytes, 4-byte aligned as the system
  // requires; only read during CreateDialogIndirectParamA.
  alignas(4) std::uint8_t templateBytes[DialogTemplateCapacity];
  WriteDialogTemplate(templateBytes, effectiveStyle, extendedStyle, x, y, width, height,
                      caption.view(), settings->dialogFont.pointSize,
                      settings->dialogFont.faceName);

  HWND dialog = CreateDialogIndirectParamA(Process.instance,
                                           reinterpret_cast<const DLGTEMPLATE*>(templateBytes),
                                           parent, ToolkitDialogProc, 0);
  if (dialog == nullptr) return nullptr;

  // A dialog the toolkit cannot track could never be run or released.
  WindowRecord* record = NewWindowRecord();
  if (record == nullptr) {
    DestroyWindow(dialog);
    return nullptr;
  }
  record->window = dialog;
  record->owner = parent;
  record->flags = RecordDialog | (units == UnitsPixels ? RecordUnitsPixels : RecordUnitsDialog);
  record->style = effectiveStyle;
  record->showCommand = ShowCommandForStyle(effectiveStyle);
  record->font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
  if (!RegisterWindowRecord(record)) {
    FreeWindowRecord(record);
    DestroyWindow(dialog);
    return nullptr;
  }
  return dialog;
}

HWND AddDialogControl(HWND dialog, ControlKind kind, int identifier, ByteView text, int x, int y,
                      int width, int height, DWORD style, DWORD extendedStyle,
                      DialogCallback controlCallback) {
  WindowRecord* dialogRecord = FindWindowRecord(dialog);
  const ControlStyleRule* rule = FindControlStyleRule(kind);
  if (dialogRecord == nullptr || rule == nullptr) return nullptr;

  RECT place{x, y, x + width, y + height};
  if (dialogRecord->flags & RecordUnitsDialog) MapDialogRect(dialog, &place);

  DWORD effectiveStyle = EffectiveControlStyle(*rule, style);
  const char* windowText = text.c_str();
  std::uint32_t pictureFlag = 0;
  if (kind == ControlKind::Image) {
    windowText = "";
    if (HasBitmapResource(text.view())) {
      pictureFlag = RecordPictureBitmap;
    } else {
      pictureFlag = RecordPictureIcon;
      effectiveStyle = IconImageStyle(effectiveStyle);
    }
  }

  HWND control = CreateWindowExA(
      extendedStyle, rule->className, windowText, effectiveStyle, place.left, place.top,
      place.right - place.left, place.bottom - place.top, dialog,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)), Process.instance, nullptr);
  WindowRecord* controlRecord = nullptr;
  if (control != nullptr) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(dialogRecord->font), 1);
    controlRecord = NewWindowRecord();
    if (controlRecord != nullptr) {
      controlRecord->window = control;
      controlRecord->owner = dialog;
      controlRecord->kind = static_cast<std::int32_t>(kind);
      controlRecord->flags = RecordControl | (dialogRecord->flags & RecordUnitBits) | pictureFlag;
      controlRecord->callback = controlCallback;
      if (!RegisterWindowRecord(controlRecord)) {
        FreeWindowRecord(controlRecord);
        controlRecord = nullptr;
      }
    }
  }
  if (kind == ControlKind::PushButton && (effectiveStyle & BS_DEFPUSHBUTTON)) {
    SendMessageA(dialog, DM_SETDEFID, static_cast<WPARAM>(identifier), 0);
  }
  if (kind == ControlKind::Image && control != nullptr) {
    ShowPicture(control, controlRecord, text, pictureFlag == RecordPictureIcon);
  }
  return control;
}

void SetControlColors(HWND dialog, std::int32_t identifier, std::int32_t textColor,
                      std::int32_t backgroundColor) {
  HWND target = identifier == DialogItself ? dialog : GetDlgItem(dialog, identifier);
  std::int32_t text = NormalTextColor(textColor);
  std::int32_t background = NormalBackgroundColor(backgroundColor);
  WindowRecord* record = FindWindowRecord(target);
  if (record == nullptr) return;

  HBRUSH brush = nullptr;
  if (IsRgbColor(background)) {
    brush = FindBrushForColor(background);
    if (brush == nullptr) brush = CreateSolidBrush(static_cast<COLORREF>(background));
    if (brush == nullptr) background = ColorSystem;
  }

  HBRUSH oldBrush = record->brush;
  const std::int32_t oldBackground = record->backgroundColor;
  record->brush = brush;
  record->textColor = text;
  record->backgroundColor = background;
  // The old brush may still paint another control of the old colour.
  if (oldBrush != nullptr && FindBrushForColor(oldBackground) == nullptr) DeleteObject(oldBrush);
}

void CheckOptionInRange(HWND dialog, int first, int last, int checked) {
  CheckRadioButton(dialog, first, last, checked);
}

int GetCheckState(HWND dialog, int identifier) {
  return static_cast<int>(SendMessageA(GetDlgItem(dialog, identifier), BM_GETCHECK, 0, 0));
}

LRESULT SendWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageA(window, message, wParam, lParam);
}

HBRUSH AnswerColorMessage(UINT message, HDC deviceContext, HWND control) {
  const WindowRecord* record = FindWindowRecord(control);
  if (record == nullptr || record->textColor == ColorNotSet || !IsColorMessage(message)) {
    return nullptr;
  }
  const SystemColorEntries entries = SystemColorEntriesFor(message);
  SetTextColor(deviceContext, record->textColor == ColorSystem
                                  ? GetSysColor(entries.text)
                                  : static_cast<COLORREF>(record->textColor));
  switch (record->backgroundColor) {
    case ColorSystem:
      SetBkColor(deviceContext, GetSysColor(entries.background));
      return GetSysColorBrush(entries.background);
    case ColorTransparent:
      SetBkMode(deviceContext, TRANSPARENT);
      return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    default:
      SetBkColor(deviceContext, static_cast<COLORREF>(record->backgroundColor));
      return record->brush;
  }
}

void ReleaseDialogRecords(HWND dialog) {
  while (WindowRecord* control = FindOwnedControlRecord(dialog)) {
    while (WindowRecord* owned = FindOwnedControlRecord(control->window)) {
      ReleaseWindowRecord(owned);
    }
    ReleaseWindowRecord(control);
  }
  if (WindowRecord* record = FindWindowRecord(dialog)) ReleaseWindowRecord(record);
}
