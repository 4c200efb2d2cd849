#include "expected_windows.h"

namespace {

using enum Kind;

// Effective styles: the toolkit adds the automatic radio-button type to the
// options; the dialog manager makes "&Ok" the default push button.
constexpr DWORD FrameStyle = 0x50000007;        // child, visible, group box
constexpr DWORD FirstOptionStyle = 0x50030109;  // child, visible, group, tab stop, left, auto radio
constexpr DWORD OptionStyle = 0x50010009;       // child, visible, tab stop, auto radio
constexpr DWORD ImageStyle = 0x5000020E;        // child, visible, centred bitmap
constexpr DWORD LabelStyle = 0x50000000;        // child, visible, left-aligned text
constexpr DWORD DefaultButtonStyle = 0x50010001;
constexpr DWORD ButtonStyle = 0x50010000;

constexpr ExpectedControl FiveBandControls[] = {
    {Frame, 110, "First band", 5, 5, 55, 120, FrameStyle},
    {Option, 120, "Black", 10, 20, 45, 10, FirstOptionStyle},
    {Option, 121, "Brown", 10, 30, 45, 10, OptionStyle},
    {Option, 122, "Red", 10, 40, 45, 10, OptionStyle},
    {Option, 123, "Orange", 10, 50, 45, 10, OptionStyle},
    {Option, 124, "Yellow", 10, 60, 45, 10, OptionStyle},
    {Option, 125, "Green", 10, 70, 45, 10, OptionStyle},
    {Option, 126, "Blue", 10, 80, 45, 10, OptionStyle},
    {Option, 127, "Violet", 10, 90, 45, 10, OptionStyle},
    {Option, 128, "Grey", 10, 100, 45, 10, OptionStyle},
    {Option, 129, "White", 10, 110, 45, 10, OptionStyle},
    {Frame, 111, "Second band", 60, 5, 55, 120, FrameStyle},
    {Option, 130, "Black", 65, 20, 45, 10, FirstOptionStyle},
    {Option, 131, "Brown", 65, 30, 45, 10, OptionStyle},
    {Option, 132, "Red", 65, 40, 45, 10, OptionStyle},
    {Option, 133, "Orange", 65, 50, 45, 10, OptionStyle},
    {Option, 134, "Yellow", 65, 60, 45, 10, OptionStyle},
    {Option, 135, "Green", 65, 70, 45, 10, OptionStyle},
    {Option, 136, "Blue", 65, 80, 45, 10, OptionStyle},
    {Option, 137, "Violet", 65, 90, 45, 10, OptionStyle},
    {Option, 138, "Grey", 65, 100, 45, 10, OptionStyle},
    {Option, 139, "White", 65, 110, 45, 10, OptionStyle},
    {Frame, 112, "Third band", 115, 5, 55, 120, FrameStyle},
    {Option, 140, "Black", 120, 20, 45, 10, FirstOptionStyle},
    {Option, 141, "Brown", 120, 30, 45, 10, OptionStyle},
    {Option, 142, "Red", 120, 40, 45, 10, OptionStyle},
    {Option, 143, "Orange", 120, 50, 45, 10, OptionStyle},
    {Option, 144, "Yellow", 120, 60, 45, 10, OptionStyle},
    {Option, 145, "Green", 120, 70, 45, 10, OptionStyle},
    {Option, 146, "Blue", 120, 80, 45, 10, OptionStyle},
    {Option, 147, "Violet", 120, 90, 45, 10, OptionStyle},
    {Option, 148, "Grey", 120, 100, 45, 10, OptionStyle},
    {Option, 149, "White", 120, 110, 45, 10, OptionStyle},
    {Frame, 113, "Fourth band", 170, 5, 55, 145, FrameStyle},
    {Option, 150, "Black", 175, 20, 45, 10, FirstOptionStyle},
    {Option, 151, "Brown", 175, 30, 45, 10, OptionStyle},
    {Option, 152, "Red", 175, 40, 45, 10, OptionStyle},
    {Option, 153, "Orange", 175, 50, 45, 10, OptionStyle},
    {Option, 154, "Yellow", 175, 60, 45, 10, OptionStyle},
    {Option, 155, "Green", 175, 70, 45, 10, OptionStyle},
    {Option, 156, "Blue", 175, 80, 45, 10, OptionStyle},
    {Option, 157, "Violet", 175, 90, 45, 10, OptionStyle},
    {Option, 158, "Grey", 175, 100, 45, 10, OptionStyle},
    {Option, 159, "White", 175, 110, 45, 10, OptionStyle},
    {Option, 160, "Silver", 175, 125, 45, 10, OptionStyle},
    {Option, 161, "Gold", 175, 135, 45, 10, OptionStyle},
    {Frame, 114, "Tolerance band", 225, 5, 60, 75, FrameStyle},
    {Option, 170, "None", 230, 20, 50, 10, FirstOptionStyle},
    {Option, 173, "Brown", 230, 30, 50, 10, OptionStyle},
    {Option, 172, "Red", 230, 40, 50, 10, OptionStyle},
    {Option, 174, "Silver", 230, 50, 50, 10, OptionStyle},
    {Option, 175, "Gold", 230, 60, 50, 10, OptionStyle},
    {Image, 180, "", 290, 5, 65, 60, ImageStyle},
    {Label, 191, "For more information visit:", 230, 85, 120, 10, LabelStyle},
    {Label, 192, "the README of this project", 230, 95, 120, 10, LabelStyle},
    {PushButton, 1, "&Ok", 245, 115, 50, 20, DefaultButtonStyle},
    {PushButton, 2, "&Cancel", 305, 115, 50, 20, ButtonStyle},
};

constexpr int FiveBandCheckedAtOpening[] = {121, 130, 140, 151, 172};

// Options by band: first 120 + digit, second 130 + digit, third 140 + digit,
// fourth 150 + colour number (Silver 160, Gold 161); tolerance None 170,
// Red 172, Brown 173, Silver 174, Gold 175.
constexpr int Five1[] = {121, 130, 140, 152, 175};
constexpr int Five2[] = {124, 137, 140, 150, 173};
constexpr int Five3[] = {125, 136, 140, 150, 173};
constexpr int Five4[] = {122, 132, 140, 161, 174};
constexpr int Five5[] = {121, 130, 140, 160, 170};
constexpr int Five6[] = {123, 133, 149, 153, 172};
constexpr int Five7[] = {129, 139, 149, 159, 175};
constexpr int Five8[] = {120, 130, 141, 150, 173};
constexpr int Five9[] = {120, 131, 140, 151, 172};
constexpr int Five10[] = {124, 137, 140, 154, 175};
constexpr int Five11[] = {124, 137, 140, 157, 174};
constexpr int Five12[] = {121, 130, 140, 151, 172};

constexpr ExpectedReading FiveBandReadings[] = {
    {"Brown Black Black Red Gold", Five1, "Resistance: 10.0 k ohm, 5%\r\n"},
    {"Yellow Violet Black Black Brown", Five2, "Resistance: 470 ohm, 1%\r\n"},
    {"Green Blue Black Black Brown", Five3, "Resistance: 560 ohm, 1%\r\n"},
    {"Red Red Black Gold Silver", Five4, "Resistance: 22.0 ohm, 10%\r\n"},
    {"Brown Black Black Silver None", Five5, "Resistance: 1.00 ohm, 20%\r\n"},
    {"Orange Orange White Orange Red", Five6, "Resistance: 339 k ohm, 2%\r\n"},
    {"White White White White Gold", Five7, "Resistance: 999 G ohm, 5%\r\n"},
    {"Black Black Brown Black Brown", Five8, "Resistance: 001 ohm, 1%\r\n"},
    {"Black Brown Black Brown Red", Five9, "Resistance: 0.10 k ohm, 2%\r\n"},
    {"Yellow Violet Black Yellow Gold", Five10, "Resistance: 4.70 M ohm, 5%\r\n"},
    {"Yellow Violet Black Violet Silver", Five11, "Resistance: 4.70 G ohm, 10%\r\n"},
    {"Brown Black Black Brown Red (back to the opening state)", Five12,
     "Resistance: 1.00 k ohm, 2%\r\n"},
};

constexpr ExpectedControl FourBandControls[] = {
    {Frame, 110, "First band", 5, 5, 55, 123, FrameStyle},
    {Option, 120, "Black", 10, 20, 45, 10, FirstOptionStyle},
    {Option, 121, "Brown", 10, 30, 45, 10, OptionStyle},
    {Option, 122, "Red", 10, 40, 45, 10, OptionStyle},
    {Option, 123, "Orange", 10, 50, 45, 10, OptionStyle},
    {Option, 124, "Yellow", 10, 60, 45, 10, OptionStyle},
    {Option, 125, "Green", 10, 70, 45, 10, OptionStyle},
    {Option, 126, "Blue", 10, 80, 45, 10, OptionStyle},
    {Option, 127, "Violet", 10, 90, 45, 10, OptionStyle},
    {Option, 128, "Grey", 10, 100, 45, 10, OptionStyle},
    {PushButton, 1, "&Ok", 190, 105, 50, 20, DefaultButtonStyle},
    {PushButton, 2, "&Cancel", 250, 105, 50, 20, ButtonStyle},
    {Option, 129, "White", 10, 110, 45, 10, OptionStyle},
    {Frame, 111, "Second band", 60, 5, 55, 123, FrameStyle},
    {Option, 130, "Black", 65, 20, 45, 10, FirstOptionStyle},
    {Option, 131, "Brown", 65, 30, 45, 10, OptionStyle},
    {Option, 132, "Red", 65, 40, 45, 10, OptionStyle},
    {Option, 133, "Orange", 65, 50, 45, 10, OptionStyle},
    {Option, 134, "Yellow", 65, 60, 45, 10, OptionStyle},
    {Option, 135, "Green", 65, 70, 45, 10, OptionStyle},
    {Option, 136, "Blue", 65, 80, 45, 10, OptionStyle},
    {Option, 137, "Violet", 65, 90, 45, 10, OptionStyle},
    {Option, 138, "Grey", 65, 100, 45, 10, OptionStyle},
    {Option, 139, "White", 65, 110, 45, 10, OptionStyle},
    {Frame, 112, "Third band", 115, 5, 55, 145, FrameStyle},
    {Option, 140, "Black", 120, 20, 45, 10, FirstOptionStyle},
    {Option, 141, "Brown", 120, 30, 45, 10, OptionStyle},
    {Option, 142, "Red", 120, 40, 45, 10, OptionStyle},
    {Option, 143, "Orange", 120, 50, 45, 10, OptionStyle},
    {Option, 144, "Yellow", 120, 60, 45, 10, OptionStyle},
    {Option, 145, "Green", 120, 70, 45, 10, OptionStyle},
    {Option, 146, "Blue", 120, 80, 45, 10, OptionStyle},
    {Option, 147, "Violet", 120, 90, 45, 10, OptionStyle},
    {Option, 148, "Grey", 120, 100, 45, 10, OptionStyle},
    {Option, 149, "White", 120, 110, 45, 10, OptionStyle},
    {Option, 150, "Silver", 120, 125, 45, 10, OptionStyle},
    {Option, 151, "Gold", 120, 135, 45, 10, OptionStyle},
    {Frame, 113, "Tolerance band", 170, 5, 60, 60, FrameStyle},
    {Option, 160, "None", 175, 20, 50, 10, FirstOptionStyle},
    {Option, 161, "Red", 175, 30, 50, 10, OptionStyle},
    {Option, 162, "Silver", 175, 40, 50, 10, OptionStyle},
    {Option, 163, "Gold", 175, 50, 50, 10, OptionStyle},
    {Image, 170, "", 235, 5, 65, 60, ImageStyle},
    {Label, 181, "For more information visit:", 175, 75, 120, 10, LabelStyle},
    {Label, 182, "the README of this project", 175, 85, 120, 10, LabelStyle},
};

constexpr int FourBandCheckedAtOpening[] = {121, 130, 142, 162};

// Options by band: first 120 + digit, second 130 + digit, third 140 +
// colour number (Silver 150, Gold 151); tolerance None 160, Red 161,
// Silver 162, Gold 163.
constexpr int Four1[] = {124, 137, 142, 163};
constexpr int Four2[] = {121, 130, 140, 160};
constexpr int Four3[] = {122, 132, 150, 162};
constexpr int Four4[] = {123, 139, 151, 161};
constexpr int Four5[] = {125, 136, 147, 163};
constexpr int Four6[] = {120, 130, 141, 161};
constexpr int Four7[] = {129, 139, 149, 163};
constexpr int Four8[] = {120, 137, 140, 160};
constexpr int Four9[] = {120, 135, 142, 160};
constexpr int Four10[] = {120, 130, 150, 160};
constexpr int Four11[] = {129, 139, 151, 163};
constexpr int Four12[] = {124, 137, 144, 162};
constexpr int Four13[] = {121, 130, 142, 162};

constexpr ExpectedReading FourBandReadings[] = {
    {"Yellow Violet Red Gold", Four1, "Resistance: 4.7 k ohm, 5%\r\n"},
    {"Brown Black Black None", Four2, "Resistance: 10 ohm, 20%\r\n"},
    {"Red Red Silver Silver", Four3, "Resistance: 0.22 ohm, 10%\r\n"},
    {"Orange White Gold Red", Four4, "Resistance: 3.9 ohm, 2%\r\n"},
    {"Green Blue Violet Gold", Four5, "Resistance: 560 M ohm, 5%\r\n"},
    {"Black Black Brown Red", Four6, "Resistance: 000 ohm, 2%\r\n"},
    {"White White White Gold", Four7, "Resistance: 99 G ohm, 5%\r\n"},
    {"Black Violet Black None", Four8, "Resistance: 07 ohm, 20%\r\n"},
    {"Black Green Red None", Four9, "Resistance: 0.5 k ohm, 20%\r\n"},
    {"Black Black Silver None", Four10, "Resistance: 0.00 ohm, 20%\r\n"},
    {"White White Gold Gold", Four11, "Resistance: 9.9 ohm, 5%\r\n"},
    {"Yellow Violet Yellow Silver", Four12, "Resistance: 470 k ohm, 10%\r\n"},
    {"Brown Black Red Silver (back to the opening state)", Four13,
     "Resistance: 1.0 k ohm, 10%\r\n"},
};

// The dialog manager's keyboard: Tab and Shift+Tab go from tab stop to tab
// stop in creation order, and a group is entered at its checked option,
// the only option of it with a tab stop. An arrow key goes to the next or
// previous control up to the next control with WS_GROUP, and checks it if
// it is an option; the run of a group therefore holds the frame that
// follows it, and the tolerance group's run holds the picture, the labels
// and both buttons. The mnemonic of "&Ok" gives Ok the focus.
constexpr KeyStep FiveBandKeyboardWalk[] = {
    {"Tab", 130, 0, nullptr},
    {"Tab", 140, 0, nullptr},
    {"Tab", 151, 0, nullptr},
    {"Tab", 172, 0, nullptr},
    {"Tab", IDOK, 0, nullptr},
    {"Tab", IDCANCEL, 0, nullptr},
    {"Tab", 121, 0, nullptr},  // round again
    {"Shift+Tab", IDCANCEL, 0, nullptr},
    {"Shift+Tab", IDOK, 0, nullptr},
    {"Shift+Tab", 172, 0, nullptr},
    {"Shift+Tab", 151, 0, nullptr},
    {"Down", 152, 152, nullptr},  // multiplier Brown to Red
    {"Alt+O", IDOK, 0, "Resistance: 10.0 k ohm, 2%\r\n"},
    {"Shift+Tab", 172, 0, nullptr},
    {"Down", 174, 174, nullptr},  // tolerance Red to Silver, in display order
    {"Down", 175, 175, nullptr},
    {"Down", 180, 0, nullptr},  // past Gold to the picture; Gold stays checked
    {"Up", 175, 175, nullptr},
    {"Alt+O", IDOK, 0, "Resistance: 10.0 k ohm, 5%\r\n"},
    {"Up", 192, 0, nullptr},         // from Ok back along the tolerance group's run
    {"Shift+Tab", 175, 0, nullptr},  // the tab stops moved with the checks
    {"Shift+Tab", 152, 0, nullptr},
    {"Shift+Tab", 140, 0, nullptr},
    {"Shift+Tab", 130, 0, nullptr},
    {"Shift+Tab", 121, 0, nullptr},
    {"Up", 120, 120, nullptr},
    {"Up", 111, 0, nullptr},  // round to the end of the run: the second band's frame
    {"Down", 120, 120, nullptr},
    {"Down", 121, 121, nullptr},
    {"Tab", 130, 0, nullptr},
    {"Down", 131, 131, nullptr},
    {"Alt+O", IDOK, 0, "Resistance: 11.0 k ohm, 5%\r\n"},
};

// As in the five-band window; here the first band's run from Black to the
// second band's Black also holds Ok, Cancel and the second band's frame, so
// the arrow keys pass through the two buttons between Grey and White, and
// with White checked its tab stop comes after the buttons.
constexpr KeyStep FourBandKeyboardWalk[] = {
    {"Tab", IDOK, 0, nullptr},
    {"Tab", IDCANCEL, 0, nullptr},
    {"Tab", 130, 0, nullptr},
    {"Tab", 142, 0, nullptr},
    {"Tab", 162, 0, nullptr},
    {"Tab", 121, 0, nullptr},  // round again
    {"Shift+Tab", 162, 0, nullptr},
    {"Shift+Tab", 142, 0, nullptr},
    {"Shift+Tab", 130, 0, nullptr},
    {"Shift+Tab", IDCANCEL, 0, nullptr},
    {"Shift+Tab", IDOK, 0, nullptr},
    {"Shift+Tab", 121, 0, nullptr},
    {"Down", 122, 122, nullptr},
    {"Up", 121, 121, nullptr},
    {"Tab", IDOK, 0, nullptr},
    {"Up", 128, 128, nullptr},  // from Ok back to Grey, which the arrow checks
    {"Down", IDOK, 0, nullptr},
    {"Down", IDCANCEL, 0, nullptr},
    {"Down", 129, 129, nullptr},
    {"Down", 111, 0, nullptr},    // the second band's frame ends the run
    {"Down", 120, 120, nullptr},  // round to Black
    {"Up", 111, 0, nullptr},
    {"Up", 129, 129, nullptr},
    {"Up", IDCANCEL, 0, nullptr},
    {"Up", IDOK, 0, nullptr},
    {"Alt+O", IDOK, 0, "Resistance: 9.0 k ohm, 10%\r\n"},
    {"Shift+Tab", 162, 0, nullptr},  // White's tab stop is after the buttons
    {"Down", 163, 163, nullptr},
    {"Down", 170, 0, nullptr},  // past Gold to the picture
    {"Up", 163, 163, nullptr},
    {"Tab", IDOK, 0, nullptr},
    {"Tab", IDCANCEL, 0, nullptr},
    {"Tab", 129, 0, nullptr},
    {"Tab", 130, 0, nullptr},
    {"Down", 131, 131, nullptr},
    {"Alt+O", IDOK, 0, "Resistance: 9.1 k ohm, 5%\r\n"},
};

}  // namespace

const ExpectedWindow FiveBandExpected = {
    .program = "fiveband",
    .caption = "Five band resistors",
    .x = 118,
    .y = 124,
    .width = 365,
    .height = 155,
    .controls = FiveBandControls,
    .checkedAtOpening = FiveBandCheckedAtOpening,
    .openingText = "Resistance: 1.00 k ohm, 2%\r\n",
    .readings = FiveBandReadings,
    .hasVersionResource = true,
    .keyboardWalk = FiveBandKeyboardWalk,
};

const ExpectedWindow FourBandExpected = {
    .program = "fourband",
    .caption = "Four band resistors",
    .x = 118,
    .y = 124,
    .width = 307,
    .height = 155,
    .controls = FourBandControls,
    .checkedAtOpening = FourBandCheckedAtOpening,
    .openingText = "Resistance: 1.0 k ohm, 10%\r\n",
    .readings = FourBandReadings,
    .hasVersionResource = false,
    .keyboardWalk = FourBandKeyboardWalk,
};
