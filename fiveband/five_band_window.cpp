#include "five_band_window.h"

#include "band_window.h"
#include "byte_string.h"
#include "readings.h"
#include "toolkit.h"

namespace {

using enum BandColour;
using enum ControlKind;
using namespace five_band_ids;

// clang-format off
constexpr DialogProperties FiveBandDialog = {
    .caption = "Five band resistors"_text,
    .x = 118, .y = 124, .width = 365, .height = 155,
    .style = BandDialogStyle,
    .extendedStyle = BandDialogExtendedStyle,
};

// The controls in creation order, with the check and default-button steps
// where they happen. The tolerance identifiers do not follow the display
// order and 171 names no control; the reading scans 170 to 175. Options are
// painted in their colours, but for Grey and None, which have none.
constexpr WindowRow FiveBandWindow[] = {
    //       kind / id   text or colour      x    y   w    h   style
    Control(Frame, 110, "First band"_text,   5,   5, 55, 120, DefaultStyle),
    Option(120, Black,                      10,  20, 45,  10, FirstOptionStyle),
    Option(121, Brown,                      10,  30, 45,  10, DefaultStyle),
    Option(122, Red,                        10,  40, 45,  10, DefaultStyle),
    Option(123, Orange,                     10,  50, 45,  10, DefaultStyle),
    Option(124, Yellow,                     10,  60, 45,  10, DefaultStyle),
    Option(125, Green,                      10,  70, 45,  10, DefaultStyle),
    Option(126, Blue,                       10,  80, 45,  10, DefaultStyle),
    Option(127, Violet,                     10,  90, 45,  10, DefaultStyle),
    Option(128, Grey,                       10, 100, 45,  10, DefaultStyle),
    Option(129, White,                      10, 110, 45,  10, DefaultStyle),
    CheckOption(121, FirstDigit, FirstDigitLast),

    Control(Frame, 111, "Second band"_text, 60,   5, 55, 120, DefaultStyle),
    Option(130, Black,                      65,  20, 45,  10, FirstOptionStyle),
    Option(131, Brown,                      65,  30, 45,  10, DefaultStyle),
    Option(132, Red,                        65,  40, 45,  10, DefaultStyle),
    Option(133, Orange,                     65,  50, 45,  10, DefaultStyle),
    Option(134, Yellow,                     65,  60, 45,  10, DefaultStyle),
    Option(135, Green,                      65,  70, 45,  10, DefaultStyle),
    Option(136, Blue,                       65,  80, 45,  10, DefaultStyle),
    Option(137, Violet,                     65,  90, 45,  10, DefaultStyle),
    Option(138, Grey,                       65, 100, 45,  10, DefaultStyle),
    Option(139, White,                      65, 110, 45,  10, DefaultStyle),
    CheckOption(130, SecondDigit, SecondDigitLast),

    Control(Frame, 112, "Third band"_text, 115,   5, 55, 120, DefaultStyle),
    Option(140, Black,                     120,  20, 45,  10, FirstOptionStyle),
    Option(141, Brown,                     120,  30, 45,  10, DefaultStyle),
    Option(142, Red,                       120,  40, 45,  10, DefaultStyle),
    Option(143, Orange,                    120,  50, 45,  10, DefaultStyle),
    Option(144, Yellow,                    120,  60, 45,  10, DefaultStyle),
    Option(145, Green,                     120,  70, 45,  10, DefaultStyle),
    Option(146, Blue,                      120,  80, 45,  10, DefaultStyle),
    Option(147, Violet,                    120,  90, 45,  10, DefaultStyle),
    Option(148, Grey,                      120, 100, 45,  10, DefaultStyle),
    Option(149, White,                     120, 110, 45,  10, DefaultStyle),
    CheckOption(140, ThirdDigit, ThirdDigitLast),

    Control(Frame, 113, "Fourth band"_text, 170,   5, 55, 145, DefaultStyle),
    Option(150, Black,                     175,  20, 45,  10, FirstOptionStyle),
    Option(151, Brown,                     175,  30, 45,  10, DefaultStyle),
    Option(152, Red,                       175,  40, 45,  10, DefaultStyle),
    Option(153, Orange,                    175,  50, 45,  10, DefaultStyle),
    Option(154, Yellow,                    175,  60, 45,  10, DefaultStyle),
    Option(155, Green,                     175,  70, 45,  10, DefaultStyle),
    Option(156, Blue,                      175,  80, 45,  10, DefaultStyle),
    Option(157, Violet,                    175,  90, 45,  10, DefaultStyle),
    Option(158, Grey,                      175, 100, 45,  10, DefaultStyle),
    Option(159, White,                     175, 110, 45,  10, DefaultStyle),
    Option(160, Silver,                    175, 125, 45,  10, DefaultStyle),
    Option(161, Gold,                      175, 135, 45,  10, DefaultStyle),
    CheckOption(151, Multiplier, MultiplierLast),

    Control(Frame, 114, "Tolerance band"_text, 225,   5, 60,  75, DefaultStyle),
    Option(170, None,                      230,  20, 50,  10, FirstOptionStyle),
    Option(173, Brown,                     230,  30, 50,  10, DefaultStyle),
    Option(172, Red,                       230,  40, 50,  10, DefaultStyle),
    Option(174, Silver,                    230,  50, 50,  10, DefaultStyle),
    Option(175, Gold,                      230,  60, 50,  10, DefaultStyle),
    CheckOption(172, Tolerance, ToleranceLast),

    Picture(180, 104,                      290,   5, 65,  60, CentredBitmapStyle),
    Control(Label, 191, "For more information visit:"_text, 230, 85, 120, 10, DefaultStyle),
    Control(Label, 192, MoreInformation,   230,  95, 120, 10, DefaultStyle),
    Control(PushButton, IDOK, "&Ok"_text,  245, 115, 50,  20, DefaultStyle),
    SendToDialog(DM_SETDEFID, IDOK, 0),
    Control(PushButton, IDCANCEL, "&Cancel"_text, 305, 115, 50, 20, DefaultStyle),
};
// clang-format on
// The options are the ones the reading scans, in the colours it gives them.
static_assert(OptionsAgreeWithReading(FiveBandWindow, OptionColour));

void ShowFiveBandReading(HWND dialog) {
  const FiveBandSelection selection =
      ReadFiveBandSelection([dialog](int identifier) { return GetCheckState(dialog, identifier); });
  ShowReadingText(FiveBandResultText(selection));
}

}  // namespace

INT_PTR FiveBandCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM) noexcept {
  HandleBandWindowMessage(dialog, message, wParam, ShowFiveBandReading);
  return 0;
}

std::int32_t ShowFiveBandWindow(HWND parent) {
  std::int32_t result = 0;
  HWND dialog = BuildWindow(parent, FiveBandDialog, FiveBandWindow);
  RunDialogModal(dialog, &FiveBandCallback, &result);
  return result;
}

int FiveBandMain(HINSTANCE, HINSTANCE, char*, int) {
  ShowFiveBandWindow(nullptr);
  return 0;
}
