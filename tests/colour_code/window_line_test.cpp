// Every code that the four- or the five-band window offers reads in the
// library exactly as the window shows it: the windows' own reading is the
// expectation, over all 64 800 selections.
#include <gtest/gtest.h>

#include <string>

#include "colour_code/code.h"
#include "colour_code/wording.h"
#include "float_control.h"
#include "readings.h"
#include "window_colours.h"

namespace {

using colour_code::Colour;

std::string LibraryLine(std::initializer_list<BandColour> colours) {
  Colour code[colour_code::MaxBands];
  std::size_t count = 0;
  for (const BandColour colour : colours) code[count++] = ToCodeColour(colour);
  const colour_code::ReadOutcome reading = colour_code::ReadCode({code, count});
  if (!reading)
    return "fault: " + std::string(colour_code::ReadFaultMessage(reading.Error()).View());
  return std::string(colour_code::ReadingLine(*reading).View()) + "\r\n";
}

class WindowLine : public ::testing::Test {
 protected:
  // The windows' reading computes in the mode the programs set at start-up.
  void SetUp() override { LoadFloatControlWord(ExtendedFloatControlWord); }
};

TEST_F(WindowLine, EveryFiveBandCodeReadsAsTheWindowShowsIt) {
  int checked = 0;
  for (const BandColour first : GroupColours(BandGroupKind::Digit)) {
    for (const BandColour second : GroupColours(BandGroupKind::Digit)) {
      for (const BandColour third : GroupColours(BandGroupKind::Digit)) {
        for (const BandColour multiplier : GroupColours(BandGroupKind::Multiplier)) {
          for (const BandColour tolerance : GroupColours(BandGroupKind::FiveBandTolerance)) {
            // Digit positions are the digits, multiplier positions the colour numbers.
            const FiveBandSelection selection{static_cast<int>(first), static_cast<int>(second),
                                              static_cast<int>(third), static_cast<int>(multiplier),
                                              tolerance};
            const std::string window(FiveBandResultText(selection).view());
            ASSERT_EQ(LibraryLine({first, second, third, multiplier, tolerance}), window);
            ++checked;
          }
        }
      }
    }
  }
  EXPECT_EQ(checked, 10 * 10 * 10 * 12 * 5);
}

TEST_F(WindowLine, EveryFourBandCodeReadsAsTheWindowShowsIt) {
  int checked = 0;
  const std::span<const BandColour> tolerances = GroupColours(BandGroupKind::FourBandTolerance);
  for (const BandColour first : GroupColours(BandGroupKind::Digit)) {
    for (const BandColour second : GroupColours(BandGroupKind::Digit)) {
      for (const BandColour multiplier : GroupColours(BandGroupKind::Multiplier)) {
        for (std::size_t position = 0; position < tolerances.size(); ++position) {
          const FourBandSelection selection{static_cast<int>(first), static_cast<int>(second),
                                            static_cast<int>(multiplier),
                                            static_cast<int>(position)};
          const std::string window(FourBandResultText(selection).view());
          ASSERT_EQ(LibraryLine({first, second, multiplier, tolerances[position]}), window);
          ++checked;
        }
      }
    }
  }
  EXPECT_EQ(checked, 10 * 10 * 12 * 4);
}

}  // namespace
