#pragma once

namespace tavelor {

// The one π of the program, and the one pair of conversions between radians and degrees.
// Written out rather than std::numbers::pi: moc, which reads the windows' headers, fails
// on <numbers>.
inline constexpr double Pi = 3.141592653589793;

// rad → °, computed as the readings have always been: angle·180/π.
constexpr double Degres(double radians)
{
    return radians * 180.0 / Pi;
}

// ° → rad: angle·π/180.
constexpr double Radians(double degres)
{
    return degres * Pi / 180.0;
}

} // namespace tavelor
