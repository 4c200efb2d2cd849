// The floating-point mode of the process: the x87 control word that start-up
// sets and that the windows load again after calls into the platform.
#pragma once

#include <cstdint>

// Every exception masked, 64-bit significand, rounding to nearest with ties
// to even.
inline constexpr std::uint16_t ExtendedFloatControlWord = 0x133F;

// Loads `word` into the x87 control word. Calls into the platform may leave
// it changed; the programs load it again before numeric work follows them.
inline void LoadFloatControlWord(std::uint16_t word) { __asm__ volatile("fldcw %0" : : "m"(word)); }
inline std::uint16_t StoreFloatControlWord() {
  std::uint16_t word;
  __asm__ volatile("fnstcw %0" : "=m"(word));
  return word;
}
