#pragma once

#include <cstdint>

namespace tavelor {

// Colours are 24-bit values laid out as 0x00BBGGRR (red in the low byte).
using TCouleur = std::uint32_t;

inline constexpr TCouleur clBlack = 0x000000;
inline constexpr TCouleur clRed = 0x0000FF;
inline constexpr TCouleur clLime = 0x00FF00;
inline constexpr TCouleur clBlue = 0xFF0000;
inline constexpr TCouleur clFuchsia = 0xFF00FF;
inline constexpr TCouleur clAqua = 0xFFFF00;
inline constexpr TCouleur clPurple = 0x800080;
inline constexpr TCouleur clTeal = 0x808000;
inline constexpr TCouleur clGreen = 0x008000;
inline constexpr TCouleur clWhite = 0xFFFFFF;
// Background of every window: pale yellow (R, G, B) = (255, 255, 191).
inline constexpr TCouleur clFondBanc = 12582911;

} // namespace tavelor
