// What the parts of the toolkit share and the programs never see: the
// records of the windows it made, the registry that holds them, and the
// process and thread settings made at start-up.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dialog_rules.h"
#include "toolkit.h"

// ---- Window records -----------------------------------------------------

// WindowRecord flags.
inline constexpr std::uint32_t RecordUnitsDialog = 0x0001;  // geometry in dialog units
inline constexpr std::uint32_t RecordUnitsPixels = 0x0002;
inline constexpr std::uint32_t RecordPictureIcon = 0x0100;
inline constexpr std::uint32_t RecordPictureBitmap = 0x0200;
inline constexpr std::uint32_t RecordShownModally = 0x0400;
inline constexpr std::uint32_t RecordControl = 0x2000;
inline constexpr std::uint32_t RecordDialog = 0x4000;
// Set while EndDialogWithResult is ending the dialog, so that a call made
// during its WM_CLOSE does not end it a second time.
inline constexpr std::uint32_t RecordEnding = 0x8000;
inline constexpr std::uint32_t RecordUnitBits = RecordUnitsDialog | RecordUnitsPixels;

// One dialog or control that the toolkit made. Allocated and freed by the
// toolkit (NewWindowRecord, ReleaseWindowRecord).
struct WindowRecord {
  WindowRecord* next;
  HWND window;
  HWND owner;  // a control's dialog; a dialog's parent
  std::uint32_t flags;
  int showCommand;  // dialogs: SW_MAXIMIZE, SW_MINIMIZE or SW_SHOW
  HFONT font;       // dialogs: WM_GETFONT right after creation
  DialogCallback callback;
  std::int32_t* resultDestination;  // dialogs: the RunDialogModal variable
  HBRUSH brush;                     // shared by every record with the same background colour
  std::int32_t backgroundColor;
  std::int32_t textColor;
  std::int32_t kind;  // a ControlKind code; 0 for a dialog
  DWORD style;        // dialogs: the effective style
  HANDLE picture;     // Image controls: the bitmap or icon shown
};

// A zero-filled record with both colours ColorNotSet, or null.
WindowRecord* NewWindowRecord();
// Frees a record that was never registered.
void FreeWindowRecord(WindowRecord* record);
// Unlinks the record, deletes its brush unless another record still uses
// the colour, destroys its picture and frees it.
void ReleaseWindowRecord(WindowRecord* record);

// ---- Window registry ------------------------------------------------------
// A process-wide list, newest first, guarded by one spin-lock word. Each
// operation holds the lock for itself only.

// Links the record in at the head; false when its window already has one.
bool RegisterWindowRecord(WindowRecord* record);
void UnregisterWindowRecord(WindowRecord* record);
// The record of `window`, or null (never a record for window 0).
WindowRecord* FindWindowRecord(HWND window);
// The first control record whose owner is `owner`, or null.
WindowRecord* FindOwnedControlRecord(HWND owner);
// The brush of the first record with this background colour and a brush, or null.
HBRUSH FindBrushForColor(std::int32_t backgroundColor);

// The brush to return for a colour message about `control`, or 0 when the
// toolkit leaves the colours to the system.
HBRUSH AnswerColorMessage(UINT message, HDC deviceContext, HWND control);
// Releases the records of the dialog's controls (and of what they own), then
// the dialog's own.
void ReleaseDialogRecords(HWND dialog);

// The dialog procedure of every toolkit dialog: the program's callbacks
// first, then the toolkit's answers to colour messages and SC_CLOSE.
INT_PTR CALLBACK ToolkitDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// What both modal runs do before their loop: the callback learns of the
// dialog, the record takes the callback and the result variable, the owner
// (returned in `owner`) is disabled and the dialog shown. False, with
// nothing shown, for a dialog without a record.
bool BeginModalRun(HWND dialog, DialogCallback callback, std::int32_t* result, HWND& owner);

// ---- Process and thread settings -----------------------------------------

struct DialogFontSetting {
  char faceName[MaxFaceNameLength + 1];  // up to 31 bytes and a zero
  std::int32_t pointSize;
};

struct ThreadSettings {
  DialogFontSetting dialogFont;
};

struct WindowRegistry {
  WindowRecord* head;
  volatile LONG lock;  // 0 free, -1 taken
};

struct ProcessSettings {
  HINSTANCE instance;
  int showState;
  char* arguments;           // the command-line text after the program name
  DWORD threadSettingsSlot;  // TLS index of each thread's ThreadSettings
  ThreadSettings* startupThreadSettings;
  WindowRegistry registry;
};

// Filled by StartProcess.
extern ProcessSettings Process;

// The calling thread's settings, made from the start-up thread's on first
// need; null only when they cannot be made.
ThreadSettings* CurrentThreadSettings();
