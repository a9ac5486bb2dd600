#pragma once

#include <optional>
#include <string_view>

namespace tavelor {

// What the diagram dialogs accept in their edit fields, read from UTF-8 text: plain
// decimal numbers with the given decimal separator, an optional minus sign and ASCII
// blanks around them. No plus sign, no exponent, no hexadecimal, no group separator;
// a number too large for its type is refused like any other bad text.
std::optional<double> LitReel(std::string_view texte, std::string_view separateur);
std::optional<int> LitEntier(std::string_view texte);

} // namespace tavelor
