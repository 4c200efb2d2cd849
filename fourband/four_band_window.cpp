#include "four_band_window.h"

#include "band_window.h"
#include "byte_string.h"
#include "readings.h"
#include "toolkit.h"

namespace {

using enum BandColour;
using enum ControlKind;
using namespace four_band_ids;

// clang-format off
constexpr DialogProperties FourBandDialog = {
    .caption = "Four band resistors"_text,
    .x = 118, .y = 124, .width = 307, .height = 155,
    .style = BandDialogStyle,
    .extendedStyle = BandDialogExtendedStyle,
};

// The controls in creation order, with the check and default-button steps
// where they happen. Ok and Cancel are created between the first band's
// Grey and White: they take no place in the group, but the dialog manager's
// run of the first group reaches up to the second band's first option.
// Options are painted in their colours, but for Grey and None, which have
// none.
constexpr WindowRow FourBandWindow[] = {
    //       kind / id   text or colour      x    y   w    h   style
    Control(Frame, 110, "First band"_text,   5,   5, 55, 123, DefaultStyle),
    Option(120, Black,                      10,  20, 45,  10, FirstOptionStyle),
    Option(121, Brown,                      10,  30, 45,  10, DefaultStyle),
    Option(122, Red,                        10,  40, 45,  10, DefaultStyle),
    Option(123, Orange,                     10,  50, 45,  10, DefaultStyle),
    Option(124, Yellow,                     10,  60, 45,  10, DefaultStyle),
    Option(125, Green,                      10,  70, 45,  10, DefaultStyle),
    Option(126, Blue,                       10,  80, 45,  10, DefaultStyle),
    Option(127, Violet,                     10,  90, 45,  10, DefaultStyle),
    Option(128, Grey,                       10, 100, 45,  10, DefaultStyle),
    Control(PushButton, IDOK, "&Ok"_text,  190, 105, 50,  20, DefaultStyle),
    SendToDialog(DM_SETDEFID, IDOK, 0),
    Control(PushButton, IDCANCEL, "&Cancel"_text, 250, 105, 50, 20, DefaultStyle),
    Option(129, White,                      10, 110, 45,  10, DefaultStyle),
    CheckOption(121, FirstDigit, FirstDigitLast),

    Control(Frame, 111, "Second band"_text, 60,   5, 55, 123, DefaultStyle),
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

    Control(Frame, 112, "Third band"_text, 115,   5, 55, 145, DefaultStyle),
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
    Option(150, Silver,                    120, 125, 45,  10, DefaultStyle),
    Option(151, Gold,                      120, 135, 45,  10, DefaultStyle),
    CheckOption(142, Multiplier, MultiplierLast),

    Control(Frame, 113, "Tolerance band"_text, 170,   5, 60,  60, DefaultStyle),
    Option(160, None,                      175,  20, 50,  10, FirstOptionStyle),
    Option(161, Red,                       175,  30, 50,  10, DefaultStyle),
    Option(162, Silver,                    175,  40, 50,  10, DefaultStyle),
    Option(163, Gold,                      175,  50, 50,  10, DefaultStyle),
    CheckOption(162, Tolerance, ToleranceLast),

    Picture(170, 104,                      235,   5, 65,  60, CentredBitmapStyle),
    Control(Label, 181, "For more information visit:"_text, 175, 75, 120, 10, DefaultStyle),
    Control(Label, 182, MoreInformation,   175,  85, 120, 10, DefaultStyle),
};
// clang-format on
// The options are the ones the reading scans, in the colours it gives them.
static_assert(OptionsAgreeWithReading(FourBandWindow, OptionColour));

void ShowFourBandReading(HWND dialog) {
  const FourBandSelection selection =
      ReadFourBandSelection([dialog](int identifier) { return GetCheckState(dialog, identifier); });
  ShowReadingText(FourBandResultText(selection));
}

}  // namespace

INT_PTR FourBandCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM) noexcept {
  HandleBandWindowMessage(dialog, message, wParam, ShowFourBandReading);
  return 0;
}

std::int32_t ShowFourBandWindow(HWND parent) {
  std::int32_t result = 0;
  HWND dialog = BuildWindow(parent, FourBandDialog, FourBandWindow);
  RunDialogModal(dialog, &FourBandCallback, &result);
  return result;
}

int FourBandMain(HINSTANCE, HINSTANCE, char*, int) {
  ShowFourBandWindow(nullptr);
  return 0;
}
